#include "NoteRowList.h"
#include "TestUtil.h"
#include "TextMatch.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <set>

namespace
{
class CRows : public CNoteRowList
{
public:
    std::vector<std::string> Titles() const
    {
        std::vector<std::string> out;
        for (const auto& r : m_rows)
            out.push_back(r.first.strTitle);
        return out;
    }
};

class NoteStoreTest : public ::testing::Test, protected SLoadedStore
{
protected:
    std::vector<std::string> Keys() const
    {
        std::vector<std::string> keys;
        store.ForEach([&](const CNoteRecord& n) { keys.push_back(n.m_strKey); });
        return keys;
    }
};
} // namespace

TEST_F(NoteStoreTest, NoteFileLayout)
{
    CNoteRecord empty;
    empty.m_strKey.clear();
    const std::string path = store.WriteNoteFile(empty);
    EXPECT_EQ(path, folder + "/QB_.qbt");
    const std::string bytes = ReadBytes(path);
    ASSERT_EQ(bytes.size(), 74u);
    EXPECT_EQ(bytes.substr(0, 17), std::string("\x08Quillbox\0\0\0\0\0\0\xF0\x3F", 17));
    EXPECT_EQ(bytes.substr(17, 5), std::string(5, '\0'));

    CNoteRecord n = MakeNote("2005091711344410", "Shopping");
    n.m_strComments = "Weekly";
    n.m_strKeywords = "food";
    n.m_strNotes = std::string(300, 'm') + "\r\nbread";
    n.m_nIcon = 218;
    n.m_dtDate = CDateTime::FromFields(2005, 9, 17, 11, 34, 44);
    n.m_bHasDate = 0; // the date is still written and read back
    n.m_nModifiedAt = 2;
    n.m_nPriority = 7;
    const std::string file = store.WriteNoteFile(n);
    EXPECT_EQ(file, folder + "/QB_2005091711344410.qbt");
    const std::string written = ReadBytes(file);
    EXPECT_EQ(written.substr(17, 17), "\x10"
                                      "2005091711344410");
    EXPECT_EQ(written.size(), 17u + 17 + 9 + 7 + 5 + (3 + 307) + 52);
    CNoteRecord back;
    ASSERT_EQ(CNoteStore::ReadNoteFile(file, back), CNoteStore::ReadResult::ok);
    EXPECT_EQ(back, n);
}

TEST_F(NoteStoreTest, ForeignHeaderIsReadAndKeyComesFromContents)
{
    CNoteRecord n = MakeNote("2001010101010110", "Inside");
    const std::string original = ReadBytes(store.WriteNoteFile(n));
    std::string foreign = std::string("\x05Other", 6) + std::string("\0\0\0\0\0\0\0\x40", 8) + original.substr(17);
    WriteBytes(folder + "/renamed.qbt", foreign);
    QFile::remove(QString::fromStdString(folder + "/QB_2001010101010110.qbt"));
    EXPECT_TRUE(store.LoadFolder(folder).empty());
    ASSERT_TRUE(store.HasNote("2001010101010110"));
    store.UpdateNote(store.GetNote("2001010101010110"));
    EXPECT_EQ(ReadBytes(folder + "/QB_2001010101010110.qbt").substr(0, 9), "\x08Quillbox");
}

TEST_F(NoteStoreTest, EnumerationOrderFollowsBuckets)
{
    EXPECT_EQ(CNoteStore::BucketHash("2005091711344410"), 2781251050u);
    EXPECT_EQ(CNoteStore::BucketHash("2005091711344410") % 17, 16u);
    EXPECT_EQ(CNoteStore::BucketHash("2005091711344510"), 2781252139u);
    EXPECT_EQ(CNoteStore::BucketHash("2005091711344510") % 17, 0u);

    store.UpdateNote(MakeNote("2005091711344410", "b16"));
    store.UpdateNote(MakeNote("2005091711344510", "b0"));
    EXPECT_EQ(Keys(), (std::vector<std::string>{"2005091711344510", "2005091711344410"}));

    // Two keys of one bucket: newest first; replacing keeps the place.
    std::vector<std::string> same;
    for (int i = 0; i < 1000 && same.size() < 2; ++i) {
        const std::string k = "k" + std::to_string(i);
        if (CNoteStore::BucketHash(k) % 17 == 5)
            same.push_back(k);
    }
    ASSERT_EQ(same.size(), 2u);
    store.ClearNotes();
    store.UpdateNote(MakeNote(same[0], "old"));
    store.UpdateNote(MakeNote(same[1], "new"));
    EXPECT_EQ(Keys(), (std::vector<std::string>{same[1], same[0]}));
    store.UpdateNote(MakeNote(same[0], "old, changed"));
    EXPECT_EQ(Keys(), (std::vector<std::string>{same[1], same[0]}));
    EXPECT_EQ(store.GetNote(same[0]).m_strTitle, "old, changed");
    EXPECT_EQ(store.GetCount(), 2);
}

TEST_F(NoteStoreTest, OperationsWriteThrough)
{
    const CNoteRecord missing = store.GetNote("nothing");
    EXPECT_TRUE(missing.m_strKey.empty());
    EXPECT_EQ(missing.m_nPriority, 1);
    EXPECT_TRUE(missing.m_dtCreated.IsValid());

    CNoteRecord n = MakeNote("", "First");
    n.m_nModifiedAt = 1;
    const std::string key = store.AddNote(n, 10).strKey;
    ASSERT_EQ(key.size(), 16u);
    EXPECT_EQ(key.substr(14), "10");
    EXPECT_EQ(store.GetNote(key).m_nModifiedAt, 1) << "AddNote keeps the caller's values";
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder + "/QB_" + key + ".qbt")));

    // A key used in the same second by the store or by a file moves on.
    const std::string second = store.AddNote(MakeNote("", "Second"), 10).strKey;
    EXPECT_NE(second, key);
    WriteBytes(folder + "/QB_" + second.substr(0, 14) + "12.qbt", "x");
    WriteBytes(folder + "/QB_" + second.substr(0, 14) + "13.qbt", "x");
    for (int i = 0; i < 3; ++i)
        store.AddNote(MakeNote("", "More"), 10);
    EXPECT_EQ(store.GetCount(), 5);
    EXPECT_EQ(ReadBytes(folder + "/QB_" + second.substr(0, 14) + "12.qbt"), "x") << "never overwritten";

    CNoteRecord elsewhere = MakeNote("2000010100000000", "Imported");
    elsewhere.m_nModifiedAt = 2;
    EXPECT_TRUE(store.UpdateNote(elsewhere));
    EXPECT_EQ(store.GetNote("2000010100000000").m_nModifiedAt, 0);
    EXPECT_TRUE(QFile::exists(QString::fromStdString(folder + "/QB_2000010100000000.qbt")));

    store.ClearNotes();
    QFile::remove(QString::fromStdString(folder + "/QB_" + second.substr(0, 14) + "12.qbt"));
    QFile::remove(QString::fromStdString(folder + "/QB_" + second.substr(0, 14) + "13.qbt"));
    EXPECT_TRUE(store.LoadFolder(folder).empty());
    EXPECT_EQ(store.GetCount(), 6);
    std::vector<CNoteRecord> all;
    store.ForEach([&](const CNoteRecord& r) { all.push_back(r); });
    for (const CNoteRecord& r : all)
        EXPECT_TRUE(store.DeleteNote(r));
    EXPECT_EQ(store.GetCount(), 0);
    EXPECT_TRUE(QDir(dir.path()).entryList({"*.qbt"}).isEmpty());
    store.UpdateNote(MakeNote("again", "After empty"));
    EXPECT_EQ(Keys(), std::vector<std::string>{"again"});
    EXPECT_TRUE(reporter.messages.empty());

    store.LoadFolder("");
    EXPECT_EQ(store.GetCount(), 0);
}

TEST_F(NoteStoreTest, LoadFolderSkipsWhatItCannotUse)
{
    store.UpdateNote(MakeNote("a1", "Good one"));
    store.UpdateNote(MakeNote("a2", "Good two"));
    const std::string good = ReadBytes(folder + "/QB_a2.qbt");
    WriteBytes(folder + "/truncated.qbt", good.substr(0, good.size() - 3));
    std::string huge = good.substr(0, 17) + std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7);
    WriteBytes(folder + "/huge.qbt", huge);
    WriteBytes(folder + "/empty.qbt", "");
    QDir(dir.path()).mkdir("folder.qbt");
    WriteBytes(folder + "/other.txt", "not a note");

    auto skipped = store.LoadFolder(folder);
    std::sort(skipped.begin(), skipped.end());
    EXPECT_EQ(skipped,
              (std::vector<std::string>{folder + "/empty.qbt", folder + "/huge.qbt", folder + "/truncated.qbt"}));
    EXPECT_EQ(store.GetCount(), 2);
    EXPECT_EQ(ReadBytes(folder + "/huge.qbt"), huge) << "damaged files are left as they are";

    EXPECT_TRUE(store.LoadFolder(folder + "/does-not-exist").empty());
    EXPECT_EQ(store.GetCount(), 0);
}

TEST_F(NoteStoreTest, FailedWritesAreReportedAndKeepOldFile)
{
    store.UpdateNote(MakeNote("keep", "Original"));
    const std::string before = ReadBytes(folder + "/QB_keep.qbt");

    // A folder that is gone: root may write anywhere else, so use a missing directory.
    store.LoadFolder(folder + "/gone");
    const SStoreResult lost = store.AddNote(MakeNote("", "Lost?"));
    const std::string key = lost.strKey;
    EXPECT_FALSE(lost);
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], CAppContext::LoadStringResource(61463));
    EXPECT_NE(reporter.messages[0].find("targer folder"), std::string::npos);
    EXPECT_TRUE(store.HasNote(key)) << "listed until the folder is loaded again";
    EXPECT_TRUE(store.DeleteNote(store.GetNote(key))) << "a note without a file just leaves the store";

    // A folder that may not be written to; root writes anyway, so only check where it counts.
    QDir(dir.path()).mkdir("readonly");
    const std::string readOnly = folder + "/readonly";
    QFile::setPermissions(QString::fromStdString(readOnly), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (!QFileInfo(QString::fromStdString(readOnly)).isWritable()) {
        store.LoadFolder(readOnly);
        reporter.messages.clear();
        EXPECT_FALSE(store.UpdateNote(MakeNote("ro", "x")));
        EXPECT_EQ(reporter.messages.size(), 1u);
        EXPECT_TRUE(QDir(QString::fromStdString(readOnly)).isEmpty());
    }
    QFile::setPermissions(QString::fromStdString(readOnly),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // A directory where the note file should be: the rename fails, nothing is half-written.
    store.LoadFolder(folder);
    QDir(dir.path()).mkdir("QB_blocked.qbt");
    EXPECT_FALSE(store.UpdateNote(MakeNote("blocked", "x")));
    EXPECT_EQ(ReadBytes(folder + "/QB_keep.qbt"), before);
    EXPECT_TRUE(QDir(dir.path()).entryList({"*.qbt.*", "QB_*~*"}, QDir::Files).isEmpty()) << "no temp left";

    // The directory cannot be deleted as a file: the entry stays and the error is told.
    reporter.messages.clear();
    QFile::remove(QString::fromStdString(folder + "/QB_blocked.qbt"));
    WriteBytes(folder + "/QB_blocked.qbt/inner", "x");
    EXPECT_FALSE(store.DeleteNote(store.GetNote("blocked")));
    EXPECT_TRUE(store.HasNote("blocked"));
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_NE(reporter.messages[0].find("QB_blocked.qbt"), std::string::npos);
}

TEST_F(NoteStoreTest, SearchAndLists)
{
    CNoteRecord a = MakeNote("2005091711344410", "MEETING NOTES");
    CNoteRecord b = MakeNote("2005091711344510", "Plans");
    b.m_strNotes = "Three Meetings\r\nnext week";
    b.m_bHasDate = 1;
    b.m_nPriority = 2;
    CNoteRecord c = MakeNote("c", "meet and meet");
    c.m_strKeywords = "meet";
    CNoteRecord d = MakeNote("d", "Été");
    d.m_strComments = "ÜBER";
    d.m_nPriority = 9;
    for (const auto& n : {a, b, c, d})
        store.UpdateNote(n);

    CRows rows;
    store.SearchNotes(rows, false, "meet");
    std::vector<std::string> expected;
    store.ForEach([&](const CNoteRecord& n) {
        if (n.m_strKey != "d")
            expected.push_back(n.m_strTitle);
    });
    EXPECT_EQ(rows.Titles(), expected) << "store order, each note once";

    store.SearchNotes(rows, true, "MEET");
    EXPECT_EQ(rows.Titles(), std::vector<std::string>{"meet and meet"});

    store.SearchNotes(rows, false, "über");
    EXPECT_EQ(rows.Titles(), std::vector<std::string>{"Été"});

    store.SearchNotes(rows, false, "");
    ASSERT_EQ(rows.m_rows.size(), 1u);
    EXPECT_EQ(rows.m_rows[0].first.nIcon, -1);
    EXPECT_EQ(rows.m_rows[0].second, nullptr);

    // Searches see every change made after the last one; a match never runs
    // from one note's text into the next one's.
    d.m_strNotes = "a new meeting";
    store.UpdateNote(d);
    store.SearchNotes(rows, false, "new meet");
    EXPECT_EQ(rows.Titles(), std::vector<std::string>{"Été"});
    store.DeleteNote(c);
    store.SearchNotes(rows, false, "meet and");
    EXPECT_EQ(rows.m_rows[0].second, nullptr);
    store.UpdateNote(c);
    store.SearchNotes(rows, false, "EEK");
    EXPECT_EQ(rows.Titles(), std::vector<std::string>{"Plans"});
    store.SearchNotes(rows, false, "WEEKMEET");
    EXPECT_EQ(rows.m_rows[0].second, nullptr);
}

TEST(NotesOrder, SortByTitleIsCaseInsensitiveAndStable)
{
    std::vector<CNoteRecord> notes;
    for (const char* t : {"banana", "Apple", "éclair", "apple", "Zebra", "Éclair", "", "APPLE"}) {
        notes.push_back(MakeNote(std::to_string(notes.size()), t));
    }
    SortNotesByTitle(notes);
    std::vector<std::string> keys;
    for (const CNoteRecord& n : notes)
        keys.push_back(n.m_strKey + ":" + n.m_strTitle);
    // Equal titles keep the order they came in; accented letters sort after the Latin ones.
    EXPECT_EQ(keys, (std::vector<std::string>{"6:", "1:Apple", "3:apple", "7:APPLE", "0:banana", "4:Zebra", "2:éclair",
                                              "5:Éclair"}));
    EXPECT_EQ(CompareTitles("ÉTÉ", "été"), 0);
    EXPECT_LT(CompareTitles("abc", "ABD"), 0);
}

// A folder big enough to be read on several threads gives exactly what one
// thread reading in listing order gives: every note, the damaged files, and
// each bucket newest first by the listing.
TEST_F(NoteStoreTest, BigFolderLoadsAsListed)
{
    const int nNotes = 3000;
    for (int i = 0; i < nNotes; ++i) {
        CNoteRecord n = MakeNote("k" + std::to_string(i), "note " + std::to_string(i));
        n.m_strNotes = std::string(static_cast<size_t>(i % 50), 'x');
        // Some files are not named after their key; those are taken in last.
        const std::string name = i % 7 == 0 ? "renamed-" + std::to_string(i) + ".qbt" : "QB_" + n.m_strKey + ".qbt";
        WriteBytes(folder + "/" + name, store.NoteFileBytes(n));
        if (i % 500 == 0)
            WriteBytes(folder + "/damaged-" + std::to_string(i) + ".qbt", "QB");
    }

    std::vector<std::string> named;
    std::vector<std::string> renamed;
    for (const std::string& name : ListedEntries(folder)) {
        if (name.rfind("QB_", 0) == 0)
            named.push_back(name.substr(3, name.size() - 7));
        else if (name.rfind("renamed-", 0) == 0)
            renamed.push_back("k" + name.substr(8, name.size() - 12));
    }
    std::vector<std::string> inserted = named;
    inserted.insert(inserted.end(), renamed.begin(), renamed.end());
    std::vector<std::string> expected;
    for (unsigned bucket = 0; bucket < CNoteStore::nBuckets; ++bucket)
        for (auto it = inserted.rbegin(); it != inserted.rend(); ++it)
            if (CNoteStore::BucketHash(*it) % CNoteStore::nBuckets == bucket)
                expected.push_back(*it);

    for (int round = 0; round < 2; ++round) {
        auto skipped = store.LoadFolder(folder);
        EXPECT_EQ(skipped.size(), size_t(nNotes / 500));
        EXPECT_EQ(store.GetCount(), nNotes);
        EXPECT_EQ(Keys(), expected);
        EXPECT_EQ(store.GetNote("k2999").m_strNotes, std::string(2999 % 50, 'x'));
        EXPECT_EQ(store.GetNoteFile("k7").strName, "renamed-7.qbt");
    }
}

// Machines sharing a synced folder each add a note in the same second: the
// first counter of a second is not the same everywhere, so their files
// rarely share a name. The key keeps its form all the same.
TEST(NoteKeys, FirstCounterDiffersFromMachineToMachine)
{
    std::set<std::string> counters;
    for (int i = 0; i < 20; ++i) {
        SLoadedStore machine;
        const std::string key = machine.store.AddNote(MakeNote("", "N")).strKey;
        ASSERT_GE(key.size(), 16u) << key;
        EXPECT_EQ(key.find_first_not_of("0123456789"), std::string::npos) << key;
        EXPECT_NE(key[14], '0') << key;
        counters.insert(key.substr(14));
    }
    EXPECT_GT(counters.size(), 10u);
}
