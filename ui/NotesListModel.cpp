#include "NotesListModel.h"

#include "AppContext.h"
#include "NoteRecord.h"
#include "NoteStore.h"
#include "TextMatch.h"

#include <QCoreApplication>

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace
{
const char* const apszColumnTitles[CNotesListModel::nColumns] = {
    QT_TRANSLATE_NOOP("CNotesListModel", "Name"), QT_TRANSLATE_NOOP("CNotesListModel", "Comments"),
    QT_TRANSLATE_NOOP("CNotesListModel", "Date"), QT_TRANSLATE_NOOP("CNotesListModel", "Priority")};
} // namespace

CNotesListModel::CNotesListModel(const CAppContext& app, QObject* pParent)
    : QAbstractTableModel(pParent), m_app(app), m_collator(MakeCollator(CollationLocale()))
{
}

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
        // A column clicked for the first time sorts ascending.
        if (nRole == Qt::InitialSortOrderRole)
            return int(Qt::AscendingOrder);
        if (nRole == Qt::AccessibleDescriptionRole && nSection == m_sort.nColumn)
            return m_sort.bDescending ? tr("Sorted descending") : tr("Sorted ascending");
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
    m_all.clear();
    m_bSorted = true;
    m_bStoreRecords = true;
}

void CNotesListModel::AppendRow(const SNoteRow& row, std::unique_ptr<CNoteRecord> pRecord)
{
    SRow r;
    if (!pRecord)
        r.pText = std::make_unique<SNoteRow>(row);
    r.pRecord = std::move(pRecord);
    m_bSorted = false;
    m_bStoreRecords = false;
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
    m_all.clear();
    m_rows.clear();
    m_bStoreRecords = true;
    m_rows.reserve(static_cast<size_t>(store.GetCount()));
    // In the order of the last sort when the store kept it: then the rows
    // are only seen to be in order, not sorted again.
    UpdateCollator();
    const std::string strOrderId = ListOrderId();
    std::vector<std::shared_ptr<const CNoteRecord>> ordered;
    const bool bOrdered = store.GetListOrder(strOrderId, ordered);
    if (bOrdered) {
        for (std::shared_ptr<const CNoteRecord>& pNote : ordered)
            m_rows.push_back({std::move(pNote), nullptr});
    } else {
        store.ForEachShared([this](const std::shared_ptr<const CNoteRecord>& pNote) {
            m_rows.push_back({pNote, nullptr});
        });
    }
    if (bOrdered && TitlesInOrder(m_rows)) {
        m_bSorted = true;
    } else if (SortRows() || !bOrdered) {
        // The store learns the order when it had none, or one that was wrong.
        std::vector<const CNoteRecord*> order;
        order.reserve(m_rows.size());
        for (const SRow& r : m_rows)
            order.push_back(r.pRecord.get());
        store.SetListOrder(strOrderId, order);
    }
    if (Filtering())
        ApplyFilter(&store);
    EndFill();
}

bool CNotesListModel::UpdateRows(const CNoteStore& store, const std::vector<std::string>& keys)
{
    if (m_bFilling || !m_bSorted || keys.size() > nMaxRowUpdates) {
        Refill(store);
        return false;
    }
    // The rows of these keys as they are now: their records give the places
    // that find them.
    std::unordered_map<std::string_view, std::shared_ptr<const CNoteRecord>> listed;
    listed.reserve(keys.size());
    for (const std::string& strKey : keys)
        listed.emplace(strKey, nullptr);
    for (const SRow& r : Filtering() ? m_all : m_rows)
        if (r.pRecord)
            if (auto it = listed.find(r.pRecord->m_strKey); it != listed.end())
                it->second = r.pRecord;

    for (const std::string& strKey : keys) {
        std::shared_ptr<const CNoteRecord>& pListed = listed[strKey];
        std::shared_ptr<const CNoteRecord> pStored = store.GetShared(strKey);
        if (pListed == pStored)
            continue;
        int nShown = -1;
        if (pListed) {
            const SOrderKey key = OrderKeyOf(*pListed);
            if (Filtering()) {
                // Every row, hidden ones too, stays in order without a word to the views.
                const int nAt = LowerBound(m_all, key);
                if (nAt >= static_cast<int>(m_all.size()) || m_all[static_cast<size_t>(nAt)].pRecord != pListed) {
                    Refill(store);
                    return false;
                }
                m_all.erase(m_all.begin() + nAt);
            }
            nShown = LowerBound(key);
            if (nShown >= GetRowCount() || m_rows[static_cast<size_t>(nShown)].pRecord != pListed) {
                if (!Filtering()) {
                    // Not where the order says: something else changed the rows.
                    Refill(store);
                    return false;
                }
                nShown = -1; // filtered out
            }
        }
        if (pStored && Filtering())
            m_all.insert(m_all.begin() + LowerBound(m_all, OrderKeyOf(*pStored)), SRow{pStored, nullptr});
        const bool bShow = pStored && (!Filtering() || store.MatchesText(*pStored, m_strFilter));
        if (nShown >= 0 && bShow) {
            ReplaceRow(nShown, pStored);
        } else if (nShown >= 0) {
            beginRemoveRows({}, nShown, nShown);
            m_rows.erase(m_rows.begin() + nShown);
            endRemoveRows();
        } else if (bShow) {
            InsertRow(pStored);
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
    for (SRow& r : m_all)
        r.pRecord.reset();
    m_bSorted = m_rows.empty() && m_all.empty();
}

void CNotesListModel::SetSummaryText(bool bSummary)
{
    m_bSummary = bSummary;
}
