#pragma once

#include "SizingControlBar.h"

class CAppContext;
class CNotesListCtrl;

// The "Notes List" pane: the notes list filling its client area.
class CNotesListBar : public CSizingControlBarG
{
    Q_OBJECT

public:
    CNotesListBar(const CAppContext& app, QMainWindow* pFrame, int nControlId);
    CNotesListCtrl* GetList() const { return m_pList; }

protected:
    // Column widths snap back to their defaults at every resize of the pane.
    void resizeEvent(QResizeEvent* pEvent) override;

private:
    CNotesListCtrl* m_pList;
};
