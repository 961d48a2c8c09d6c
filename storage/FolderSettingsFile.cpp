#include "FolderSettingsFile.h"

#include "Archive.h"
#include "AtomicFile.h"
#include "FolderTree.h"

#include <QFile>
#include <QString>

bool CFolderSettingsFile::SaveFolderSettings(const std::string& strFileName, const IFolderTree& tree) const
{
    CArchiveWriter ar;
    ar.WriteInt32(tree.GetItemCount() - 1);
    for (const CFolderRecord* pRecord : tree.GetFolderRecords()) {
        ar.WriteString(pRecord->m_strName);
        ar.WriteString(pRecord->m_strPath);
    }
    // A crash while saving must never leave half a folder list behind.
    return WriteFileAtomically(strFileName, ar.Data());
}

bool CFolderSettingsFile::LoadFolderSettings(const std::string& strFileName, IFolderTree& tree,
                                             const std::string& strDefaultFolderPath, std::string& strError) const
{
    strError.clear();
    QFile file(QString::fromStdString(strFileName));
    if (!file.open(QIODevice::ReadOnly)) {
        auto pRecord = std::make_unique<CFolderRecord>();
        pRecord->m_strName = "Sample Notes";
        pRecord->m_strPath = strDefaultFolderPath;
        tree.AddFolderItem(std::move(pRecord));
        tree.ExpandRoot();
        tree.SelectRoot();
        return true;
    }
    const QByteArray data = file.readAll();
    CArchiveReader ar(std::string_view(data.constData(), static_cast<size_t>(data.size())));
    int32_t n = 0;
    if (!ar.ReadInt32(n)) {
        strError = "The folder list \"" + strFileName + "\" ends before its folder count.";
        return false;
    }
    for (int32_t i = 0; i < n; ++i) {
        auto pRecord = std::make_unique<CFolderRecord>();
        if (!ar.ReadString(pRecord->m_strName) || !ar.ReadString(pRecord->m_strPath)) {
            strError = "The folder list \"" + strFileName + "\" ends after " + std::to_string(i) + " of its "
                       + std::to_string(n) + " folders.";
            return false;
        }
        tree.AddFolderItem(std::move(pRecord));
        tree.ExpandRoot();
        tree.SelectRoot();
    }
    return true;
}
