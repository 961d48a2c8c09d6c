#include "SearchResultsBar.h"

#include "NoteIcons.h"
#include "ThemeColours.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace
{
constexpr int nColumnCount = 4;
const char* const apszColumnTitles[nColumnCount] = {
    QT_TRANSLATE_NOOP("CSearchResultsList", " * Search Results *   Name"),
    QT_TRANSLATE_NOOP("CSearchResultsList", "Comments"), QT_TRANSLATE_NOOP("CSearchResultsList", "Date"),
    QT_TRANSLATE_NOOP("CSearchResultsList", "Priority")};

int ColumnAlignment(int nColumn)
{
    return nColumn == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
}

bool EqualIgnoringCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}
} // namespace

CSearchResultsModel::CSearchResultsModel(QObject* pParent) : QAbstractTableModel(pParent) {}

CSearchResultsModel::~CSearchResultsModel() = default;

int CSearchResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GetRowCount();
}

int CSearchResultsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : nColumnCount;
}

QVariant CSearchResultsModel::data(const QModelIndex& index, int nRole) const
{
    if (!index.isValid() || index.row() >= GetRowCount())
        return {};
    const SRow& r = m_rows[static_cast<size_t>(index.row())];
    switch (nRole) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        switch (index.column()) {
        case 0:
            return QString::fromStdString(r.row.strTitle);
        case 1:
            return QString::fromStdString(r.row.strComments);
        case 2:
            return QString::fromStdString(r.row.strDate);
        case 3:
            return QString::fromStdString(r.row.strPriority);
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == 0) {
            const QPixmap icon = SmallNoteIcon(r.row.nIcon);
            if (!icon.isNull())
                return icon;
        }
        break;
    case Qt::TextAlignmentRole:
        return ColumnAlignment(index.column());
    }
    return {};
}

QVariant CSearchResultsModel::headerData(int nSection, Qt::Orientation orientation, int nRole) const
{
    if (orientation != Qt::Horizontal || nSection < 0 || nSection >= nColumnCount)
        return {};
    if (nRole == Qt::DisplayRole || nRole == Qt::AccessibleTextRole)
        return QCoreApplication::translate("CSearchResultsList", apszColumnTitles[nSection]);
    if (nRole == Qt::TextAlignmentRole)
        return ColumnAlignment(nSection);
    return {};
}

Qt::ItemFlags CSearchResultsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= GetRowCount())
        return Qt::NoItemFlags;
    if (!m_rows[static_cast<size_t>(index.row())].pRecord)
        return Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void CSearchResultsModel::DeleteAllRows()
{
    if (m_bFilling) {
        m_rows.clear();
        return;
    }
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void CSearchResultsModel::AppendRow(const SNoteRow& row, std::unique_ptr<CNoteRecord> pRecord)
{
    if (m_bFilling) {
        m_rows.push_back({row, std::move(pRecord)});
        return;
    }
    const int n = GetRowCount();
    beginInsertRows({}, n, n);
    m_rows.push_back({row, std::move(pRecord)});
    endInsertRows();
}

void CSearchResultsModel::Fill(const std::function<void(INoteRowSink&)>& fill)
{
    beginResetModel();
    m_bFilling = true;
    fill(*this);
    m_bFilling = false;
    endResetModel();
}

const CNoteRecord* CSearchResultsModel::GetRowNote(int nRow) const
{
    if (nRow < 0 || nRow >= GetRowCount())
        return nullptr;
    return m_rows[static_cast<size_t>(nRow)].pRecord.get();
}

void CSearchResultsModel::FreeItemData()
{
    for (SRow& r : m_rows)
        r.pRecord.reset();
}

CResultsHeaderCtrl::CResultsHeaderCtrl(QAbstractItemView* pList) : QHeaderView(Qt::Horizontal, pList), m_pList(pList)
{
    setObjectName(QStringLiteral("SearchResultsHeader"));
    setSectionsMovable(false);
    setSectionsClickable(false);
    setHighlightSections(false);
    setStretchLastSection(false);
}

QFont CResultsHeaderCtrl::HeaderFont() const
{
    QFont f = font();
    f.setPixelSize(14);
    f.setWeight(QFont::Bold);
    return f;
}

void CResultsHeaderCtrl::paintSection(QPainter* pPainter, const QRect& rect, int nLogicalIndex) const
{
    if (!rect.isValid())
        return;
    pPainter->save();
    const QRect rcFill = rect.adjusted(1, 0, 0, 0);
    pPainter->fillRect(rcFill, m_clrBack);
    pPainter->setFont(HeaderFont());
    pPainter->setPen(ThemeColours::Readable(m_clrText, m_clrBack));
    const QString strText = model() ? model()->headerData(nLogicalIndex, orientation()).toString() : QString();
    const int nAlign = (nLogicalIndex == 0 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter;
    pPainter->drawText(rcFill.adjusted(2, 0, -2, 0), nAlign | Qt::TextSingleLine, strText);
    pPainter->setPen(m_clrDivider);
    pPainter->drawLine(rect.topRight(), rect.bottomRight());
    pPainter->restore();
}

QSize CResultsHeaderCtrl::sectionSizeFromContents(int nLogicalIndex) const
{
    QSize sz = QHeaderView::sectionSizeFromContents(nLogicalIndex);
    sz.setHeight(std::max(sz.height(), QFontMetrics(HeaderFont()).height() + 6));
    return sz;
}

void CResultsHeaderCtrl::mouseReleaseEvent(QMouseEvent* pEvent)
{
    QHeaderView::mouseReleaseEvent(pEvent);
    if (pEvent->button() == Qt::LeftButton && m_pList)
        m_pList->viewport()->update();
}

CSearchResultsList::CSearchResultsList(QWidget* pParent) : QTreeView(pParent)
{
    setObjectName(QStringLiteral("SearchResultsList"));
    setAccessibleName(QCoreApplication::translate("CSearchResultsBar", "Search Results"));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    setModel(&m_model);
    setHeader(new CResultsHeaderCtrl(this));

    connect(this, &QAbstractItemView::clicked, this, &CSearchResultsList::OnRowActivated);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { OnRowActivated(current); });
}

void CSearchResultsList::Setup()
{
    const int nQuarter = viewport()->width() / 4;
    for (int i = 0; i < nColumnCount; ++i)
        setColumnWidth(i, nQuarter);
}

std::array<int, 4> CSearchResultsList::ColumnWidthsFor(int nWidth)
{
    const int q = std::max(0, (nWidth - 50) / 4);
    return {std::max(0, nWidth - 3 * q), q, q, q};
}

void CSearchResultsList::SetColumnWidths(int nWidth)
{
    const std::array<int, 4> anWidths = ColumnWidthsFor(nWidth);
    for (int i = 0; i < nColumnCount; ++i)
        setColumnWidth(i, anWidths[static_cast<size_t>(i)]);
}

bool CSearchResultsList::viewportEvent(QEvent* pEvent)
{
    // The viewport's width is the client width, without the scroll bar.
    if (pEvent->type() == QEvent::Resize)
        SetColumnWidths(viewport()->width());
    return QTreeView::viewportEvent(pEvent);
}

int CSearchResultsList::GetSelectionMark() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isRowSelected(current.row(), {}) ? current.row() : -1;
}

void CSearchResultsList::OnRowActivated(const QModelIndex& index)
{
    if (!index.isValid() || !m_model.GetRowNote(index.row()))
        return;
    emit ResultActivated(index.row());
}

int FindResultTargetRow(const std::string& strKey, int nRowCount,
                        const std::function<const CNoteRecord*(int nRow)>& rowNote, int nCurrentMark)
{
    for (int nRow = nRowCount - 1; nRow >= 0; --nRow) {
        const CNoteRecord* pNote = rowNote(nRow);
        if (pNote && EqualIgnoringCase(pNote->m_strKey, strKey))
            return nRow;
    }
    return nCurrentMark;
}

CSearchResultsBar::CSearchResultsBar(QMainWindow* pFrame, int nControlId)
    : CSizingControlBarG(QCoreApplication::translate("CSearchResultsBar", "Search Results"), pFrame, nControlId),
      m_pList(new CSearchResultsList)
{
    SetSCBStyle(SCBS_SHOWEDGES | SCBS_SIZECHILD);
    SetChild(m_pList);
}
