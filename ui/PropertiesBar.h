#pragma once

#include "NoteImageList.h"
#include "SizingControlBar.h"

#include <QListWidget>

class CNoteRecord;

// A one-column card of the selected note's properties: title, icon and five
// labelled values, painted so the values line up in any font.
class CPropertiesList : public QListWidget
{
    Q_OBJECT

public:
    enum { IDC_PROPERTIES_LIST = 123 };
    enum { LabelRole = Qt::UserRole + 1, IconRole, ShownValueRole };
    enum { rowTitle, rowIcon, rowComments, rowDate, rowCreated, rowModified, rowModifiedAt, nRows };
    static const char* const apszLabels[nRows];
    static const QColor clrBackground;

    explicit CPropertiesList(QWidget* pParent = nullptr);

    // The list's look and the note icons; once, after the pane is made.
    void InitList();
    // The seven rows of a note; nullptr clears the card.
    void ShowNoteProperties(const CNoteRecord* pNote);
    // One blank row.
    void ClearProperties();

    const CNoteImageList& GetImageList() const { return m_images; }
    // The text drawn as a row's value; differs from the row text only for
    // the Date of a note without a date, which is drawn empty.
    QString GetShownValue(int nRow) const;

private:
    CNoteImageList m_images;
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
