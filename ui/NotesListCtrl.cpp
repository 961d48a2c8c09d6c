#include "NotesListCtrl.h"

#include "AppContext.h"
#include "NoteIcons.h"
#include "TextMatch.h"

#include <QColor>
#include <QHeaderView>
#include <QPixmap>

#include <algorithm>

namespace
{
QColor FromColorRef(uint32_t clr)
{
    return QColor(clr & 0xff, (clr >> 8) & 0xff, (clr >> 16) & 0xff);
}
}

CNotesListModel::CNotesListModel(const CAppContext& app, QObject* pParent)
    : QAbstractTableModel(pParent), m_app(app)
{
}

CNotesListModel::~CNotesListModel() = default;

int CNotesListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GetRowCount();
}

int CNotesListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant CNotesListModel::data(const QModelIndex& index, int nRole) const
{
    if (!index.isValid() || index.row() >= GetRowCount())
        return {};
    const SRow& r = m_rows[static_cast<size_t>(index.row())];
    switch (nRole) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        switch (index.column()) {
        case 0: return QString::fromStdString(r.row.strTitle);
        case 1: return QString::fromStdString(r.row.strComments);
        case 2: return QString::fromStdString(r.row.strDate);
        case 3: return QString::fromStdString(r.row.strPriority);
        }
        break;
    case Qt::DecorationRole:
        if (index.column() == 0) {
            const QPixmap icon = SmallNoteIcon(r.row.nIcon);
            if (!icon.isNull())
                return icon;
        }
        break;
    case Qt::ForegroundRole:
        if (r.pRecord) {
            switch (r.pRecord->m_nPriority) {
            case 0: return FromColorRef(m_app.m_clrLowPriority);
            case 1: return FromColorRef(m_app.m_clrMediumPriority);
            case 2: return FromColorRef(m_app.m_clrHighPriority);
            default: return QColor(Qt::black);
            }
        }
        break;
    case Qt::TextAlignmentRole:
        return index.column() == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    }
    return {};
}

QVariant CNotesListModel::headerData(int nSection, Qt::Orientation orientation, int nRole) const
{
    static const char* const apszTitles[] = {"Name", "Comments", "Date", "Priority"};
    if (orientation == Qt::Horizontal && nSection >= 0 && nSection < 4) {
        if (nRole == Qt::DisplayRole)
            return QString::fromLatin1(apszTitles[nSection]);
        if (nRole == Qt::TextAlignmentRole)
            return nSection == 0 ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    }
    return {};
}

void CNotesListModel::DeleteAllRows()
{
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void CNotesListModel::AppendRow(const SNoteRow& row, std::unique_ptr<CNoteRecord> pRecord)
{
    const int n = GetRowCount();
    beginInsertRows({}, n, n);
    m_rows.push_back({row, std::move(pRecord)});
    endInsertRows();
}

const CNoteRecord* CNotesListModel::GetRowNote(int nRow) const
{
    if (nRow < 0 || nRow >= GetRowCount())
        return nullptr;
    return m_rows[static_cast<size_t>(nRow)].pRecord.get();
}

void CNotesListModel::FreeItemData()
{
    for (SRow& r : m_rows)
        r.pRecord.reset();
}

void CNotesListModel::SortByTitle()
{
    emit layoutAboutToBeChanged();
    std::stable_sort(m_rows.begin(), m_rows.end(), [](const SRow& a, const SRow& b) {
        const std::string& strA = a.pRecord ? a.pRecord->m_strTitle : a.row.strTitle;
        const std::string& strB = b.pRecord ? b.pRecord->m_strTitle : b.row.strTitle;
        return CompareTitles(strA, strB) < 0;
    });
    emit layoutChanged();
}

CNotesListCtrl::CNotesListCtrl(const CAppContext& app, QWidget* pParent)
    : QTreeView(pParent), m_model(app)
{
    setObjectName(QStringLiteral("NotesList"));
    setAccessibleName(QStringLiteral("Notes List"));
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setModel(&m_model);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { emit SelectionMarkChanged(current.isValid() ? current.row() : -1); });
}

void CNotesListCtrl::InitColumns(int nListViewMode)
{
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    SetColumnWidths();
    SetViewMode(nListViewMode);
}

void CNotesListCtrl::SetViewMode(int nMode)
{
    m_nViewMode = nMode;
    SetSelectionMark(m_model.GetRowCount() > 0 ? 0 : -1);
}

void CNotesListCtrl::SetColumnWidths()
{
    for (int i = 0; i < 4; ++i)
        setColumnWidth(i, anColumnWidths[i]);
}

int CNotesListCtrl::GetSelectionMark() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CNotesListCtrl::SetSelectionMark(int nRow)
{
    if (nRow < 0 || nRow >= m_model.GetRowCount()) {
        selectionModel()->clear();
        return;
    }
    const QModelIndex index = m_model.index(nRow, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
