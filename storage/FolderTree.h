#pragma once

#include "FolderRecord.h"

#include <memory>
#include <vector>

// The part of the folder tree that the folder list file reads and writes.
// The tree view implements it; so do the tests and the command-line tool.
class IFolderTree
{
public:
    virtual ~IFolderTree() = default;
    // Items in the whole tree, the root included.
    virtual int GetItemCount() const = 0;
    // The records of the root's children that carry one, in tree order.
    virtual std::vector<const CFolderRecord*> GetFolderRecords() const = 0;
    // Appends a bold folder item under the root; the tree owns the record.
    virtual void AddFolderItem(std::unique_ptr<CFolderRecord> pRecord) = 0;
    virtual void ExpandRoot() = 0;
    virtual void SelectRoot() = 0;
};
