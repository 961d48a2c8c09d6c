#include "TestUtil.h"

#include <gtest/gtest.h>

TEST(Cli, EndToEnd)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    const std::string key = CliAdd(d, {"--title", "Banana", "--comments", "yellow", "--priority", "high", "--date",
                                       "2026-12-24", "--notes", "milk\r\nbread", "--icon", "5"});
    EXPECT_TRUE(key.size() >= 16u && IsPlainNoteKey(key)) << key;
    const std::string key2 = CliAdd(d, {"--title", "apple", "--keywords", "fruit"});

    const SRawRun list = Cli({"list", d});
    ASSERT_EQ(list.code, 0);
    EXPECT_EQ(list.out.substr(0, list.out.find('\n')), key2 + "\tapple\t\t\tMedium") << "sorted by title";
    EXPECT_NE(list.out.find(key + "\tBanana\tyellow\t"), std::string::npos);
    EXPECT_NE(list.out.find("\tHigh\n"), std::string::npos);

    const SRawRun show = Cli({"show", d, key, "--json"});
    ASSERT_EQ(show.code, 0);
    EXPECT_NE(show.out.find("\"notes\":\"milk\\r\\nbread\""), std::string::npos) << show.out;
    EXPECT_NE(show.out.find("\"date\":\"2026-12-24T00:00:00\",\"hasDate\":true"), std::string::npos);
    EXPECT_NE(show.out.find("\"icon\":5"), std::string::npos);

    ASSERT_EQ(Cli({"update", d, key, "--comments", "ripe"}).code, 0);
    const SRawRun updated = Cli({"show", d, key, "--json"});
    EXPECT_NE(updated.out.find("\"comments\":\"ripe\""), std::string::npos);
    EXPECT_NE(updated.out.find("\"title\":\"Banana\""), std::string::npos) << "unspecified fields kept";
    EXPECT_NE(updated.out.find("\"priority\":\"High\""), std::string::npos);

    EXPECT_EQ(Trimmed(Cli({"search", d, "FRUIT", "--keywords-only"}).out).substr(0, key2.size() + 1), key2 + "\t");
    EXPECT_EQ(Trimmed(Cli({"search", d, "zzz"}).out), "Search is complete. There are no resuls to display.");
    EXPECT_EQ(Trimmed(Cli({"search", d, "zzz", "--json"}).out), "[]");

    EXPECT_EQ(Cli({"show", d, "nope"}).code, 1);
    EXPECT_EQ(Cli({"delete", d, "nope"}).code, 1);
    EXPECT_EQ(Cli({"frobnicate"}).code, 2);
    EXPECT_EQ(Cli({"add", d, "--priority", "urgent"}).code, 2);
    EXPECT_EQ(Cli({"list"}).code, 2);

    // Bytes that are not UTF-8 (an old file, a raw notes file) still give valid JSON.
    WriteBytes(d + "/raw.txt", "caf\xE9\r\n\x01");
    const std::string raw = CliAdd(d, {"--title", "raw", "--notes-file", d + "/raw.txt"});
    EXPECT_NE(Cli({"show", d, raw, "--json"}).out.find("\"notes\":\"caf\xEF\xBF\xBD\\r\\n\\u0001\""),
              std::string::npos);
    ASSERT_EQ(Cli({"delete", d, raw}).code, 0);

    ASSERT_EQ(Cli({"delete", d, key}).code, 0);
    EXPECT_EQ(Cli({"list", d, "--json"}).out.find("Banana"), std::string::npos);

    WriteBytes(d + "/F.set", std::string("\x02\0\0\0\x01W\x02/w\x01H\x02/h", 14));
    EXPECT_EQ(Cli({"folders", "--settings", d + "/F.set"}).out, "W\t/w\nH\t/h\n");
    EXPECT_EQ(Trimmed(Cli({"folders", "--settings", d + "/F.set", "--json"}).out),
              "[{\"name\":\"W\",\"path\":\"/w\"},{\"name\":\"H\",\"path\":\"/h\"}]");
}

TEST(Cli, FolderArgumentsNameAFolder)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    WriteBytes(d + "/plain", "x");
    for (const std::string& folder : {std::string(), d + "/missing", d + "/plain"}) {
        for (const std::vector<std::string>& command : {std::vector<std::string>{"list", folder},
                                                        {"add", folder, "--title", "x"},
                                                        {"search", folder, "x"},
                                                        {"show", folder, "k"},
                                                        {"update", folder, "k", "--title", "y"},
                                                        {"delete", folder, "k"}}) {
            const SRawRun run = Cli(command);
            EXPECT_EQ(run.code, 1) << command[0] << " " << folder;
            EXPECT_NE(run.err.find(folder.empty() ? "no folder was given" : "\"" + folder + "\""), std::string::npos)
                << run.err;
        }
    }
    EXPECT_EQ(SortedEntries(d), std::vector<std::string>{"plain"});
    EXPECT_EQ(Cli({"list", d}).code, 0) << "an empty folder is one";
}

TEST(Cli, ScriptsGetDatesAndTimesBackAsPrinted)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    for (const char* pszDate : {"2024-2-3", "2024-02-3", "24-02-03", "2024-02-03x", "+024-02-03", "2024-02-30"})
        EXPECT_EQ(Cli({"add", d, "--date", pszDate}).code, 2) << pszDate;
    const std::string key = CliAdd(d, {"--title", "Undated"});
    const std::string shown = Cli({"show", d, key, "--json"}).out;
    EXPECT_NE(shown.find("\"date\":null,\"hasDate\":false"), std::string::npos) << shown;

    // An update made only while the note is still the version shown.
    const size_t at = shown.find("\"modified\":\"") + 12;
    const std::string modified = shown.substr(at, 19);
    const SRawRun stale = Cli({"update", d, key, "--title", "Mine", "--if-modified", "2000-01-01T00:00:00"});
    EXPECT_EQ(stale.code, 3);
    EXPECT_NE(stale.err.find(key), std::string::npos) << stale.err;
    EXPECT_NE(Cli({"show", d, key, "--json"}).out.find("\"title\":\"Undated\""), std::string::npos);
    EXPECT_EQ(Cli({"update", d, key, "--title", "Mine", "--if-modified", "yesterday"}).code, 2);
    const SRawRun current = Cli({"update", d, key, "--title", "Mine", "--if-modified", modified});
    EXPECT_EQ(current.code, 0) << current.err;
    EXPECT_NE(Cli({"show", d, key, "--json"}).out.find("\"title\":\"Mine\""), std::string::npos);
}
