#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

// The borderless window a colour picker drops down: 40 named colours in an
// 8 x 5 grid and a custom cell below them that opens the colour dialog. It
// grabs mouse and keyboard while open, reports every highlight change, ends
// with exactly one of Confirmed or Cancelled, and then deletes itself.
class CColourGridPopup : public QWidget
{
    Q_OBJECT

public:
    static constexpr int nColours = 40;
    static constexpr int nColumns = 8;
    static constexpr int nRows = (nColours + nColumns - 1) / nColumns;
    // Cell indexes: 0 to 39 the colours, then these two.
    static constexpr int nCustomCell = nColours;
    static constexpr int nNoCell = -1;

    // The table colour at nIndex (0 to 39) and its name, spelled as shown.
    static QColor TableColour(int nIndex);
    static QString TableColourName(int nIndex);
    // The first table index with clr's red, green and blue; -1 for none.
    static int FindTableColour(const QColor& clr);

    // Where a popup of size sz opens under rcButton (global coordinates),
    // kept on rcScreen: shifted left or right, or put above the button.
    static QPoint PlacePopup(const QRect& rcButton, const QSize& sz, const QRect& rcScreen);

    // The colour dialog behind the custom cell; tests replace it. Returns an
    // invalid colour on cancel.
    using ColourDialogFunction = std::function<QColor(const QColor& clrInitial, QWidget* pParent)>;
    static ColourDialogFunction& ColourDialogHook();

    // Opens under pButton with clrInitial as the colour to return to on cancel.
    CColourGridPopup(QWidget* pButton, const QColor& clrInitial, const QString& strCustomText);
    ~CColourGridPopup() override;

    int GetHighlightedCell() const { return m_nHighlighted; }
    int GetChosenCell() const { return m_nChosen; }
    QColor GetInitialColour() const { return m_clrInitial; }
    QColor GetSelectedColour() const { return m_clrSelected; }
    QString GetCustomText() const { return m_strCustomText; }
    // In the popup's own coordinates.
    QRect GetCellRect(int nCell) const;
    // The cell under a point of the popup; nNoCell when none.
    int CellAt(const QPoint& pt) const;

    // Moves the highlight as the keyboard and the mouse do.
    void SetHighlightedCell(int nCell);
    // A click outside ends the popup with no choice (false); inside, the
    // cell under the point is highlighted.
    bool HighlightAt(const QPoint& pt);
    // Ends the popup: confirming on the custom cell opens the colour dialog.
    void EndPopup(bool bConfirm);

signals:
    // The highlight moved: the cell's colour, or the initial colour for the
    // custom cell.
    void HighlightChanged(const QColor& clr);
    void Confirmed(const QColor& clr);
    void Cancelled(const QColor& clrInitial);

protected:
    bool event(QEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void closeEvent(QCloseEvent* pEvent) override;

private:
    void Layout();
    void PaintColourCell(class QPainter& p, int nCell) const;
    void PaintCustomCell(class QPainter& p) const;
    static int NextCell(int nCell, int nKey);

    QColor m_clrInitial;
    QColor m_clrSelected;
    QString m_strCustomText;
    QFont m_font;
    int m_nMargin = 2;
    int m_nCellSize = 18;
    int m_nHighlighted = nNoCell;
    int m_nChosen = nNoCell;
    QRect m_rcCustom;
    bool m_bColourDialogOpen = false;
    bool m_bEnded = false;
};
