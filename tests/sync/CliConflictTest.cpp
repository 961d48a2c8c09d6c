// quillbox-cli reads a folder, then writes: a change by another program in
// between is kept, and the command's version is saved beside it.
#include "CliCommon.h"
#include "FileIo.h"
#include "TestUtil.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <iostream>
#include <set>
#include <utility>
#include <sstream>

namespace
{
struct SCliResult
{
    int code;
    std::string out;
};

SCliResult RunCli(const char* pszCommand, const std::vector<std::string>& words)
{
    for (const SCliCommand& c : CliCommands())
        if (std::strcmp(c.pszName, pszCommand) == 0) {
            std::ostringstream out;
            std::streambuf* pOld = std::cout.rdbuf(out.rdbuf());
            const int code = c.pfnRun(words);
            std::cout.rdbuf(pOld);
            return {code, out.str()};
        }
    return {-1, {}};
}

std::multiset<std::pair<std::string, std::string>> NotesByTitle(const std::string& strDir)
{
    CAppContext app(strDir);
    CNoteStore store(app);
    store.LoadFolder(strDir);
    std::multiset<std::pair<std::string, std::string>> notes;
    store.ForEach([&](const CNoteRecord& n) { notes.emplace(n.m_strTitle, n.m_strNotes); });
    return notes;
}
} // namespace

TEST(CliConflict, UpdateAndImportKeepAChangeMadeAfterTheRead)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    CAppContext app(d);
    CNoteStore other(app);
    other.LoadFolder(d);
    CNoteRecord note;
    note.m_strTitle = "Plan";
    note.m_strNotes = "first";
    const std::string key = other.AddNote(note).strKey;
    note = other.GetNote(key);

    // Between the command's read and its write, another machine's version
    // arrives by rename.
    auto arrive = [&](const std::string& strText) {
        return [&, strText] {
            CNoteRecord theirs = note;
            theirs.m_strNotes = strText;
            ASSERT_TRUE(WriteFileAtomically(CAppContext::GetNoteFilePath(other.GetLoadedFolder(), theirs), other.NoteFileBytes(theirs)));
        };
    };
    CliBeforeWriteHook() = arrive("theirs");
    const SCliResult updated = RunCli("update", {d, key, "--notes", "mine"});
    EXPECT_EQ(updated.code, EXIT_CONFLICT);
    const std::string copyKey = QString::fromStdString(updated.out).trimmed().toStdString();
    EXPECT_TRUE(copyKey.size() >= 16u && IsPlainNoteKey(copyKey)) << copyKey;
    EXPECT_NE(copyKey, key);
    EXPECT_EQ(NotesByTitle(d), (std::multiset<std::pair<std::string, std::string>>{{"Plan", "theirs"},
                                                                                   {"Plan (conflict copy)", "mine"}}));

    const std::string text = d + "/import.txt";
    WriteBytes(text, "appended");
    CliBeforeWriteHook() = arrive("theirs again");
    const SCliResult imported = RunCli("import-text", {d, key, text});
    EXPECT_EQ(imported.code, EXIT_CONFLICT);
    EXPECT_EQ(NotesByTitle(d),
              (std::multiset<std::pair<std::string, std::string>>{{"Plan", "theirs again"},
                                                                  {"Plan (conflict copy)", "mine"},
                                                                  {"Plan (conflict copy)", "theirs\r\nappended"}}));

    // Nothing in between: a plain update.
    CliBeforeWriteHook() = nullptr;
    EXPECT_EQ(RunCli("update", {d, key, "--notes", "agreed"}).code, EXIT_OK);
    EXPECT_EQ(NotesByTitle(d).count({"Plan", "agreed"}), 1u);

    // A delete meeting a newer version deletes nothing.
    CliBeforeWriteHook() = arrive("theirs, to keep");
    EXPECT_EQ(RunCli("delete", {d, key}).code, EXIT_CONFLICT);
    CliBeforeWriteHook() = nullptr;
    EXPECT_EQ(NotesByTitle(d).count({"Plan", "theirs, to keep"}), 1u);
    EXPECT_EQ(RunCli("delete", {d, key}).code, EXIT_OK);
    EXPECT_EQ(NotesByTitle(d).count({"Plan", "theirs, to keep"}), 0u);
}
