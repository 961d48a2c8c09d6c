#include "FolderSettingsFile.h"

#include "Archive.h"
#include "FolderTree.h"

namespace
{
// Far beyond any real folder list; a bigger file is not one.
constexpr size_t nMaxSettingsFile = size_t(64) << 20;
} // namespace

SFileResult CFolderSettingsFile::SaveFolderSettings(const std::string& strFileName, const IFolderTree& tree) const
{
    CArchiveWriter ar;
    ar.WriteInt32(tree.GetItemCount() - 1);
    for (const CFolderRecord* pRecord : tree.GetFolderRecords()) {
        ar.WriteString(pRecord->m_strName);
        ar.WriteString(pRecord->m_strPath);
    }
    RemoveStaleTempFiles(DirectoryOf(strFileName), FileNameOf(strFileName));
    // A crash or a full disk while saving must never leave half a folder list.
    return WriteFileAtomically(strFileName, ar.Data());
}

SFolderSettings CFolderSettingsFile::LoadFolderSettings(const std::string& strFileName,
                                                        const std::string& strDefaultFolderPath) const
{
    std::string data;
    std::string error;
    switch (ReadRegularFile(strFileName, nMaxSettingsFile, data, &error)) {
    case EReadStatus::ok:
        return ParseFolderSettings(data, strFileName);
    case EReadStatus::unopenable:
    case EReadStatus::notRegular: {
        SFolderSettings defaults;
        defaults.folders.push_back(CFolderRecord{"Sample Notes", strDefaultFolderPath});
        return defaults;
    }
    case EReadStatus::tooLarge:
    case EReadStatus::failed:
        break;
    }
    SFolderSettings failed;
    failed.strError = "The folder list cannot be read. " + error;
    return failed;
}

SFolderSettings CFolderSettingsFile::ParseFolderSettings(std::string_view data, const std::string& strFileName)
{
    SFolderSettings read;
    CArchiveReader ar(data);
    int32_t n = 0;
    if (!ar.ReadInt32(n)) {
        read.strError = "The folder list \"" + strFileName + "\" ends before its folder count.";
        return read;
    }
    for (int32_t i = 0; i < n; ++i) {
        CFolderRecord record;
        if (!ar.ReadString(record.m_strName) || !ar.ReadString(record.m_strPath)) {
            read.strError = "The folder list \"" + strFileName + "\" ends after " + std::to_string(i) + " of its " +
                            std::to_string(n) + " folders.";
            return read;
        }
        read.folders.push_back(std::move(record));
    }
    return read;
}
