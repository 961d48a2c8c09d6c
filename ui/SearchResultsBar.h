#pragma once

#include "NoteRowSink.h"
#include "SizingControlBar.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHeaderView>
#include <QTreeView>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

// The last search's rows, each owning its record copy; the message row of a
// search without hits has none and can be neither selected nor activated.
class CSearchResultsModel : public QAbstractTableModel, public INoteRowSink
{
    Q_OBJECT

public:
    explicit CSearchResultsModel(QObject* pParent = nullptr);
    ~CSearchResultsModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int nRole = Qt::DisplayRole) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void DeleteAllRows() override;
    int GetRowCount() const override { return static_cast<int>(m_rows.size()); }
    void AppendRow(const SNoteRow& row, std::unique_ptr<CNoteRecord> pRecord) override;

    // Runs fill with this model as its sink and shows the outcome with one
    // reset, however many rows it appends: fill is typically the store's
    // SearchNotes.
    void Fill(const std::function<void(INoteRowSink&)>& fill);

    // The row's record; nullptr for the message row or out of range.
    const CNoteRecord* GetRowNote(int nRow) const;
    // The folder (name and directory) rows appended from now on are of;
    // Fill starts with none.
    void SetRowsFolder(const std::string& strName, const std::string& strPath);
    // The directory and name of the row's folder; empty when none was set.
    std::string GetRowFolderPath(int nRow) const;
    std::string GetRowFolderName(int nRow) const;
    // The Folder column shows for a search of all folders; Fill hides it.
    void ShowFolderColumn() { m_bFolders = true; }
    bool HasFolderColumn() const { return m_bFolders; }
    static constexpr int colFolder = 4;
    void FreeItemData();

private:
    struct SRow
    {
        SNoteRow row;
        std::unique_ptr<CNoteRecord> pRecord;
        // Index into m_folders, -1 for none.
        int nFolder = -1;
    };
    std::vector<SRow> m_rows;
    std::vector<std::pair<std::string, std::string>> m_folders;
    int m_nRowsFolder = -1;
    bool m_bFolders = false;
    bool m_bFilling = false;
};

// The results list's header: white bold text on blue, black dividers.
class CResultsHeaderCtrl : public QHeaderView
{
    Q_OBJECT

public:
    explicit CResultsHeaderCtrl(QAbstractItemView* pList);

    QColor m_clrBack = QColor(102, 167, 232);
    QColor m_clrText = QColor(255, 255, 255);
    QColor m_clrDivider = QColor(0, 0, 0);

protected:
    void paintSection(QPainter* pPainter, const QRect& rect, int nLogicalIndex) const override;
    QSize sectionSizeFromContents(int nLogicalIndex) const override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

private:
    QFont HeaderFont() const;
    QAbstractItemView* m_pList;
};

// The list in the "Search Results" pane.
class CSearchResultsList : public QTreeView
{
    Q_OBJECT

public:
    explicit CSearchResultsList(QWidget* pParent = nullptr);

    // Columns of a quarter of the width each, and the painted header.
    void Setup();
    // q = (w - 50) / 4; column 0 takes the rest.
    static std::array<int, 4> ColumnWidthsFor(int nWidth);
    void SetColumnWidths(int nWidth);
    void FreeItemData() { m_model.FreeItemData(); }

    CSearchResultsModel& GetModel() { return m_model; }
    const CSearchResultsModel& GetModel() const { return m_model; }
    // The selected row; -1 for none.
    int GetSelectionMark() const;

signals:
    // A result with a record was clicked or became the selected row;
    // bOpen when it was clicked or Enter was pressed on it, which opens it
    // even in another folder. Moving through the rows opens nothing.
    void ResultActivated(int nRow, bool bOpen);

protected:
    bool viewportEvent(QEvent* pEvent) override;

private:
    void OnRowActivated(const QModelIndex& index, bool bOpen);
    // The Folder column shows only when the rows name their folders.
    void FollowFolderColumn();

    CSearchResultsModel m_model;
};

// The notes-list row to select for a clicked result: the last row whose
// note key equals strKey, ignoring ASCII case; nCurrentMark when none does.
// rowNote gives a row's record, or nullptr for a row without one.
int FindResultTargetRow(const std::string& strKey, int nRowCount,
                        const std::function<const CNoteRecord*(int nRow)>& rowNote, int nCurrentMark);

// The "Search Results" pane.
class CSearchResultsBar : public CSizingControlBarG
{
    Q_OBJECT

public:
    CSearchResultsBar(QMainWindow* pFrame, int nControlId);
    CSearchResultsList* GetList() const { return m_pList; }

private:
    CSearchResultsList* m_pList;
};
