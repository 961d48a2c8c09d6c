#include "NotesListBar.h"

#include "NotesListCtrl.h"

CNotesListBar::CNotesListBar(const CAppContext& app, QMainWindow* pFrame, int nControlId)
    : CSizingControlBarG(QStringLiteral("Notes List"), pFrame, nControlId), m_pList(new CNotesListCtrl(app))
{
    SetSCBStyle(SCBS_SHOWEDGES | SCBS_SIZECHILD);
    SetChild(m_pList);
}

void CNotesListBar::resizeEvent(QResizeEvent* pEvent)
{
    CSizingControlBarG::resizeEvent(pEvent);
    m_pList->SetColumnWidths();
}
