#include "FolderTreeDelegate.h"

#include "ImageStrip.h"
#include "Resources.h"

#include "ImageStrip.h"
#include "Resources.h"
#include "ThemeColours.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace
{
const QColor clrSelectedLabel(240, 240, 240);
const QColor clrRootText(15, 105, 255);
} // namespace

QIcon CFolderTreeDelegate::ItemIcon(bool bRoot)
{
    // The strip holds five images: root, root selected, folder, folder selected, unused.
    static std::vector<QPixmap> images;
    if (images.empty())
        LoadImageStrip(QuillboxResources::IDB_TREE, 16, images);
    const size_t nNormal = bRoot ? 0 : 2;
    QIcon icon;
    if (nNormal < images.size())
        icon.addPixmap(images[nNormal], QIcon::Normal);
    if (nNormal + 1 < images.size())
        icon.addPixmap(images[nNormal + 1], QIcon::Selected);
    return icon;
}

QRect CFolderTreeDelegate::LabelRect(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    opt.font.setBold(true);
    const QStyle* pStyle = opt.widget ? opt.widget->style() : QApplication::style();
    QRect rc = pStyle->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
    const int nMargin = pStyle->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
    rc.setWidth(std::min(rc.width(), QFontMetrics(opt.font).horizontalAdvance(opt.text) + 2 * nMargin));
    return rc;
}

void CFolderTreeDelegate::paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const QStyle* pStyle = opt.widget ? opt.widget->style() : QApplication::style();
    const bool bSelected = opt.state & QStyle::State_Selected;
    const bool bRoot = !index.parent().isValid();
    const QRect rcLabel = LabelRect(option, index);
    const QRect rcIcon = pStyle->subElementRect(QStyle::SE_ItemViewItemDecoration, &opt, opt.widget);

    const QColor clrBack = bSelected ? ThemeColours::Follow(clrSelectedLabel, opt.palette, QPalette::AlternateBase)
                                     : opt.palette.color(QPalette::Base);
    pPainter->save();
    if (bSelected)
        pPainter->fillRect(rcLabel, clrBack);
    opt.icon.paint(pPainter, rcIcon, Qt::AlignCenter, bSelected ? QIcon::Selected : QIcon::Normal);
    QFont font = opt.font;
    font.setBold(true);
    pPainter->setFont(font);
    const QColor clrText = bRoot ? clrRootText : ThemeColours::Follow(Qt::black, opt.palette, QPalette::Text);
    pPainter->setPen(ThemeColours::Readable(clrText, clrBack));
    const int nMargin = pStyle->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
    pPainter->drawText(rcLabel.adjusted(nMargin, 0, -nMargin, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       opt.text);
    pPainter->restore();
}
