#include "ColourPicker.h"

#include "ColourGridPopup.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

CColourPicker::CColourPicker(int nControlId, QWidget* pParent)
    : QPushButton(pParent), m_nControlId(nControlId), m_clrSwatch(palette().color(QPalette::Button)),
      m_strCustomText(QCoreApplication::translate("CColourPicker", "More Colours..."))
{
    setObjectName(QStringLiteral("ColourPicker"));
    setAccessibleName(QCoreApplication::translate("CColourPicker", "Colour"));
    // Enter belongs to the dialog's default button; Space drops the grid down.
    setAutoDefault(false);
    UpdateSize();
    UpdateDescription();
    connect(this, &QPushButton::clicked, this, &CColourPicker::OpenPopup);
}

CColourPicker::~CColourPicker() = default;

void CColourPicker::SetSelectedColour(const QColor& clr)
{
    m_clrSwatch = clr;
    UpdateDescription();
    update();
}

int CColourPicker::ArrowSize() const
{
    const QStyle* pStyle = style();
    const int nEdge = std::max(1, pStyle->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
    const int nThumb = pStyle->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    return std::max(5 * nEdge, nThumb);
}

QSize CColourPicker::minimumSizeHint() const
{
    const int nEdge = std::max(1, style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
    const int d = ArrowSize();
    return QSize(2 * (d + nEdge), d + 2 * nEdge);
}

QSize CColourPicker::sizeHint() const
{
    QSize sz = minimumSizeHint();
    // Room for a caption, if there is one, beside the arrow.
    if (!text().isEmpty())
        sz.rwidth() = std::max(sz.width(), fontMetrics().horizontalAdvance(text()) + 2 * sz.height());
    else
        sz.rwidth() = std::max(sz.width(), 3 * sz.height());
    return sz;
}

void CColourPicker::UpdateSize()
{
    setFixedHeight(minimumSizeHint().height());
    setMinimumWidth(minimumSizeHint().width());
    updateGeometry();
}

void CColourPicker::UpdateDescription()
{
    const int nIndex = CColourGridPopup::FindTableColour(m_clrSwatch);
    QString strDescription;
    if (nIndex >= 0)
        strDescription = CColourGridPopup::TableColourName(nIndex).trimmed();
    else if (m_clrSwatch.isValid())
        strDescription = m_clrSwatch.name();
    setAccessibleDescription(strDescription);
}

void CColourPicker::changeEvent(QEvent* pEvent)
{
    QPushButton::changeEvent(pEvent);
    if (pEvent->type() == QEvent::StyleChange || pEvent->type() == QEvent::FontChange)
        UpdateSize();
}

void CColourPicker::OpenPopup()
{
    if (m_bPopupOpen)
        return;
    m_bPopupOpen = true;
    update();
    m_pPopup = new CColourGridPopup(this, m_clrSwatch, m_strCustomText);
    const int nId = m_nControlId;
    connect(m_pPopup, &CColourGridPopup::HighlightChanged, this,
            [this, nId](const QColor& clr) { emit HighlightChanged(clr, nId); });
    connect(m_pPopup, &CColourGridPopup::Confirmed, this, &CColourPicker::OnPopupConfirmed);
    connect(m_pPopup, &CColourGridPopup::Cancelled, this, &CColourPicker::OnPopupCancelled);
    m_pPopup->show();
    m_pPopup->setFocus(Qt::PopupFocusReason);
    emit PopupOpened(m_clrSwatch, m_nControlId);
}

void CColourPicker::OnPopupConfirmed(const QColor& clr)
{
    const QColor clrBefore = m_clrSwatch;
    m_bPopupOpen = false;
    m_pPopup = nullptr;
    SetSelectedColour(clr);
    emit PopupClosed(clr, m_nControlId);
    emit ColourConfirmed(clr, m_nControlId);
    if (clr != clrBefore)
        emit HighlightChanged(clr, m_nControlId);
}

void CColourPicker::OnPopupCancelled(const QColor& clr)
{
    m_bPopupOpen = false;
    m_pPopup = nullptr;
    SetSelectedColour(clr);
    emit PopupClosed(clr, m_nControlId);
    emit ColourCancelled(clr, m_nControlId);
}

void CColourPicker::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    const QStyle* pStyle = style();
    const int nEdge = std::max(1, pStyle->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this));
    const int d = ArrowSize();
    const bool bEnabled = isEnabled();
    const bool bPressed = isDown() || m_bPopupOpen;

    const QRect rcInside = rect().adjusted(nEdge, nEdge, -nEdge, -nEdge);
    const QRect rcArrow(rcInside.right() + 1 - d, rcInside.top(), d, rcInside.height());
    QRect rcSwatch = rcInside;
    rcSwatch.setRight(rcArrow.left() - 1);

    const bool bNoColour = !m_clrSwatch.isValid();
    p.fillRect(rcSwatch, !bEnabled || bNoColour ? pal.color(QPalette::Button) : m_clrSwatch);

    // The arrow looks like a scroll bar's down button.
    qDrawWinButton(&p, rcArrow, pal, bPressed, &pal.brush(QPalette::Button));
    QStyleOption arrow;
    arrow.initFrom(this);
    arrow.rect = rcArrow.adjusted(3, 3, -3, -3);
    if (bPressed)
        arrow.rect.translate(1, 1);
    if (!bEnabled)
        arrow.state &= ~QStyle::State_Enabled;
    pStyle->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &p, this);

    if (!text().isEmpty()) {
        const int nFlags = Qt::AlignCenter | Qt::TextSingleLine;
        if (bEnabled) {
            p.setPen(pal.color(QPalette::ButtonText));
            p.drawText(rcSwatch, nFlags, text());
        } else {
            p.setPen(pal.color(QPalette::Light));
            p.drawText(rcSwatch.translated(1, 1), nFlags, text());
            p.setPen(pal.color(QPalette::Dark));
            p.drawText(rcSwatch, nFlags, text());
        }
    }

    qDrawWinPanel(&p, rect(), pal, true);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rcSwatch.adjusted(1, 1, -1, -1);
        focus.backgroundColor = bNoColour ? pal.color(QPalette::Button) : m_clrSwatch;
        pStyle->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
}
