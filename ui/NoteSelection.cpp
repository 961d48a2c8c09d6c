#include "NoteSelection.h"

#include "FolderView.h"
#include "FrameWindow.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "NotesTextBar.h"
#include "PropertiesBar.h"

#include <QSignalBlocker>
#include <QStatusBar>
#include <QThread>
#include <QTimer>

#include <utility>

CNoteSelection::CNoteSelection(CNoteStore& store, IFrameWindow& window, const IFolderView& folders)
    : m_store(store), m_window(window), m_folders(folders)
{
    connect(&m_folderWatcher, &CFolderWatcher::FolderChanged, this, &CNoteSelection::OnFolderChangedOnDisk);
}

CNoteSelection::~CNoteSelection()
{
    for (QThread* pThread : m_checks) {
        pThread->wait();
        delete pThread;
    }
}

void CNoteSelection::Attach()
{
    if (CNotesListCtrl* pList = m_window.GetNotesList()) {
        connect(pList, &CNotesListCtrl::SelectionMarkChanged, this, &CNoteSelection::OnMarkChanged,
                Qt::UniqueConnection);
        connect(pList, &CNotesListCtrl::RowClicked, this, &CNoteSelection::OnRowClicked, Qt::UniqueConnection);
        connect(pList, &CNotesListCtrl::FilterEdited, this, &CNoteSelection::OnFilterEdited, Qt::UniqueConnection);
    }
    if (CNotesTextBar* pText = m_window.GetNotesTextBar())
        // A member function: Qt makes no unique connection to a lambda.
        connect(pText, &CNotesTextBar::FocusLost, this, &CNoteSelection::OnNotesFocusLost, Qt::UniqueConnection);
}

void CNoteSelection::RefreshNotesList()
{
    CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pList)
        return;
    // From here the pane's text belongs to no row: the selection changes of
    // the refill must not write it into a rebuilt row.
    pList->SetCurrentItem(-1);
    pList->FreeItemData();
    pList->GetModel().Refill(m_store);
    ShowNoteProperties();
    pList->SetSelectionMark(0);
    ShowNoteText();
}

void CNoteSelection::ShowNoteText()
{
    CNotesTextBar* pBar = m_window.GetNotesTextBar();
    const CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pBar)
        return;
    const CNoteRecord* pNote = pList ? pList->GetModel().GetRowNote(pList->GetSelectionMark()) : nullptr;
    pBar->SetText(pNote ? m_store.NotesText(*pNote) : std::string());
    m_strOutdatedKey.clear();
}

void CNoteSelection::CommitNoteText()
{
    if (const CNotesListCtrl* pList = m_window.GetNotesList())
        CommitNoteText(pList->GetSelectionMark());
}

void CNoteSelection::CommitNoteText(int nRow)
{
    CNotesTextBar* pBar = m_window.GetNotesTextBar();
    CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pBar || !pList || nRow < 0)
        return;
    const CNoteRecord* pRecord = pList->GetModel().GetRowNote(nRow);
    if (!pRecord)
        return;
    const std::string strText = pBar->GetText();
    if (strText == CNotesTextBar::AsShown(m_store.NotesText(*pRecord)))
        return;
    CNoteRecord note = *pRecord;
    note.m_strNotes = strText;
    note.m_bNotesAside = false;
    // A failed save has been reported; the text stays listed until the folder
    // is loaded again, so it can still be copied out.
    SStoreResult saved;
    if (note.m_strKey == m_strOutdatedKey) {
        // Typed on a version that has since changed on disk.
        saved = m_store.SaveConflictCopy(note);
        saved.eConflict = SStoreResult::EConflict::changedOnDisk;
        saved.strConflictOf = note.m_strKey;
    } else {
        saved = m_store.UpdateNote(note);
    }
    m_strOutdatedKey.clear();
    ShowSaveResult(saved, pRecord->m_strTitle);
    RefreshNotesList();
}

void CNoteSelection::ShowNoteProperties()
{
    CPropertiesList* pProperties = m_window.GetPropertiesList();
    const CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pProperties || !pList)
        return;
    const int nMark = pList->GetSelectionMark();
    pProperties->ShowNoteProperties(pList->GetModel().GetRowNote(nMark < 0 ? 0 : nMark));
}

void CNoteSelection::ClearProperties()
{
    if (CPropertiesList* pProperties = m_window.GetPropertiesList())
        pProperties->ClearProperties();
}

std::vector<std::string> CNoteSelection::OpenFolder(const std::string& strPath)
{
    // The pane's text belongs to no row while the rows are replaced.
    if (CNotesListCtrl* pList = m_window.GetNotesList())
        pList->SetCurrentItem(-1);
    ++m_nCheck;
    m_bCheckDue = false;
    const bool bFromIndex = m_store.LoadFolderIndex(strPath);
    std::vector<std::string> damaged = bFromIndex ? std::vector<std::string>() : m_store.LoadFolder(strPath);
    RefreshNotesList();
    if (strPath.empty())
        ClearProperties();
    ShowNoteText();
    // A folder listed from its index is watched once it is painted, before
    // its check, which sees whatever changed meanwhile.
    if (!bFromIndex)
        m_folderWatcher.Watch(strPath);
    m_damagedShown.clear();
    m_bFolderMissing = !strPath.empty() && !IsDirectory(strPath);
    if (QStatusBar* pStatus = m_window.GetStatusBar(); pStatus && m_bFolderMissing)
        pStatus->showMessage(MissingText(strPath));
    else
        ShowDamaged(damaged);
    // Once the list is painted: the check's threads would slow the filling.
    // An index that now has the list's order saves the next selection its sort.
    m_bCheckDue = bFromIndex;
    QTimer::singleShot(0, this, [this, nCheck = m_nCheck, strPath] {
        if (nCheck != m_nCheck)
            return;
        if (m_bCheckDue)
            m_folderWatcher.Watch(strPath);
        if (m_store.ListOrderUnsaved())
            m_store.WriteFolderIndex();
        if (std::exchange(m_bCheckDue, false))
            CheckFolderBehind();
        else
            CNoteStore::ReleaseFreeMemory();
    });
    return damaged;
}

std::optional<CNoteSelection::SCommandNote> CNoteSelection::TakeCommandNote()
{
    const CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pList)
        return std::nullopt;
    const int nRow = pList->GetSelectionMark();
    const CNoteRecord* pRecord = pList->GetModel().GetRowNote(nRow);
    if (!pRecord)
        return std::nullopt;
    SCommandNote target{nRow, *pRecord};
    CommitNoteText(nRow);
    // The save may have rebuilt the list; the key still finds the note.
    if (m_store.HasNote(target.note.m_strKey))
        target.note = m_store.GetNote(target.note.m_strKey);
    return target;
}

bool CNoteSelection::HasSelectionMark() const
{
    const CNotesListCtrl* pList = m_window.GetNotesList();
    return pList && pList->GetSelectionMark() != -1;
}

std::string CNoteSelection::GetMarkedKey() const
{
    const CNotesListCtrl* pList = m_window.GetNotesList();
    const CNoteRecord* pNote = pList ? pList->GetModel().GetRowNote(pList->GetSelectionMark()) : nullptr;
    return pNote ? pNote->m_strKey : std::string();
}

bool CNoteSelection::MarkNote(const std::string& strKey)
{
    CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pList || strKey.empty())
        return false;
    for (int nRow = 0; nRow < pList->GetModel().GetRowCount(); ++nRow)
        if (const CNoteRecord* pNote = pList->GetModel().GetRowNote(nRow); pNote && pNote->m_strKey == strKey) {
            pList->SetSelectionMark(nRow);
            return true;
        }
    return false;
}

void CNoteSelection::OnMarkChanged(int nRow)
{
    CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pList)
        return;
    if (pList->GetModel().GetRowCount() > 0 && nRow < 0) {
        pList->SetCurrentItem(-1);
    } else if (pList->GetModel().GetRowCount() > 0) {
        const int nCurrent = pList->GetCurrentItem();
        if (nCurrent >= 0 && nCurrent < pList->GetModel().GetRowCount())
            CommitNoteText(nCurrent);
        const int nMark = pList->GetSelectionMark();
        if (const CNoteRecord* pNote = pList->GetModel().GetRowNote(nMark)) {
            pList->SetCurrentItem(nMark);
            if (CNotesTextBar* pBar = m_window.GetNotesTextBar())
                pBar->SetText(m_store.NotesText(*pNote));
            m_strOutdatedKey.clear();
        }
        ShowNoteProperties();
    }
    emit SelectionChanged();
}

void CNoteSelection::OnNotesFocusLost()
{
    CommitNoteText();
    ShowNoteText();
}

void CNoteSelection::OnFilterEdited(const QString& strText)
{
    CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pList)
        return;
    const CNoteRecord* pMarked = pList->GetModel().GetRowNote(pList->GetSelectionMark());
    const std::string strMarked = pMarked ? pMarked->m_strKey : std::string();
    // Typed text goes into its note before the rows change under it.
    CommitNoteText();
    int nRow = -1;
    {
        const QSignalBlocker blocker(pList);
        pList->SetCurrentItem(-1);
        pList->GetModel().SetFilter(m_store, strText.toStdString());
        if (const auto pKeep = m_store.GetShared(strMarked))
            nRow = pList->GetModel().FindRow(*pKeep);
        pList->SetSelectionMark(nRow >= 0 ? nRow : 0);
        pList->SetCurrentItem(pList->GetSelectionMark());
    }
    // The pane holds nothing unsaved now; the save may have shown another note.
    ShowNoteText();
    ShowNoteProperties();
    emit SelectionChanged();
}

void CNoteSelection::OnRowClicked(int nRow)
{
    CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pList)
        return;
    const int nCount = pList->GetModel().GetRowCount();
    if (nCount == 0 || nRow < 0 || nRow >= nCount)
        return;
    const int nCurrent = pList->GetCurrentItem();
    if (nCurrent >= 0 && nCurrent < nCount)
        CommitNoteText(nCurrent);
    if (const CNoteRecord* pNote = pList->GetModel().GetRowNote(nRow)) {
        pList->SetCurrentItem(nRow);
        if (CNotesTextBar* pBar = m_window.GetNotesTextBar())
            pBar->SetText(m_store.NotesText(*pNote));
    }
    if (pList->GetSelectionMark() != nRow)
        pList->SetSelectionMark(nRow);
    ShowNoteProperties();
    pList->RedrawAllRows();
    emit SelectionChanged();
}

void CNoteSelection::ShowSaveResult(const SStoreResult& saved, const std::string& strTitle)
{
    QStatusBar* pStatus = m_window.GetStatusBar();
    if (!pStatus)
        return;
    const QString strNote = QString::fromStdString(strTitle);
    if (!saved)
        pStatus->showMessage(QString::fromStdString(saved.strError));
    else if (saved.eConflict == SStoreResult::EConflict::changedOnDisk)
        pStatus->showMessage(tr("\"%1\" was changed by another program. Both versions are kept: yours as \"%2\".")
                                 .arg(strNote, QString::fromStdString(m_store.GetNote(saved.strKey).m_strTitle)));
    else if (saved.eConflict == SStoreResult::EConflict::deletedOnDisk)
        pStatus->showMessage(tr("\"%1\" was deleted by another program. Your version is kept as \"%2\".")
                                 .arg(strNote, QString::fromStdString(m_store.GetNote(saved.strKey).m_strTitle)));
}
