#pragma once

#include "NoteRowSink.h"

#include <QAbstractTableModel>
#include <QColor>

#include <memory>
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

    // Every note of the store, sorted by title, in one model reset. The rows
    // share the store's records instead of copying them.
    void Refill(const CNoteStore& store);
    // Brings the rows of these notes in line with the store, leaving the
    // others as they are: a changed note's row takes the store's record and
    // moves to its place in the order, a note gone from the store loses its
    // row, a note new to it gets one. The result is the order Refill gives.
    // Many keys, or rows not in that order, take a Refill instead; false then.
    bool UpdateRows(const CNoteStore& store, const std::vector<std::string>& keys);
    // At 100,000 rows a moved row costs about 0.6 ms and a refill 120 ms.
    static constexpr size_t nMaxRowUpdates = 100;
    // The row holding the note with this key, found by its title; -1.
    int FindRow(const CNoteRecord& note) const;

    // The row's record, or nullptr for a row without one or out of range.
    const CNoteRecord* GetRowNote(int nRow) const;
    // Releases every row's record; the rows stay.
    void FreeItemData();
    // Ascending by title, case-insensitive, so "apple" comes before "Banana"
    // and titles differing only in case sit together; equal titles in the
    // order of their notes' keys, so the order never depends on the store's.
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
    // What the rows are sorted by: the title's sort key, then the note's key.
    struct SOrderKey
    {
        std::string strTitle;
        std::string_view strKey;
        auto operator<=>(const SOrderKey&) const = default;
    };
    static SOrderKey OrderKeyOf(const SRow& r);
    static SOrderKey OrderKeyOf(const CNoteRecord& note);
    // The first row not ordered before key.
    int LowerBound(const SOrderKey& key) const;

    QString CellText(const SRow& r, int nColumn) const;
    void BeginFill();
    void SortRows();
    void ReplaceRow(int nRow, std::shared_ptr<const CNoteRecord> pRecord);
    void InsertRow(std::shared_ptr<const CNoteRecord> pRecord);

    const CAppContext& m_app;
    std::vector<SRow> m_rows;
    bool m_bFilling = false;
    bool m_bEndQueued = false;
    bool m_bSummary = false;
    // The rows are in SortRows' order and each has its record.
    bool m_bSorted = true;
};
