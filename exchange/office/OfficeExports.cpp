#include "OfficeExports.h"

#include "AppContext.h"
#include "AutomationException.h"
#include "AutomationReport.h"
#include "ExcelExport.h"
#include "NoteRecord.h"
#include "NoteStore.h"
#include "OfficeInstall.h"
#include "OutlookConnection.h"
#include "WordExport.h"

namespace
{
template <class Export>
std::string RunExport(const CNoteRecord* pNote, bool bAllDetails, const CAutomationRegistry& registry,
                      IAutomationReporter& reporter)
{
    if (!pNote)
        return {};
    Export server(registry, reporter);
    // The results are not used: without a server the later steps do nothing.
    server.CreateServer(false);
    if (bAllDetails)
        server.ExportAllDetails(*pNote);
    else
        server.ExportNotesOnly(*pNote);
    if (server.Show(true))
        return pszOpeningInOffice;
    return server.GetMissingNote();
}
} // namespace

std::string ExportWordAll(const CNoteRecord* pNote, const CAutomationRegistry& registry, IAutomationReporter& reporter)
{
    return RunExport<CWordExport>(pNote, true, registry, reporter);
}

std::string ExportWordNotes(const CNoteRecord* pNote, const CAutomationRegistry& registry,
                            IAutomationReporter& reporter)
{
    return RunExport<CWordExport>(pNote, false, registry, reporter);
}

std::string ExportExcelAll(const CNoteRecord* pNote, const CAutomationRegistry& registry, IAutomationReporter& reporter)
{
    return RunExport<CExcelExport>(pNote, true, registry, reporter);
}

std::string ExportExcelNotes(const CNoteRecord* pNote, const CAutomationRegistry& registry,
                             IAutomationReporter& reporter)
{
    return RunExport<CExcelExport>(pNote, false, registry, reporter);
}

void ExportOutlookTask(COutlookConnection& outlook, IAutomationReporter& reporter, const CNoteRecord* pNote)
{
    if (!outlook.m_bAvailable || !pNote)
        return;
    const int32_t nImportance = pNote->m_nPriority >= 0 && pNote->m_nPriority <= 2
                                    ? pNote->m_nPriority
                                    : int32_t(COutlookConnection::IMPORTANCE_NORMAL);
    try {
        outlook.ExportTask(pNote->m_strTitle, pNote->m_strNotes, pNote->m_bHasDate, pNote->m_dtDate, nImportance);
    } catch (const CAutomationException& e) {
        AutomationReport::ReportMailClientFailure(reporter, e);
    }
}

void ExportOutlookNote(COutlookConnection& outlook, IAutomationReporter& reporter, const CNoteRecord* pNote)
{
    if (!outlook.m_bAvailable || !pNote)
        return;
    try {
        outlook.ExportNote(pNote->m_strNotes);
    } catch (const CAutomationException& e) {
        AutomationReport::ReportMailClientFailure(reporter, e);
    }
}

SImportResult ImportOutlookNotes(COutlookConnection& outlook, IAutomationReporter& reporter, CNoteRecord* pTarget,
                                 const std::string& strFolderPath, CNoteStore& store, const NotesChooser& choose)
{
    SImportResult result;
    // A note file is never written outside a folder.
    if (!outlook.m_bAvailable || !pTarget || strFolderPath.empty() || strFolderPath != store.GetLoadedFolder())
        return result;
    std::optional<std::vector<std::string>> chosen;
    try {
        chosen = choose(outlook);
    } catch (const CAutomationException& e) {
        AutomationReport::ReportMailClientFailure(reporter, e);
        return result;
    }
    if (!chosen)
        return result;
    result.nChosen = static_cast<int>(chosen->size());
    std::string strJoined;
    for (const std::string& strText : *chosen)
        strJoined += strText + "\r\n";
    if (strJoined.empty())
        return result;
    pTarget->m_strNotes += "\r\n" + strJoined;
    result.bImported = true;
    // A failed write keeps the changed note listed until the folder is read
    // again, as every failed save does; the caller says why.
    const SStoreResult saved = store.UpdateNote(*pTarget);
    if (saved)
        result.nWritten = 1;
    else
        result.strError = saved.strError;
    // A key that could not name a file has been replaced by the store.
    pTarget->m_strKey = saved.strKey;
    return result;
}

CNoteRecord NoteFromTask(const COutlookTaskEntry& entry)
{
    CNoteRecord note;
    note.m_strTitle = entry.m_strSubject;
    note.m_strNotes = entry.m_strBody;
    note.m_nIcon = 0;
    note.m_bHasDate = entry.m_bHasDate;
    if (entry.m_bHasDate)
        note.m_dtDate = entry.m_dtDate;
    note.m_dtCreated = CDateTime::GetCurrentTime();
    note.m_nPriority = entry.m_nPriority;
    return note;
}

SImportResult ImportOutlookTasks(COutlookConnection& outlook, IAutomationReporter& reporter,
                                 const std::string& strFolderPath, CNoteStore& store, const TasksChooser& choose)
{
    SImportResult result;
    // With the root or nothing selected there is no folder to write into.
    if (!outlook.m_bAvailable || strFolderPath.empty() || strFolderPath != store.GetLoadedFolder())
        return result;
    std::optional<std::vector<COutlookTaskEntry>> chosen;
    try {
        chosen = choose(outlook);
    } catch (const CAutomationException& e) {
        AutomationReport::ReportMailClientFailure(reporter, e);
        return result;
    }
    if (!chosen)
        return result;
    result.bImported = true;
    result.nChosen = static_cast<int>(chosen->size());
    // The i-th task's key counter starts at i; a key in use moves it on, so an
    // import never overwrites a note.
    int nCounter = 0;
    for (const COutlookTaskEntry& entry : *chosen) {
        const SStoreResult added = store.AddNote(NoteFromTask(entry), nCounter++);
        if (!added) {
            result.strError = added.strError;
            break;
        }
        ++result.nWritten;
    }
    return result;
}
