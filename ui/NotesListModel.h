#pragma once

#include "NoteRowSink.h"

#include <QAbstractTableModel>
#include <QColor>

#include <memory>
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

    // The row's record, or nullptr for a row without one or out of range.
    const CNoteRecord* GetRowNote(int nRow) const;
    // Releases every row's record; the rows stay.
    void FreeItemData();
    // Ascending by title, case-insensitive, so "apple" comes before "Banana"
    // and titles differing only in case sit together; ties keep their order.
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
    QString CellText(const SRow& r, int nColumn) const;
    void BeginFill();
    void SortRows();

    const CAppContext& m_app;
    std::vector<SRow> m_rows;
    bool m_bFilling = false;
    bool m_bEndQueued = false;
    bool m_bSummary = false;
};
