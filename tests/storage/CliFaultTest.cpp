// The command-line tool as a whole process against a failing machine and
// hostile folders: nothing is lost, nothing outside the folder is touched,
// and every failure exits 1 with the reason.
#include "TestUtil.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

namespace
{
class CliFaultTest : public ::testing::Test
{
protected:
    std::string Dir() const { return m_dir.path().toStdString(); }
    // A note file with any key, written straight into a folder.
    void WriteNote(const std::string& strPath, const std::string& strKey, const std::string& strTitle)
    {
        WriteBytes(strPath, m_loaded.store.NoteFileBytes(MakeNote(strKey, strTitle)));
    }

    QTemporaryDir m_dir;
    SLoadedStore m_loaded;
};
} // namespace

TEST_F(CliFaultTest, FullDiskFailsAndKeepsEveryFile)
{
    const std::string disk = Dir() + "/disk";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(disk)));
    CSmallTmpfs tmpfs(disk, "size=256k");
    if (!tmpfs.IsMounted())
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const std::string key = CliAdd(disk, {"--title", "Kept", "--notes", "the text"});
    const std::string noteFile = disk + "/QB_" + key + ".qbt";
    const std::string before = ReadBytes(noteFile);
    WriteBytes(Dir() + "/more.txt", std::string(20000, 'm'));
    WriteBytes(disk + "/old.html", "old page");
    tmpfs.Fill();

    const SRawRun update = Cli({"update", disk, key, "--title", "Changed", "--notes", std::string(9000, 'x')});
    EXPECT_EQ(update.code, 1);
    EXPECT_NE(update.err.find(noteFile), std::string::npos) << update.err;
    EXPECT_NE(update.err.find("No space left on device"), std::string::npos) << update.err;
    EXPECT_EQ(ReadBytes(noteFile), before);

    const SRawRun import = Cli({"import-text", disk, key, Dir() + "/more.txt"});
    EXPECT_EQ(import.code, 1);
    EXPECT_NE(import.err.find(noteFile), std::string::npos) << import.err;
    EXPECT_EQ(ReadBytes(noteFile), before);

    const SRawRun add = Cli({"add", disk, "--title", "New", "--notes", std::string(9000, 'n')});
    EXPECT_EQ(add.code, 1) << add.out;
    EXPECT_NE(add.err.find("No space left on device"), std::string::npos) << add.err;

    for (const char* format : {"html", "text-all", "pdf"}) {
        const SRawRun exported = Cli({"export", disk, key, "--format", format, "--output", disk + "/old.html"});
        EXPECT_EQ(exported.code, 1) << format;
        EXPECT_NE(exported.err.find(disk + "/old.html"), std::string::npos) << exported.err;
        EXPECT_EQ(ReadBytes(disk + "/old.html"), "old page") << format;
    }

    // Nothing half-written is left behind, and the note reads as before.
    EXPECT_EQ(SortedEntries(disk), (std::vector<std::string>{"QB_" + key + ".qbt", "filler", "old.html"}));
    const SRawRun shown = Cli({"show", disk, key, "--json"});
    EXPECT_NE(shown.out.find("\"title\":\"Kept\""), std::string::npos) << shown.out;
}

TEST_F(CliFaultTest, ConcurrentAddsLoseNoNote)
{
    const std::string& folder = m_loaded.folder;
    constexpr int nRounds = 3;
    constexpr int nWriters = 12;
    std::set<std::string> keys;
    for (int round = 0; round < nRounds; ++round) {
        std::vector<std::pair<pid_t, std::string>> children;
        for (int i = 0; i < nWriters; ++i) {
            const std::string scratch = Dir() + "/add" + std::to_string(round) + "-" + std::to_string(i);
            children.emplace_back(StartRaw({QUILLBOX_CLI_PATH, "add", folder, "--title", scratch}, scratch), scratch);
        }
        for (const auto& [pid, scratch] : children) {
            const SRawRun run = FinishRaw(pid, scratch);
            EXPECT_EQ(run.code, 0) << run.err;
            keys.insert(Trimmed(run.out));
        }
    }
    EXPECT_EQ(keys.size(), size_t(nRounds * nWriters)) << "every add got a key of its own";
    EXPECT_EQ(SortedEntries(folder).size(), size_t(nRounds * nWriters));
    const SRawRun list = Cli({"list", folder});
    for (const std::string& key : keys)
        EXPECT_NE(list.out.find(key + "\t"), std::string::npos) << key;
}

TEST_F(CliFaultTest, NotesFileMustBeARegularFile)
{
    const std::string folder = Dir();
    const std::string key = CliAdd(folder, {"--title", "T", "--notes", "keep me"});
    ASSERT_EQ(::mkfifo((Dir() + "/fifo").c_str(), 0600), 0);
    for (const std::string& source : {Dir(), std::string("/dev/zero"), Dir() + "/fifo", Dir() + "/missing"}) {
        const SRawRun run = Cli({"update", folder, key, "--notes-file", source}, 10);
        EXPECT_EQ(run.code, 1) << source;
        EXPECT_NE(run.err.find(source), std::string::npos) << run.err;
        const SRawRun addRun = Cli({"add", folder, "--notes-file", source}, 10);
        EXPECT_EQ(addRun.code, 1) << source;
    }
    EXPECT_NE(Cli({"show", folder, key, "--json"}).out.find("\"notes\":\"keep me\""), std::string::npos);
    EXPECT_NE(Cli({"update", folder, key, "--notes-file", "/dev/zero"}).err.find("not a regular file"),
              std::string::npos);
}

TEST_F(CliFaultTest, KeyFromAFileNeverBecomesAPath)
{
    const std::string folder = Dir() + "/notes";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder + "/QB_")));
    const std::string victim = Dir() + "/victim.qbt";
    WriteBytes(victim, "not to be touched");
    // "QB_" + key + ".qbt" would be notes/QB_/../../victim.qbt.
    const std::string evilKey = "/../../victim";
    WriteNote(folder + "/crafted.qbt", evilKey, "Crafted");

    const SRawRun list = Cli({"list", folder});
    EXPECT_NE(list.out.find("Crafted"), std::string::npos) << "the note still loads";
    const SRawRun update = Cli({"update", folder, evilKey, "--title", "Rescued"});
    ASSERT_EQ(update.code, 0) << update.err;
    const std::string freshKey = Trimmed(update.out);
    EXPECT_TRUE(IsPlainNoteKey(freshKey)) << freshKey;
    EXPECT_EQ(ReadBytes(victim), "not to be touched");
    EXPECT_NE(Cli({"show", folder, freshKey, "--json"}).out.find("\"title\":\"Rescued\""), std::string::npos);
    EXPECT_EQ(SortedEntries(folder), (std::vector<std::string>{"QB_", "QB_" + freshKey + ".qbt"}))
        << "written under the fresh key; the crafted file it replaces is gone";

    WriteNote(folder + "/crafted2.qbt", evilKey, "Crafted again");
    EXPECT_EQ(Cli({"delete", folder, evilKey}).code, 0);
    EXPECT_EQ(ReadBytes(victim), "not to be touched");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(folder + "/crafted2.qbt"))) << "its own file is deleted";

    // Control characters and an empty key are not file names either.
    for (const std::string& key : {std::string("a\nb"), std::string("tab\there"), std::string()}) {
        WriteNote(folder + "/odd.qbt", key, "Odd");
        const SRawRun run = Cli({"update", folder, key, "--comments", "fixed"});
        EXPECT_EQ(run.code, 0) << run.err;
        EXPECT_TRUE(IsPlainNoteKey(Trimmed(run.out)));
        EXPECT_FALSE(QFile::exists(QString::fromStdString(folder + "/odd.qbt")));
    }
}

TEST_F(CliFaultTest, OnlyRegularFilesAreNotes)
{
    const std::string& folder = m_loaded.folder;
    const std::string key = CliAdd(folder, {"--title", "Real"});
    ASSERT_EQ(::mkfifo((folder + "/fifo.qbt").c_str(), 0600), 0);
    ASSERT_EQ(::symlink("/dev/zero", (folder + "/zero.qbt").c_str()), 0);
    WriteNote(Dir() + "/outside.qbt", "outside1", "Outside");
    ASSERT_EQ(::symlink((Dir() + "/outside.qbt").c_str(), (folder + "/out.qbt").c_str()), 0);
    WriteNote(folder + "/inner-target", "inside1", "Inside");
    ASSERT_EQ(::symlink("inner-target", (folder + "/in.qbt").c_str()), 0);

    const SRawRun list = Cli({"list", folder}, 10);
    EXPECT_EQ(list.code, 0) << "a FIFO or a device never blocks the load";
    EXPECT_NE(list.out.find("Real"), std::string::npos);
    EXPECT_NE(list.out.find("Inside"), std::string::npos) << "a symlink inside the folder is read";
    EXPECT_EQ(list.out.find("Outside"), std::string::npos) << "one leading out of it is not";

    // A note file that is a symlink is replaced by a regular file, never
    // written through.
    const std::string noteFile = folder + "/QB_" + key + ".qbt";
    const std::string bytes = ReadBytes(noteFile);
    QFile::remove(QString::fromStdString(noteFile));
    const std::string insideTarget = folder + "/target";
    WriteBytes(insideTarget, bytes);
    ASSERT_EQ(::symlink("target", noteFile.c_str()), 0);
    ASSERT_EQ(Cli({"update", folder, key, "--title", "Changed"}).code, 0);
    EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::symlink_status(noteFile)));
    EXPECT_EQ(ReadBytes(insideTarget), bytes) << "the link's target is untouched";
}

TEST_F(CliFaultTest, RawBytesNameOneFile)
{
    const std::string folder = Dir() + "/caf\xE9";
    ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
    const std::string key = CliAdd(folder, {"--title", "Bytes"});
    ASSERT_EQ(Cli({"update", folder, key, "--comments", "changed"}).code, 0);
    EXPECT_EQ(SortedEntries(folder).size(), 1u);

    // A key holding a byte that is not UTF-8 names its file exactly.
    const std::string rawKey = "2026010100000010\xFF";
    WriteNote(folder + "/QB_" + rawKey + ".qbt", rawKey, "Raw key");
    ASSERT_EQ(Cli({"update", folder, rawKey, "--comments", "changed"}).code, 0);
    EXPECT_EQ(SortedEntries(folder).size(), 2u) << "no second file";
    ASSERT_EQ(Cli({"delete", folder, rawKey}).code, 0);
    ASSERT_EQ(Cli({"delete", folder, key}).code, 0);
    EXPECT_TRUE(SortedEntries(folder).empty());
    // Qt cannot name this directory to clean it up.
    EXPECT_EQ(::rmdir(folder.c_str()), 0);
}

TEST_F(CliFaultTest, EveryPrintedKeyIsTakenBack)
{
    const std::string& folder = m_loaded.folder;
    const std::string key = "a\nb\xFF\\c\x7F\xC3\xA9";
    const std::string escaped = "a\\x0ab\\xff\\\\c\\x7f\xC3\xA9";
    WriteNote(folder + "/odd.qbt", key, "Odd");

    const SRawRun list = Cli({"list", folder});
    EXPECT_EQ(list.out.substr(0, list.out.find('\t')), escaped) << list.out;
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 1) << "one line per note";
    const SRawRun json = Cli({"list", folder, "--json"});
    const std::string escapedInJson = QString::fromStdString(escaped).replace("\\", "\\\\").toStdString();
    EXPECT_NE(json.out.find("\"keyEscaped\":\"" + escapedInJson + "\""), std::string::npos) << json.out;

    const SRawRun shown = Cli({"show", folder, escaped});
    ASSERT_EQ(shown.code, 0) << shown.err;
    EXPECT_EQ(shown.out.substr(0, shown.out.find('\n')), "Key:\t" + escaped);
    EXPECT_EQ(Cli({"show", folder, key}).code, 0) << "the raw bytes still name it";
    EXPECT_EQ(Cli({"show", folder, "a\\x0"}).code, 1);
    ASSERT_EQ(Cli({"delete", folder, escaped}).code, 0);
    EXPECT_TRUE(SortedEntries(folder).empty());
}
