#include "Archive.h"
#include "FolderSettingsFile.h"
#include "FolderList.h"
#include "TestUtil.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
std::string CountOnly(int32_t n)
{
    CArchiveWriter ar;
    ar.WriteInt32(n);
    return ar.Data();
}

CFolderList Tree(const SFolderSettings& read)
{
    CFolderList tree;
    for (const CFolderRecord& f : read.folders)
        tree.AddFolderItem(std::make_unique<CFolderRecord>(f));
    return tree;
}
} // namespace

TEST(FolderSettings, RoundTripAndDefaults)
{
    QTemporaryDir dir;
    const std::string file = dir.path().toStdString() + "/FolderSettings.set";
    CFolderSettingsFile settings;

    const SFolderSettings firstRead = settings.LoadFolderSettings(file, "/x/Sample Notes");
    EXPECT_TRUE(firstRead.strError.empty());
    CFolderList first = Tree(firstRead);
    ASSERT_EQ(first.m_folders.size(), 1u);
    EXPECT_EQ(first.m_folders[0]->m_strName, "Sample Notes");
    EXPECT_EQ(first.m_folders[0]->m_strPath, "/x/Sample Notes");
    ASSERT_TRUE(settings.SaveFolderSettings(file, first));
    EXPECT_EQ(ReadBytes(file), CountOnly(1) + "\x0CSample Notes\x0F/x/Sample Notes");

    CFolderList three;
    for (const char* name : {"Work", "Home", "Work"})
        three.AddFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{name, std::string("/notes/") + name}));
    ASSERT_TRUE(settings.SaveFolderSettings(file, three));
    const SFolderSettings back = settings.LoadFolderSettings(file, "/unused");
    EXPECT_TRUE(back.strError.empty());
    ASSERT_EQ(back.folders.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.folders[i].m_strName, three.m_folders[i]->m_strName);
        EXPECT_EQ(back.folders[i].m_strPath, three.m_folders[i]->m_strPath);
    }

    for (int32_t n : {0, -5}) {
        WriteBytes(file, CountOnly(n));
        const SFolderSettings none = settings.LoadFolderSettings(file, "/unused");
        EXPECT_TRUE(none.strError.empty());
        EXPECT_TRUE(none.folders.empty()) << n << ": nothing to add, so the selection is not touched";
    }
}

TEST(FolderSettings, TruncatedFileKeepsWhatWasRead)
{
    QTemporaryDir dir;
    const std::string file = dir.path().toStdString() + "/FolderSettings.set";
    WriteBytes(file, CountOnly(1000000) + "\x01"
                                          "A\x02/a"
                                          "\x01"
                                          "B");
    const SFolderSettings read = CFolderSettingsFile().LoadFolderSettings(file, "/unused");
    EXPECT_FALSE(read.strError.empty());
    CFolderList tree = Tree(read);
    ASSERT_EQ(tree.m_folders.size(), 1u);
    EXPECT_EQ(tree.m_folders[0]->m_strPath, "/a");
    EXPECT_NE(read.strError.find("FolderSettings.set"), std::string::npos);

    // A folder list that cannot be written says so.
    EXPECT_FALSE(CFolderSettingsFile().SaveFolderSettings(dir.path().toStdString() + "/missing/F.set", tree));
    QDir(dir.path()).mkdir("F.set");
    EXPECT_FALSE(CFolderSettingsFile().SaveFolderSettings(dir.path().toStdString() + "/F.set", tree));
}
