#include "IconListCtrl.h"

#include "IconListModel.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyledItemDelegate>

namespace
{
// The chosen icon sits on a highlight box, plain to see, rather than tinted.
class CIconDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect rc = option.rect.adjusted(2, 2, -2, -2);
        if (option.state & QStyle::State_Selected)
            pPainter->fillRect(rc, option.palette.color(QPalette::Active, QPalette::Highlight));
        else if (option.state & QStyle::State_MouseOver)
            pPainter->fillRect(rc, option.palette.color(QPalette::Active, QPalette::Highlight).lighter(170));
        const QPixmap icon = index.data(Qt::DecorationRole).value<QPixmap>();
        if (!icon.isNull())
            pPainter->drawPixmap(rc.left() + (rc.width() - icon.width()) / 2,
                                 rc.top() + (rc.height() - icon.height()) / 2, icon);
        if (option.state & QStyle::State_HasFocus) {
            QPen pen(option.palette.color(QPalette::Active, QPalette::Text));
            pen.setStyle(Qt::DotLine);
            pPainter->setPen(pen);
            pPainter->drawRect(rc.adjusted(0, 0, -1, -1));
        }
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {44, 44}; }
};
} // namespace

CIconListCtrl::CIconListCtrl(QWidget* pParent) : QListView(pParent), m_pModel(new CIconListModel(this))
{
    setObjectName(QStringLiteral("IconList"));
    setAccessibleName(QCoreApplication::translate("CIconListCtrl", "Select Icon"));
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
    setItemDelegate(new CIconDelegate(this));
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
    if (nIndex < 0 || nIndex >= m_pModel->rowCount()) {
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
