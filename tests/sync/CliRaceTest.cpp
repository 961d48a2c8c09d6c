// Several Quillbox processes writing one note at once: each check of the
// note's file and the write after it are one step, so no version is lost.
#include "FileIo.h"
#include "FolderLock.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <sys/wait.h>

namespace
{
// Whether the process waits for a flock, as /proc/locks tells.
bool WaitsForLock(pid_t pid)
{
    std::ifstream locks("/proc/locks");
    const std::string mark = "-> FLOCK  ADVISORY  WRITE " + std::to_string(pid) + " ";
    for (std::string line; std::getline(locks, line);)
        if (line.find(mark) != std::string::npos)
            return true;
    return false;
}

bool HasExited(pid_t pid)
{
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == pid;
}
} // namespace

TEST(CliRace, ConcurrentAppendsLoseNoLine)
{
    SLoadedStore notes;
    const std::string& d = notes.folder;
    QTemporaryDir scratchDir;
    const std::string scratch = scratchDir.path().toStdString();
    const std::string key = notes.store.AddNote(MakeNote("", "Log")).strKey;

    constexpr int nWriters = 4;
    constexpr int nLines = 30;
    for (int w = 0; w < nWriters; ++w)
        for (int i = 0; i < nLines; ++i)
            WriteBytes(scratch + "/w" + std::to_string(w) + "-" + std::to_string(i) + ".txt",
                       "line " + std::to_string(w) + "." + std::to_string(i) + "\n");
    std::vector<pid_t> writers;
    for (int w = 0; w < nWriters; ++w) {
        const std::string script = "for i in $(seq 0 " + std::to_string(nLines - 1) +
                                   "); do \"$0\" import-text \"$1\" \"$2\" \"$3/w" + std::to_string(w) +
                                   "-$i.txt\" >/dev/null; echo $?; done";
        writers.push_back(StartRaw({"/bin/sh", "-c", script, QUILLBOX_CLI_PATH, d, key, scratch},
                                   scratch + "/writer" + std::to_string(w)));
    }
    for (int w = 0; w < nWriters; ++w) {
        const SRawRun run = FinishRaw(writers[size_t(w)], scratch + "/writer" + std::to_string(w), 120);
        ASSERT_EQ(run.code, 0) << run.err;
        std::istringstream codes(run.out);
        int nRuns = 0;
        for (int code = 0; codes >> code; ++nRuns)
            EXPECT_TRUE(code == 0 || code == 3) << code << ": " << run.err;
        EXPECT_EQ(nRuns, nLines);
    }
    // Each line is in the note or in a conflict copy made of it.
    std::string all;
    for (const auto& [title, text] : NotesIn(d))
        all += text + "\n";
    int nLost = 0;
    for (int w = 0; w < nWriters; ++w)
        for (int i = 0; i < nLines; ++i)
            nLost += all.find("line " + std::to_string(w) + "." + std::to_string(i) + "\n") == std::string::npos;
    EXPECT_EQ(nLost, 0);
}

// Another writer holds the folder while it checks the note's file and
// deletes it; an update that read the note before must wait, then find the
// note gone and keep its version as a copy.
TEST(CliRace, UpdateWaitsForADeleteInProgress)
{
    SLoadedStore notes;
    const std::string& d = notes.folder;
    CNoteStore& store = notes.store;
    const std::string key = store.AddNote(MakeNote("", "Plan", "first")).strKey;
    const SNoteFile file = store.GetNoteFile(key);

    QTemporaryDir scratchDir;
    const std::string scratch = scratchDir.path().toStdString() + "/update";
    pid_t pid = 0;
    {
        CFolderLock lock(d);
        ASSERT_TRUE(lock.IsHeld());
        ASSERT_EQ(CheckFileStamp(file.Path(), file.stamp, 1 << 20), EFileCheck::same);
        pid = StartRaw({QUILLBOX_CLI_PATH, "update", d, key, "--notes", "mine"}, scratch);
        for (int i = 0; i < 3000 && !WaitsForLock(pid) && !HasExited(pid); ++i)
            ::usleep(10000);
        ASSERT_TRUE(RemoveFile(file.Path()));
    }
    const SRawRun run = FinishRaw(pid, scratch);
    EXPECT_EQ(run.code, 3) << run.err;
    EXPECT_NE(run.err.find("deleted by another program"), std::string::npos) << run.err;
    EXPECT_EQ(NotesIn(d), (NoteTexts{{"Plan (conflict copy)", "mine"}}));
}
