#pragma once

#include "FolderTree.h"
#include "NoteRecord.h"

#include <QFont>
#include <QTreeWidget>

#include <memory>
#include <string>

class CCommandActions;
class CFolderRecord;
class CMainFrame;
class CQuillboxApp;
class QMenu;

// A folder item of the tree; it owns its record until it is freed.
class CFolderItem : public QTreeWidgetItem
{
public:
    explicit CFolderItem(std::unique_ptr<CFolderRecord> pRecord);
    ~CFolderItem() override;
    CFolderRecord* GetRecord() const { return m_pRecord.get(); }
    void FreeRecord();

private:
    std::unique_ptr<CFolderRecord> m_pRecord;
};

// The folder tree that fills the main window. It owns the handlers of the
// commands and checks every command's rules before it runs.
class CQuillboxView : public QTreeWidget, public IFolderTree
{
    Q_OBJECT

public:
    CQuillboxView(CQuillboxApp& app, CMainFrame& frame);
    ~CQuillboxView() override;

    void OnInitialUpdate();

    // IFolderTree
    int GetItemCount() const override;
    std::vector<const CFolderRecord*> GetFolderRecords() const override;
    void AddFolderItem(std::unique_ptr<CFolderRecord> pRecord);
    void ExpandRoot();
    void SelectRoot();

    void RebuildFolderTree();
    void InsertRootItem();
    void InsertFolderItem(std::unique_ptr<CFolderRecord> pRecord);
    void FreeFolderItems();
    // The selected folder's directory; empty for the root or no selection.
    std::string GetSelectedFolderPath() const;
    QTreeWidgetItem* GetRootItem() const;
    CFolderRecord* GetFolderRecord(QTreeWidgetItem* pItem) const;
    bool IsFolderSelected() const;
    bool IsNoteSelected() const;

    // The notes list and the panes that follow it.
    void RefreshNotesList();
    void ShowNoteText();
    void CommitNoteText(int nRow);
    void ClearProperties();
    void ShowNoteProperties();

    // Runs a command if its enable rule holds; false when refused.
    bool ExecuteCommand(int nId);
    bool IsCommandEnabled(int nId) const;
    bool IsCommandChecked(int nId) const;
    void UpdateCommandUI();
    CCommandActions& GetCommands() const { return *m_pCommands; }

    // The label's own rectangle, without the image and the indentation.
    QRect GetLabelRect(QTreeWidgetItem* pItem) const;

    // Handlers.
    void OnNewFolder();
    void OnModifyFolder();
    void OnRemoveFolder();
    void OnCollapseAll();
    void OnExpandAll();
    void OnViewDetailWindow();
    void OnViewNotesWindow();
    void OnViewSummaryWindow();
    void OnViewSearchResults();
    void OnViewDetails();
    void OnViewList();
    void OnViewTiles();
    void OnViewIcons();
    void OnViewToolbar();
    void OnViewStatusBar();
    void OnViews();
    void OnAppAbout();
    void OnAppExit();
    void OnHelp();

    int m_nListViewMode = 0;
    QTreeWidgetItem* m_hPrevFolderItem = nullptr;
    CNoteRecord m_note;
    QFont m_fontTree;

signals:
    // A command passed its rules and is about to run.
    void CommandRun(int nId);

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
    // The menu key opens the selected item's menu at its label.
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    void OnSelChanged(QTreeWidgetItem* pNew, QTreeWidgetItem* pOld);
    void OnNotesListMarkChanged(int nRow);
    void SetListMode(int nMode);
    // Shows a hidden pane or bar, hides a shown one.
    void TogglePane(QWidget* pBar);
    void MakeBold(QTreeWidgetItem* pItem) const;
    void LoadEmptyFolder();
    void ShowContextMenu(QTreeWidgetItem* pItem, const QPoint& ptGlobal);

    CQuillboxApp& m_app;
    CMainFrame& m_frame;
    std::unique_ptr<CCommandActions> m_pCommands;
    QMenu* m_apContextMenus[2] = {nullptr, nullptr};
    // Our own collapsing and expanding is not the user's.
    bool m_bWalkingTree = false;
    // The item being removed: the selection change must not read its record.
    QTreeWidgetItem* m_pRemovingItem = nullptr;
};
