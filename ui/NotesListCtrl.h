#pragma once

#include "NoteImageList.h"
#include "NotesListModel.h"

#include <QWidget>

class CAppContext;
class CNotesHeaderCtrl;
class CNotesListDelegate;
class QAbstractItemView;
class QLineEdit;
class QListView;
class QStackedWidget;
class QTableView;

// The list of the selected folder's notes in one of four modes; single
// selection, with a selection mark that the note commands act on. The list
// only reports what the user does; the view decides what follows.
class CNotesListCtrl : public QWidget
{
    Q_OBJECT

public:
    enum { IDC_NOTES_LIST = 123 };
    enum EViewMode { modeDetails = 0, modeList = 1, modeTiles = 2, modeIcons = 3 };
    static constexpr int anColumnWidths[4] = {200, 170, 170, 170};

    explicit CNotesListCtrl(const CAppContext& app, QWidget* pParent = nullptr);
    ~CNotesListCtrl() override;

    CNotesListModel& GetModel() { return m_model; }
    const CNotesListModel& GetModel() const { return m_model; }

    // Columns and their widths, then the stored list mode.
    void InitColumns(int nListViewMode);
    // 0 Details, 1 List, 2 Tiles, 3 Icons (anything else: Details); rebuilds
    // the mode's image list, then marks and selects row 0.
    void SetViewMode(int nMode);
    int GetViewMode() const { return m_nViewMode; }
    // 200, 170, 170, 170, whatever the user dragged them to.
    void SetColumnWidths();
    void FreeItemData() { m_model.FreeItemData(); }

    // The row the note commands act on; -1 for none. Setting it selects the
    // row and runs the selection-change report at once.
    int GetSelectionMark() const;
    void SetSelectionMark(int nRow);

    // The row whose text the Notes pane shows; -1 for none.
    int GetCurrentItem() const { return m_nCurrentItem; }
    void SetCurrentItem(int nRow) { m_nCurrentItem = nRow; }

    void RedrawAllRows();
    // The row under a point of the active view's viewport; -1 for none.
    int RowAt(const QPoint& ptViewport) const;

    // The box over the rows whose text narrows them; Escape empties it.
    QLineEdit* GetFilterBox() const { return m_pFilter; }

    // Orders the rows by a column, as a click on its header does, and keeps
    // that order for the current mode; each mode has its own, by title
    // ascending at first. The mark and the Notes pane's row stay on their notes.
    void SetSortOrder(CNotesListModel::SSortOrder order);

    QAbstractItemView* GetActiveView() const;
    QTableView* GetDetailsView() const { return m_pDetails; }
    QListView* GetItemsView() const { return m_pItems; }
    CNotesHeaderCtrl* GetHeader() const { return m_pHeader; }
    // The image list of the current mode: 16 pixels, 32 in Tiles.
    const CNoteImageList& GetImageList() const { return m_images; }

signals:
    // The selection mark moved to nRow (-1: none), by the user or by code.
    void SelectionMarkChanged(int nRow);
    // A left click ended over nRow, -1 when over no row.
    void RowClicked(int nRow);
    // A double click while a row is marked: time to modify that note.
    void ModifyRequested();
    // The context menu is wanted at ptGlobal: "ListMenu1" over a row (then
    // already marked), "ListMenu0" over no row.
    void ContextMenuRequested(const QPoint& ptGlobal, bool bOverRow);
    // The filter box's text changed, by typing or by Escape.
    void FilterEdited(const QString& strText);

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    // The style's grey placeholder is too faint on a light base.
    void FollowFilterPalette();
    void WatchView(QAbstractItemView* pView);
    void OnContextMenu(QAbstractItemView* pView, const QPoint& ptViewport, bool bKeyboard);
    void ApplySortOrder(CNotesListModel::SSortOrder order);

    CNotesListModel m_model;
    CNoteImageList m_images;
    QLineEdit* m_pFilter;
    QStackedWidget* m_pStack;
    QTableView* m_pDetails;
    QListView* m_pItems;
    CNotesHeaderCtrl* m_pHeader;
    CNotesListDelegate* m_pDelegate;
    int m_nViewMode = modeDetails;
    int m_nCurrentItem = -1;
};
