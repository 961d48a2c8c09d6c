// The order of the notes list's rows: the sort keys, the collation of
// titles and comments in the user's locale, sorting and finding a row's place.
#include "NotesListModel.h"

#include "NoteRecord.h"
#include "WorkThreads.h"

#include <QLocale>

#include <algorithm>
#include <atomic>
#include <functional>
#include <limits>
#include <numeric>
#include <string_view>
#include <thread>
#include <utility>

namespace
{
constexpr size_t nParallelSort = 20000;
} // namespace

// The C locale collates by code point, capitals first, which is no order for
// people: its users get the case-blind order the list always had.
QLocale CNotesListModel::CollationLocale()
{
    const QLocale locale;
    return locale.language() == QLocale::C ? QLocale(QLocale::English) : locale;
}

QCollator CNotesListModel::MakeCollator(const QLocale& locale)
{
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

void CNotesListModel::UpdateCollator()
{
    const QLocale locale = CollationLocale();
    if (locale != m_collator.locale())
        m_collator = MakeCollator(locale);
}

CNotesListModel::SOrderKey CNotesListModel::OrderKeyOf(const CNoteRecord& note, const QCollator& collator) const
{
    SOrderKey key;
    key.title = collator.sortKey(QString::fromStdString(note.m_strTitle));
    key.strKey = note.m_strKey;
    switch (m_sort.nColumn) {
    case colComments:
        key.text = collator.sortKey(QString::fromStdString(note.m_strComments));
        break;
    case colDate:
        // Notes without a date come before every date.
        key.dValue =
            note.m_bHasDate && note.m_dtDate.IsValid() ? note.m_dtDate.m_dt : -std::numeric_limits<double>::infinity();
        break;
    case colPriority:
        key.dValue = note.m_nPriority;
        break;
    default:
        break;
    }
    return key;
}

CNotesListModel::SOrderKey CNotesListModel::OrderKeyOf(const SRow& r, const QCollator& collator) const
{
    if (r.pRecord)
        return OrderKeyOf(*r.pRecord, collator);
    SOrderKey key;
    const std::string strTitle = r.pText ? r.pText->strTitle : std::string();
    key.title = collator.sortKey(QString::fromStdString(strTitle));
    if (m_sort.nColumn == colComments)
        key.text = collator.sortKey(QString::fromStdString(r.pText ? r.pText->strComments : std::string()));
    return key;
}

bool CNotesListModel::Less(const SOrderKey& a, const SOrderKey& b) const
{
    int c = 0;
    switch (m_sort.nColumn) {
    case colComments:
        c = a.text->compare(*b.text);
        break;
    case colDate:
    case colPriority:
        c = a.dValue < b.dValue ? -1 : a.dValue > b.dValue ? 1 : 0;
        break;
    default:
        c = a.title->compare(*b.title);
        break;
    }
    if (m_sort.bDescending)
        c = -c;
    if (c == 0 && m_sort.nColumn != colName)
        c = a.title->compare(*b.title);
    if (c == 0)
        c = a.strKey.compare(b.strKey);
    return c < 0;
}

int CNotesListModel::LowerBound(const std::vector<SRow>& rows, const SOrderKey& key) const
{
    const auto it =
        std::partition_point(rows.begin(), rows.end(), [&](const SRow& r) { return Less(OrderKeyOf(r), key); });
    return static_cast<int>(it - rows.begin());
}

void CNotesListModel::OnHalves(size_t n, const std::function<void(size_t, size_t, const QCollator&)>& work) const
{
    const size_t half = Half(n);
    const std::pair<size_t, size_t> parts[] = {{0, half}, {half, n}};
    std::atomic<size_t> next{0};
    const std::thread::id caller = std::this_thread::get_id();
    RunOnThreads(half < n ? 2 : 1, [&, locale = m_collator.locale()] {
        std::optional<QCollator> own;
        const QCollator& collator =
            std::this_thread::get_id() == caller ? m_collator : own.emplace(MakeCollator(locale));
        for (size_t p = next++; p < std::size(parts); p = next++)
            work(parts[p].first, parts[p].second, collator);
    });
}

size_t CNotesListModel::Half(size_t n)
{
    return n >= nParallelSort && std::thread::hardware_concurrency() > 1 ? n / 2 : n;
}

std::vector<int> CNotesListModel::SortRows(std::vector<SRow>& rows) const
{
    // Keys are made once per row, not once per comparison. Equal titles go
    // by the note's key: a full sort and a row moved into place must agree.
    const size_t n = rows.size();
    std::vector<SOrderKey> keys(n);
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    auto less = [&](int a, int b) { return Less(keys[static_cast<size_t>(a)], keys[static_cast<size_t>(b)]); };
    // A big folder's keys and sort take most of its selection: its two
    // halves are done at once and merged after. Rows that come in order (as
    // the store kept them from the last sort) are only seen to be in order.
    OnHalves(n, [&](size_t from, size_t to, const QCollator& collator) {
        for (size_t i = from; i < to; ++i)
            keys[i] = OrderKeyOf(rows[i], collator);
    });
    if (std::is_sorted(order.begin(), order.end(), less))
        return order;
    OnHalves(n, [&](size_t from, size_t to, const QCollator&) {
        std::stable_sort(order.begin() + static_cast<ptrdiff_t>(from), order.begin() + static_cast<ptrdiff_t>(to),
                         less);
    });
    std::inplace_merge(order.begin(), order.begin() + static_cast<ptrdiff_t>(Half(n)), order.end(), less);
    std::vector<SRow> sorted;
    sorted.reserve(n);
    for (int i : order)
        sorted.push_back(std::move(rows[static_cast<size_t>(i)]));
    rows = std::move(sorted);
    return order;
}

bool CNotesListModel::TitlesInOrder(const std::vector<SRow>& rows) const
{
    if (m_sort.nColumn != colName)
        return false;
    // Neighbours compared by the collator itself, which agrees with its sort
    // keys and stops at the first difference: far less work than making a
    // key for every row. Each half from the last row before it.
    std::atomic<bool> bInOrder{true};
    OnHalves(rows.size(), [&](size_t from, size_t to, const QCollator& collator) {
        const size_t first = from > 0 ? from - 1 : 0;
        QString prev;
        for (size_t i = first; i < to && bInOrder; ++i) {
            const CNoteRecord* pNote = rows[i].pRecord.get();
            if (!pNote) {
                bInOrder = false;
                break;
            }
            QString title = QString::fromStdString(pNote->m_strTitle);
            if (i > first) {
                int c = collator.compare(title, prev);
                if (m_sort.bDescending)
                    c = -c;
                if (c == 0)
                    c = pNote->m_strKey.compare(rows[i - 1].pRecord->m_strKey);
                if (c < 0)
                    bInOrder = false;
            }
            prev = std::move(title);
        }
    });
    return bInOrder;
}

std::string CNotesListModel::ListOrderId() const
{
    // Another collation (locale, Qt and with it its collation library) or
    // sort makes another order: its rows are sorted afresh.
    return "1;" + std::to_string(m_sort.nColumn) + (m_sort.bDescending ? ";d;" : ";a;") +
           m_collator.locale().bcp47Name().toStdString() + ";" + qVersion();
}

bool CNotesListModel::SortRows()
{
    UpdateCollator();
    const std::vector<int> order = SortRows(m_rows);
    if (!m_all.empty())
        SortRows(m_all);
    auto hasText = [](const SRow& r) { return r.pRecord || r.pText; };
    m_bSorted = std::all_of(m_rows.begin(), m_rows.end(), hasText) && std::all_of(m_all.begin(), m_all.end(), hasText);
    bool bMoved = false;
    for (size_t i = 0; i < order.size() && !bMoved; ++i)
        bMoved = order[i] != static_cast<int>(i);

    if (m_bFilling)
        return bMoved;
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
    return bMoved;
}

void CNotesListModel::SortByTitle()
{
    if (m_bFilling) {
        SortRows();
        if (Filtering())
            ApplyFilter(nullptr);
        EndFill();
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    SortRows();
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CNotesListModel::SetSortOrder(SSortOrder order)
{
    if (order.nColumn < 0 || order.nColumn >= nColumns)
        order = {};
    if (order == m_sort)
        return;
    m_sort = order;
    SortByTitle();
    emit headerDataChanged(Qt::Horizontal, 0, nColumns - 1);
}
