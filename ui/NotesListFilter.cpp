// The filter box's narrowing of the notes list: the rows whose note holds
// the text, found by the store's search when the rows are its records.
#include "NotesListModel.h"

#include "NoteRecord.h"
#include "NoteStore.h"
#include "TextMatch.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace
{
// The records a filter lets through, by address: the filter looks up every
// row at each keystroke, so this is a flat table rather than a node per entry,
// in memory kept from one keystroke to the next.
class CRecordSet
{
public:
    CRecordSet(std::vector<const CNoteRecord*>& table, size_t nExpected) : m_slots(table.data()), m_nMask(0)
    {
        const size_t nSlots = std::bit_ceil(std::max<size_t>(16, nExpected * 2));
        table.assign(nSlots, nullptr);
        m_slots = table.data();
        m_nMask = nSlots - 1;
        m_nShift = 64 - std::countr_zero(nSlots);
    }
    void Insert(const CNoteRecord* p)
    {
        for (size_t i = Slot(p);; i = (i + 1) & m_nMask) {
            if (m_slots[i] == p)
                return;
            if (!m_slots[i]) {
                m_slots[i] = p;
                return;
            }
        }
    }
    bool Contains(const CNoteRecord* p) const
    {
        for (size_t i = Slot(p);; i = (i + 1) & m_nMask) {
            if (m_slots[i] == p)
                return true;
            if (!m_slots[i])
                return false;
        }
    }

private:
    size_t Slot(const CNoteRecord* p) const
    {
        return static_cast<size_t>((reinterpret_cast<uintptr_t>(p) * 0x9e3779b97f4a7c15ull) >> m_nShift);
    }
    const CNoteRecord** m_slots;
    size_t m_nMask;
    int m_nShift = 0;
};

// A row shown under a filter borrows the record its row in m_all owns: a
// keystroke that lists 100,000 rows then counts no references, which would
// touch every record's memory.
std::shared_ptr<const CNoteRecord> Borrowed(const std::shared_ptr<const CNoteRecord>& pOwned)
{
    return std::shared_ptr<const CNoteRecord>(std::shared_ptr<const void>(), pOwned.get());
}
} // namespace

void CNotesListModel::ApplyFilter(const CNoteStore* pStore)
{
    // The rows shown before give their memory to the rows shown now.
    std::vector<SRow> shown;
    if (m_all.empty())
        m_all = std::move(m_rows);
    else
        shown = std::move(m_rows);
    shown.clear();
    if (pStore) {
        CRecordSet found(m_filterSlots, static_cast<size_t>(pStore->GetCount()));
        pStore->FindNotes(false, m_strFilterText, [&found](const CNoteRecord& note) { found.Insert(&note); });
        for (const SRow& r : m_all)
            if (r.pRecord && found.Contains(r.pRecord.get()))
                shown.push_back({Borrowed(r.pRecord), nullptr});
    } else {
        for (const SRow& r : m_all)
            if (r.pRecord && NoteContainsText(*r.pRecord, m_strFilter))
                shown.push_back({Borrowed(r.pRecord), nullptr});
    }
    m_rows = std::move(shown);
}

bool CNotesListModel::SetFilter(const CNoteStore& store, const std::string& strText)
{
    std::string strUpper = UpperCaseText(strText);
    if (strUpper == m_strFilter) {
        m_strFilterText = strText;
        return false;
    }
    if (m_bFilling || !m_bSorted) {
        m_strFilterText = strText;
        m_strFilter = std::move(strUpper);
        Refill(store);
        return true;
    }
    beginResetModel();
    m_strFilterText = strText;
    m_strFilter = std::move(strUpper);
    if (Filtering()) {
        ApplyFilter(m_bStoreRecords ? &store : nullptr);
    } else {
        m_rows = std::move(m_all);
        m_all.clear();
    }
    endResetModel();
    return true;
}
