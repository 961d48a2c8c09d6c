#pragma once

#include <QStyledItemDelegate>

// Bold labels; the selected one on a light panel instead of the highlight,
// the root in blue.
class CFolderTreeDelegate : public QStyledItemDelegate
{
public:
    explicit CFolderTreeDelegate(QObject* pParent = nullptr) : QStyledItemDelegate(pParent) {}

    // The label's own rectangle, without the image and the indentation.
    QRect LabelRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    // The root's images or a folder's, normal and selected.
    static QIcon ItemIcon(bool bRoot);

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
