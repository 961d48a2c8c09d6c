// The file layer and the store against full disks, odd files and leftovers.
#include "FileIo.h"
#include "FolderList.h"
#include "FolderSettingsFile.h"
#include "TestUtil.h"

#include <QDir>

#include <gtest/gtest.h>

namespace
{
CFolderList Folders(int n)
{
    CFolderList tree;
    for (int i = 0; i < n; ++i)
        tree.AddFolderItem(std::make_unique<CFolderRecord>(
            CFolderRecord{"Folder " + std::to_string(i), "/notes/folder/" + std::to_string(i)}));
    return tree;
}
} // namespace

TEST(FileIo, WriteErrorsAreNeverLost)
{
    // /dev/full fails every write with ENOSPC, as a full disk does.
    const int fd = ::open("/dev/full", O_WRONLY);
    ASSERT_GE(fd, 0);
    const SFileResult full = WriteAllToFd(fd, std::string(100, 'x'), "the note");
    ::close(fd);
    EXPECT_FALSE(full);
    EXPECT_EQ(full.strError, "Cannot write \"the note\": No space left on device.");

    QTemporaryDir dir;
    const std::string path = dir.path().toStdString() + "/file";
    bool bExists = true;
    ASSERT_TRUE(CreateFileExclusively(path, "first", bExists));
    EXPECT_FALSE(bExists);
    EXPECT_FALSE(CreateFileExclusively(path, "second", bExists));
    EXPECT_TRUE(bExists);
    EXPECT_EQ(ReadBytes(path), "first") << "an existing file is never replaced";
    ASSERT_TRUE(WriteFileAtomically(path, "third"));
    EXPECT_EQ(ReadBytes(path), "third");
    EXPECT_EQ(SortedEntries(dir.path().toStdString()), std::vector<std::string>{"file"});
    EXPECT_TRUE(RemoveFile(path));
    EXPECT_TRUE(RemoveFile(path)) << "already gone counts as removed";

    std::string data;
    std::string error;
    EXPECT_EQ(ReadRegularFile(dir.path().toStdString(), 100, data, &error), EReadStatus::notRegular);
    EXPECT_EQ(ReadRegularFile("/dev/zero", 100, data), EReadStatus::notRegular);
    WriteBytes(path, std::string(101, 'b'));
    EXPECT_EQ(ReadRegularFile(path, 100, data, &error), EReadStatus::tooLarge);
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_EQ(ReadRegularFile(path, 101, data), EReadStatus::ok);
    EXPECT_EQ(data.size(), 101u);
}

TEST(FileIo, FullDiskKeepsTheOldFile)
{
    QTemporaryDir dir;
    const std::string disk = dir.path().toStdString();
    CSmallTmpfs tmpfs(disk, "size=64k");
    if (!tmpfs.IsMounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const std::string settings = disk + "/FolderSettings.set";
    ASSERT_TRUE(CFolderSettingsFile().SaveFolderSettings(settings, Folders(2)));
    const std::string before = ReadBytes(settings);
    tmpfs.Fill();

    const SFileResult saved = CFolderSettingsFile().SaveFolderSettings(settings, Folders(20));
    EXPECT_FALSE(saved);
    EXPECT_NE(saved.strError.find(settings), std::string::npos) << saved.strError;
    EXPECT_EQ(ReadBytes(settings), before);
    EXPECT_EQ(CFolderSettingsFile().LoadFolderSettings(settings, "/unused").folders.size(), 2u);
    EXPECT_EQ(SortedEntries(disk), (std::vector<std::string>{"FolderSettings.set", "filler"}));
}

TEST(FileIo, OnlyOurOwnStaleTemporaryFilesGo)
{
    SLoadedStore loaded;
    const std::string& d = loaded.folder;
    CNoteStore& store = loaded.store;
    const std::string settings = d + "/FolderSettings.set";
    const std::string stale = settings + pszTempMark + "Ab3xYz";
    WriteBytes(stale, "stale");
    AgeFile(stale, nStaleTempSeconds + 5);
    WriteBytes(settings + pszTempMark + "young1", "a save in progress");
    // The user's own files beside it, however old, and whatever their name
    // looks like (this was once our temporary files' form).
    for (const char* pszTail : {".backup", ".Ab3xYz", ".bak"}) {
        WriteBytes(settings + pszTail, "not ours");
        AgeFile(settings + pszTail, nStaleTempSeconds + 5);
    }
    ASSERT_TRUE(CFolderSettingsFile().SaveFolderSettings(settings, Folders(1)));
    EXPECT_EQ(SortedEntries(d),
              (std::vector<std::string>{"FolderSettings.set", "FolderSettings.set.Ab3xYz", "FolderSettings.set.backup",
                                        "FolderSettings.set.bak", "FolderSettings.set.qbtmp-young1"}));

    // A note save's leftover holds a whole note, but is never loaded as one.
    const CNoteRecord leftover = MakeNote("2026010100000010", "Leftover");
    const std::string noteFile = d + "/QB_2026010100000010.qbt";
    const std::string temp = noteFile + pszTempMark + "Q1w2E3";
    WriteBytes(temp, store.NoteFileBytes(leftover));
    AgeFile(temp, nStaleTempSeconds + 5);
    WriteBytes(noteFile + ".backup", "the user's copy");
    AgeFile(noteFile + ".backup", nStaleTempSeconds + 5);
    store.LoadFolder(d);
    EXPECT_EQ(store.GetCount(), 0);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(temp))) << "loading writes nothing";
    ASSERT_TRUE(store.AddNote(CNoteRecord()));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(temp)));
    EXPECT_EQ(ReadBytes(noteFile + ".backup"), "the user's copy");
}

TEST(NoteFiles, ChangesAndDeletionsActOnTheFileTheNoteCameFrom)
{
    SLoadedStore loaded;
    const std::string& d = loaded.folder;
    CNoteStore& store = loaded.store;
    const CNoteRecord note = MakeNote("2026010100000010", "Renamed");
    WriteBytes(d + "/renamed.qbt", store.NoteFileBytes(note));
    CNoteRecord other = note;
    other.m_strKey = "2026010100000011";
    WriteBytes(d + "/other name.qbt", store.NoteFileBytes(other));

    store.LoadFolder(d);
    EXPECT_EQ(store.GetNoteFile(note.m_strKey).Path(), d + "/renamed.qbt");
    EXPECT_FALSE(store.GetNoteFile("nothing").Exists());
    const SStoreResult deleted = store.DeleteNote(store.GetNote(note.m_strKey));
    EXPECT_TRUE(deleted);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(d + "/renamed.qbt")));
    store.LoadFolder(d);
    EXPECT_FALSE(store.HasNote(note.m_strKey)) << "a deleted note does not come back";

    // An update goes to the key's file; the older copy cannot win a later load.
    CNoteRecord changed = store.GetNote(other.m_strKey);
    changed.m_strTitle = "Changed";
    const SStoreResult updated = store.UpdateNote(changed);
    ASSERT_TRUE(updated);
    EXPECT_EQ(updated.strKey, other.m_strKey);
    EXPECT_EQ(SortedEntries(d), std::vector<std::string>{"QB_2026010100000011.qbt"});
    store.LoadFolder(d);
    EXPECT_EQ(store.GetNote(other.m_strKey).m_strTitle, "Changed");

    // Two files with one key: deleting the note deletes both.
    WriteBytes(d + "/copy.qbt", ReadBytes(d + "/QB_2026010100000011.qbt"));
    store.LoadFolder(d);
    EXPECT_EQ(store.GetCount(), 1);
    ASSERT_TRUE(store.DeleteNote(store.GetNote(other.m_strKey)));
    EXPECT_TRUE(SortedEntries(d).empty());
}

TEST(NoteFiles, DeletionToTheTrashCanBeUndone)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    // The desktop's trash of a home on the notes' own file system.
    const CScopedEnv home("HOME", d);
    CScopedEnv data("XDG_DATA_HOME", d + "/data");
    const std::string notes = d + "/notes";
    QDir().mkpath(QString::fromStdString(notes));
    SLoadedStore loaded(notes);
    CNoteStore& store = loaded.store;
    const SStoreResult added = store.AddNote(MakeNote("", "Gone for now"));
    const SStoreResult other = store.AddNote(MakeNote("", "Changed elsewhere"));
    ASSERT_TRUE(added && other);
    const std::string name = "QB_" + added.strKey + ".qbt";
    const std::string bytes = ReadBytes(notes + "/" + name);

    ASSERT_TRUE(store.DeleteNote(store.GetNote(added.strKey), CNoteStore::EDelete::toTrash));
    EXPECT_FALSE(store.HasNote(added.strKey));
    EXPECT_EQ(ReadBytes(d + "/data/Trash/files/" + name), bytes);
    EXPECT_NE(ReadBytes(d + "/data/Trash/info/" + name + ".trashinfo").find("Path=" + notes + "/" + name + "\n"),
              std::string::npos)
        << "where a file manager puts it back";

    // A file someone changed since it was read is neither trashed nor deleted.
    const std::string otherFile = notes + "/QB_" + other.strKey + ".qbt";
    WriteBytes(otherFile, ReadBytes(otherFile) + "x");
    const SStoreResult kept = store.DeleteNote(store.GetNote(other.strKey), CNoteStore::EDelete::toTrash);
    EXPECT_FALSE(kept);
    EXPECT_EQ(kept.eConflict, SStoreResult::EConflict::changedOnDisk);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(otherFile)));
    EXPECT_EQ(SortedEntries(d + "/data/Trash/files"), std::vector<std::string>{name});

    // A trash that cannot be made: said, not reported, and nothing deleted
    // until the caller asks for it.
    store.LoadFolder(notes);
    WriteBytes(d + "/blocked", "x");
    data.Set(d + "/blocked/data");
    const SStoreResult refused = store.DeleteNote(store.GetNote(other.strKey), CNoteStore::EDelete::toTrash);
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.bTrashRefused);
    EXPECT_NE(refused.strError.find(otherFile), std::string::npos) << refused.strError;
    EXPECT_TRUE(loaded.reporter.messages.empty());
    EXPECT_TRUE(store.HasNote(other.strKey));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(otherFile)));
    EXPECT_TRUE(store.DeleteNote(store.GetNote(other.strKey)));
    EXPECT_FALSE(QFile::exists(QString::fromStdString(otherFile)));
}
