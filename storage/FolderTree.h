#pragma once

#include "FolderRecord.h"

#include <vector>

// The part of the folder tree that the folder list file writes. The tree
// view implements it; so do the tests and the command-line tool.
class IFolderTree
{
public:
    virtual ~IFolderTree() = default;
    // Items in the whole tree, the root included.
    virtual int GetItemCount() const = 0;
    // The records of the root's children that carry one, in tree order.
    virtual std::vector<const CFolderRecord*> GetFolderRecords() const = 0;
};
