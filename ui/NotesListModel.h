#pragma once

#include "NoteRowSink.h"

#include <QAbstractTableModel>
#include <QCollator>
#include <QColor>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CAppContext;
class CNoteStore;

// The rows of the notes list, each holding its note's record. Cells are formed
// from the record when asked for, so a refill of many notes formats nothing
// until a row is shown.
class CNotesListModel : public QAbstractTableModel, public INoteRowSink
{
    Q_OBJECT

public:
    enum { NoteIconRole = Qt::UserRole + 1, PriorityRole };
    enum { colName, colComments, colDate, colPriority, nColumns };

    explicit CNotesListModel(const CAppContext& app, QObject* pParent = nullptr);
    ~CNotesListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // A fill through the sink (DeleteAllRows, AppendRow...) is one model
    // reset, closed by SortByTitle, by EndFill or, failing both, when control
    // returns to the event loop.
    void DeleteAllRows() override;
    int GetRowCount() const override { return static_cast<int>(m_rows.size()); }
    void AppendRow(const SNoteRow& row, std::unique_ptr<CNoteRecord> pRecord) override;
    void AppendSharedRow(const std::shared_ptr<const CNoteRecord>& pRecord) override;
    void EndFill();

    // Every note of the store that the filter lets through, in the list's
    // order, in one model reset. The rows share the store's records instead
    // of copying them.
    void Refill(const CNoteStore& store);
    // Brings the rows of these notes in line with the store, leaving the
    // others as they are: a changed note's row takes the store's record and
    // moves to its place in the order, a note gone from the store loses its
    // row, a note new to it gets one. The result is the order Refill gives.
    // Many keys, or rows not in that order, take a Refill instead; false then.
    bool UpdateRows(const CNoteStore& store, const std::vector<std::string>& keys);
    // At 100,000 rows a moved row costs about 0.6 ms and a refill, collating
    // every title, about 160 ms.
    static constexpr size_t nMaxRowUpdates = 100;
    // The row holding the note with this key, found by its place in the
    // order; -1, also when the filter hides it.
    int FindRow(const CNoteRecord& note) const;

    // Shows only the notes whose title, comments, keywords or text contain
    // the text in any letter case; an empty text shows them all. The store
    // is the one the rows were filled from, and finds the notes. One model
    // reset; false when the filter stays as it was.
    bool SetFilter(const CNoteStore& store, const std::string& strText);
    const std::string& GetFilter() const { return m_strFilterText; }

    // The column the rows are ordered by, ascending or descending. Titles and
    // comments go by the user's locale, ignoring case; ties by title
    // ascending, then by the note's key.
    struct SSortOrder
    {
        int nColumn = colName;
        bool bDescending = false;
        bool operator==(const SSortOrder&) const = default;
    };
    // Puts the rows in that order, keeping the views' indexes on their notes.
    void SetSortOrder(SSortOrder order);
    SSortOrder GetSortOrder() const { return m_sort; }
    // Names the rows' order, as the store keeps it: the sort and the collation.
    std::string ListOrderId() const;

    // The row's record, or nullptr for a row without one or out of range.
    const CNoteRecord* GetRowNote(int nRow) const;
    // Releases every row's record; the rows stay.
    void FreeItemData();
    // Puts the rows in the list's order (by default ascending by title, so
    // "apple" comes before "Banana" and titles differing only in case sit
    // together); equal titles in the order of their notes' keys, so the order
    // never depends on the store's. Ends a fill through the sink.
    void SortByTitle();

    // In the one-column modes the Name cell also speaks the other columns.
    void SetSummaryText(bool bSummary);

    // The application's colour for priority 0, 1, 2; black for any other.
    QColor GetPriorityColour(int nPriority) const;
    static QColor FromColorRef(uint32_t clr);

private:
    struct SRow
    {
        std::shared_ptr<const CNoteRecord> pRecord;
        // Only for a row appended without a record.
        std::unique_ptr<SNoteRow> pText;
    };
    // What the rows are sorted by: the sorted column's value, the title's
    // collation key, then the note's key.
    struct SOrderKey
    {
        double dValue = 0;
        std::optional<QCollatorSortKey> text;
        std::optional<QCollatorSortKey> title;
        std::string_view strKey;
    };
    SOrderKey OrderKeyOf(const SRow& r) const { return OrderKeyOf(r, m_collator); }
    SOrderKey OrderKeyOf(const CNoteRecord& note) const { return OrderKeyOf(note, m_collator); }
    SOrderKey OrderKeyOf(const SRow& r, const QCollator& collator) const;
    SOrderKey OrderKeyOf(const CNoteRecord& note, const QCollator& collator) const;
    bool Less(const SOrderKey& a, const SOrderKey& b) const;
    // The first of the rows not ordered before key.
    int LowerBound(const std::vector<SRow>& rows, const SOrderKey& key) const;
    int LowerBound(const SOrderKey& key) const { return LowerBound(m_rows, key); }
    // The collator of the user's locale, made again when that changed.
    static QLocale CollationLocale();
    static QCollator MakeCollator(const QLocale& locale);
    void UpdateCollator();

    QString CellText(const SRow& r, int nColumn) const;
    void BeginFill();
    // Sorts the rows in place; returns the old row of each new one.
    std::vector<int> SortRows(std::vector<SRow>& rows) const;
    // Sorts every row; true when the shown ones moved.
    bool SortRows();
    // Calls work(from, to, collator) on the two halves of n rows at once
    // when there are many, each thread with a collator of its own; on all
    // of them at once when not.
    void OnHalves(size_t n, const std::function<void(size_t, size_t, const QCollator&)>& work) const;
    // Where OnHalves cuts n rows; n when it does not.
    static size_t Half(size_t n);
    // Whether rows in the title column's sort are in its order already.
    bool TitlesInOrder(const std::vector<SRow>& rows) const;
    bool Filtering() const { return !m_strFilter.empty(); }
    // Moves every row to m_all and lists only those the filter lets through,
    // found by the store when there is one.
    void ApplyFilter(const CNoteStore* pStore);
    void ReplaceRow(int nRow, std::shared_ptr<const CNoteRecord> pRecord);
    void InsertRow(std::shared_ptr<const CNoteRecord> pRecord);

    const CAppContext& m_app;
    // The rows shown.
    std::vector<SRow> m_rows;
    // While a filter is set: every row, shown or not, in the same order,
    // owning the records that the shown rows borrow.
    std::vector<SRow> m_all;
    std::string m_strFilterText;
    // The filter's table of the notes found, kept for the next keystroke.
    std::vector<const CNoteRecord*> m_filterSlots;
    // The filter text upper-cased; empty for none.
    std::string m_strFilter;
    SSortOrder m_sort;
    QCollator m_collator;
    bool m_bFilling = false;
    bool m_bEndQueued = false;
    bool m_bSummary = false;
    // The rows are in SortRows' order and each has its record.
    bool m_bSorted = true;
    // The rows hold the store's own records, which its search gives back.
    bool m_bStoreRecords = true;
};
