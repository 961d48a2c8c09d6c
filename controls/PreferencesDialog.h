#pragma once

#include <QColor>
#include <QDialog>

class CColourPicker;

// "Preference Settings": the colours of Low, Medium and High priority notes.
// Colours go in before exec() and are read out after OK; the dialog itself
// saves nothing.
class CPreferencesDialog : public QDialog
{
    Q_OBJECT

public:
    enum { IDC_LOW_COLOUR = 1020, IDC_MEDIUM_COLOUR = 1021, IDC_HIGH_COLOUR = 1022 };

    explicit CPreferencesDialog(QWidget* pParent = nullptr);

    void SetPriorityColours(const QColor& clrHigh, const QColor& clrMedium, const QColor& clrLow);
    QColor GetHighColour() const;
    QColor GetMediumColour() const;
    QColor GetLowColour() const;

    // The picker with control id 1020, 1021 or 1022; nullptr for another id.
    CColourPicker* GetPicker(int nControlId) const;

private:
    CColourPicker* m_pHigh;
    CColourPicker* m_pMedium;
    CColourPicker* m_pLow;
};
