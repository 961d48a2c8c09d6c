#pragma once

#include <QStyledItemDelegate>

class CNotesListCtrl;

// Paints the notes list's rows in every mode: priority colours, the bold
// font and the selection mark's colours, the icon of the mode's image list.
class CNotesListDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit CNotesListDelegate(const CNotesListCtrl& list, QObject* pParent = nullptr);

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The height of a row in Details mode, for the view that lays the rows out.
    static int DetailsRowHeight(const QFont& font);

    // Details mode: text on the row at the selection mark and on the others,
    // where the priority gives no colour.
    static const QColor clrMarkText;
    static const QColor clrMarkBack;
    static const QColor clrText;
    static const QColor clrBack;
    static const QColor clrGrid;
    // Item width in the List and Icons modes and in Tiles.
    static constexpr int nSmallItemWidth = 180;
    static constexpr int nTileWidth = 100;

private:
    void PaintDetailsCell(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void PaintItem(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

    const CNotesListCtrl& m_list;
};
