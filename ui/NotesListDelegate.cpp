#include "NotesListDelegate.h"

#include "NoteImageList.h"
#include "NotesListCtrl.h"
#include "NotesListModel.h"
#include "ThemeColours.h"

#include <QPainter>

const QColor CNotesListDelegate::clrMarkText(159, 98, 30);
const QColor CNotesListDelegate::clrMarkBack(240, 241, 245);
const QColor CNotesListDelegate::clrText(234, 129, 23);
const QColor CNotesListDelegate::clrBack(255, 255, 255);
const QColor CNotesListDelegate::clrGrid(220, 220, 220);

namespace
{
QFont RowFont(const QFont& base)
{
    QFont font(base);
    font.setWeight(QFont::Bold);
    font.setPixelSize(13);
    return font;
}

// A tile's title on at most two lines, broken at spaces where it can be,
// the second line cut short with an ellipsis.
QStringList TileLines(const QString& strTitle, const QFontMetrics& metrics, int nWidth)
{
    QStringList lines;
    QString strRest = strTitle.simplified();
    if (metrics.horizontalAdvance(strRest) <= nWidth)
        return {strRest};
    int nBreak = 0;
    for (int i = 1; i <= strRest.size(); ++i) {
        if (metrics.horizontalAdvance(strRest.left(i)) > nWidth)
            break;
        if (i == strRest.size() || strRest.at(i) == QLatin1Char(' '))
            nBreak = i;
    }
    if (nBreak == 0) {
        // No space in reach: break inside the word.
        while (nBreak < strRest.size() && metrics.horizontalAdvance(strRest.left(nBreak + 1)) <= nWidth)
            ++nBreak;
        nBreak = std::max(nBreak, 1);
    }
    lines << strRest.left(nBreak);
    strRest = strRest.mid(nBreak).trimmed();
    if (!strRest.isEmpty())
        lines << metrics.elidedText(strRest, Qt::ElideRight, nWidth);
    return lines;
}

bool HasKnownPriority(const QModelIndex& index)
{
    const QVariant priority = index.data(CNotesListModel::PriorityRole);
    return priority.isValid() && priority.toInt() >= 0 && priority.toInt() <= 2;
}
} // namespace

CNotesListDelegate::CNotesListDelegate(const CNotesListCtrl& list, QObject* pParent)
    : QStyledItemDelegate(pParent), m_list(list)
{}

void CNotesListDelegate::paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // A row without a record is left to the default drawing.
    if (!m_list.GetModel().GetRowNote(index.row())) {
        QStyledItemDelegate::paint(pPainter, option, index);
        return;
    }
    pPainter->save();
    if (m_list.GetViewMode() == CNotesListCtrl::modeDetails)
        PaintDetailsCell(pPainter, option, index);
    else
        PaintItem(pPainter, option, index);
    pPainter->restore();
}

void CNotesListDelegate::PaintDetailsCell(QPainter* pPainter, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const
{
    const bool bMark = index.row() == m_list.GetSelectionMark();
    const QPalette& pal = option.palette;
    QColor clrTextNow = bMark ? clrMarkText : clrText;
    const QColor clrBackNow = bMark ? ThemeColours::Follow(clrMarkBack, pal, QPalette::AlternateBase)
                                    : ThemeColours::Follow(clrBack, pal, QPalette::Base);
    const QRect rcCell = option.rect;

    // The bottom pixel row is the grid line's.
    pPainter->fillRect(rcCell.adjusted(0, 0, 0, -1), clrBackNow);
    pPainter->setPen(ThemeColours::Follow(clrGrid, pal, QPalette::Mid));
    pPainter->drawLine(rcCell.bottomLeft(), rcCell.bottomRight());
    pPainter->drawLine(rcCell.topRight(), rcCell.bottomRight());

    pPainter->setFont(RowFont(option.font));
    if (HasKnownPriority(index))
        clrTextNow = index.data(Qt::ForegroundRole).value<QColor>();
    pPainter->setPen(ThemeColours::Readable(clrTextNow, clrBackNow));
    const QRect rcText = rcCell.adjusted(index.column() == CNotesListModel::colName ? 20 : 3, 0, -1, -1);
    pPainter->setClipRect(rcCell.adjusted(0, 0, -1, -1));
    pPainter->drawText(rcText, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       index.data(Qt::DisplayRole).toString());

    if (index.column() == CNotesListModel::colName) {
        const QPixmap icon = m_list.GetImageList().GetImage(index.data(CNotesListModel::NoteIconRole).toInt());
        if (!icon.isNull())
            pPainter->drawPixmap(rcCell.left() + 1, rcCell.top() + 1, icon);
    }
}

void CNotesListDelegate::PaintItem(QPainter* pPainter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    const bool bMark = index.row() == m_list.GetSelectionMark();
    const QPalette& pal = option.palette;
    // The mark keeps the highlight's text colour; its background gives way.
    const QColor clrHighlightText = pal.color(QPalette::Active, QPalette::HighlightedText);
    const QColor clrBackNow =
        bMark ? ThemeColours::Readable(pal.color(QPalette::Active, QPalette::Highlight), clrHighlightText)
              : ThemeColours::Follow(clrBack, pal, QPalette::Base);
    const QColor clrTextNow = bMark ? clrHighlightText
                                    : ThemeColours::Readable(index.data(Qt::ForegroundRole).value<QColor>(), clrBackNow);
    const QFont font = RowFont(option.font);
    const QFontMetrics metrics(font);
    const QString strTitle = index.data(Qt::DisplayRole).toString();
    const QPixmap icon = m_list.GetImageList().GetImage(index.data(CNotesListModel::NoteIconRole).toInt());
    const int nIcon = m_list.GetImageList().GetImageSize();
    const QRect rc = option.rect;

    pPainter->setFont(font);
    if (m_list.GetViewMode() == CNotesListCtrl::modeTiles) {
        // The icon centred at the top, the title under it on up to two lines.
        if (!icon.isNull())
            pPainter->drawPixmap(rc.left() + (rc.width() - nIcon) / 2, rc.top() + 2, icon);
        const QRect rcLabelArea(rc.left() + 2, rc.top() + nIcon + 5, rc.width() - 4, rc.height() - nIcon - 7);
        const QStringList lines = TileLines(strTitle, metrics, rcLabelArea.width());
        int nTop = rcLabelArea.top();
        for (const QString& strLine : lines) {
            const int nWidth = metrics.horizontalAdvance(strLine);
            const QRect rcLine(rcLabelArea.left() + (rcLabelArea.width() - nWidth) / 2, nTop, nWidth, metrics.height());
            pPainter->fillRect(rcLine.adjusted(-2, 0, 2, 0), clrBackNow);
            pPainter->setPen(clrTextNow);
            pPainter->drawText(rcLine, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, strLine);
            nTop += metrics.height();
        }
        return;
    }
    // List and Icons: the icon on the left, the title beside it.
    if (!icon.isNull())
        pPainter->drawPixmap(rc.left() + 1, rc.top() + (rc.height() - nIcon) / 2, icon);
    const int nTextLeft = rc.left() + nIcon + 4;
    const QString strShown = metrics.elidedText(strTitle, Qt::ElideRight, rc.right() - nTextLeft - 4);
    const QRect rcText(nTextLeft, rc.top(), metrics.horizontalAdvance(strShown) + 4, rc.height());
    pPainter->fillRect(rcText, clrBackNow);
    pPainter->setPen(clrTextNow);
    pPainter->drawText(rcText.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, strShown);
}

int CNotesListDelegate::DetailsRowHeight(const QFont& font)
{
    return std::max(18, QFontMetrics(RowFont(font)).height() + 3);
}

QSize CNotesListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(index);
    const int nLine = QFontMetrics(RowFont(option.font)).height();
    switch (m_list.GetViewMode()) {
    case CNotesListCtrl::modeDetails:
        return {0, DetailsRowHeight(option.font)};
    case CNotesListCtrl::modeTiles:
        return {nTileWidth, 32 + 9 + 2 * nLine};
    default:
        return {nSmallItemWidth, std::max(18, nLine + 2)};
    }
}
