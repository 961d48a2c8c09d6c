#include "SizingControlBar.h"

#include "UserSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMainWindow>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QTimer>
#include <qdrawutil.h>

#include <algorithm>

namespace
{

constexpr int kCloseSize = 11;

} // namespace

// Holds the child. Its size hint is the bar's stored size less the title, so
// Qt's dock layout starts each pane at the size the bar keeps; its minimum
// hint is tiny, so only the bar's own minimum limits shrinking.
class CSCBClientArea : public QFrame
{
public:
    explicit CSCBClientArea(CSizingControlBar* pBar) : QFrame(pBar), m_pBar(pBar)
    {
        setObjectName(QStringLiteral("SCBarClient"));
    }

    QSize sizeHint() const override
    {
        QSize sz = m_pBar->GetSituationSize();
        const int nTitle = m_pBar->TitleThickness();
        if (m_pBar->features() & QDockWidget::DockWidgetVerticalTitleBar)
            sz.rwidth() -= nTitle;
        else
            sz.rheight() -= nTitle;
        return sz.expandedTo(QSize(1, 1));
    }

    QSize minimumSizeHint() const override { return QSize(1, 1); }

    void FitChild()
    {
        QWidget* pChild = m_pBar->GetChild();
        if (pChild && (m_pBar->GetSCBStyle() & CSizingControlBar::SCBS_SIZECHILD))
            pChild->setGeometry(contentsRect());
    }

protected:
    void resizeEvent(QResizeEvent* pEvent) override
    {
        QFrame::resizeEvent(pEvent);
        FitChild();
    }

private:
    CSizingControlBar* m_pBar;
};

CSizingControlBar::CSizingControlBar(const QString& strTitle, QMainWindow* pFrame, int nControlId)
    : QDockWidget(strTitle, pFrame), m_nControlId(nControlId), m_pFrame(pFrame)
{
    setObjectName(QStringLiteral("SCBar-%1").arg(nControlId));
    m_pClient = new CSCBClientArea(this);
    setWidget(m_pClient);

    connect(this, &QDockWidget::dockLocationChanged, this, [this] { OnSituationChanged(); });
    connect(this, &QDockWidget::topLevelChanged, this, [this] { OnSituationChanged(); });
    OnSituationChanged();
}

CSizingControlBar::~CSizingControlBar()
{
    // QDockWidget's own teardown may still signal a state change; by then the
    // handlers would run on a half-destroyed bar.
    disconnect(this, &QDockWidget::dockLocationChanged, this, nullptr);
    disconnect(this, &QDockWidget::topLevelChanged, this, nullptr);
}

QMainWindow* CSizingControlBar::GetFrame() const
{
    return m_pFrame;
}

void CSizingControlBar::SetChild(QWidget* pChild)
{
    if (m_pChild == pChild)
        return;
    if (m_pChild)
        m_pChild->setParent(nullptr);
    m_pChild = pChild;
    if (pChild) {
        pChild->setParent(m_pClient);
        pChild->show();
        m_pClient->FitChild();
    }
}

void CSizingControlBar::SetSCBStyle(int nFlags)
{
    m_dwSCBStyle = nFlags;
    if (nFlags & SCBS_SHOWEDGES) {
        m_pClient->setFrameStyle(QFrame::Panel | QFrame::Raised);
        m_pClient->setLineWidth(1);
    } else {
        m_pClient->setFrameStyle(QFrame::NoFrame);
    }
    m_pClient->FitChild();
}

QString CSizingControlBar::StateSection(const QString& strProfile, int nControlId)
{
    // The two-argument arg() keeps a '%' in the profile name from being substituted.
    return QStringLiteral("%1-SCBar-%2").arg(strProfile, QString::number(nControlId));
}

void CSizingControlBar::LoadState(const QString& strProfile)
{
    QSettings settings = OpenUserSettings();
    settings.beginGroup(StateSection(strProfile, m_nControlId));
    const auto read = [&settings](const char* pszName, int nCurrent, int nMinimum) {
        return std::max(settings.value(QLatin1String(pszName), nCurrent).toInt(), nMinimum);
    };
    m_szHorz.setWidth(read("sizeHorzCX", m_szHorz.width(), m_szMinHorz.width()));
    m_szHorz.setHeight(read("sizeHorzCY", m_szHorz.height(), m_szMinHorz.height()));
    m_szVert.setWidth(read("sizeVertCX", m_szVert.width(), m_szMinVert.width()));
    m_szVert.setHeight(read("sizeVertCY", m_szVert.height(), m_szMinVert.height()));
    m_szFloat.setWidth(read("sizeFloatCX", m_szFloat.width(), m_szMinFloat.width()));
    m_szFloat.setHeight(read("sizeFloatCY", m_szFloat.height(), m_szMinFloat.height()));
    settings.endGroup();

    m_bSizePending = true;
    m_heldSides = {};
    m_pClient->updateGeometry();
}

void CSizingControlBar::SaveState(const QString& strProfile) const
{
    QSize szHorz = m_szHorz;
    QSize szVert = m_szVert;
    QSize szFloat = m_szFloat;
    // A size still waiting to be applied is the truer one; the widget's is interim.
    if (isVisible() && !m_bSizePending) {
        QSize szNow = size().expandedTo(GetSituationMinimum());
        // A side that only gave room to a pane shown or hidden keeps its size.
        const QSize szKept = GetSituationSize();
        if (m_heldSides & Qt::Horizontal)
            szNow.setWidth(szKept.width());
        if (m_heldSides & Qt::Vertical)
            szNow.setHeight(szKept.height());
        if (IsHorzDocked())
            szHorz = szNow;
        else if (IsVertDocked())
            szVert = szNow;
        else if (isWindow())
            szFloat = szNow;
    }

    QSettings settings = OpenUserSettings();
    settings.beginGroup(StateSection(strProfile, m_nControlId));
    settings.setValue(QStringLiteral("sizeHorzCX"), szHorz.width());
    settings.setValue(QStringLiteral("sizeHorzCY"), szHorz.height());
    settings.setValue(QStringLiteral("sizeVertCX"), szVert.width());
    settings.setValue(QStringLiteral("sizeVertCY"), szVert.height());
    settings.setValue(QStringLiteral("sizeFloatCX"), szFloat.width());
    settings.setValue(QStringLiteral("sizeFloatCY"), szFloat.height());
    settings.endGroup();
}

bool CSizingControlBar::IsHorzDocked() const
{
    if (isFloating() || !m_pFrame)
        return false;
    const Qt::DockWidgetArea area = m_pFrame->dockWidgetArea(const_cast<CSizingControlBar*>(this));
    return area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
}

bool CSizingControlBar::IsVertDocked() const
{
    if (isFloating() || !m_pFrame)
        return false;
    const Qt::DockWidgetArea area = m_pFrame->dockWidgetArea(const_cast<CSizingControlBar*>(this));
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
}

bool CSizingControlBar::IsFloating() const
{
    return !IsHorzDocked() && !IsVertDocked();
}

QSize CSizingControlBar::GetSituationSize() const
{
    return IsHorzDocked() ? m_szHorz : IsVertDocked() ? m_szVert : m_szFloat;
}

QSize CSizingControlBar::GetSituationMinimum() const
{
    return IsHorzDocked() ? m_szMinHorz : IsVertDocked() ? m_szMinVert : m_szMinFloat;
}

QSize& CSizingControlBar::SituationSlot()
{
    return IsHorzDocked() ? m_szHorz : IsVertDocked() ? m_szVert : m_szFloat;
}

int CSizingControlBar::TitleThickness() const
{
    if (isWindow())
        return 0; // the window manager draws the floating title
    // Mirrors the height Qt gives its own title bar.
    const int nMargin = style()->pixelMetric(QStyle::PM_DockWidgetTitleMargin, nullptr, this);
    return fontMetrics().height() + 2 * nMargin;
}

void CSizingControlBar::OnSituationChanged()
{
    m_heldSides = {};
    setMinimumSize(GetSituationMinimum());
    const bool bFloating = isWindow();
    if (bFloating && !m_bWasFloating)
        resize(m_szFloat.expandedTo(m_szMinFloat));
    m_bWasFloating = bFloating;
    m_pClient->updateGeometry();
}

void CSizingControlBar::ApplySize()
{
    if (m_pFrame)
        ApplySizesNow(m_pFrame, {this});
}

void CSizingControlBar::ApplySizes(QMainWindow* pFrame)
{
    if (!pFrame)
        return;
    QList<CSizingControlBar*> bars;
    for (CSizingControlBar* pBar : pFrame->findChildren<CSizingControlBar*>()) {
        if (pBar->m_pFrame == pFrame)
            bars.append(pBar);
    }
    ApplySizesNow(pFrame, bars);
}

void CSizingControlBar::ApplySizesNow(QMainWindow* pFrame, const QList<CSizingControlBar*>& bars)
{
    // Qt's dock layout only settles once the frame has its real geometry.
    if (!pFrame->isVisible()) {
        for (CSizingControlBar* pBar : bars) {
            pBar->m_bSizePending = true;
            pFrame->installEventFilter(pBar);
        }
        return;
    }

    QList<QDockWidget*> docks;
    QList<int> widths;
    QList<int> heights;
    for (CSizingControlBar* pBar : bars) {
        if (pBar->isHidden())
            continue; // applied when it is shown
        pBar->m_bSizePending = false;
        pFrame->removeEventFilter(pBar);
        QSize sz = pBar->GetSituationSize().expandedTo(pBar->GetSituationMinimum());
        if (pBar->IsFloating()) {
            if (pBar->isWindow())
                pBar->resize(sz);
            continue;
        }
        // A dock row has one depth, the largest its bars keep: a bar shown
        // beside a deeper one takes that depth rather than cutting it.
        if (pBar->IsHorzDocked())
            sz.setHeight(pBar->RowDepth(sz.height()));
        else
            sz.setWidth(pBar->RowDepth(sz.width()));
        docks.append(pBar);
        widths.append(sz.width());
        heights.append(sz.height());
    }
    if (!docks.isEmpty()) {
        pFrame->resizeDocks(docks, widths, Qt::Horizontal);
        pFrame->resizeDocks(docks, heights, Qt::Vertical);
    }
}

bool CSizingControlBar::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // The type first: while the frame is being destroyed it is no frame any more.
    if (pEvent->type() == QEvent::Show && m_bSizePending && pWatched == m_pFrame) {
        // Wait for the show's layout pass before pushing sizes into it.
        QTimer::singleShot(0, this, [this] {
            if (m_bSizePending)
                ApplySize();
        });
    }
    return QDockWidget::eventFilter(pWatched, pEvent);
}

void CSizingControlBar::showEvent(QShowEvent* pEvent)
{
    QDockWidget::showEvent(pEvent);
    if (m_bSizePending && m_pFrame && m_pFrame->isVisible()) {
        QTimer::singleShot(0, this, [this] {
            if (m_bSizePending)
                ApplySize();
        });
    }
}

bool CSizingControlBar::event(QEvent* pEvent)
{
    const bool bResult = QDockWidget::event(pEvent);
    // Sent once the frame's layout knows of the change, before the caller goes on.
    const QEvent::Type type = pEvent->type();
    if ((type == QEvent::ShowToParent || type == QEvent::HideToParent) && m_pFrame && m_pFrame->isVisible())
        LayOutHoldingNeighbours(type == QEvent::ShowToParent);
    return bResult;
}

void CSizingControlBar::LayOutHoldingNeighbours(bool bShown)
{
    // A show or hide from inside a layout pass (tabbed bars) is that pass's business.
    static bool s_bLayingOut = false;
    if (s_bLayingOut)
        return;
    s_bLayingOut = true;
    QList<QPointer<CSizingControlBar>> held;
    for (CSizingControlBar* pBar : m_pFrame->findChildren<CSizingControlBar*>()) {
        if (pBar != this && pBar->m_pFrame == m_pFrame) {
            ++pBar->m_nHeld;
            held.append(pBar);
        }
    }
    QCoreApplication::sendPostedEvents(m_pFrame, QEvent::LayoutRequest);
    if (bShown && m_bSizePending && !isHidden())
        ApplySize();
    if (m_pFrame)
        QCoreApplication::sendPostedEvents(m_pFrame, QEvent::LayoutRequest);
    for (const QPointer<CSizingControlBar>& pBar : held)
        if (pBar)
            --pBar->m_nHeld;
    s_bLayingOut = false;
}

int CSizingControlBar::RowDepth(int nOwnDepth) const
{
    if (!m_pFrame)
        return nOwnDepth;
    const Qt::DockWidgetArea area = m_pFrame->dockWidgetArea(const_cast<CSizingControlBar*>(this));
    const bool bHorz = IsHorzDocked();
    const QRect rc = geometry();
    int nDepth = nOwnDepth;
    for (CSizingControlBar* pBar : m_pFrame->findChildren<CSizingControlBar*>()) {
        if (pBar == this || pBar->m_pFrame != m_pFrame || pBar->isHidden() || pBar->isWindow() ||
            m_pFrame->dockWidgetArea(pBar) != area)
            continue;
        // Side by side in one row: they overlap across the row.
        const QRect rcOther = pBar->geometry();
        const bool bSameRow = bHorz ? rcOther.top() < rc.bottom() && rc.top() < rcOther.bottom()
                                    : rcOther.left() < rc.right() && rc.left() < rcOther.right();
        if (bSameRow)
            nDepth = std::max(nDepth, bHorz ? pBar->m_szHorz.height() : pBar->m_szVert.width());
    }
    return nDepth;
}

void CSizingControlBar::resizeEvent(QResizeEvent* pEvent)
{
    QDockWidget::resizeEvent(pEvent);
    // Follow the user's resizing so each situation keeps its own size; only
    // the sides that changed, so a resize along one side keeps the other.
    const QSize szOld = pEvent->oldSize();
    const bool bWidthChanged = !szOld.isValid() || szOld.width() != pEvent->size().width();
    const bool bHeightChanged = !szOld.isValid() || szOld.height() != pEvent->size().height();
    if (m_nHeld > 0) {
        if (bWidthChanged)
            m_heldSides |= Qt::Horizontal;
        if (bHeightChanged)
            m_heldSides |= Qt::Vertical;
        return;
    }
    if (!m_bSizePending && isVisible() && (isWindow() || (m_pFrame && m_pFrame->isVisible())) &&
        (isWindow() || !IsFloating())) {
        const QSize szNew = pEvent->size().expandedTo(GetSituationMinimum());
        QSize& slot = SituationSlot();
        if (bWidthChanged) {
            slot.setWidth(szNew.width());
            m_heldSides &= ~Qt::Orientations(Qt::Horizontal);
        }
        if (bHeightChanged) {
            slot.setHeight(szNew.height());
            m_heldSides &= ~Qt::Orientations(Qt::Vertical);
        }
    }
}

void CSizingControlBar::closeEvent(QCloseEvent* pEvent)
{
    // A docked bar ignores close requests; only its close button hides it.
    // Floating, the request comes from the window manager's close button on
    // the bar's own small frame, which hides the bar but keeps it.
    pEvent->ignore();
    if (isWindow())
        hide();
}

// ---------------------------------------------------------------------------

namespace
{

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
