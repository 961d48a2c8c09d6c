#include "NoteSelection.h"

#include "AppContext.h"
#include "FolderItem.h"
#include "FolderRecord.h"
#include "FrameWindow.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "NotesTextBar.h"
#include "PropertiesBar.h"

#include <QStatusBar>
#include <QTreeWidget>

CNoteSelection::CNoteSelection(CAppContext& app, CNoteStore& store, IFrameWindow& window, QTreeWidget& tree)
    : m_app(app), m_store(store), m_window(window), m_tree(tree)
{
}

void CNoteSelection::Attach()
{
    if (CNotesListCtrl* pList = m_window.GetNotesList())
    {
        connect(pList, &CNotesListCtrl::SelectionMarkChanged, this, &CNoteSelection::OnMarkChanged,
                Qt::UniqueConnection);
        connect(pList, &CNotesListCtrl::RowClicked, this, &CNoteSelection::OnRowClicked, Qt::UniqueConnection);
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
    pBar->SetText(pNote ? pNote->m_strNotes : std::string());
}

void CNoteSelection::CommitNoteText(int nRow)
{
    CNotesTextBar* pBar = m_window.GetNotesTextBar();
    CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pBar || !pList)
        return;
    if (nRow == -1)
        nRow = pList->GetSelectionMark();
    if (nRow == -1)
        return;
    const CNoteRecord* pRecord = pList->GetModel().GetRowNote(nRow);
    if (!pRecord)
        return;
    const std::string strText = pBar->GetText();
    if (strText == CNotesTextBar::AsShown(pRecord->m_strNotes))
        return;
    CNoteRecord note = *pRecord;
    note.m_strNotes = strText;
    if (!m_hPrevFolderItem || IsRoot(m_hPrevFolderItem))
        m_hPrevFolderItem = m_tree.currentItem();
    if (m_hPrevFolderItem)
        m_app.m_strCurrentFolder = FolderPathOf(m_hPrevFolderItem);
    // A failed save has been reported; the text stays listed until the folder
    // is loaded again, so it can still be copied out.
    if (const SStoreResult saved = m_store.UpdateNote(note); !saved)
        if (QStatusBar* pStatus = m_window.GetStatusBar())
            pStatus->showMessage(QString::fromStdString(saved.strError));
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

void CNoteSelection::ShowEmptyFolder()
{
    m_store.LoadFolder(std::string());
    RefreshNotesList();
    ClearProperties();
    ShowNoteText();
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

void CNoteSelection::SetCurrentFolder()
{
    m_app.m_strCurrentFolder = FolderPathOf(m_tree.currentItem());
}

bool CNoteSelection::HasSelectionMark() const
{
    const CNotesListCtrl* pList = m_window.GetNotesList();
    return pList && pList->GetSelectionMark() != -1;
}

void CNoteSelection::OnMarkChanged(int nRow)
{
    CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pList)
        return;
    m_hPrevFolderItem = nullptr;
    if (pList->GetModel().GetRowCount() > 0 && nRow < 0)
    {
        pList->SetCurrentItem(-1);
    }
    else if (pList->GetModel().GetRowCount() > 0)
    {
        const int nCurrent = pList->GetCurrentItem();
        if (nCurrent >= 0 && nCurrent < pList->GetModel().GetRowCount())
            CommitNoteText(nCurrent);
        const int nMark = pList->GetSelectionMark();
        if (const CNoteRecord* pNote = pList->GetModel().GetRowNote(nMark))
        {
            pList->SetCurrentItem(nMark);
            if (CNotesTextBar* pBar = m_window.GetNotesTextBar())
                pBar->SetText(pNote->m_strNotes);
        }
        ShowNoteProperties();
    }
    emit SelectionChanged();
}

void CNoteSelection::OnNotesFocusLost()
{
    if (CNotesListCtrl* pList = m_window.GetNotesList())
        CommitNoteText(pList->GetSelectionMark());
    ShowNoteText();
}

void CNoteSelection::OnRowClicked(int nRow)
{
    CNotesListCtrl* pList = m_window.GetNotesList();
    if (!pList)
        return;
    m_hPrevFolderItem = nullptr;
    const int nCount = pList->GetModel().GetRowCount();
    if (nCount == 0 || nRow < 0 || nRow >= nCount)
        return;
    const int nCurrent = pList->GetCurrentItem();
    if (nCurrent >= 0 && nCurrent < nCount)
        CommitNoteText(nCurrent);
    if (const CNoteRecord* pNote = pList->GetModel().GetRowNote(nRow))
    {
        pList->SetCurrentItem(nRow);
        if (CNotesTextBar* pBar = m_window.GetNotesTextBar())
            pBar->SetText(pNote->m_strNotes);
    }
    if (pList->GetSelectionMark() != nRow)
        pList->SetSelectionMark(nRow);
    ShowNoteProperties();
    pList->RedrawAllRows();
    emit SelectionChanged();
}

bool CNoteSelection::IsRoot(const QTreeWidgetItem* pItem) const
{
    return m_tree.topLevelItemCount() > 0 && pItem == m_tree.topLevelItem(0);
}

std::string CNoteSelection::FolderPathOf(QTreeWidgetItem* pItem) const
{
    const CFolderRecord* pRecord = CFolderItem::RecordOf(pItem);
    return pRecord ? pRecord->m_strPath : std::string();
}
