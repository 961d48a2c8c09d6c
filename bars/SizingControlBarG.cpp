// The bar with a gripper and a close button in its title, as the panes have it.
#include "SizingControlBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace
{

constexpr int kCloseSize = 11;

// Flat "x" button; raised while the pointer is over it with no button held,
// sunken while pushed. Clicked fires only on a release over the button.
class CSCBCloseButton : public QAbstractButton
{
public:
    explicit CSCBCloseButton(QWidget* pParent) : QAbstractButton(pParent)
    {
        setObjectName(QStringLiteral("SCBarClose"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_Hover);
        setFixedSize(kCloseSize, kCloseSize);
        setToolTip(QApplication::translate("CSizingControlBarG", "Close"));
    }

    QSize sizeHint() const override { return QSize(kCloseSize, kCloseSize); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QRect rc = rect();
        const bool bHot = underMouse() && !(QApplication::mouseButtons() & Qt::LeftButton);
        if (isDown())
            qDrawShadePanel(&painter, rc, palette(), true, 1);
        else if (bHot)
            qDrawShadePanel(&painter, rc, palette(), false, 1);

        const int nShift = isDown() ? 1 : 0;
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1));
        for (int d = 0; d < 2; ++d) {
            // Two adjacent diagonals per stroke make the glyph bold enough at this size.
            painter.drawLine(QPoint(3 + d + nShift, 3 + nShift), QPoint(6 + d + nShift, 6 + nShift));
            painter.drawLine(QPoint(3 + d + nShift, 6 + nShift), QPoint(6 + d + nShift, 3 + nShift));
        }
    }

    void enterEvent(QEnterEvent* pEvent) override
    {
        QAbstractButton::enterEvent(pEvent);
        update();
    }

    void leaveEvent(QEvent* pEvent) override
    {
        QAbstractButton::leaveEvent(pEvent);
        update();
    }
};

} // namespace

// The docked title: gripper, pane title and close button. With the vertical
// title bar feature Qt puts it along the left edge; painting then works in a
// rotated system so both orientations share one geometry.
class CSCBTitleBar : public QWidget
{
public:
    explicit CSCBTitleBar(CSizingControlBarG* pBar) : QWidget(pBar), m_pBar(pBar)
    {
        setObjectName(QStringLiteral("SCBarTitle"));
        m_pClose = new CSCBCloseButton(this);
        QObject::connect(m_pClose, &QAbstractButton::clicked, pBar, [pBar] { pBar->hide(); });
        QObject::connect(pBar, &QWidget::windowTitleChanged, this, [this] { UpdateTitle(); });
        UpdateTitle();
    }

    int Depth() const { return std::max(CSizingControlBarG::nGripperDepth + 2, fontMetrics().height() + 2); }

    bool IsVertical() const { return m_pBar->features() & QDockWidget::DockWidgetVerticalTitleBar; }

    QSize sizeHint() const override
    {
        const int nLength = kCloseSize + 8 + fontMetrics().horizontalAdvance(m_pBar->windowTitle());
        return IsVertical() ? QSize(Depth(), nLength) : QSize(nLength, Depth());
    }

    QSize minimumSizeHint() const override
    {
        return IsVertical() ? QSize(Depth(), kCloseSize + 2) : QSize(kCloseSize + 2, Depth());
    }

    QAbstractButton* CloseButton() const { return m_pClose; }

    void PlaceCloseButton()
    {
        // The client starts where the title ends: at x = depth when the title
        // runs down the left side, at y = depth when it runs along the top.
        const int nDepth = Depth();
        if (IsVertical())
            m_pClose->move(nDepth - 13, 1);
        else
            m_pClose->move(width() - 12, nDepth - 13);
        updateGeometry();
        update();
    }

protected:
    void resizeEvent(QResizeEvent* pEvent) override
    {
        QWidget::resizeEvent(pEvent);
        PlaceCloseButton();
    }

    void mouseDoubleClickEvent(QMouseEvent* pEvent) override
    {
        if (pEvent->button() != Qt::LeftButton) {
            QWidget::mouseDoubleClickEvent(pEvent);
            return;
        }
        pEvent->accept();
        m_pBar->setFloating(!m_pBar->isFloating());
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        // Work along the title: u runs towards the close button, v across.
        int nLength = width();
        if (IsVertical()) {
            nLength = height();
            painter.translate(0, height());
            painter.rotate(-90);
        }
        const int nDepth = Depth();
        const int nCloseU = nLength - 12;
        const int nCloseV = nDepth - 13;

        int nGripStart = 2;
        const QString strTitle = m_pBar->windowTitle();
        if (!strTitle.isEmpty()) {
            const int nRoom = std::max(0, nCloseU - 3 - nGripStart - 8);
            const QString strShown = fontMetrics().elidedText(strTitle, Qt::ElideRight, nRoom);
            const QRect rcText(nGripStart, 0, fontMetrics().horizontalAdvance(strShown), nDepth);
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(rcText, Qt::AlignLeft | Qt::AlignVCenter, strShown);
            nGripStart = rcText.right() + 1 + 4;
        }

        const int nGripEnd = nCloseU - 3;
        if (nGripEnd - nGripStart > 0) {
            // Two 3-pixel 3-D bars, 3 pixels apart, level with the close button.
            const int nFirst = nCloseV + 1;
            for (const int nAt : {nFirst, nFirst + 6})
                qDrawShadePanel(&painter, QRect(nGripStart, nAt, nGripEnd - nGripStart, 3), palette(), false, 1);
        }
    }

private:
    void UpdateTitle()
    {
        const QString strTitle = m_pBar->windowTitle();
        setAccessibleName(strTitle);
        setToolTip(strTitle);
        m_pClose->setAccessibleName(QApplication::translate("CSizingControlBarG", "Close %1").arg(strTitle));
        m_pClose->setAccessibleDescription(
            QApplication::translate("CSizingControlBarG", "Hides the %1 pane").arg(strTitle));
        updateGeometry();
        update();
    }

    CSizingControlBarG* m_pBar;
    CSCBCloseButton* m_pClose = nullptr;
};

CSizingControlBarG::CSizingControlBarG(const QString& strTitle, QMainWindow* pFrame, int nControlId)
    : CSizingControlBar(strTitle, pFrame, nControlId)
{
    m_pTitleBar = new CSCBTitleBar(this);
    m_pTitleBar->hide();
    OnSituationChanged();
}

int CSizingControlBarG::TitleThickness() const
{
    if (!m_pTitleBar || isWindow())
        return CSizingControlBar::TitleThickness();
    return m_pTitleBar->Depth();
}

void CSizingControlBarG::OnSituationChanged()
{
    if (m_pTitleBar) {
        // Floating uses the native window frame: no gripper, no close button.
        const bool bFloating = isWindow();
        QDockWidget::DockWidgetFeatures nFeatures = features() & ~DockWidgetVerticalTitleBar;
        if (!bFloating && IsHorzDocked())
            nFeatures |= DockWidgetVerticalTitleBar;
        if (nFeatures != features())
            setFeatures(nFeatures);
        QWidget* pWanted = bFloating ? nullptr : m_pTitleBar;
        if (titleBarWidget() != pWanted)
            setTitleBarWidget(pWanted);
        m_pTitleBar->PlaceCloseButton();
    }
    CSizingControlBar::OnSituationChanged();
}
