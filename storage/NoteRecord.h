#pragma once

#include "DateTime.h"

#include <cstdint>
#include <string>

// One note as a plain value. Strings hold UTF-8 bytes exactly as stored.
class CNoteRecord
{
public:
    CNoteRecord() { Reset(); }

    // Empty strings, icon 0, the current time in all three date-times,
    // no date, modified at the desktop, medium priority.
    void Reset();

    bool operator==(const CNoteRecord&) const = default;

    std::string m_strKey;
    std::string m_strTitle;
    std::string m_strComments;
    std::string m_strKeywords;
    std::string m_strNotes;
    int32_t m_nIcon = 0;
    CDateTime m_dtDate;
    int32_t m_bHasDate = 0;
    CDateTime m_dtCreated;
    CDateTime m_dtModified;
    int32_t m_nModifiedAt = 0;
    int32_t m_nPriority = 1;
    // The text is not held here (m_strNotes is empty): a store keeps it
    // aside and gives it on demand (CNoteStore::GetNote, NotesText). No
    // such record is ever written to a file.
    bool m_bNotesAside = false;
};

// The key for the current local time and the given counter:
// "%04d%02d%02d%02d%02d%02d%02d".
std::string MakeNoteKey(int nCounter);
// The same for a given moment; MakeNoteKey reads the clock and calls this.
std::string MakeNoteKey(const CDateTime& when, int nCounter);

// "Low", "Medium", "High" for 0, 1, 2; empty for anything else.
const char* PriorityText(int nPriority);

// "Desktop", "Pocket PC", "Smart Phone" for 0, 1, 2; empty for anything else.
const char* ModifiedAtText(int nModifiedAt);
