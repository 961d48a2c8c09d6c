#include "NotesListMenus.h"

#include "CommandIds.h"
#include "CommandTable.h"
#include "NotesListCtrl.h"
#include "QuillboxView.h"

#include <QMenu>

CNotesListMenus::CNotesListMenus(CQuillboxView& view) : QObject(&view), m_view(view) {}

void CNotesListMenus::Attach(CNotesListCtrl& list)
{
    connect(&list, &CNotesListCtrl::ModifyRequested, this, &CNotesListMenus::OnModifyRequested, Qt::UniqueConnection);
    connect(&list, &CNotesListCtrl::ContextMenuRequested, this, &CNotesListMenus::ShowContextMenu,
            Qt::UniqueConnection);
}

void CNotesListMenus::OnModifyRequested()
{
    m_view.ExecuteCommand(ID_MODIFY_NOTE);
}

void CNotesListMenus::ShowContextMenu(const QPoint& ptGlobal, bool bOverRow)
{
    if (!bOverRow && !m_view.IsFolderSelected())
        return;
    const int nPopup = bOverRow ? 1 : 0;
    // Built once from the table: its actions are the commands' own, so a
    // choice runs through ExecuteCommand and its rule.
    if (!m_apMenus[nPopup]) {
        m_apMenus[nPopup] = m_view.GetCommands().BuildMenu(ListContextMenu(nPopup), &m_view);
        m_apMenus[nPopup]->setObjectName(QString::fromLatin1(ListContextMenu(nPopup).pszText));
    }
    m_view.UpdateCommandUI();
    m_apMenus[nPopup]->popup(ptGlobal);
}
