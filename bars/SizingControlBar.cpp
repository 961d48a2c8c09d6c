#include "SizingControlBar.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMainWindow>
#include <QResizeEvent>
#include <QSettings>
#include <QStyle>
#include <QTimer>

#include <algorithm>

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

void CSizingControlBar::LoadState(QSettings& settings, const QString& strProfile)
{
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

void CSizingControlBar::SaveState(QSettings& settings, const QString& strProfile) const
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
