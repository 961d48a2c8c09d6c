// One note saved in a folder of 100,000: alone (0), while a second process
// replaces another note's file every 20 ms the way a sync tool does, taking
// no lock (1), and while a second Quillbox process saves that note as often,
// through its store and the folder's lock (2). 2 against 1 is what the lock
// costs beyond two writers sharing one disk.
#include "AppContext.h"
#include "BenchNotes.h"
#include "FileIo.h"
#include "NoteStore.h"

#include <benchmark/benchmark.h>

#include <csignal>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace
{
constexpr int nNotes = 100000;

std::string SaveFolder()
{
    static const std::string strDir = BenchNotesFolder("quillbox-bench-save-100000", nNotes);
    return strDir;
}

std::string BenchKey(int i)
{
    return "20261207" + std::to_string(1000000 + i);
}

// The second writer: its own process, saving one note over and over.
pid_t StartOtherWriter(bool bThroughStore)
{
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    CAppContext app(SaveFolder());
    CNoteStore store(app);
    store.LoadFolder(SaveFolder());
    CNoteRecord note;
    if (CNoteStore::ReadNoteFile(CAppContext::GetNoteFilePath(store.GetLoadedFolder(), MakeBenchNote(7)), note) != CNoteStore::ReadResult::ok)
        ::_exit(1);
    for (int n = 0;; ++n) {
        note.m_strNotes = "saved by the other writer " + std::to_string(n);
        if (bThroughStore)
            note = store.GetNote(store.UpdateNote(note).strKey);
        else
            WriteFileAtomically(CAppContext::GetNoteFilePath(store.GetLoadedFolder(), note), store.NoteFileBytes(note));
        ::usleep(20000);
    }
}

void BM_SaveOneNote(benchmark::State& state)
{
    CAppContext app(SaveFolder());
    CNoteStore store(app);
    store.LoadFolder(SaveFolder());
    const std::string key = BenchKey(nNotes / 2);
    const pid_t other = state.range(0) ? StartOtherWriter(state.range(0) == 2) : 0;
    int n = 0;
    for (auto _ : state) {
        CNoteRecord note = store.GetNote(key);
        note.m_strNotes = "saved here " + std::to_string(++n);
        if (!store.UpdateNote(note)) {
            state.SkipWithError("the save failed");
            break;
        }
    }
    if (other > 0) {
        ::kill(other, SIGKILL);
        ::waitpid(other, nullptr, 0);
    }
}
} // namespace

BENCHMARK(BM_SaveOneNote)
    ->ArgName("other_writer")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
