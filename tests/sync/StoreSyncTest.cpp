// Another program writing into a loaded folder: the store never writes over
// a version it has not read, and takes in what changed without a reload.
#include "FileIo.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// The other machine: its own store over the same directory, saving the way
// sync tools deliver files, a whole new file renamed over the old one.
struct SOtherMachine : SLoadedStore
{
    using SLoadedStore::SLoadedStore;
    void Write(CNoteRecord note)
    {
        ASSERT_TRUE(WriteFileAtomically(CAppContext::GetNoteFilePath(folder, note), store.NoteFileBytes(note)));
    }
};

class StoreSync : public ::testing::Test, protected SLoadedStore
{
protected:
    std::string Add(const std::string& strTitle, const std::string& strNotes)
    {
        return store.AddNote(MakeNote("", strTitle, strNotes)).strKey;
    }

    SOtherMachine other{folder};
};
} // namespace

// The rule itself, on stamps made to order: times and size are trusted
// unless in doubt; then, and whenever they differ at the same size, the
// bytes decide.
TEST(FileStamp, StatusThenBytes)
{
    QTemporaryDir dir;
    const std::string path = dir.filePath("f").toStdString();
    WriteBytes(path, "version one");
    struct stat st
    {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    const int64_t nLater = FileClockNowNs() + nStampDoubtNs + 1;
    SFileStamp settled = MakeFileStamp(st, "version one", nLater + nStampDoubtNs);
    EXPECT_FALSE(settled.bInDoubt);
    EXPECT_TRUE(MakeFileStamp(st, "version one", FileClockNowNs()).bInDoubt) << "just changed";
    EXPECT_EQ(CheckFileStamp(path, settled, 1000), EFileCheck::same);

    // Same size and times, not in doubt: the status is trusted.
    SFileStamp otherBytes = MakeFileStamp(st, "version two", nLater + nStampDoubtNs);
    EXPECT_EQ(CheckFileStamp(path, otherBytes, 1000), EFileCheck::same);
    // In doubt: the bytes decide, both ways.
    otherBytes.bInDoubt = true;
    EXPECT_EQ(CheckFileStamp(path, otherBytes, 1000), EFileCheck::changed);
    settled.bInDoubt = true;
    EXPECT_EQ(CheckFileStamp(path, settled, 1000), EFileCheck::same);
    settled.bInDoubt = false;

    // Rewritten in place at the same size with other bytes: the times moved.
    WriteBytes(path, "version two");
    EXPECT_EQ(CheckFileStamp(path, settled, 1000), EFileCheck::changed);
    // The same bytes delivered again by rename (a sync setting the file
    // again): no change.
    ASSERT_TRUE(WriteFileAtomically(path, "version one"));
    EXPECT_EQ(CheckFileStamp(path, settled, 1000), EFileCheck::same);
    WriteBytes(path, "version one, longer");
    EXPECT_EQ(CheckFileStamp(path, settled, 1000), EFileCheck::changed);
    ASSERT_EQ(::unlink(path.c_str()), 0);
    EXPECT_EQ(CheckFileStamp(path, settled, 1000), EFileCheck::gone);
}

// UpdateNote after someone else changed the file: size, then times at the
// same size, then bytes at the same size and times, then a deletion. Each
// time the file on disk stays and the local version becomes a new note.
TEST_F(StoreSync, UpdateNeverWritesOverAnUnseenChange)
{
    const std::string key = Add("Plan", "local start");
    store.LoadFolder(folder);

    auto expectConflict = [&](SStoreResult::EConflict eKind, const std::string& strDiskNotes, const char* pszCase) {
        SCOPED_TRACE(pszCase);
        CNoteRecord mine = store.GetNote(key);
        mine.m_strNotes = std::string("mine: ") + pszCase;
        const SStoreResult saved = store.UpdateNote(mine);
        ASSERT_TRUE(saved);
        EXPECT_EQ(saved.eConflict, eKind);
        EXPECT_EQ(saved.strConflictOf, key);
        ASSERT_NE(saved.strKey, key);
        const CNoteRecord copy = store.GetNote(saved.strKey);
        EXPECT_EQ(copy.m_strTitle, "Plan (conflict copy)");
        EXPECT_EQ(copy.m_strNotes, mine.m_strNotes);
        EXPECT_EQ(store.GetNoteFile(saved.strKey).Path(), PathOf(saved.strKey));
        CNoteRecord onDisk;
        if (eKind == SStoreResult::EConflict::deletedOnDisk) {
            EXPECT_FALSE(std::filesystem::exists(PathOf(key))) << "a deleted note is not brought back";
            EXPECT_FALSE(store.HasNote(key));
        } else {
            ASSERT_EQ(CNoteStore::ReadNoteFile(PathOf(key), onDisk), CNoteStore::ReadResult::ok);
            EXPECT_EQ(onDisk.m_strNotes, strDiskNotes);
            EXPECT_EQ(store.GetNote(key).m_strNotes, strDiskNotes) << "the store takes the version on disk";
        }
        CNoteRecord back;
        ASSERT_EQ(CNoteStore::ReadNoteFile(PathOf(saved.strKey), back), CNoteStore::ReadResult::ok);
        EXPECT_EQ(back.m_strNotes, mine.m_strNotes);
        ASSERT_TRUE(store.DeleteNote(copy));
    };

    // 1. Another size, delivered by rename.
    CNoteRecord theirs = store.GetNote(key);
    theirs.m_strNotes = "their longer text";
    other.Write(theirs);
    expectConflict(SStoreResult::EConflict::changedOnDisk, "their longer text", "size");

    // 2. The same size, written in place: only the times tell.
    theirs.m_strNotes = "their LONGER text";
    const std::string bytes = store.NoteFileBytes(theirs);
    ASSERT_EQ(bytes.size(), std::filesystem::file_size(PathOf(key)));
    WriteBytes(PathOf(key), bytes);
    expectConflict(SStoreResult::EConflict::changedOnDisk, "their LONGER text", "times");

    // 3. The same size and modification time: written in place and the time
    // put back. The bytes decide.
    theirs.m_strNotes = "their lONGER text";
    ASSERT_TRUE(RewriteKeepingTimes(PathOf(key), store.NoteFileBytes(theirs)));
    expectConflict(SStoreResult::EConflict::changedOnDisk, "their lONGER text", "bytes");

    // 4. Deleted.
    ASSERT_EQ(::unlink(PathOf(key).c_str()), 0);
    expectConflict(SStoreResult::EConflict::deletedOnDisk, "", "deleted");
}

// What is not a conflict: the file as read, the same bytes delivered again,
// a note never written; and a file the store never read is replaced only
// when it is the version the note was read as.
TEST_F(StoreSync, UpdateWritesWhenNothingChanged)
{
    const std::string key = Add("Plan", "one");
    CNoteRecord note = store.GetNote(key);
    note.m_strNotes = "two";
    SStoreResult saved = store.UpdateNote(note);
    EXPECT_EQ(saved.eConflict, SStoreResult::EConflict::none) << "right after our own write";
    note = store.GetNote(key);
    ASSERT_TRUE(WriteFileAtomically(PathOf(key), ReadBytes(PathOf(key))));
    note.m_strNotes = "three";
    saved = store.UpdateNote(note);
    EXPECT_EQ(saved.eConflict, SStoreResult::EConflict::none) << "the same bytes again";
    EXPECT_EQ(NotesIn(folder), (NoteTexts{{"Plan", "three"}}));

    // Another store's record of this note: the file is that very version.
    SLoadedStore fresh(folder);
    CNoteRecord stray = store.GetNote(key);
    stray.m_strNotes = "four";
    EXPECT_EQ(fresh.store.UpdateNote(stray).eConflict, SStoreResult::EConflict::none);
    stray.m_strNotes = "five, from an old copy";
    const SStoreResult late = fresh.store.UpdateNote(stray);
    EXPECT_EQ(late.eConflict, SStoreResult::EConflict::none) << "the store wrote it itself";
    // A store of this folder that has not read the note.
    SLoadedStore stale(folder);
    stale.store.ClearNotes();
    CNoteRecord older = store.GetNote(key);
    older.m_dtModified = CDateTime::FromFields(2020, 1, 1);
    const SStoreResult old = stale.store.UpdateNote(older);
    EXPECT_EQ(old.eConflict, SStoreResult::EConflict::changedOnDisk) << "an older version than the file";
    EXPECT_EQ(NotesIn(folder), (NoteTexts{{"Plan", "five, from an old copy"}, {"Plan (conflict copy)", "three"}}));
}

// Files added, replaced, removed and still being written (then completed),
// taken in without a reload; our own writes are no change.
TEST_F(StoreSync, RefreshTakesInOnlyWhatChanged)
{
    const std::string a = Add("A", "a");
    const std::string b = Add("B", "b");
    const std::string c = Add("C", "c");
    store.LoadFolder(folder);
    SFolderChanges changes = store.RefreshFolder();
    EXPECT_FALSE(changes.Any());

    CNoteRecord newB = store.GetNote(b);
    newB.m_strNotes = "b from elsewhere";
    other.Write(newB);
    const CNoteRecord d = MakeNote("2026120700000010", "D");
    other.Write(d);
    ASSERT_EQ(::unlink(PathOf(c).c_str()), 0);
    changes = store.RefreshFolder();
    EXPECT_EQ(changes.changed, std::vector<std::string>{b});
    EXPECT_EQ(changes.added, std::vector<std::string>{d.m_strKey});
    EXPECT_EQ(changes.removed, std::vector<std::string>{c});
    EXPECT_TRUE(changes.damaged.empty());
    EXPECT_EQ(store.GetNote(b).m_strNotes, "b from elsewhere");
    EXPECT_EQ(store.GetCount(), 3);

    // Our own saves are known already.
    CNoteRecord mine = store.GetNote(a);
    mine.m_strNotes = "a, saved here";
    ASSERT_EQ(store.UpdateNote(mine).eConflict, SStoreResult::EConflict::none);
    ASSERT_TRUE(store.AddNote(CNoteRecord()));
    EXPECT_FALSE(store.RefreshFolder().Any());
    // And a refreshed note is saved over without a conflict.
    EXPECT_EQ(store.UpdateNote(store.GetNote(b)).eConflict, SStoreResult::EConflict::none);

    // A file still arriving is damaged: told while it stays so, read once it
    // is whole, and told no more.
    const CNoteRecord e = MakeNote("2026120700000011", "E", std::string(500, 'e'));
    const std::string whole = store.NoteFileBytes(e);
    WriteBytes(PathOf(e.m_strKey), whole.substr(0, 100));
    changes = store.RefreshFolder();
    EXPECT_FALSE(changes.Any());
    EXPECT_EQ(changes.damaged, std::vector<std::string>{PathOf(e.m_strKey)});
    changes = store.RefreshFolder();
    EXPECT_EQ(changes.damaged, std::vector<std::string>{PathOf(e.m_strKey)}) << "still damaged, still told";
    WriteBytes(PathOf(e.m_strKey), whole);
    changes = store.RefreshFolder();
    EXPECT_EQ(changes.added, std::vector<std::string>{e.m_strKey});
    EXPECT_TRUE(changes.damaged.empty());
    EXPECT_EQ(store.GetNote(e.m_strKey).m_strNotes, e.m_strNotes);

    // A file that now holds another note: the old one leaves, the new comes.
    const CNoteRecord f = MakeNote("2026120700000012", "F");
    ASSERT_TRUE(WriteFileAtomically(PathOf(e.m_strKey), store.NoteFileBytes(f)));
    changes = store.RefreshFolder();
    EXPECT_EQ(changes.added, std::vector<std::string>{f.m_strKey});
    EXPECT_EQ(changes.removed, std::vector<std::string>{e.m_strKey});

    // A folder gone away (a share unmounted) changes nothing.
    const std::string moved = folder + "-away";
    ASSERT_EQ(::rename(folder.c_str(), moved.c_str()), 0);
    const int nBefore = store.GetCount();
    EXPECT_FALSE(store.RefreshFolder().Any());
    EXPECT_EQ(store.GetCount(), nBefore);
    ASSERT_EQ(::rename(moved.c_str(), folder.c_str()), 0);
}

// A big folder's files are looked at on several threads: a change at
// either end or in the middle of the listing is found, once.
TEST_F(StoreSync, RefreshOfABigFolderMissesNothing)
{
    for (int i = 0; i < 10000; ++i) {
        const CNoteRecord n = MakeNote(std::to_string(2026120710000000 + i), "N");
        WriteBytes(PathOf(n.m_strKey), store.NoteFileBytes(n));
    }
    store.LoadFolder(folder);
    ASSERT_EQ(store.GetCount(), 10000);
    const std::vector<std::string> names = ListedEntries(folder);
    auto keyOf = [](const std::string& name) { return name.substr(3, name.size() - 7); };
    const std::string first = keyOf(names.front()), middle = keyOf(names[names.size() / 2]), last = keyOf(names.back());
    for (const std::string& key : {first, last})
        other.Write(MakeNote(key, "N", "changed elsewhere"));
    ASSERT_EQ(::unlink(PathOf(middle).c_str()), 0);
    const SFolderChanges changes = store.RefreshFolder();
    EXPECT_EQ(std::set<std::string>(changes.changed.begin(), changes.changed.end()), (std::set<std::string>{first, last}));
    EXPECT_EQ(changes.changed.size(), 2u);
    EXPECT_EQ(changes.removed, std::vector<std::string>{middle});
    EXPECT_TRUE(changes.added.empty());
    EXPECT_EQ(store.GetNote(last).m_strNotes, "changed elsewhere");
}

// Sync tools keep both sides of a clash as files holding the same key. Each
// version is listed, the key's own file keeps the key, a save never deletes
// the other version, and a deletion never takes a version nobody has seen.
TEST_F(StoreSync, ConflictFilesAndDeletionsKeepEveryVersion)
{
    const std::string key = Add("Plan", "mine");
    CNoteRecord theirs = store.GetNote(key);
    theirs.m_strNotes = "theirs";
    const std::string conflictFile = folder + "/QB_" + key + ".sync-conflict-20261207-101010-ABCDEFG.qbt";
    WriteBytes(conflictFile, store.NoteFileBytes(theirs));
    // A plain copy of the same bytes is the same note, listed once.
    WriteBytes(folder + "/copy.qbt", ReadBytes(PathOf(key)));

    store.LoadFolder(folder);
    ASSERT_EQ(store.GetCount(), 2);
    EXPECT_EQ(store.GetNote(key).m_strNotes, "mine");
    std::string conflictKey;
    store.ForEach([&](const CNoteRecord& n) {
        if (n.m_strKey != key)
            conflictKey = n.m_strKey;
    });
    const CNoteRecord copy = store.GetNote(conflictKey);
    EXPECT_EQ(copy.m_strTitle, "Plan (conflict copy)");
    EXPECT_EQ(copy.m_strNotes, "theirs");
    EXPECT_FALSE(IsPlainNoteKey(conflictKey)) << "never used as a file name";

    // Saving the other version gives it a key of its own; the key's own file
    // keeps the first version.
    CNoteRecord merged = copy;
    merged.m_strNotes = "theirs, read";
    const SStoreResult saved = store.UpdateNote(merged);
    ASSERT_TRUE(saved) << saved.strError;
    EXPECT_TRUE(IsPlainNoteKey(saved.strKey));
    EXPECT_FALSE(std::filesystem::exists(conflictFile));
    EXPECT_EQ(NotesIn(folder), (NoteTexts{{"Plan", "mine"}, {"Plan (conflict copy)", "theirs, read"}}));

    // A clash arriving while the folder is loaded is listed beside the note,
    // and the note's next save leaves it.
    CNoteRecord third = store.GetNote(key);
    third.m_strTitle = "Plan, third";
    WriteBytes(folder + "/QB_" + key + " (conflicted copy 2026-12-07).qbt", store.NoteFileBytes(third));
    const SFolderChanges changes = store.RefreshFolder();
    EXPECT_EQ(changes.added.size(), 1u);
    EXPECT_TRUE(changes.changed.empty());
    EXPECT_EQ(store.GetNote(key).m_strTitle, "Plan");
    CNoteRecord mine = store.GetNote(key);
    mine.m_strNotes = "mine, edited";
    ASSERT_TRUE(store.UpdateNote(mine));
    EXPECT_EQ(NotesIn(folder).count({"Plan, third (conflict copy)", "mine"}), 1u);

    // Deleting a note whose file another machine changed meanwhile: nothing
    // is deleted, and the store shows that version.
    CNoteRecord newer = store.GetNote(key);
    newer.m_strNotes = "newer, from elsewhere";
    other.Write(newer);
    const SStoreResult deleted = store.DeleteNote(store.GetNote(key));
    EXPECT_FALSE(deleted);
    EXPECT_EQ(deleted.eConflict, SStoreResult::EConflict::changedOnDisk);
    EXPECT_NE(deleted.strError.find(PathOf(key)), std::string::npos);
    EXPECT_EQ(store.GetNote(key).m_strNotes, "newer, from elsewhere");
    EXPECT_EQ(NotesIn(folder).count({"Plan", "newer, from elsewhere"}), 1u);
    // Seen now, it can go.
    ASSERT_TRUE(store.DeleteNote(store.GetNote(key)));
    EXPECT_FALSE(std::filesystem::exists(PathOf(key)));
    EXPECT_FALSE(store.HasNote(key));
}

// A file system hands a freed inode number to the next file: a note replaced
// twice by rename may sit on the inode it was read from, at the same size.
// Here the first inode is kept alive by a second link and comes back.
TEST_F(StoreSync, RefreshSeesANoteReplacedOntoItsOldInode)
{
    CNoteRecord note = MakeNote("2026120700000010", "version 1");
    other.Write(note);
    store.LoadFolder(folder);
    const std::string held = folder + "/held";
    ASSERT_EQ(::link(PathOf(note.m_strKey).c_str(), held.c_str()), 0);
    note.m_strTitle = "version 2";
    other.Write(note);
    note.m_strTitle = "version 3";
    const std::string v3 = store.NoteFileBytes(note);
    const int fd = ::open(held.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, v3.data(), v3.size(), 0), ssize_t(v3.size()));
    ::close(fd);
    ASSERT_EQ(::rename(held.c_str(), PathOf(note.m_strKey).c_str()), 0);

    const SFolderChanges changes = store.RefreshFolder();
    EXPECT_EQ(changes.changed, std::vector<std::string>{note.m_strKey});
    EXPECT_EQ(store.GetNote(note.m_strKey).m_strTitle, "version 3");
}

// A file may hold any key, also the one a sync tool's conflict file is held
// under. Whatever the listing order, every file is a note of its own, and
// deleting one removes its file only.
TEST_F(StoreSync, CraftedKeysNeverHideANoteOrShareItsDeletion)
{
    constexpr int nSets = 8;
    for (int i = 0; i < nSets; ++i) {
        const std::string key = "202612070000" + std::to_string(1000 + i);
        CNoteRecord n = MakeNote(key, "own " + std::to_string(i));
        other.Write(n);
        n.m_strTitle = "clash " + std::to_string(i);
        WriteBytes(folder + "/B" + std::to_string(i) + ".qbt", store.NoteFileBytes(n));
        n.m_strKey = key + "/B" + std::to_string(i) + ".qbt";
        n.m_strTitle = "crafted " + std::to_string(i);
        WriteBytes(folder + "/C" + std::to_string(i) + ".qbt", store.NoteFileBytes(n));
    }
    store.LoadFolder(folder);
    ASSERT_EQ(store.GetCount(), 3 * nSets);
    const NoteTexts listed = NotesIn(folder);
    ASSERT_EQ(std::set<NoteTexts::value_type>(listed.begin(), listed.end()).size(), size_t(3 * nSets))
        << "every title listed";

    std::vector<CNoteRecord> notes;
    store.ForEach([&](const CNoteRecord& n) { notes.push_back(n); });
    size_t nFiles = SortedEntries(folder).size();
    for (const CNoteRecord& n : notes) {
        ASSERT_TRUE(store.DeleteNote(n)) << n.m_strTitle;
        EXPECT_EQ(SortedEntries(folder).size(), --nFiles) << n.m_strTitle;
    }
}
