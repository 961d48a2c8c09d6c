#include "NotesListCtrl.h"

#include "NotesHeaderCtrl.h"
#include "NotesListDelegate.h"
#include "Resources.h"
#include "UserSettings.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include "ThemeColours.h"

#include <QCoreApplication>
#include <QListView>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace
{
// Each list mode keeps its own order: "<section>/<mode>/Column" and ".../Descending".
constexpr const char* pszSortSection = "Notes List Sort";
const char* const apszModeNames[] = {"Details", "List", "Tiles", "Icons"};

QString SortKey(int nMode, const char* pszName)
{
    return QStringLiteral("%1/%2/%3")
        .arg(QLatin1String(pszSortSection), QLatin1String(apszModeNames[nMode]), QLatin1String(pszName));
}

CNotesListModel::SSortOrder LoadSortOrder(int nMode)
{
    const QSettings settings = OpenUserSettings();
    bool bOk = false;
    const int nColumn = settings.value(SortKey(nMode, "Column"), int(CNotesListModel::colName)).toInt(&bOk);
    if (!bOk || nColumn < 0 || nColumn >= CNotesListModel::nColumns)
        return {};
    return {nColumn, settings.value(SortKey(nMode, "Descending"), false).toBool()};
}

void SaveSortOrder(int nMode, const CNotesListModel::SSortOrder& order)
{
    QSettings settings = OpenUserSettings();
    settings.setValue(SortKey(nMode, "Column"), order.nColumn);
    settings.setValue(SortKey(nMode, "Descending"), order.bDescending);
}
} // namespace

CNotesListCtrl::CNotesListCtrl(const CAppContext& app, QWidget* pParent)
    : QWidget(pParent), m_model(app), m_pFilter(new QLineEdit(this)), m_pStack(new QStackedWidget(this)),
      m_pDetails(new QTableView), m_pItems(new QListView), m_pHeader(new CNotesHeaderCtrl(this)),
      m_pDelegate(new CNotesListDelegate(*this, this))
{
    setObjectName(QStringLiteral("NotesList"));
    setAccessibleName(QCoreApplication::translate("CNotesListCtrl", "Notes List"));
    auto* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(2);
    pLayout->addWidget(m_pFilter);
    pLayout->addWidget(m_pStack);

    m_pFilter->setObjectName(QStringLiteral("NotesFilter"));
    m_pFilter->setPlaceholderText(tr("Filter notes"));
    m_pFilter->setAccessibleName(tr("Filter notes"));
    m_pFilter->setAccessibleDescription(tr("Shows only the notes that contain the text typed here"));
    m_pFilter->setClearButtonEnabled(true);
    m_pFilter->installEventFilter(this);
    connect(m_pFilter, &QLineEdit::textChanged, this, &CNotesListCtrl::FilterEdited);
    FollowFilterPalette();

    m_pDetails->setObjectName(QStringLiteral("NotesListDetails"));
    m_pDetails->setAccessibleName(QCoreApplication::translate("CNotesListCtrl", "Notes List"));
    // A table rather than a tree: it keeps nothing per row, which counts
    // with a hundred thousand notes. The rows draw their own grid line.
    m_pDetails->setHorizontalHeader(m_pHeader);
    m_pHeader->setSortIndicatorShown(true);
    m_pHeader->setSortIndicator(CNotesListModel::colName, Qt::AscendingOrder);
    m_pDetails->verticalHeader()->hide();
    m_pDetails->verticalHeader()->setMinimumSectionSize(1);
    m_pDetails->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pDetails->verticalHeader()->setDefaultSectionSize(CNotesListDelegate::DetailsRowHeight(m_pDetails->font()));
    m_pDetails->setShowGrid(false);
    m_pDetails->setWordWrap(false);
    m_pDetails->setCornerButtonEnabled(false);
    m_pDetails->setTabKeyNavigation(false);
    m_pDetails->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_pDetails->setModel(&m_model);

    m_pItems->setObjectName(QStringLiteral("NotesListItems"));
    m_pItems->setAccessibleName(QCoreApplication::translate("CNotesListCtrl", "Notes List"));
    m_pItems->setModel(&m_model);
    m_pItems->setSelectionModel(m_pDetails->selectionModel());
    m_pItems->setUniformItemSizes(true);
    m_pItems->setResizeMode(QListView::Adjust);
    m_pItems->setMovement(QListView::Static);
    m_pItems->setWrapping(true);
    m_pItems->setLayoutMode(QListView::Batched);
    m_pItems->setBatchSize(2000);

    for (QAbstractItemView* pView :
         {static_cast<QAbstractItemView*>(m_pDetails), static_cast<QAbstractItemView*>(m_pItems)}) {
        pView->setItemDelegate(m_pDelegate);
        pView->setSelectionMode(QAbstractItemView::SingleSelection);
        pView->setSelectionBehavior(QAbstractItemView::SelectRows);
        pView->setEditTriggers(QAbstractItemView::NoEditTriggers);
        pView->setFrameShadow(QFrame::Sunken);
        QPalette pal = pView->palette();
        pal.setColor(QPalette::Base, ThemeColours::Follow(Qt::white, pal, QPalette::Base));
        pView->setPalette(pal);
        WatchView(pView);
        m_pStack->addWidget(pView);
    }
    setFocusProxy(m_pDetails);

    connect(m_pDetails->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { emit SelectionMarkChanged(current.isValid() ? current.row() : -1); });
    // A click on a header flips its indicator (a new column starts ascending).
    connect(m_pHeader, &QHeaderView::sortIndicatorChanged, this, [this](int nColumn, Qt::SortOrder order) {
        SetSortOrder({nColumn, order == Qt::DescendingOrder});
    });
}

CNotesListCtrl::~CNotesListCtrl() = default;

void CNotesListCtrl::WatchView(QAbstractItemView* pView)
{
    pView->viewport()->installEventFilter(this);
    pView->installEventFilter(this);
    // The control scrolls as usual; once a scroll ends every row is drawn again.
    QScrollBar* pBar = pView->horizontalScrollBar();
    connect(pBar, &QScrollBar::sliderReleased, this, &CNotesListCtrl::RedrawAllRows);
    connect(pBar, &QScrollBar::actionTriggered, this, [this](int nAction) {
        if (nAction != QAbstractSlider::SliderMove)
            RedrawAllRows();
    });
}

QAbstractItemView* CNotesListCtrl::GetActiveView() const
{
    return m_nViewMode == modeDetails ? static_cast<QAbstractItemView*>(m_pDetails)
                                      : static_cast<QAbstractItemView*>(m_pItems);
}

void CNotesListCtrl::InitColumns(int nListViewMode)
{
    m_pHeader->setSectionsMovable(false);
    m_pHeader->setStretchLastSection(false);
    SetColumnWidths();
    SetViewMode(nListViewMode);
}

void CNotesListCtrl::SetViewMode(int nMode)
{
    if (nMode < modeDetails || nMode > modeIcons)
        nMode = modeDetails;
    m_nViewMode = nMode;
    ApplySortOrder(LoadSortOrder(nMode));
    const bool bLarge = nMode == modeTiles;
    m_images.Create(bLarge ? QuillboxResources::IDB_NOTE_ICONS_32 : QuillboxResources::IDB_NOTE_ICONS_16,
                    bLarge ? 32 : 16);
    m_model.SetSummaryText(nMode != modeDetails);

    switch (nMode) {
    case modeList:
        m_pItems->setViewMode(QListView::ListMode);
        m_pItems->setFlow(QListView::TopToBottom);
        m_pItems->setGridSize({});
        m_pItems->setSpacing(0);
        break;
    case modeTiles:
        m_pItems->setViewMode(QListView::IconMode);
        m_pItems->setFlow(QListView::LeftToRight);
        m_pItems->setSpacing(4);
        break;
    case modeIcons:
        m_pItems->setViewMode(QListView::ListMode);
        m_pItems->setFlow(QListView::LeftToRight);
        m_pItems->setGridSize({});
        m_pItems->setSpacing(0);
        break;
    default:
        break;
    }
    if (nMode != modeDetails) {
        // Static movement and wrapping again: setViewMode resets both.
        m_pItems->setMovement(QListView::Static);
        m_pItems->setWrapping(true);
        m_pItems->setResizeMode(QListView::Adjust);
        m_pItems->setIconSize({m_images.GetImageSize(), m_images.GetImageSize()});
    }
    QAbstractItemView* pActive = GetActiveView();
    const bool bHadFocus = m_pStack->currentWidget() && m_pStack->currentWidget()->hasFocus();
    m_pStack->setCurrentWidget(pActive);
    setFocusProxy(pActive);
    if (bHadFocus)
        pActive->setFocus();
    if (nMode != modeDetails)
        m_pItems->doItemsLayout();
    SetSelectionMark(m_model.GetRowCount() > 0 ? 0 : -1);
    RedrawAllRows();
}

void CNotesListCtrl::SetColumnWidths()
{
    for (int i = 0; i < 4; ++i)
        m_pDetails->setColumnWidth(i, anColumnWidths[i]);
}

void CNotesListCtrl::SetSortOrder(CNotesListModel::SSortOrder order)
{
    ApplySortOrder(order);
    SaveSortOrder(m_nViewMode, m_model.GetSortOrder());
}

void CNotesListCtrl::ApplySortOrder(CNotesListModel::SSortOrder order)
{
    {
        // The rows move under the mark and the Notes pane's row: both follow
        // their notes, and nothing is reported, since no other note is shown.
        const QSignalBlocker blocker(this);
        const CNoteRecord* pCurrent = m_model.GetRowNote(m_nCurrentItem);
        m_model.SetSortOrder(order);
        if (pCurrent)
            m_nCurrentItem = m_model.FindRow(*pCurrent);
    }
    const CNotesListModel::SSortOrder applied = m_model.GetSortOrder();
    const QSignalBlocker headerBlocker(m_pHeader);
    m_pHeader->setSortIndicator(applied.nColumn, applied.bDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
    m_pHeader->viewport()->update();
    if (const int nMark = GetSelectionMark(); nMark >= 0)
        GetActiveView()->scrollTo(m_model.index(nMark, 0));
}

int CNotesListCtrl::GetSelectionMark() const
{
    const QModelIndex current = m_pDetails->selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CNotesListCtrl::SetSelectionMark(int nRow)
{
    QItemSelectionModel* pSelection = m_pDetails->selectionModel();
    if (nRow < 0 || nRow >= m_model.GetRowCount()) {
        pSelection->clear();
        return;
    }
    const QModelIndex index = m_model.index(nRow, 0);
    pSelection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    GetActiveView()->scrollTo(index);
}

void CNotesListCtrl::RedrawAllRows()
{
    m_pDetails->viewport()->update();
    m_pItems->viewport()->update();
}

int CNotesListCtrl::RowAt(const QPoint& ptViewport) const
{
    const QModelIndex index = GetActiveView()->indexAt(ptViewport);
    return index.isValid() ? index.row() : -1;
}

void CNotesListCtrl::OnContextMenu(QAbstractItemView* pView, const QPoint& ptViewport, bool bKeyboard)
{
    QPoint pt = ptViewport;
    int nRow = -1;
    if (bKeyboard) {
        // The menu key opens the menu of the marked row, beside it.
        nRow = GetSelectionMark();
        if (nRow >= 0) {
            const QRect rc = pView->visualRect(m_model.index(nRow, 0));
            pt = rc.isValid() ? rc.bottomLeft() : QPoint();
        } else {
            pt = QPoint();
        }
    } else {
        nRow = RowAt(ptViewport);
    }
    if (nRow >= 0) {
        SetSelectionMark(nRow);
        RedrawAllRows();
    }
    emit ContextMenuRequested(pView->viewport()->mapToGlobal(pt), nRow >= 0);
}

void CNotesListCtrl::FollowFilterPalette()
{
    const QPalette pal = palette();
    // Styles give the placeholder as half-transparent text: judge it as painted.
    const QColor clrBase = pal.color(QPalette::Base);
    const QColor clrPlaceholder = pal.color(QPalette::PlaceholderText);
    const double dAlpha = clrPlaceholder.alphaF();
    const QColor clrPainted = QColor::fromRgbF(
        static_cast<float>(clrPlaceholder.redF() * dAlpha + clrBase.redF() * (1 - dAlpha)),
        static_cast<float>(clrPlaceholder.greenF() * dAlpha + clrBase.greenF() * (1 - dAlpha)),
        static_cast<float>(clrPlaceholder.blueF() * dAlpha + clrBase.blueF() * (1 - dAlpha)));
    const QColor clrText = ThemeColours::Readable(clrPainted, clrBase);
    if (m_pFilter->palette().color(QPalette::PlaceholderText) == clrText)
        return;
    QPalette filterPal = m_pFilter->palette();
    filterPal.setColor(QPalette::PlaceholderText, clrText);
    m_pFilter->setPalette(filterPal);
}

void CNotesListCtrl::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::PaletteChange)
        FollowFilterPalette();
    QWidget::changeEvent(pEvent);
}

bool CNotesListCtrl::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_pFilter) {
        const bool bEscape = (pEvent->type() == QEvent::KeyPress || pEvent->type() == QEvent::ShortcutOverride) &&
                             static_cast<QKeyEvent*>(pEvent)->key() == Qt::Key_Escape && !m_pFilter->text().isEmpty();
        if (bEscape && pEvent->type() == QEvent::ShortcutOverride) {
            // The box takes Escape before any shortcut of the window does.
            pEvent->accept();
            return true;
        }
        if (bEscape) {
            m_pFilter->clear();
            return true;
        }
        return QWidget::eventFilter(pWatched, pEvent);
    }
    QAbstractItemView* pView = GetActiveView();
    const bool bViewport = pWatched == pView->viewport();
    switch (pEvent->type()) {
    case QEvent::ContextMenu:
        if (bViewport || pWatched == pView) {
            auto* pMenuEvent = static_cast<QContextMenuEvent*>(pEvent);
            const bool bKeyboard = pMenuEvent->reason() == QContextMenuEvent::Keyboard;
            const QPoint pt = bViewport ? pMenuEvent->pos() : pView->viewport()->mapFrom(pView, pMenuEvent->pos());
            OnContextMenu(pView, pt, bKeyboard);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (bViewport && static_cast<QMouseEvent*>(pEvent)->button() == Qt::LeftButton) {
            const int nRow = RowAt(static_cast<QMouseEvent*>(pEvent)->position().toPoint());
            emit RowClicked(nRow);
            RedrawAllRows();
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (bViewport && static_cast<QMouseEvent*>(pEvent)->button() == Qt::LeftButton) {
            if (GetSelectionMark() != -1)
                emit ModifyRequested();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(pWatched, pEvent);
}
