#include "NotesListBar.h"

#include "NotesListCtrl.h"

#include <QCoreApplication>

CNotesListBar::CNotesListBar(const CAppContext& app, QMainWindow* pFrame, int nControlId)
    : CSizingControlBarG(QCoreApplication::translate("CNotesListBar", "Notes List"), pFrame, nControlId),
      m_pList(new CNotesListCtrl(app))
{
    SetSCBStyle(SCBS_SHOWEDGES | SCBS_SIZECHILD);
    SetChild(m_pList);
}

void CNotesListBar::resizeEvent(QResizeEvent* pEvent)
{
    CSizingControlBarG::resizeEvent(pEvent);
    m_pList->SetColumnWidths();
}
