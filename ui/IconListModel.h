#pragma once

#include "NoteImageList.h"

#include <QAbstractListModel>

// The 219 note icons at 32 pixels, one item per icon: item index = icon index.
class CIconListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit CIconListModel(QObject* pParent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;

private:
    CNoteImageList m_images;
};
