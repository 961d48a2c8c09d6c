#pragma once

#include "FileIo.h"
#include "FolderRecord.h"

#include <string>
#include <string_view>
#include <vector>

class IFolderTree;

// What the folder list file gave: the folders in order, and, for a damaged
// file, why it stopped (the folders read before that are kept).
struct SFolderSettings
{
    std::vector<CFolderRecord> folders;
    std::string strError;
};

// Reads and writes the folder list file "FolderSettings.set".
class CFolderSettingsFile
{
public:
    // Writes the count and every name and path, atomically: a failed save leaves
    // the old file whole and says why. Temporary files that an interrupted
    // save left beside the file are removed first.
    SFileResult SaveFolderSettings(const std::string& strFileName, const IFolderTree& tree) const;

    // The stored folders, or, when the file cannot be opened, the default
    // folder "Sample Notes" at strDefaultFolderPath. The caller puts them
    // under the tree's root.
    SFolderSettings LoadFolderSettings(const std::string& strFileName, const std::string& strDefaultFolderPath) const;

    // The folders in a folder list file's bytes; strFileName names it in the error.
    static SFolderSettings ParseFolderSettings(std::string_view data, const std::string& strFileName);
};
