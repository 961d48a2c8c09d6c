#include "IconListModel.h"

#include "Resources.h"

#include <QCoreApplication>

CIconListModel::CIconListModel(QObject* pParent) : QAbstractListModel(pParent)
{
    m_images.Create(QuillboxResources::IDB_NOTE_ICONS_32, 32);
}

int CIconListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_images.GetImageCount();
}

QVariant CIconListModel::data(const QModelIndex& index, int nRole) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (nRole) {
    case Qt::DecorationRole:
        return m_images.GetImage(index.row());
    // The items carry no label; a screen reader still hears which icon it is on.
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return QCoreApplication::translate("CIconListModel", "Icon %1").arg(index.row());
    }
    return {};
}
