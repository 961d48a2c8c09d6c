#pragma once

#include <memory>
#include <string>
#include <vector>

class CFolderRecord;

// What the commands need of the folder tree: its folders and its selection,
// nothing of how they are drawn.
class IFolderView
{
public:
    virtual ~IFolderView() = default;

    // A folder is selected, not the root.
    virtual bool IsFolderSelected() const = 0;
    // The selected folder's record; nullptr for the root or no selection.
    virtual CFolderRecord* GetSelectedFolder() const = 0;
    // The selected folder's directory; empty for the root or no selection.
    virtual std::string GetSelectedFolderPath() const = 0;
    // Every folder, in the tree's order.
    virtual std::vector<const CFolderRecord*> GetFolderRecords() const = 0;

    // A new folder under the root; the root stays selected.
    virtual void AddFolder(std::unique_ptr<CFolderRecord> pRecord) = 0;
    // Selects the folder's item, as a click on it would; false when no item
    // holds pRecord.
    virtual bool SelectFolder(const CFolderRecord* pRecord) = 0;
    // The selected folder's label after its record changed.
    virtual void UpdateSelectedFolder() = 0;
    // Takes the selected folder out of the tree and deletes its record.
    virtual void RemoveSelectedFolder() = 0;
    // Every item collapsed or expanded at once; not counted as the user's.
    virtual void CollapseAllItems() = 0;
    virtual void ExpandAllItems() = 0;
};
