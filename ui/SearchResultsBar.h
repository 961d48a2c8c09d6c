#pragma once

#include "SizingControlBar.h"

#include <QTreeWidget>

// The last search's results: four columns, one row per matching note.
class CSearchResultsList : public QTreeWidget
{
    Q_OBJECT

public:
    explicit CSearchResultsList(QWidget* pParent = nullptr);

    void Setup();
    // q = (w - 50) / 4; column 0 takes the rest.
    void SetColumnWidths(int nWidth);
    void FreeItemData();

protected:
    void resizeEvent(QResizeEvent* pEvent) override;
};

// The "Search Results" pane.
class CSearchResultsBar : public CSizingControlBarG
{
    Q_OBJECT

public:
    CSearchResultsBar(QMainWindow* pFrame, int nControlId);
    CSearchResultsList* GetList() const { return m_pList; }

private:
    CSearchResultsList* m_pList;
};
