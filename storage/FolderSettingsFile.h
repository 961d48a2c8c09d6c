#pragma once

#include <string>

class IFolderTree;

// Reads and writes the folder list file "FolderSettings.set".
class CFolderSettingsFile
{
public:
    // Writes the count and every name and path, atomically: a failed save leaves
    // the old file whole. False when the file could not be written.
    bool SaveFolderSettings(const std::string& strFileName, const IFolderTree& tree) const;

    // Appends the stored folders under the root, or, when the file cannot be
    // opened, the default folder "Sample Notes" at strDefaultFolderPath.
    // False with strError set when the file ends early; the folders read
    // before that stay in the tree.
    bool LoadFolderSettings(const std::string& strFileName, IFolderTree& tree,
                            const std::string& strDefaultFolderPath, std::string& strError) const;
};
