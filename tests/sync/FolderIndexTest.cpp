// A folder's index in the user's cache saves reading its files, but only
// where the files still agree with it; an index that cannot be trusted is
// not used at all.
#include "AppContext.h"
#include "FileIo.h"
#include "FolderIndex.h"
#include "NoteStore.h"
#include "TestUtil.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
class FolderIndex : public ::testing::Test
{
protected:
    FolderIndex() : app(Dir())
    {
        app.m_strIndexDir = cache.path().toStdString();
        CNoteStore writer(app);
        writer.LoadFolder(Dir());
        for (const char* title : {"A", "B", "C", "D", "E"}) {
            keys[title] = writer.AddNote(MakeNote("", title, std::string("on disk ") + title), 10).strKey;
        }
    }
    std::string Dir() const { return dir.path().toStdString(); }
    std::string PathOf(const char* title) { return Dir() + "/QB_" + keys[title] + ".qbt"; }

    // An index of the folder as the files are now, each note's text "indexed"
    // so a note shown from it is told from one read from its file; E's
    // stamp in doubt.
    SFolderIndexContent IndexNow(const std::string& strDir)
    {
        CNoteStore store(app);
        store.LoadFolder(strDir);
        store.WaitForFolderIndex();
        SFolderIndexContent content;
        content.strDir = CFolderIndex::CanonicalDirectory(strDir);
        struct stat st
        {};
        ::stat(strDir.c_str(), &st);
        content.nDirDevice = st.st_dev;
        content.nDirInode = st.st_ino;
        store.ForEach([&](const CNoteRecord& n) {
            auto rec = std::make_shared<CNoteRecord>(n);
            rec->m_strNotes = "indexed";
            SIndexedNote indexed{"QB_" + n.m_strKey + ".qbt", store.GetNoteFile(n.m_strKey).stamp, rec, {}};
            indexed.stamp.bInDoubt = n.m_strTitle == "E";
            content.notes.push_back(indexed);
        });
        return content;
    }
    // Title -> notes text of a store filled the quick way.
    std::map<std::string, std::string> Shown(CNoteStore& store)
    {
        std::map<std::string, std::string> notes;
        store.ForEach([&](const CNoteRecord& n) { notes[n.m_strTitle] = n.m_strNotes; });
        return notes;
    }
    // "on disk" made "on d<c>sk": other text of the same length.
    static std::string Altered(std::string bytes, char c)
    {
        bytes[bytes.find("disk") + 1] = c;
        return bytes;
    }

    QTemporaryDir dir;
    QTemporaryDir cache;
    CAppContext app;
    std::map<std::string, std::string> keys;
};
} // namespace

TEST_F(FolderIndex, ShownFromIndexOnlyWhereFilesAgree)
{
    ASSERT_TRUE(CFolderIndex::Write(app.m_strIndexDir, IndexNow(Dir())));

    // While closed: B rewritten, same size, same modification time; C's
    // file replaced by another renamed over it; D deleted; F added.
    ASSERT_TRUE(RewriteKeepingTimes(PathOf("B"), Altered(ReadBytes(PathOf("B")), 'x')));
    {
        WriteBytes(Dir() + "/new", Altered(ReadBytes(PathOf("C")), 'y'));
        struct stat st
        {};
        ::stat(PathOf("C").c_str(), &st);
        const timespec times[2] = {st.st_atim, st.st_mtim};
        ::utimensat(AT_FDCWD, (Dir() + "/new").c_str(), times, 0);
        ASSERT_EQ(std::rename((Dir() + "/new").c_str(), PathOf("C").c_str()), 0);
    }
    ASSERT_EQ(::unlink(PathOf("D").c_str()), 0);
    ASSERT_TRUE(SLoadedStore(Dir()).store.AddNote(MakeNote("", "F", "on disk F")));

    CNoteStore store(app);
    store.LoadFolderChecked(Dir());
    const std::map<std::string, std::string> expected{
        {"A", "indexed"},   // unchanged: not read
        {"B", "on dxsk B"}, // its change time tells
        {"C", "on dysk C"}, // another inode
        {"E", "on disk E"}, // in doubt: its file decides
        {"F", "on disk F"},
    };
    EXPECT_EQ(Shown(store), expected);
}

// A note taken from the index carries the stamp it had then: a file changed
// since is never written over, even before any check.
TEST_F(FolderIndex, WriteOfIndexedNoteChecksTheFile)
{
    ASSERT_TRUE(CFolderIndex::Write(app.m_strIndexDir, IndexNow(Dir())));
    ASSERT_TRUE(RewriteKeepingTimes(PathOf("A"), Altered(ReadBytes(PathOf("A")), 'z')));
    const std::string changed = ReadBytes(PathOf("A"));

    CNoteStore store(app);
    ASSERT_TRUE(store.LoadFolderIndex(Dir()));
    CNoteRecord note = store.GetNote(keys["A"]);
    note.m_strNotes = "typed";
    const SStoreResult saved = store.UpdateNote(note);
    EXPECT_EQ(saved.eConflict, SStoreResult::EConflict::changedOnDisk);
    EXPECT_EQ(ReadBytes(PathOf("A")), changed);
}

// A note listed from the index holds its text aside until asked for it: the
// text comes from the index, or from the file when the index's bytes no
// longer match; a record without its text is never written, and an index
// written from such records keeps every text.
TEST_F(FolderIndex, TextsHeldAsideAreReadOnDemandAndNeverLost)
{
    ASSERT_TRUE(CFolderIndex::Write(app.m_strIndexDir, IndexNow(Dir())));
    const std::string before = ReadBytes(PathOf("A"));
    {
        CNoteStore store(app);
        ASSERT_TRUE(store.LoadFolderIndex(Dir()));
        const auto pListed = store.GetShared(keys["A"]);
        ASSERT_TRUE(pListed && pListed->m_bNotesAside);
        EXPECT_EQ(pListed->m_strNotes, "");
        EXPECT_EQ(store.NotesText(*pListed), "indexed");
        EXPECT_EQ(store.GetNote(keys["A"]).m_strNotes, "indexed");
        EXPECT_FALSE(store.UpdateNote(*pListed));
        EXPECT_FALSE(store.AddNote(*pListed));
        EXPECT_EQ(ReadBytes(PathOf("A")), before);
        int nFound = 0;
        store.FindNotes(false, "Indexed", [&](const CNoteRecord&) { ++nFound; });
        EXPECT_EQ(nFound, 5);
        // With the order a list showed them in.
        std::vector<const CNoteRecord*> order;
        for (const char* title : {"E", "D", "C", "B", "A"})
            order.push_back(store.GetShared(keys[title]).get());
        store.SetListOrder("by title", order);
        EXPECT_TRUE(store.ListOrderUnsaved());
        store.WriteFolderIndex();
        store.WaitForFolderIndex();
    }

    CNoteStore store(app);
    ASSERT_TRUE(store.LoadFolderIndex(Dir()));
    std::vector<std::shared_ptr<const CNoteRecord>> ordered;
    ASSERT_TRUE(store.GetListOrder("by title", ordered));
    EXPECT_EQ(ordered.front()->m_strTitle, "E");
    EXPECT_EQ(ordered.back()->m_strTitle, "A");
    EXPECT_FALSE(store.ListOrderUnsaved());
    EXPECT_EQ(Shown(store), (std::map<std::string, std::string>{
                                {"A", "indexed"}, {"B", "indexed"}, {"C", "indexed"}, {"D", "indexed"}, {"E", "indexed"}}));
    // The index's texts changed in place, same size: the file gives the text.
    const std::string indexPath = CFolderIndex::IndexPath(app.m_strIndexDir, CFolderIndex::CanonicalDirectory(Dir()));
    std::string bytes = ReadBytes(indexPath);
    for (size_t at = bytes.find("indexed"); at != std::string::npos; at = bytes.find("indexed", at))
        bytes.replace(at, 7, "INDEXED");
    ASSERT_TRUE(RewriteKeepingTimes(indexPath, bytes));
    EXPECT_EQ(store.GetNote(keys["A"]).m_strNotes, "on disk A");
    // And the file changed too: no text at all, and nothing written.
    ASSERT_TRUE(RewriteKeepingTimes(PathOf("A"), Altered(before, 'q')));
    const CNoteRecord unread = store.GetNote(keys["A"]);
    EXPECT_TRUE(unread.m_bNotesAside);
    EXPECT_EQ(store.NotesText(unread), "");
    EXPECT_FALSE(store.UpdateNote(unread));
    EXPECT_EQ(ReadBytes(PathOf("A")), Altered(before, 'q'));
    // The index cut short under the store: its texts cannot be read at all,
    // and every note whose file is as it was gives the file's.
    ASSERT_EQ(::truncate(indexPath.c_str(), static_cast<off_t>(bytes.size() - 3)), 0);
    EXPECT_EQ(Shown(store), (std::map<std::string, std::string>{
                                {"A", ""}, {"B", "on disk B"}, {"C", "on disk C"}, {"D", "on disk D"}, {"E", "on disk E"}}));
}

// A big index is read in two halves at once: every note comes back in its
// place, with its list rank and its text.
TEST_F(FolderIndex, BigIndexReadsBackWhole)
{
    SFolderIndexContent content = IndexNow(Dir());
    content.notes.clear();
    content.strListOrderId = "title order";
    for (int i = 0; i < 10001; ++i) {
        auto rec = std::make_shared<CNoteRecord>(MakeNote(std::to_string(1000000 + i), "T" + std::to_string(i),
                                                          i % 3 ? "text " + std::to_string(i) : ""));
        content.notes.push_back({"QB_" + rec->m_strKey + ".qbt", {}, rec, {}, static_cast<uint32_t>(i * 7 % 10001)});
        content.notes.back().stamp.nSize = i;
    }
    ASSERT_TRUE(CFolderIndex::Write(app.m_strIndexDir, content));
    SFolderIndexContent read;
    ASSERT_TRUE(CFolderIndex::Read(app.m_strIndexDir, Dir(), read));
    ASSERT_EQ(read.notes.size(), content.notes.size());
    EXPECT_EQ(read.strListOrderId, "title order");
    for (size_t i = 0; i < read.notes.size(); ++i) {
        const SIndexedNote& n = read.notes[i];
        ASSERT_EQ(n.strName, content.notes[i].strName);
        ASSERT_EQ(n.rec->m_strTitle, content.notes[i].rec->m_strTitle);
        ASSERT_EQ(n.stamp.nSize, static_cast<int64_t>(i));
        ASSERT_EQ(n.nListRank, content.notes[i].nListRank);
        std::string text;
        ASSERT_EQ(n.rec->m_bNotesAside, i % 3 != 0);
        ASSERT_TRUE(!n.rec->m_bNotesAside || read.pTexts->Read(n.textAt, text));
        ASSERT_EQ(text, content.notes[i].rec->m_strNotes);
    }
}

TEST_F(FolderIndex, UntrustedIndexIsIgnoredThenRebuilt)
{
    const std::string indexPath = CFolderIndex::IndexPath(app.m_strIndexDir, CFolderIndex::CanonicalDirectory(Dir()));
    QTemporaryDir otherDir;
    const std::string otherPath = otherDir.path().toStdString();
    WriteBytes(otherPath + "/" + FileNameOf(PathOf("A")), ReadBytes(PathOf("A")));

    std::string damaged = CFolderIndex::Encode(IndexNow(Dir()));
    damaged[damaged.size() / 2] ^= 1;
    SFolderIndexContent content = IndexNow(Dir());
    std::map<std::string, std::string> untrusted{
        {"damaged", damaged},
        {"future version", CFolderIndex::Encode(content, CFolderIndex::nVersion + 1)},
        {"of another folder", CFolderIndex::Encode(IndexNow(otherPath))},
        {"cut short", CFolderIndex::Encode(content).substr(0, 200)},
    };
    // The folder's directory made anew under its name.
    content.nDirInode += 1;
    untrusted["of a directory since replaced"] = CFolderIndex::Encode(content);

    for (const auto& [what, bytes] : untrusted) {
        ASSERT_TRUE(WriteFileAtomically(indexPath, bytes));
        CNoteStore store(app);
        EXPECT_FALSE(store.LoadFolderIndex(Dir())) << what;
        store.LoadFolderChecked(Dir());
        store.WaitForFolderIndex();
        EXPECT_EQ(Shown(store).at("A"), "on disk A") << what;
        // Rebuilt by that load, from the files.
        CNoteStore next(app);
        EXPECT_TRUE(next.LoadFolderIndex(Dir())) << what;
        EXPECT_EQ(Shown(next).at("B"), "on disk B") << what;
        EXPECT_EQ(next.GetCount(), 5) << what;
    }
}
