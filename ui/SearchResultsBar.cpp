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
// The Folder column after them, shown after a search of all folders.
constexpr int nAllColumns = nColumnCount + 1;

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
    return parent.isValid() ? 0 : nAllColumns;
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
        case colFolder:
            return r.nFolder >= 0 ? QString::fromStdString(m_folders[static_cast<size_t>(r.nFolder)].first) : QString();
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
    if (orientation != Qt::Horizontal || nSection < 0 || nSection >= nAllColumns)
        return {};
    if (nRole == Qt::DisplayRole || nRole == Qt::AccessibleTextRole)
        return nSection == colFolder ? tr("Folder")
                                     : QCoreApplication::translate("CSearchResultsList", apszColumnTitles[nSection]);
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
        m_rows.push_back({row, std::move(pRecord), m_nRowsFolder});
        return;
    }
    const int n = GetRowCount();
    beginInsertRows({}, n, n);
    m_rows.push_back({row, std::move(pRecord), m_nRowsFolder});
    endInsertRows();
}

void CSearchResultsModel::Fill(const std::function<void(INoteRowSink&)>& fill)
{
    beginResetModel();
    m_bFilling = true;
    m_folders.clear();
    m_nRowsFolder = -1;
    m_bFolders = false;
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

void CSearchResultsModel::SetRowsFolder(const std::string& strName, const std::string& strPath)
{
    m_folders.emplace_back(strName, strPath);
    m_nRowsFolder = static_cast<int>(m_folders.size()) - 1;
}

std::string CSearchResultsModel::GetRowFolderPath(int nRow) const
{
    if (nRow < 0 || nRow >= GetRowCount() || m_rows[static_cast<size_t>(nRow)].nFolder < 0)
        return {};
    return m_folders[static_cast<size_t>(m_rows[static_cast<size_t>(nRow)].nFolder)].second;
}

std::string CSearchResultsModel::GetRowFolderName(int nRow) const
{
    if (nRow < 0 || nRow >= GetRowCount() || m_rows[static_cast<size_t>(nRow)].nFolder < 0)
        return {};
    return m_folders[static_cast<size_t>(m_rows[static_cast<size_t>(nRow)].nFolder)].first;
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

    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) { OnRowActivated(index, true); });
    // Enter, and a double click where the style does not activate on one.
    connect(this, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { OnRowActivated(index, true); });
    connect(&m_model, &QAbstractItemModel::modelReset, this, &CSearchResultsList::FollowFolderColumn);
    setColumnHidden(CSearchResultsModel::colFolder, true);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { OnRowActivated(current, false); });
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
    if (m_model.HasFolderColumn()) {
        // The folder takes a share like the others, out of the Name column.
        const int q = std::max(0, (nWidth - 50) / 5);
        setColumnWidth(0, std::max(0, nWidth - 4 * q));
        for (int i = 1; i < nAllColumns; ++i)
            setColumnWidth(i, q);
        return;
    }
    const std::array<int, 4> anWidths = ColumnWidthsFor(nWidth);
    for (int i = 0; i < nColumnCount; ++i)
        setColumnWidth(i, anWidths[static_cast<size_t>(i)]);
}

void CSearchResultsList::FollowFolderColumn()
{
    setColumnHidden(CSearchResultsModel::colFolder, !m_model.HasFolderColumn());
    SetColumnWidths(viewport()->width());
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

void CSearchResultsList::OnRowActivated(const QModelIndex& index, bool bOpen)
{
    if (!index.isValid() || !m_model.GetRowNote(index.row()))
        return;
    emit ResultActivated(index.row(), bOpen);
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
