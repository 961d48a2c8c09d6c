#pragma once

#include "FolderTree.h"
#include "FolderView.h"

#include <QFont>
#include <QTreeWidget>

#include <memory>
#include <string>

class CAppContext;
class CFolderRecord;
class CFolderSettingsFile;
class QWidget;

// The folder tree that fills the main window: the root "Quillbox" and one
// item per folder. It shows and reports; the command controller decides.
class CQuillboxView : public QTreeWidget, public IFolderTree, public IFolderView
{
    Q_OBJECT

public:
    CQuillboxView(CAppContext& app, const CFolderSettingsFile& folderSettings, QWidget* pMessageParent);
    ~CQuillboxView() override;

    // Once: the tree filled from the folder list file, the root selected.
    void OnInitialUpdate();

    // IFolderTree and IFolderView
    int GetItemCount() const override;
    std::vector<const CFolderRecord*> GetFolderRecords() const override;
    bool IsFolderSelected() const override;
    CFolderRecord* GetSelectedFolder() const override;
    std::string GetSelectedFolderPath() const override;
    void AddFolder(std::unique_ptr<CFolderRecord> pRecord) override;
    bool SelectFolder(const CFolderRecord* pRecord) override;
    void UpdateSelectedFolder() override;
    void RemoveSelectedFolder() override;
    void CollapseAllItems() override;
    void ExpandAllItems() override;

    void ExpandRoot();
    void SelectRoot();
    void RebuildFolderTree();
    void InsertRootItem();
    void InsertFolderItem(std::unique_ptr<CFolderRecord> pRecord);
    void FreeFolderItems();
    // Takes a folder item out of the tree and deletes it; the selection
    // change this causes never reads its record.
    void RemoveFolderItem(QTreeWidgetItem* pItem);
    void MakeBold(QTreeWidgetItem* pItem) const;

    QTreeWidgetItem* GetRootItem() const;
    CFolderRecord* GetFolderRecord(QTreeWidgetItem* pItem) const;
    const QFont& GetTreeFont() const { return m_fontTree; }

    // The label's own rectangle, without the image and the indentation.
    QRect GetLabelRect(QTreeWidgetItem* pItem) const;

signals:
    // Another item is selected: its folder, or nullptr for the root.
    void FolderSelected(const CFolderRecord* pFolder);
    // The user expanded or collapsed an item.
    void ExpandedByUser();
    // A right click on a label, or the menu key: the root's menu or a folder's.
    void ContextMenuRequested(bool bRoot, const QPoint& ptGlobal);

protected:
    void mousePressEvent(QMouseEvent* pEvent) override;
    // The selection is always the current item, so the folder the folder
    // commands act on is always shown as selected.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* pEvent = nullptr) const override;
    // The menu key opens the selected item's menu at its label.
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    void OnSelChanged(QTreeWidgetItem* pNew);

    CAppContext& m_app;
    const CFolderSettingsFile& m_folderSettings;
    QWidget* m_pMessageParent;
    QFont m_fontTree;
    // Our own collapsing and expanding is not the user's.
    bool m_bWalkingTree = false;
    // The item being removed: the selection change must not read its record.
    QTreeWidgetItem* m_pRemovingItem = nullptr;
};
