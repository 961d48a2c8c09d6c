#include "PropertiesBar.h"

#include "AppContext.h"
#include "NoteRecord.h"
#include "Resources.h"
#include "ThemeColours.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyledItemDelegate>

const char* const CPropertiesList::apszLabels[nRows] = {
    "",
    "",
    QT_TRANSLATE_NOOP("CPropertiesList", "Comments          "),
    QT_TRANSLATE_NOOP("CPropertiesList", "Date                 "),
    QT_TRANSLATE_NOOP("CPropertiesList", "Date Created     "),
    QT_TRANSLATE_NOOP("CPropertiesList", "Date Modified    "),
    QT_TRANSLATE_NOOP("CPropertiesList", "Modify At          "),
};
const QColor CPropertiesList::clrBackground(250, 250, 250);

namespace
{
// Draws every row of the card itself; nothing is left to the list.
class CPropertiesDelegate : public QStyledItemDelegate
{
public:
    explicit CPropertiesDelegate(const CPropertiesList& list) : QStyledItemDelegate(nullptr), m_list(list) {}

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const QRect rc = option.rect;
        // Coordinates as the row sees them: its right end is the column's
        // width, four pixels short of the list's client width.
        const int nLeft = rc.left();
        const int nRight = std::max(nLeft, nLeft + rc.width() - 4);
        const int nMiddle = nLeft + (nRight - nLeft) / 2;
        pPainter->save();
        // The bottom pixel row keeps the list background between rows.
        const QColor clrBack = ThemeColours::Follow(CPropertiesList::clrBackground, option.palette, QPalette::Base);
        pPainter->fillRect(QRect(nLeft, rc.top(), rc.width(), rc.height() - 1), clrBack);

        QFont font = option.font;
        const QString strLabel = index.data(CPropertiesList::LabelRole).toString();
        const QString strValue = index.data(CPropertiesList::ShownValueRole).toString();
        switch (index.row()) {
        case CPropertiesList::rowTitle:
            // The title band keeps its colours under any palette.
            if (!strValue.isEmpty())
                pPainter->fillRect(rc, QColor(255, 255, 215));
            font.setWeight(QFont::Bold);
            font.setPixelSize(16);
            pPainter->setFont(font);
            pPainter->setPen(QColor(0, 0, 128));
            pPainter->drawText(QRect(nLeft, rc.top(), nRight - nLeft, rc.height()),
                               Qt::AlignCenter | Qt::TextSingleLine, strValue);
            break;
        case CPropertiesList::rowIcon: {
            const QVariant icon = index.data(CPropertiesList::IconRole);
            const QPixmap image = icon.isValid() ? m_list.GetImageList().GetImage(icon.toInt()) : QPixmap();
            if (!image.isNull())
                pPainter->drawPixmap(nMiddle - 15, rc.top() + 1, image);
            break;
        }
        default:
            if (index.row() >= CPropertiesList::nRows)
                break;
            font.setPixelSize(15);
            font.setWeight(QFont::Bold);
            pPainter->setFont(font);
            pPainter->setPen(ThemeColours::Readable(QColor(0, 85, 227), clrBack));
            const QRect rcLabel(QPoint(nLeft + 10, rc.top()), QPoint(nMiddle - 1, rc.bottom()));
            pPainter->setClipRect(rcLabel);
            pPainter->drawText(rcLabel, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, strLabel);
            font.setWeight(QFont::Normal);
            pPainter->setFont(font);
            pPainter->setPen(
                ThemeColours::Readable(ThemeColours::Follow(Qt::black, option.palette, QPalette::Text), clrBack));
            const QRect rcValue(QPoint(nMiddle, rc.top()), QPoint(nRight - 1, rc.bottom()));
            pPainter->setClipRect(rcValue);
            pPainter->drawText(rcValue, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, strValue);
            break;
        }
        pPainter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override
    {
        QFont font = option.font;
        font.setPixelSize(16);
        font.setWeight(QFont::Bold);
        return {1, std::max(18, QFontMetrics(font).height() + 1)};
    }

private:
    const CPropertiesList& m_list;
};
} // namespace

CPropertiesList::CPropertiesList(QWidget* pParent) : QListWidget(pParent)
{
    setObjectName(QStringLiteral("PropertiesList"));
    setAccessibleName(QCoreApplication::translate("CPropertiesList", "Properties"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setFrameShadow(QFrame::Sunken);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new CPropertiesDelegate(*this));
    itemDelegate()->setParent(this);
}

void CPropertiesList::InitList()
{
    setFocusPolicy(Qt::StrongFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Base, ThemeColours::Follow(clrBackground, pal, QPalette::Base));
    setPalette(pal);
    m_images.Create(QuillboxResources::IDB_NOTE_ICONS_16, 16);
}

void CPropertiesList::ShowNoteProperties(const CNoteRecord* pNote)
{
    if (!pNote) {
        ClearProperties();
        return;
    }
    const std::string strValues[nRows] = {
        pNote->m_strTitle,
        std::string(),
        pNote->m_strComments,
        CAppContext::FormatDate(pNote->m_dtDate),
        CAppContext::FormatDate(pNote->m_dtCreated) + " " + CAppContext::FormatTime(pNote->m_dtCreated),
        CAppContext::FormatDate(pNote->m_dtModified) + " " + CAppContext::FormatTime(pNote->m_dtModified),
        ModifiedAtText(pNote->m_nModifiedAt),
    };
    static const char* const apszSpoken[nRows] = {QT_TRANSLATE_NOOP("CPropertiesList", "Title"),
                                                  QT_TRANSLATE_NOOP("CPropertiesList", "Icon"),
                                                  "",
                                                  "",
                                                  "",
                                                  "",
                                                  ""};
    clear();
    for (int i = 0; i < nRows; ++i) {
        auto* pItem = new QListWidgetItem(QString::fromStdString(strValues[i]), this);
        const QString strLabel = QCoreApplication::translate("CPropertiesList", apszLabels[i]);
        QString strShown = pItem->text();
        // The row keeps the formatted date; an undated note shows none.
        if (i == rowDate && !pNote->m_bHasDate)
            strShown.clear();
        pItem->setData(LabelRole, strLabel);
        pItem->setData(ShownValueRole, strShown);
        QString strSpoken = i == rowIcon ? QString::number(pNote->m_nIcon) : strShown;
        const QString strName =
            *apszSpoken[i] ? QCoreApplication::translate("CPropertiesList", apszSpoken[i]) : strLabel.trimmed();
        pItem->setData(Qt::AccessibleTextRole, strName + QStringLiteral(": ") + strSpoken);
        if (i == rowIcon)
            pItem->setData(IconRole, pNote->m_nIcon);
    }
}

void CPropertiesList::ClearProperties()
{
    clear();
    auto* pItem = new QListWidgetItem(QString(), this);
    pItem->setData(ShownValueRole, QString());
    pItem->setData(Qt::AccessibleTextRole, QCoreApplication::translate("CPropertiesList", "No note"));
}

QString CPropertiesList::GetShownValue(int nRow) const
{
    const QListWidgetItem* pItem = item(nRow);
    return pItem ? pItem->data(ShownValueRole).toString() : QString();
}

CPropertiesBar::CPropertiesBar(QMainWindow* pFrame, int nControlId)
    : CSizingControlBarG(QCoreApplication::translate("CPropertiesList", "Properties"), pFrame, nControlId),
      m_pList(new CPropertiesList)
{
    SetSCBStyle(SCBS_SHOWEDGES | SCBS_SIZECHILD);
    SetChild(m_pList);
}
