// quillbox-cli reads a folder, then writes: a change by another program in
// between is kept, and the command's version is saved beside it.
#include "CliCommon.h"
#include "FileIo.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iostream>
#include <sstream>

namespace
{
// A command run in this process, so the hook can act between its read and its write.
SRawRun RunCli(const char* pszCommand, const std::vector<std::string>& words)
{
    for (const SCliCommand& c : CliCommands())
        if (std::strcmp(c.pszName, pszCommand) == 0) {
            std::ostringstream out;
            std::streambuf* pOld = std::cout.rdbuf(out.rdbuf());
            const int code = c.pfnRun(words);
            std::cout.rdbuf(pOld);
            return {code, out.str(), {}};
        }
    return {};
}
} // namespace

TEST(CliConflict, UpdateAndImportKeepAChangeMadeAfterTheRead)
{
    SLoadedStore machine;
    const std::string& d = machine.folder;
    CNoteStore& other = machine.store;
    const std::string key = other.AddNote(MakeNote("", "Plan", "first")).strKey;
    const CNoteRecord note = other.GetNote(key);

    // Between the command's read and its write, another machine's version
    // arrives by rename.
    auto arrive = [&](const std::string& strText) {
        return [&, strText] {
            CNoteRecord theirs = note;
            theirs.m_strNotes = strText;
            ASSERT_TRUE(WriteFileAtomically(CAppContext::GetNoteFilePath(d, theirs), other.NoteFileBytes(theirs)));
        };
    };
    CliBeforeWriteHook() = arrive("theirs");
    const SRawRun updated = RunCli("update", {d, key, "--notes", "mine"});
    EXPECT_EQ(updated.code, EXIT_CONFLICT);
    const std::string copyKey = QString::fromStdString(updated.out).trimmed().toStdString();
    EXPECT_TRUE(copyKey.size() >= 16u && IsPlainNoteKey(copyKey)) << copyKey;
    EXPECT_NE(copyKey, key);
    EXPECT_EQ(NotesIn(d), (NoteTexts{{"Plan", "theirs"}, {"Plan (conflict copy)", "mine"}}));

    const std::string text = d + "/import.txt";
    WriteBytes(text, "appended");
    CliBeforeWriteHook() = arrive("theirs again");
    const SRawRun imported = RunCli("import-text", {d, key, text});
    EXPECT_EQ(imported.code, EXIT_CONFLICT);
    EXPECT_EQ(NotesIn(d), (NoteTexts{{"Plan", "theirs again"},
                                     {"Plan (conflict copy)", "mine"},
                                     {"Plan (conflict copy)", "theirs\r\nappended"}}));

    // Nothing in between: a plain update.
    CliBeforeWriteHook() = nullptr;
    EXPECT_EQ(RunCli("update", {d, key, "--notes", "agreed"}).code, EXIT_OK);
    EXPECT_EQ(NotesIn(d).count({"Plan", "agreed"}), 1u);

    // A delete meeting a newer version deletes nothing.
    CliBeforeWriteHook() = arrive("theirs, to keep");
    EXPECT_EQ(RunCli("delete", {d, key}).code, EXIT_CONFLICT);
    CliBeforeWriteHook() = nullptr;
    EXPECT_EQ(NotesIn(d).count({"Plan", "theirs, to keep"}), 1u);
    EXPECT_EQ(RunCli("delete", {d, key}).code, EXIT_OK);
    EXPECT_EQ(NotesIn(d).count({"Plan", "theirs, to keep"}), 0u);
}
