#include "SearchCommands.h"

#include "AppContext.h"
#include "CommandContext.h"
#include "FolderRecord.h"
#include "FrameWindow.h"
#include "NoteSelection.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "FolderView.h"
#include "LastSelection.h"
#include "SearchDlg.h"
#include "SearchResultsBar.h"
#include "SizingControlBar.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <memory>
#include <set>

namespace
{
// Passes on a folder's hits and drops its "no results" row: the rows of the
// folders before it stay.
class CHitsOnly : public INoteRowSink
{
public:
    explicit CHitsOnly(INoteRowSink& out) : m_out(out) {}
    void DeleteAllRows() override { m_nHits = 0; }
    int GetRowCount() const override { return m_nHits; }
    void AppendRow(const SNoteRow& row, std::unique_ptr<CNoteRecord> pRecord) override
    {
        if (!pRecord)
            return;
        m_out.AppendRow(row, std::move(pRecord));
        ++m_nHits;
    }

private:
    INoteRowSink& m_out;
    int m_nHits = 0;
};

// The number of notes found, and of damaged files that could not be read.
void ShowFound(SCommandContext& ctx, const CSearchResultsModel& model, size_t nSkipped)
{
    int nHits = 0;
    for (int nRow = 0; nRow < model.GetRowCount(); ++nRow)
        nHits += model.GetRowNote(nRow) ? 1 : 0;
    QString strStatus = QCoreApplication::translate("SearchCommands", "%n note(s) found.", nullptr, nHits);
    const int nDamaged = static_cast<int>(nSkipped);
    if (nDamaged)
        strStatus += QLatin1Char(' ') +
                     QCoreApplication::translate(
                         "SearchCommands",
                         "%n damaged note file(s) in the searched folder could not be read and were left as they are.",
                         nullptr, nDamaged);
    ctx.window.ShowStatus(strStatus);
}

void ShowNoteGone(SCommandContext& ctx, const std::string& strTitle, const std::string& strFolder)
{
    ctx.window.ShowStatus(
        QCoreApplication::translate("SearchCommands", "The note \"%1\" is no longer in the folder \"%2\".")
            .arg(QString::fromStdString(strTitle), QString::fromStdString(strFolder)));
}
} // namespace

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
    dlg.GetSearchEdit()->setText(SLastSelection::LoadSearchText());
    dlg.GetSearchEdit()->selectAll();
    if (dlg.exec() == QDialog::Accepted) {
        SLastSelection::SaveSearchText(QString::fromStdString(dlg.m_strSearchText));
        if (dlg.IsAllFolders())
            SearchAllFolders(ctx, dlg.m_bKeywordsOnly, dlg.m_strSearchText);
        else
            SearchFolder(ctx, dlg.GetFolderName(), dlg.GetFolderPath(), dlg.m_bKeywordsOnly, dlg.m_strSearchText);
    }

    ctx.app.m_bSearchBarUsed = 1;
    if (CSizingControlBar* pBar = ctx.window.GetPane(EPane::searchResults); pBar && pBar->isHidden())
        pBar->show();
}

void SearchFolder(SCommandContext& ctx, const std::string& strName, const std::string& strPath, bool bKeywordsOnly, const std::string& strText)
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
        skipped = pOther->LoadFolderChecked(strPath);
        pStore = pOther.get();
    }
    CSearchResultsModel& model = pResults->GetModel();
    model.Fill([&](INoteRowSink& sink) {
        model.SetRowsFolder(strName, strPath);
        pStore->SearchNotes(sink, bKeywordsOnly, strText);
    });
    ShowFound(ctx, model, skipped.size());
}

void SearchAllFolders(SCommandContext& ctx, bool bKeywordsOnly, const std::string& strText)
{
    CSearchResultsList* pResults = ctx.window.GetSearchResultsList();
    if (!pResults)
        return;
    CSearchResultsModel& model = pResults->GetModel();
    size_t nSkipped = 0;
    model.Fill([&](INoteRowSink& sink) {
        model.ShowFolderColumn();
        CHitsOnly hits(sink);
        std::set<std::string> searched;
        for (const CFolderRecord* pRecord : ctx.folders.GetFolderRecords()) {
            // Two names for one directory find its notes once.
            if (!searched.insert(pRecord->m_strPath).second)
                continue;
            model.SetRowsFolder(pRecord->m_strName, pRecord->m_strPath);
            if (pRecord->m_strPath == ctx.store.GetLoadedFolder()) {
                ctx.store.SearchNotes(hits, bKeywordsOnly, strText);
                continue;
            }
            CNoteStore other(ctx.app);
            nSkipped += other.LoadFolderChecked(pRecord->m_strPath).size();
            other.SearchNotes(hits, bKeywordsOnly, strText);
        }
        if (sink.GetRowCount() == 0) {
            // The message row of a search without hits, as one folder gives it.
            model.SetRowsFolder({}, {});
            CNoteStore(ctx.app).SearchNotes(sink, bKeywordsOnly, {});
        }
    });
    ShowFound(ctx, model, nSkipped);
}

void OnResultActivated(SCommandContext& ctx, int nRow, bool bOpen)
{
    CSearchResultsList* pResults = ctx.window.GetSearchResultsList();
    CNotesListCtrl* pList = ctx.window.GetNotesList();
    if (!pResults || !pList)
        return;
    const CNoteRecord* pResult = pResults->GetModel().GetRowNote(nRow);
    if (!pResult)
        return;
    // Copies: opening a folder refills the panes.
    const std::string strKey = pResult->m_strKey;
    const std::string strTitle = pResult->m_strTitle;
    const std::string strFolder = pResults->GetModel().GetRowFolderPath(nRow);
    const std::string strFolderName = pResults->GetModel().GetRowFolderName(nRow);
    CNotesListModel& model = pList->GetModel();
    const auto rowNote = [&model](int n) { return model.GetRowNote(n); };

    if (strFolder != ctx.folders.GetSelectedFolderPath() || !ctx.folders.IsFolderSelected()) {
        // Moving through the results of another folder opens nothing; a
        // key from there never marks a note of this one.
        if (!bOpen)
            return;
        const std::vector<const CFolderRecord*> records = ctx.folders.GetFolderRecords();
        const CFolderRecord* pFolder = nullptr;
        for (const CFolderRecord* pRecord : records)
            if (pRecord->m_strPath == strFolder && (!pFolder || pRecord->m_strName == strFolderName))
                pFolder = pRecord;
        if (!pFolder) {
            ctx.window.ShowStatus(QCoreApplication::translate(
                                      "SearchCommands", "The folder \"%1\" of this result is no longer in the tree.")
                                      .arg(QString::fromStdString(strFolderName.empty() ? strFolder : strFolderName)));
            return;
        }
        // Through the tree, as a click on the folder would: the typed text
        // is saved where it belongs, then the folder is opened.
        ctx.folders.SelectFolder(pFolder);
        if (ctx.folders.GetSelectedFolder() != pFolder)
            return;
        const int nTarget = FindResultTargetRow(strKey, model.GetRowCount(), rowNote, -1);
        if (nTarget < 0) {
            ShowNoteGone(ctx, strTitle, pFolder->m_strName);
            return;
        }
        pList->SetSelectionMark(nTarget);
        ctx.selection.ShowNoteProperties();
        pResults->viewport()->update();
        return;
    }
    if (pList->GetSelectionMark() == -1) {
        if (bOpen)
            ShowNoteGone(ctx, strTitle, strFolderName);
        return;
    }

    // Typed text is saved first: the save rebuilds the list, and the target
    // row must be found among the rows as they will be.
    const CNoteRecord* pMarked = model.GetRowNote(pList->GetSelectionMark());
    const std::string strMarkedKey = pMarked ? pMarked->m_strKey : std::string();
    ctx.selection.CommitNoteText();
    const int nMark = FindResultTargetRow(strMarkedKey, model.GetRowCount(), rowNote, pList->GetSelectionMark());
    const int nTarget = FindResultTargetRow(strKey, model.GetRowCount(), rowNote, -1);
    if (nTarget < 0 && bOpen)
        ShowNoteGone(ctx, strTitle, strFolderName);

    pList->SetSelectionMark(nTarget < 0 ? nMark : nTarget);
    ctx.selection.ShowNoteProperties();
    pResults->viewport()->update();
}

void ConnectResults(SCommandContext& ctx)
{
    if (CSearchResultsList* pResults = ctx.window.GetSearchResultsList())
        QObject::connect(pResults, &CSearchResultsList::ResultActivated, pResults,
                         [&ctx](int nRow, bool bOpen) { OnResultActivated(ctx, nRow, bOpen); });
}
} // namespace SearchCommands
