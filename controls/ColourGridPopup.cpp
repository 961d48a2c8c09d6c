#include "ColourGridPopup.h"

#include "ColourGridAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QCoreApplication>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <qdrawutil.h>

#include <algorithm>
#include <array>

namespace
{
struct SNamedColour
{
    const char* pszName;
    int r, g, b;
};

constexpr std::array<SNamedColour, CColourGridPopup::nColours> aColourTable = {{
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Black"), 0, 0, 0},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Brown"), 165, 42, 0},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Dark Olive Green"), 0, 64, 64},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Dark Green"), 0, 85, 0},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Dark Teal"), 0, 0, 94},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Dark blue"), 0, 0, 139},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Indigo"), 75, 0, 130},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Dark grey"), 40, 40, 40},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Dark red"), 139, 0, 0},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Orange"), 255, 104, 32},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Dark yellow"), 139, 139, 0},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Green"), 0, 147, 0},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Teal"), 56, 142, 142},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Blue"), 0, 0, 255},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Blue-grey"), 123, 123, 192},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Grey - 40"), 102, 102, 102},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Red"), 255, 0, 0},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Light orange"), 255, 173, 91},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Lime"), 50, 205, 50},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Sea green"), 60, 179, 113},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Aqua"), 127, 255, 212},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Light blue"), 125, 158, 192},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Violet"), 128, 0, 128},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Grey - 50"), 127, 127, 127},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Pink"), 255, 192, 203},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Gold"), 255, 215, 0},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Yellow"), 255, 255, 0},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Bright green"), 0, 255, 0},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Turquoise"), 64, 224, 208},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Skyblue"), 192, 255, 255},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Plum"), 72, 0, 72},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Light grey"), 192, 192, 192},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Rose"), 255, 228, 225},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Tan"), 210, 180, 140},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Light yellow"), 255, 255, 224},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Pale green "), 152, 251, 152},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Pale turquoise"), 175, 238, 238},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Pale blue"), 104, 131, 139},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "Lavender"), 230, 230, 250},
    {QT_TRANSLATE_NOOP("CColourGridPopup", "White"), 255, 255, 255},
}};

QColor AskForColour(const QColor& clrInitial, QWidget* pParent)
{
    return QColorDialog::getColor(clrInitial, pParent, QString(), QColorDialog::ColorDialogOptions());
}

// Edges one pixel wide, lit from the top left.
void DrawEdge(QPainter& p, const QRect& rc, const QColor& clrTopLeft, const QColor& clrBottomRight)
{
    p.setPen(clrTopLeft);
    p.drawLine(rc.topLeft(), rc.topRight());
    p.drawLine(rc.topLeft(), rc.bottomLeft());
    p.setPen(clrBottomRight);
    p.drawLine(rc.bottomLeft(), rc.bottomRight());
    p.drawLine(rc.topRight(), rc.bottomRight());
}
} // namespace

QColor CColourGridPopup::TableColour(int nIndex)
{
    if (nIndex < 0 || nIndex >= nColours)
        return {};
    const SNamedColour& c = aColourTable[static_cast<size_t>(nIndex)];
    return QColor(c.r, c.g, c.b);
}

QString CColourGridPopup::TableColourName(int nIndex)
{
    if (nIndex < 0 || nIndex >= nColours)
        return {};
    return QCoreApplication::translate("CColourGridPopup", aColourTable[static_cast<size_t>(nIndex)].pszName);
}

int CColourGridPopup::FindTableColour(const QColor& clr)
{
    if (!clr.isValid())
        return -1;
    for (int i = 0; i < nColours; ++i)
        if (TableColour(i).rgb() == clr.rgb())
            return i;
    return -1;
}

QPoint CColourGridPopup::PlacePopup(const QRect& rcButton, const QSize& sz, const QRect& rcScreen)
{
    QPoint pt(rcButton.left(), rcButton.bottom() + 1);
    if (pt.x() + sz.width() > rcScreen.right() + 1)
        pt.setX(rcScreen.right() + 1 - sz.width());
    if (pt.x() < rcScreen.left())
        pt.setX(rcScreen.left());
    if (pt.y() + sz.height() > rcScreen.bottom() + 1)
        pt.ry() -= sz.height() + rcButton.height();
    return pt;
}

CColourGridPopup::ColourDialogFunction& CColourGridPopup::ColourDialogHook()
{
    static ColourDialogFunction fn = AskForColour;
    return fn;
}

CColourGridPopup::CColourGridPopup(QWidget* pButton, const QColor& clrInitial, const QString& strCustomText)
    : QWidget(pButton, Qt::Popup | Qt::FramelessWindowHint), m_clrInitial(clrInitial), m_clrSelected(clrInitial),
      m_strCustomText(strCustomText), m_font(QApplication::font("QMessageBox"))
{
    static const bool bFactoryInstalled = [] {
        QAccessible::installFactory(ColourGridAccessibleFactory);
        return true;
    }();
    Q_UNUSED(bFactoryInstalled);

    setObjectName(QStringLiteral("ColourGridPopup"));
    setAccessibleName(QCoreApplication::translate("CColourGridPopup", "Colours"));
    // A click on the picker that closes the popup must not open it again.
    setAttribute(Qt::WA_NoMouseReplay);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    const int nChosen = FindTableColour(clrInitial);
    m_nChosen = nChosen >= 0 ? nChosen : nCustomCell;

    Layout();
    if (pButton) {
        const QRect rcButton(pButton->mapToGlobal(QPoint(0, 0)), pButton->size());
        QScreen* pScreen = pButton->screen();
        const QRect rcScreen = pScreen ? pScreen->availableGeometry() : QRect(QPoint(0, 0), size());
        move(PlacePopup(rcButton, size(), rcScreen));
    }

    // Switching to another program cancels, as a click outside does.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive && !m_bColourDialogOpen)
            EndPopup(false);
    });
}

CColourGridPopup::~CColourGridPopup() = default;

void CColourGridPopup::Layout()
{
    m_nMargin = std::max(1, style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
    const int m = m_nMargin;
    m_nCellSize = std::max(18, 2 * m + 7);
    const int b = m_nCellSize;

    const QFontMetrics fm(m_font);
    const QSize szText = fm.size(Qt::TextSingleLine, m_strCustomText);
    const int t = szText.height() + 4 * m + 2;

    int nWidth = nColumns * b + 2 * m;
    nWidth = std::max(nWidth, szText.width() + 2 * m);
    const int nGridBottom = nRows * b + 2 * m;
    m_rcCustom = QRect(QPoint(m, nGridBottom), QPoint(nWidth - m - 1, nGridBottom + m + t - 1));
    setFixedSize(nWidth, nGridBottom + t + 3 * m);
}

QRect CColourGridPopup::GetCellRect(int nCell) const
{
    if (nCell == nCustomCell)
        return m_rcCustom;
    if (nCell < 0 || nCell >= nColours)
        return {};
    return QRect(m_nMargin + (nCell % nColumns) * m_nCellSize, m_nMargin + (nCell / nColumns) * m_nCellSize,
                 m_nCellSize, m_nCellSize);
}

int CColourGridPopup::CellAt(const QPoint& pt) const
{
    // The pointer is taken less the margin, against the custom cell first.
    const QPoint p = pt - QPoint(m_nMargin, m_nMargin);
    if (m_rcCustom.contains(p))
        return nCustomCell;
    if (p.x() < 0 || p.y() < 0)
        return nNoCell;
    const int nColumn = p.x() / m_nCellSize;
    const int nRow = p.y() / m_nCellSize;
    if (nColumn >= nColumns || nRow >= nRows)
        return nNoCell;
    const int nCell = nRow * nColumns + nColumn;
    return nCell < nColours ? nCell : nNoCell;
}

void CColourGridPopup::PaintColourCell(QPainter& p, int nCell) const
{
    const QPalette& pal = palette();
    const QRect rc = GetCellRect(nCell);
    const bool bHighlighted = nCell == m_nHighlighted;
    const bool bChosen = nCell == m_nChosen;
    p.fillRect(rc, bChosen && !bHighlighted ? pal.color(QPalette::Highlight) : pal.color(QPalette::Button));
    if (bHighlighted)
        DrawEdge(p, rc, pal.color(QPalette::Light), pal.color(QPalette::Dark));
    else if (bChosen)
        DrawEdge(p, rc, pal.color(QPalette::Dark), pal.color(QPalette::Light));
    const QRect rcSwatch = rc.adjusted(m_nMargin + 1, m_nMargin + 1, -(m_nMargin + 1), -(m_nMargin + 1));
    p.fillRect(rcSwatch, TableColour(nCell));
    p.setPen(pal.color(QPalette::Dark));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rcSwatch.adjusted(0, 0, -1, -1));
}

void CColourGridPopup::PaintCustomCell(QPainter& p) const
{
    const QPalette& pal = palette();
    const int m = m_nMargin;
    QRect rc = m_rcCustom;
    p.fillRect(rc.adjusted(0, 2 * m, 0, 0), pal.color(QPalette::Button));
    // The etched line that sets the custom cell off from the grid.
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(rc.left() + 2 * m, rc.top(), rc.right() - 2 * m, rc.top());
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(rc.left() + 2 * m, rc.top() + 1, rc.right() - 2 * m, rc.top() + 1);

    rc.setTop(rc.top() + 2 * m);
    rc.adjust(1, 1, -1, -1);
    const bool bHighlighted = m_nHighlighted == nCustomCell;
    const bool bChosen = m_nChosen == nCustomCell;
    p.fillRect(rc, bChosen && !bHighlighted ? pal.color(QPalette::Midlight) : pal.color(QPalette::Button));
    if (bHighlighted)
        DrawEdge(p, rc, pal.color(QPalette::Light), pal.color(QPalette::Dark));
    else if (bChosen)
        DrawEdge(p, rc, pal.color(QPalette::Dark), pal.color(QPalette::Light));
    p.setFont(m_font);
    p.setPen(pal.color(QPalette::ButtonText));
    p.drawText(rc, Qt::AlignCenter | Qt::TextSingleLine, m_strCustomText);
}

void CColourGridPopup::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int i = 0; i < nColours; ++i)
        PaintColourCell(p, i);
    PaintCustomCell(p);
    qDrawWinPanel(&p, rect(), palette(), false);
}
