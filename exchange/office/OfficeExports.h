#pragma once

#include "OutlookTaskEntry.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CAppContext;
class CAutomationRegistry;
class CNoteRecord;
class CNoteStore;
class COutlookConnection;
class IAutomationReporter;

// The eight office and mail-client commands, without their window. The
// window takes the note at the notes list's selection mark (null when there
// is none), commits the Notes pane, calls one of these and refreshes.

// Word and Excel: a new document or workbook with the note, left open in
// the visible server. Nothing happens without a note. Returns the status-bar
// line: that the document is being opened, or why nothing was shown when
// the server is missing here; empty after a reported failure.
std::string ExportWordAll(const CNoteRecord* pNote, const CAutomationRegistry& registry, IAutomationReporter& reporter);
std::string ExportWordNotes(const CNoteRecord* pNote, const CAutomationRegistry& registry,
                            IAutomationReporter& reporter);
std::string ExportExcelAll(const CNoteRecord* pNote, const CAutomationRegistry& registry,
                           IAutomationReporter& reporter);
std::string ExportExcelNotes(const CNoteRecord* pNote, const CAutomationRegistry& registry,
                             IAutomationReporter& reporter);

// The mail client: nothing happens while the connection is off or without a
// note. A server failure is reported as a failed command.
void ExportOutlookTask(COutlookConnection& outlook, IAutomationReporter& reporter, const CNoteRecord* pNote);
void ExportOutlookNote(COutlookConnection& outlook, IAutomationReporter& reporter, const CNoteRecord* pNote);

// Runs the import dialog (filling it through the connection) and returns the
// chosen rows' data in row order, or nothing on Cancel.
using NotesChooser = std::function<std::optional<std::vector<std::string>>(COutlookConnection&)>;
using TasksChooser = std::function<std::optional<std::vector<COutlookTaskEntry>>(COutlookConnection&)>;

// What an import did. True when something was imported: the target note
// changed, or the tasks dialog ended with Import (the notes list must then
// be refreshed). nWritten counts the note files written; a write that failed
// ends the import, and strError says which file and why.
struct SImportResult
{
    bool bImported = false;
    int nChosen = 0;
    int nWritten = 0;
    std::string strError;

    explicit operator bool() const { return bImported; }
};

// Appends the chosen notes' texts to pTarget (the row's own record) and
// stores it through the store, which must hold the folder strFolderPath.
// The window shows the note's text again in every case.
SImportResult ImportOutlookNotes(COutlookConnection& outlook, IAutomationReporter& reporter, CNoteRecord* pTarget,
                                 const std::string& strFolderPath, CNoteStore& store,
                                 const NotesChooser& choose);

// Stores each chosen task as a new note of the folder strFolderPath, which
// the store must hold. Refused (nothing opens) without a folder. Stops at the first note that cannot be
// written: the rest would go to the same folder.
SImportResult ImportOutlookTasks(COutlookConnection& outlook, IAutomationReporter& reporter,
                                 const std::string& strFolderPath, CNoteStore& store,
                                 const TasksChooser& choose);

// The note a chosen task becomes, before the store gives it its key.
CNoteRecord NoteFromTask(const COutlookTaskEntry& entry);
