#include "NotesListModel.h"

#include "AppContext.h"
#include "NoteRecord.h"
#include "NoteStore.h"
#include "TextMatch.h"

#include <QCoreApplication>

#include <algorithm>
#include <numeric>
#include <string_view>
#include <unordered_map>

namespace
{
const char* const apszColumnTitles[CNotesListModel::nColumns] = {
    QT_TRANSLATE_NOOP("CNotesListModel", "Name"), QT_TRANSLATE_NOOP("CNotesListModel", "Comments"),
    QT_TRANSLATE_NOOP("CNotesListModel", "Date"), QT_TRANSLATE_NOOP("CNotesListModel", "Priority")};

} // namespace

CNotesListModel::CNotesListModel(const CAppContext& app, QObject* pParent) : QAbstractTableModel(pParent), m_app(app) {}

CNotesListModel::~CNotesListModel() = default;

int CNotesListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : GetRowCount();
}

int CNotesListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : nColumns;
}

QColor CNotesListModel::FromColorRef(uint32_t clr)
{
    return QColor(clr & 0xff, (clr >> 8) & 0xff, (clr >> 16) & 0xff);
}

QColor CNotesListModel::GetPriorityColour(int nPriority) const
{
    switch (nPriority) {
    case 0:
        return FromColorRef(m_app.m_clrLowPriority);
    case 1:
        return FromColorRef(m_app.m_clrMediumPriority);
    case 2:
        return FromColorRef(m_app.m_clrHighPriority);
    default:
        return QColor(Qt::black);
    }
}

QString CNotesListModel::CellText(const SRow& r, int nColumn) const
{
    if (const CNoteRecord* p = r.pRecord.get()) {
        switch (nColumn) {
        case colName:
            return QString::fromStdString(p->m_strTitle);
        case colComments:
            return QString::fromStdString(p->m_strComments);
        case colDate:
            return p->m_bHasDate ? QString::fromStdString(CAppContext::FormatDate(p->m_dtDate)) : QString();
        case colPriority:
            return QString::fromLatin1(PriorityText(p->m_nPriority));
        }
    } else if (const SNoteRow* t = r.pText.get()) {
        switch (nColumn) {
        case colName:
            return QString::fromStdString(t->strTitle);
        case colComments:
            return QString::fromStdString(t->strComments);
        case colDate:
            return QString::fromStdString(t->strDate);
        case colPriority:
            return QString::fromStdString(t->strPriority);
        }
    }
    return {};
}

QVariant CNotesListModel::data(const QModelIndex& index, int nRole) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const SRow& r = m_rows[static_cast<size_t>(index.row())];
    const int nColumn = index.column();
    switch (nRole) {
    case Qt::DisplayRole:
        return CellText(r, nColumn);
    case Qt::AccessibleTextRole: {
        if (!m_bSummary || nColumn != colName)
            return CellText(r, nColumn);
        // A single-column list shows the title alone; a screen reader gets every column.
        QStringList parts{CellText(r, colName)};
        for (int c = colComments; c < nColumns; ++c)
            parts << QCoreApplication::translate("CNotesListModel", apszColumnTitles[c]) + QStringLiteral(": ") +
                         CellText(r, c);
        return parts.join(QStringLiteral(", "));
    }
    case Qt::ForegroundRole:
        if (r.pRecord)
            return GetPriorityColour(r.pRecord->m_nPriority);
        break;
    case Qt::TextAlignmentRole:
        return nColumn == colName ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    case NoteIconRole:
        if (r.pRecord)
            return r.pRecord->m_nIcon;
        if (r.pText)
            return r.pText->nIcon;
        break;
    case PriorityRole:
        if (r.pRecord)
            return r.pRecord->m_nPriority;
        break;
    }
    return {};
}

QVariant CNotesListModel::headerData(int nSection, Qt::Orientation orientation, int nRole) const
{
    if (orientation == Qt::Horizontal && nSection >= 0 && nSection < nColumns) {
        if (nRole == Qt::DisplayRole || nRole == Qt::AccessibleTextRole)
            return QCoreApplication::translate("CNotesListModel", apszColumnTitles[nSection]);
        if (nRole == Qt::TextAlignmentRole)
            return nSection == colName ? int(Qt::AlignLeft | Qt::AlignVCenter) : int(Qt::AlignCenter);
    }
    return {};
}

Qt::ItemFlags CNotesListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void CNotesListModel::BeginFill()
{
    if (m_bFilling)
        return;
    beginResetModel();
    m_bFilling = true;
    if (!m_bEndQueued) {
        m_bEndQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_bEndQueued = false;
                EndFill();
            },
            Qt::QueuedConnection);
    }
}

void CNotesListModel::EndFill()
{
    if (!m_bFilling)
        return;
    m_bFilling = false;
    endResetModel();
}

void CNotesListModel::DeleteAllRows()
{
    BeginFill();
    m_rows.clear();
    m_bSorted = true;
}

void CNotesListModel::AppendRow(const SNoteRow& row, std::unique_ptr<CNoteRecord> pRecord)
{
    SRow r;
    if (!pRecord)
        r.pText = std::make_unique<SNoteRow>(row);
    r.pRecord = std::move(pRecord);
    m_bSorted = false;
    if (m_bFilling) {
        m_rows.push_back(std::move(r));
        return;
    }
    const int n = GetRowCount();
    beginInsertRows({}, n, n);
    m_rows.push_back(std::move(r));
    endInsertRows();
}

void CNotesListModel::AppendSharedRow(const std::shared_ptr<const CNoteRecord>& pRecord)
{
    m_bSorted = false;
    if (!m_bFilling) {
        const int n = GetRowCount();
        beginInsertRows({}, n, n);
        m_rows.push_back({pRecord, nullptr});
        endInsertRows();
        return;
    }
    m_rows.push_back({pRecord, nullptr});
}

void CNotesListModel::Refill(const CNoteStore& store)
{
    BeginFill();
    m_rows.clear();
    m_rows.reserve(static_cast<size_t>(store.GetCount()));
    store.ForEachShared([this](const std::shared_ptr<const CNoteRecord>& pNote) {
        m_rows.push_back({pNote, nullptr});
    });
    SortRows();
    EndFill();
}

bool CNotesListModel::UpdateRows(const CNoteStore& store, const std::vector<std::string>& keys)
{
    if (m_bFilling || !m_bSorted || keys.size() > nMaxRowUpdates) {
        Refill(store);
        return false;
    }
    // The rows of these keys as they are now: their records give the titles
    // that find them.
    std::unordered_map<std::string_view, std::shared_ptr<const CNoteRecord>> listed;
    listed.reserve(keys.size());
    for (const std::string& strKey : keys)
        listed.emplace(strKey, nullptr);
    for (const SRow& r : m_rows)
        if (r.pRecord)
            if (auto it = listed.find(r.pRecord->m_strKey); it != listed.end())
                it->second = r.pRecord;

    for (const std::string& strKey : keys) {
        std::shared_ptr<const CNoteRecord>& pListed = listed[strKey];
        std::shared_ptr<const CNoteRecord> pStored = store.GetShared(strKey);
        if (pListed == pStored)
            continue;
        if (!pListed) {
            InsertRow(pStored);
        } else {
            const int nRow = LowerBound(OrderKeyOf(*pListed));
            if (nRow >= GetRowCount() || m_rows[static_cast<size_t>(nRow)].pRecord != pListed) {
                // Not where the order says: something else changed the rows.
                Refill(store);
                return false;
            }
            if (pStored) {
                ReplaceRow(nRow, pStored);
            } else {
                beginRemoveRows({}, nRow, nRow);
                m_rows.erase(m_rows.begin() + nRow);
                endRemoveRows();
            }
        }
        pListed = std::move(pStored);
    }
    return true;
}

void CNotesListModel::InsertRow(std::shared_ptr<const CNoteRecord> pRecord)
{
    const int nRow = LowerBound(OrderKeyOf(*pRecord));
    beginInsertRows({}, nRow, nRow);
    m_rows.insert(m_rows.begin() + nRow, SRow{std::move(pRecord), nullptr});
    endInsertRows();
}

void CNotesListModel::ReplaceRow(int nRow, std::shared_ptr<const CNoteRecord> pRecord)
{
    // The row goes before the first row ordered after its new key; right
    // before or after itself, it stays.
    const int nTo = LowerBound(OrderKeyOf(*pRecord));
    if (nTo != nRow && nTo != nRow + 1) {
        beginMoveRows({}, nRow, nRow, {}, nTo);
        if (nTo < nRow)
            std::rotate(m_rows.begin() + nTo, m_rows.begin() + nRow, m_rows.begin() + nRow + 1);
        else
            std::rotate(m_rows.begin() + nRow, m_rows.begin() + nRow + 1, m_rows.begin() + nTo);
        endMoveRows();
        nRow = nTo < nRow ? nTo : nTo - 1;
    }
    m_rows[static_cast<size_t>(nRow)].pRecord = std::move(pRecord);
    emit dataChanged(index(nRow, 0), index(nRow, nColumns - 1));
}

int CNotesListModel::FindRow(const CNoteRecord& note) const
{
    if (m_bSorted) {
        const int nRow = LowerBound(OrderKeyOf(note));
        if (const CNoteRecord* p = GetRowNote(nRow); p && p->m_strKey == note.m_strKey)
            return nRow;
        return -1;
    }
    for (int i = 0, n = GetRowCount(); i < n; ++i)
        if (const CNoteRecord* p = GetRowNote(i); p && p->m_strKey == note.m_strKey)
            return i;
    return -1;
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
    m_bSorted = m_rows.empty();
}

CNotesListModel::SOrderKey CNotesListModel::OrderKeyOf(const CNoteRecord& note)
{
    return {TitleSortKey(note.m_strTitle), note.m_strKey};
}

CNotesListModel::SOrderKey CNotesListModel::OrderKeyOf(const SRow& r)
{
    if (r.pRecord)
        return OrderKeyOf(*r.pRecord);
    return {TitleSortKey(r.pText ? r.pText->strTitle : std::string()), {}};
}

int CNotesListModel::LowerBound(const SOrderKey& key) const
{
    const auto it =
        std::partition_point(m_rows.begin(), m_rows.end(), [&key](const SRow& r) { return OrderKeyOf(r) < key; });
    return static_cast<int>(it - m_rows.begin());
}

void CNotesListModel::SortRows()
{
    // Keys are made once per row, not once per comparison. Equal titles go
    // by the note's key: a full sort and a row moved into place must agree.
    std::vector<SOrderKey> keys;
    keys.reserve(m_rows.size());
    for (const SRow& r : m_rows)
        keys.push_back(OrderKeyOf(r));
    std::vector<int> order(m_rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&keys](int a, int b) { return keys[static_cast<size_t>(a)] < keys[static_cast<size_t>(b)]; });
    std::vector<SRow> sorted;
    sorted.reserve(m_rows.size());
    for (int i : order)
        sorted.push_back(std::move(m_rows[static_cast<size_t>(i)]));
    m_rows = std::move(sorted);
    m_bSorted = std::all_of(m_rows.begin(), m_rows.end(), [](const SRow& r) { return r.pRecord || r.pText; });

    if (m_bFilling)
        return;
    // Outside a fill the views keep their persistent indexes: move them along.
    std::vector<int> newRow(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        newRow[static_cast<size_t>(order[i])] = static_cast<int>(i);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from)
        to << (index.row() < static_cast<int>(newRow.size())
                   ? createIndex(newRow[static_cast<size_t>(index.row())], index.column())
                   : QModelIndex());
    changePersistentIndexList(from, to);
}

void CNotesListModel::SortByTitle()
{
    if (m_bFilling) {
        SortRows();
        EndFill();
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    SortRows();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CNotesListModel::SetSummaryText(bool bSummary)
{
    m_bSummary = bSummary;
}
