#pragma once

#include "ColourGridPopup.h"

#include <QColor>
#include <QPointer>
#include <QPushButton>
#include <QString>

// A push button showing a colour swatch and a drop-down arrow; a click drops
// down the colour grid. The swatch changes only when the user confirms a
// colour. An invalid QColor means "no colour" and shows the button face.
class CColourPicker : public QPushButton
{
    Q_OBJECT

public:
    // The numbers of the five notifications, as the signals below carry them.
    enum ENotification {
        eHighlightChanged = 2025,
        ePopupOpened = 2026,
        ePopupClosed = 2027,
        eColourConfirmed = 2028,
        eColourCancelled = 2029,
    };

    explicit CColourPicker(int nControlId = 0, QWidget* pParent = nullptr);
    ~CColourPicker() override;

    // The swatch colour.
    QColor SelectedColour() const { return m_clrSwatch; }
    // Stores the swatch colour and repaints.
    void SetSelectedColour(const QColor& clr);

    int GetControlId() const { return m_nControlId; }
    void SetControlId(int nControlId) { m_nControlId = nControlId; }
    // The caption of the grid's last cell, "More Colours..." by default.
    QString GetCustomText() const { return m_strCustomText; }
    void SetCustomText(const QString& strText) { m_strCustomText = strText; }

    bool IsPopupOpen() const { return m_bPopupOpen; }
    // The open popup; nullptr when closed.
    CColourGridPopup* GetPopup() const { return m_pPopup; }
    // Drops the grid down, as a click does.
    void OpenPopup();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // 2025: the grid's highlight moved (that cell's colour, or the colour the
    // grid opened with for the custom cell), or a confirmed colour changed
    // the swatch.
    void HighlightChanged(const QColor& clr, int nControlId);
    // 2026: the grid opened, with the swatch colour.
    void PopupOpened(const QColor& clr, int nControlId);
    // 2027: the grid closed; 2028 or 2029 follows.
    void PopupClosed(const QColor& clr, int nControlId);
    // 2028: the user confirmed clr; the swatch shows it.
    void ColourConfirmed(const QColor& clr, int nControlId);
    // 2029: the user cancelled; the swatch keeps clr.
    void ColourCancelled(const QColor& clr, int nControlId);

protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    // d of the size rule: the arrow's width and the swatch's height.
    int ArrowSize() const;
    void UpdateSize();
    void UpdateDescription();
    void OnPopupConfirmed(const QColor& clr);
    void OnPopupCancelled(const QColor& clr);

    int m_nControlId;
    QColor m_clrSwatch;
    QString m_strCustomText;
    bool m_bPopupOpen = false;
    QPointer<CColourGridPopup> m_pPopup;
};
