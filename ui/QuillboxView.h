#pragma once

#include "FolderTree.h"
#include "NoteSelection.h"
#include "NotesListMenus.h"
#include "commands/CommandContext.h"

#include <QFont>
#include <QTreeWidget>

#include <memory>
#include <string>

class CCommandActions;
class CFolderRecord;
class QMenu;

// The folder tree that fills the main window. Every command comes here: the
// view checks its enable rule, then runs its handler with the command context.
class CQuillboxView : public QTreeWidget, public IFolderTree
{
    Q_OBJECT

public:
    CQuillboxView(CAppContext& app, CNoteStore& store, const CFolderSettingsFile& folderSettings, IFrameWindow& window,
                  COfficeLink* pOffice = nullptr);
    ~CQuillboxView() override;

    // Once, after the panes exist: the tree filled, the root selected.
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
    // Takes a folder item out of the tree and deletes it; the selection
    // change this causes never reads its record.
    void RemoveFolderItem(QTreeWidgetItem* pItem);
    // Every item collapsed or expanded at once; not counted as the user's.
    void CollapseAllItems();
    void ExpandAllItems();
    void MakeBold(QTreeWidgetItem* pItem) const;

    // The selected folder's directory; empty for the root or no selection.
    std::string GetSelectedFolderPath() const;
    QTreeWidgetItem* GetRootItem() const;
    CFolderRecord* GetFolderRecord(QTreeWidgetItem* pItem) const;
    bool IsFolderSelected() const;
    bool IsNoteSelected() const;

    CNoteSelection& GetNoteSelection() { return m_selection; }
    // 0 Details, 1 List, 2 Tiles, 3 Icons.
    int GetListViewMode() const { return m_nListViewMode; }
    void SetListViewMode(int nMode) { m_nListViewMode = nMode; }
    const QFont& GetTreeFont() const { return m_fontTree; }

    // Runs a command if its enable rule holds; false when refused.
    bool ExecuteCommand(int nId);
    bool IsCommandEnabled(int nId) const;
    bool IsCommandChecked(int nId) const;
    void UpdateCommandUI();
    CCommandActions& GetCommands() const { return *m_pCommands; }

    // The notes list's context menu, once shown: "ListMenu0" or "ListMenu1".
    QMenu* GetListContextMenu(int nPopup) const { return m_pListMenus->GetMenu(nPopup); }

    // The label's own rectangle, without the image and the indentation.
    QRect GetLabelRect(QTreeWidgetItem* pItem) const;

signals:
    // A command passed its rules and is about to run.
    void CommandRun(int nId);

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
    // The menu key opens the selected item's menu at its label.
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    void OnSelChanged(QTreeWidgetItem* pNew, QTreeWidgetItem* pOld);
    void ShowContextMenu(QTreeWidgetItem* pItem, const QPoint& ptGlobal);

    CAppContext& m_app;
    CNoteStore& m_store;
    const CFolderSettingsFile& m_folderSettings;
    IFrameWindow& m_window;
    CNoteSelection m_selection;
    SCommandContext m_context;
    std::unique_ptr<CCommandActions> m_pCommands;
    int m_nListViewMode = 0;
    QFont m_fontTree;
    QMenu* m_apContextMenus[2] = {nullptr, nullptr};
    CNotesListMenus* m_pListMenus = nullptr;
    // Our own collapsing and expanding is not the user's.
    bool m_bWalkingTree = false;
    // The item being removed: the selection change must not read its record.
    QTreeWidgetItem* m_pRemovingItem = nullptr;
};
