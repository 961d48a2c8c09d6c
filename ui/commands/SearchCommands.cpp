#include "SearchCommands.h"

#include "AppContext.h"
#include "CommandContext.h"
#include "FolderRecord.h"
#include "FrameWindow.h"
#include "NoteSelection.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "QuillboxView.h"
#include "SearchDlg.h"
#include "SearchResultsBar.h"
#include "SizingControlBar.h"

#include <QCoreApplication>
#include <QStatusBar>

namespace SearchCommands
{
void OnSearch(SCommandContext& ctx)
{
    if (!ctx.view.IsFolderSelected())
        return;
    std::vector<CSearchDlg::SFolder> folders;
    int nInitial = -1;
    if (QTreeWidgetItem* pRoot = ctx.view.GetRootItem())
        for (int i = 0; i < pRoot->childCount(); ++i)
            if (const CFolderRecord* pRecord = ctx.view.GetFolderRecord(pRoot->child(i))) {
                if (pRoot->child(i) == ctx.view.currentItem())
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
    const std::vector<std::string> skipped = ctx.store.LoadFolder(strPath);
    pResults->GetModel().Fill([&](INoteRowSink& sink) { ctx.store.SearchNotes(sink, bKeywordsOnly, strText); });
    const std::string strSelected = ctx.view.GetSelectedFolderPath();
    if (strSelected != strPath)
        ctx.store.LoadFolder(strSelected);
    if (QStatusBar* pStatus = ctx.window.GetStatusBar(); pStatus && !skipped.empty())
        pStatus->showMessage(QCoreApplication::translate(
            "SearchCommands",
            "%n damaged note file(s) in the searched folder could not be read and were left as they are.", nullptr,
            static_cast<int>(skipped.size())));
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
    ctx.selection.CommitNoteText(-1);
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
        QObject::connect(pResults, &CSearchResultsList::ResultActivated, &ctx.view,
                         [&ctx](int nRow) { OnResultActivated(ctx, nRow); });
}
} // namespace SearchCommands
