#include "IconListCtrl.h"

#include "IconListModel.h"

CIconListCtrl::CIconListCtrl(QWidget* pParent) : QListView(pParent), m_pModel(new CIconListModel(this))
{
    setObjectName(QStringLiteral("IconList"));
    setAccessibleName(QStringLiteral("Select Icon"));
    setModel(m_pModel);
    setViewMode(QListView::IconMode);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setWrapping(true);
    setUniformItemSizes(true);
    setIconSize({32, 32});
    setGridSize({44, 44});
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setMouseTracking(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(pal);
}

int CIconListCtrl::GetSelectionMark() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void CIconListCtrl::SetSelectionMark(int nIndex)
{
    if (nIndex < 0 || nIndex >= m_pModel->rowCount())
    {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_pModel->index(nIndex);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index, QAbstractItemView::EnsureVisible);
    viewport()->update();
}

void CIconListCtrl::showEvent(QShowEvent* pEvent)
{
    QListView::showEvent(pEvent);
    // Items have places only once the list is laid out at its size.
    doItemsLayout();
    if (currentIndex().isValid())
        scrollTo(currentIndex(), QAbstractItemView::EnsureVisible);
}
