#pragma once

#include "NoteRowSink.h"

#include <QAbstractTableModel>
#include <QTreeView>

#include <memory>
#include <vector>

class CAppContext;

// The rows of the notes list: what the store appends, each row owning its
// record copy.
class CNotesListModel : public QAbstractTableModel, public INoteRowSink
{
    Q_OBJECT

public:
    explicit CNotesListModel(const CAppContext& app, QObject* pParent = nullptr);
    ~CNotesListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole) const override;

    void DeleteAllRows() override;
    int GetRowCount() const override { return static_cast<int>(m_rows.size()); }
    void AppendRow(const SNoteRow& row, std::unique_ptr<CNoteRecord> pRecord) override;

    // The row's record, or nullptr for a row without one or out of range.
    const CNoteRecord* GetRowNote(int nRow) const;
    void FreeItemData();
    // Ascending by title, case-insensitive.
    void SortByTitle();

private:
    struct SRow
    {
        SNoteRow row;
        std::unique_ptr<CNoteRecord> pRecord;
    };
    const CAppContext& m_app;
    std::vector<SRow> m_rows;
};

// The list of the selected folder's notes; single selection, with a
// selection mark that the note commands act on.
class CNotesListCtrl : public QTreeView
{
    Q_OBJECT

public:
    enum { IDC_NOTES_LIST = 123 };
    static constexpr int anColumnWidths[4] = {200, 170, 170, 170};

    explicit CNotesListCtrl(const CAppContext& app, QWidget* pParent = nullptr);

    CNotesListModel& GetModel() { return m_model; }
    const CNotesListModel& GetModel() const { return m_model; }

    // Columns and their widths, then the stored list mode.
    void InitColumns(int nListViewMode);
    // 0 Details, 1 List, 2 Tiles, 3 Icons; marks and selects row 0.
    void SetViewMode(int nMode);
    int GetViewMode() const { return m_nViewMode; }
    void SetColumnWidths();
    void FreeItemData() { m_model.FreeItemData(); }

    // The row the note commands act on; -1 for none.
    int GetSelectionMark() const;
    void SetSelectionMark(int nRow);

    // The row whose text the Notes pane shows; -1 for none.
    int GetCurrentItem() const { return m_nCurrentItem; }
    void SetCurrentItem(int nRow) { m_nCurrentItem = nRow; }

signals:
    // The selection mark moved to nRow (-1: none), by the user or by code.
    void SelectionMarkChanged(int nRow);

private:
    CNotesListModel m_model;
    int m_nViewMode = 0;
    int m_nCurrentItem = -1;
};
