#pragma once

#include "AutomationObject.h"
#include "ImportList.h"
#include "OutlookTaskEntry.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

class CAutomationRegistry;
class IAutomationReporter;

// The one connection to the mail client, opened at start-up and closed with
// the main window. Every mail-client command does nothing while it is off.
// Calls during a command are not guarded: a server failure is thrown as
// CAutomationException.
class COutlookConnection
{
public:
    enum : DispId {
        DISPID_APP_GETNAMESPACE = 0x110,
        DISPID_APP_CREATEITEM = 0x10A,
        DISPID_NS_GETDEFAULTFOLDER = 0x210B,
        DISPID_NS_LOGOFF = 0x2106,
        DISPID_FOLDER_ITEMS = 0x3100,
        DISPID_ITEMS_GETFIRST = 0x56,
        DISPID_ITEMS_GETNEXT = 0x57,
        DISPID_ITEM_BODY = 0x9100,
        DISPID_ITEM_SUBJECT = 0x37,
        DISPID_ITEM_IMPORTANCE = 0x17,
        DISPID_TASK_STARTDATE = 0x8104,
        DISPID_ITEM_DISPLAY = 0xF0A6,
    };
    enum : int32_t { ITEM_TASK = 3, ITEM_NOTE = 5, FOLDER_NOTES = 12, FOLDER_TASKS = 13 };
    enum : int32_t { IMPORTANCE_LOW = 0, IMPORTANCE_NORMAL = 1, IMPORTANCE_HIGH = 2 };
    // The start date of a task without one: 1 January 4501.
    static constexpr double dNoDate = 949998.0;

    // Creates the server and its "MAPI" namespace. On failure the connection
    // stays off and message 61451 is reported with the status code.
    bool Open(const CAutomationRegistry& registry, IAutomationReporter& reporter);
    // Logs off and releases both objects, when the connection is on.
    void Close();

    // A new note item with the text, displayed.
    void ExportNote(const std::string& strText);
    // A new task item, displayed; the date is set only when bHasDate.
    void ExportTask(const std::string& strTitle, const std::string& strText, int32_t bHasDate, const CDateTime& dtDate,
                    int32_t nImportance);

    // Fill an import list from the default notes or tasks folder and return
    // the number of items read. pSkipped receives what the server passed
    // over and why; a set pStop ends the listing after the current item.
    // Safe on a worker thread while nothing else uses the connection.
    int ListNotes(CImportList<std::string>& list, std::vector<std::string>* pSkipped = nullptr,
                  const std::atomic<bool>* pStop = nullptr);
    int ListTasks(CImportList<COutlookTaskEntry>& list, std::vector<std::string>* pSkipped = nullptr,
                  const std::atomic<bool>* pStop = nullptr);

    int32_t m_bAvailable = 0;
    CDispatchDriver m_application;
    CDispatchDriver m_namespace;

private:
    template <class F>
    int ListFolder(int32_t nFolderKind, F&& addItem, std::vector<std::string>* pSkipped,
                   const std::atomic<bool>* pStop);
};

// An items collection of our own servers that passes over files it cannot
// read tells which, one line each naming the file and saying why.
class ISkippedItems
{
public:
    virtual ~ISkippedItems() = default;
    virtual std::vector<std::string> SkippedItems() const = 0;
};

// A note item's row text: CR LF pairs become one blank, then every remaining
// tab, line feed and carriage return a blank.
std::string NoteRowText(const std::string& strBody);
