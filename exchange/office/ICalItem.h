#pragma once

#include "DateTime.h"

#include <memory>
#include <optional>
#include <string>

struct icalcomponent_impl;

// One task (VTODO) or journal note (VJOURNAL) in its own calendar object,
// as kept in one file of a vdir folder. Properties this class does not know
// are kept as they were read.
class CICalItem
{
public:
    enum class EKind { task, note };

    ~CICalItem();
    CICalItem(const CICalItem&) = delete;
    CICalItem& operator=(const CICalItem&) = delete;

    // A new item with a fresh UID and a time stamp.
    static std::unique_ptr<CICalItem> New(EKind kind);
    // The first item of that kind in the iCalendar text; null when there is none.
    static std::unique_ptr<CICalItem> Parse(const std::string& strData, EKind kind);

    EKind GetKind() const { return m_kind; }

    std::string GetUid() const;
    // Gives the item a fresh UID when it has none.
    void EnsureUid();

    // SUMMARY.
    std::string GetSummary() const;
    void SetSummary(const std::string& strText);
    // DESCRIPTION, with CR LF line ends as a note keeps them.
    std::string GetDescription() const;
    void SetDescription(const std::string& strText);
    // The task's date as local time: DTSTART, else DUE (other programs
    // often set only the due date); nothing when the item has neither.
    std::optional<CDateTime> GetDate() const;
    // Writes the date as both DTSTART and DUE, so programs that show only
    // one of them show it; an invalid date removes both.
    void SetDate(const CDateTime& dt);
    // PRIORITY, 0 when absent.
    int GetPriority() const;
    void SetPriority(int nPriority);

    // The whole calendar object as iCalendar text.
    std::string Serialize() const;

private:
    CICalItem(icalcomponent_impl* pRoot, icalcomponent_impl* pItem, EKind kind);

    icalcomponent_impl* m_pRoot;
    icalcomponent_impl* m_pItem;
    EKind m_kind;
};

// Importance 0 / 1 / 2 to PRIORITY 9 / 5 / 1, and back by bands: 1 to 4
// high, 6 to 9 low, anything else normal.
int PriorityFromImportance(int nImportance);
int ImportanceFromPriority(int nPriority);
