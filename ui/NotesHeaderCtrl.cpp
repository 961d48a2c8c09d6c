#include "NotesHeaderCtrl.h"

#include "NotesListCtrl.h"
#include "ThemeColours.h"

#include <QPainter>

const QColor CNotesHeaderCtrl::clrBackground(90, 150, 255);
const QColor CNotesHeaderCtrl::clrText(255, 255, 255);
const QColor CNotesHeaderCtrl::clrDivider(100, 100, 100);

CNotesHeaderCtrl::CNotesHeaderCtrl(CNotesListCtrl* pList, QWidget* pParent)
    : QHeaderView(Qt::Horizontal, pParent), m_pList(pList)
{
    setObjectName(QStringLiteral("NotesHeader"));
    setSectionsMovable(false);
    setStretchLastSection(false);
    setHighlightSections(false);
    setSectionsClickable(true);
}

void CNotesHeaderCtrl::paintSection(QPainter* pPainter, const QRect& rect, int nLogicalIndex) const
{
    if (!rect.isValid())
        return;
    pPainter->save();
    pPainter->fillRect(rect.adjusted(1, 0, 0, 0), clrBackground);

    QFont font = pPainter->font();
    font.setWeight(QFont::Bold);
    font.setPixelSize(14);
    pPainter->setFont(font);
    pPainter->setPen(ThemeColours::Readable(clrText, clrBackground));
    const QString strText =
        model() ? model()->headerData(nLogicalIndex, orientation(), Qt::DisplayRole).toString() : QString();
    pPainter->drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, strText);

    if (isSortIndicatorShown() && sortIndicatorSection() == nLogicalIndex) {
        // A small triangle at the right: up ascending, down descending.
        const int nSize = 4;
        const QPoint c(rect.right() - 4 - nSize, rect.center().y());
        const int nDir = sortIndicatorOrder() == Qt::AscendingOrder ? -1 : 1;
        const QPoint apt[3] = {{c.x() - nSize, c.y() - nDir * nSize / 2},
                               {c.x() + nSize, c.y() - nDir * nSize / 2},
                               {c.x(), c.y() + nDir * nSize / 2 + nDir}};
        pPainter->setRenderHint(QPainter::Antialiasing);
        pPainter->setPen(Qt::NoPen);
        pPainter->setBrush(clrText);
        pPainter->drawPolygon(apt, 3);
        pPainter->setRenderHint(QPainter::Antialiasing, false);
    }

    pPainter->setPen(clrDivider);
    pPainter->drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    pPainter->restore();
}

void CNotesHeaderCtrl::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (m_pList)
        m_pList->RedrawAllRows();
    QHeaderView::mouseReleaseEvent(pEvent);
}
