#include "SearchCommands.h"

#include "AppContext.h"
#include "CommandContext.h"
#include "FolderRecord.h"
#include "FrameWindow.h"
#include "NoteSelection.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "FolderView.h"
#include "SearchDlg.h"
#include "SearchResultsBar.h"
#include "SizingControlBar.h"

#include <QCoreApplication>
#include <memory>
#include <QStatusBar>

namespace SearchCommands
{
void OnSearch(SCommandContext& ctx)
{
    const CFolderRecord* pSelected = ctx.folders.GetSelectedFolder();
    if (!pSelected)
        return;
    std::vector<CSearchDlg::SFolder> folders;
    int nInitial = -1;
    for (const CFolderRecord* pRecord : ctx.folders.GetFolderRecords()) {
        if (pRecord == pSelected)
            nInitial = static_cast<int>(folders.size());
        folders.emplace_back(pRecord->m_strName, pRecord->m_strPath);
    }

    CSearchDlg dlg(folders, nInitial, ctx.pParent);
    if (dlg.exec() == QDialog::Accepted)
        SearchFolder(ctx, dlg.GetFolderPath(), dlg.m_bKeywordsOnly, dlg.m_strSearchText);

    ctx.app.m_bSearchBarUsed = 1;
    if (CSizingControlBar* pBar = ctx.window.GetPane(EPane::searchResults); pBar && pBar->isHidden())
        pBar->show();
}

void SearchFolder(SCommandContext& ctx, const std::string& strPath, bool bKeywordsOnly, const std::string& strText)
{
    CSearchResultsList* pResults = ctx.window.GetSearchResultsList();
    if (!pResults)
        return;
    // Another folder is read into a store of its own: the shown folder's
    // store, which the list and every write use, stays as it is.
    std::vector<std::string> skipped;
    std::unique_ptr<CNoteStore> pOther;
    const CNoteStore* pStore = &ctx.store;
    if (strPath != ctx.store.GetLoadedFolder()) {
        pOther = std::make_unique<CNoteStore>(ctx.app);
        skipped = pOther->LoadFolder(strPath);
        pStore = pOther.get();
    }
    pResults->GetModel().Fill([&](INoteRowSink& sink) { pStore->SearchNotes(sink, bKeywordsOnly, strText); });
    const int nSkipped = static_cast<int>(skipped.size());
    if (QStatusBar* pStatus = ctx.window.GetStatusBar(); pStatus && nSkipped > 0)
        pStatus->showMessage(QCoreApplication::translate(
            "SearchCommands",
            "%n damaged note file(s) in the searched folder could not be read and were left as they are.", nullptr,
            nSkipped));
}

void OnResultActivated(SCommandContext& ctx, int nRow)
{
    CSearchResultsList* pResults = ctx.window.GetSearchResultsList();
    CNotesListCtrl* pList = ctx.window.GetNotesList();
    if (!pResults || !pList)
        return;
    const CNoteRecord* pResult = pResults->GetModel().GetRowNote(nRow);
    if (!pResult || pList->GetSelectionMark() == -1)
        return;
    const std::string strKey = pResult->m_strKey;

    // Typed text is saved first: the save rebuilds the list, and the target
    // row must be found among the rows as they will be.
    const CNoteRecord* pMarked = pList->GetModel().GetRowNote(pList->GetSelectionMark());
    const std::string strMarkedKey = pMarked ? pMarked->m_strKey : std::string();
    ctx.selection.CommitNoteText();
    CNotesListModel& model = pList->GetModel();
    const auto rowNote = [&model](int n) { return model.GetRowNote(n); };
    const int nMark = FindResultTargetRow(strMarkedKey, model.GetRowCount(), rowNote, pList->GetSelectionMark());
    const int nTarget = FindResultTargetRow(strKey, model.GetRowCount(), rowNote, nMark);

    pList->SetSelectionMark(nTarget);
    ctx.selection.ShowNoteProperties();
    pResults->viewport()->update();
}

void ConnectResults(SCommandContext& ctx)
{
    if (CSearchResultsList* pResults = ctx.window.GetSearchResultsList())
        QObject::connect(pResults, &CSearchResultsList::ResultActivated, pResults,
                         [&ctx](int nRow) { OnResultActivated(ctx, nRow); });
}
} // namespace SearchCommands
