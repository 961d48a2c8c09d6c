#include "SearchResultsBar.h"

#include <QHeaderView>
#include <QResizeEvent>

CSearchResultsList::CSearchResultsList(QWidget* pParent) : QTreeWidget(pParent)
{
    setObjectName(QStringLiteral("SearchResultsList"));
    setAccessibleName(QStringLiteral("Search Results"));
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
}

void CSearchResultsList::Setup()
{
    setColumnCount(4);
    setHeaderLabels({QStringLiteral(" * Search Results *   Name"), QStringLiteral("Comments"), QStringLiteral("Date"),
                     QStringLiteral("Priority")});
    for (int i = 1; i < 4; ++i)
        headerItem()->setTextAlignment(i, Qt::AlignCenter);
    header()->setStretchLastSection(false);
    SetColumnWidths(viewport()->width());
}

void CSearchResultsList::SetColumnWidths(int nWidth)
{
    const int q = (nWidth - 50) / 4;
    setColumnWidth(0, nWidth - 3 * q);
    for (int i = 1; i < 4; ++i)
        setColumnWidth(i, q);
}

void CSearchResultsList::FreeItemData()
{
    for (int i = 0; i < topLevelItemCount(); ++i)
        topLevelItem(i)->setData(0, Qt::UserRole, QVariant());
}

void CSearchResultsList::resizeEvent(QResizeEvent* pEvent)
{
    QTreeWidget::resizeEvent(pEvent);
    if (columnCount() == 4)
        SetColumnWidths(pEvent->size().width());
}

CSearchResultsBar::CSearchResultsBar(QMainWindow* pFrame, int nControlId)
    : CSizingControlBarG(QStringLiteral("Search Results"), pFrame, nControlId), m_pList(new CSearchResultsList)
{
    SetSCBStyle(SCBS_SHOWEDGES | SCBS_SIZECHILD);
    SetChild(m_pList);
}
