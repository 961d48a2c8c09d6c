#pragma once

#include "SizingControlBar.h"

#include <QListWidget>

class CNoteRecord;

// A one-column card of the selected note's properties.
class CPropertiesList : public QListWidget
{
    Q_OBJECT

public:
    explicit CPropertiesList(QWidget* pParent = nullptr);

    void InitList();
    // The seven rows of a note; empty for nullptr.
    void ShowNoteProperties(const CNoteRecord* pNote);
    void ClearProperties();
};

// The "Properties" pane.
class CPropertiesBar : public CSizingControlBarG
{
    Q_OBJECT

public:
    CPropertiesBar(QMainWindow* pFrame, int nControlId);
    CPropertiesList* GetList() const { return m_pList; }

private:
    CPropertiesList* m_pList;
};
