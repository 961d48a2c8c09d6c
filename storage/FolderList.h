#pragma once

#include "FolderTree.h"

#include <memory>

// A folder tree with nothing but the folders in order: for tools and checks
// that write the folder list without a window.
class CFolderList : public IFolderTree
{
public:
    int GetItemCount() const override { return static_cast<int>(m_folders.size()) + 1; }
    std::vector<const CFolderRecord*> GetFolderRecords() const override
    {
        std::vector<const CFolderRecord*> out;
        for (const auto& f : m_folders)
            out.push_back(f.get());
        return out;
    }
    void AddFolderItem(std::unique_ptr<CFolderRecord> pRecord) { m_folders.push_back(std::move(pRecord)); }

    std::vector<std::unique_ptr<CFolderRecord>> m_folders;
};
