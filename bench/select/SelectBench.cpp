// Selecting a folder of 100,000 notes in the main window, offscreen: the
// load, the list's refill and sort, its first paint and the panes, against a
// plain program reading the same files and against LoadFolder alone.
//
// The folder is generated once and kept between runs (see BenchNotes.h).
// "bench_select --rss" prints the resident memory before and after one
// selection instead of timing; "--rss-index" the same for a selection from
// the folder's index (with the list's order, as a first selection leaves
// it), until its check is done.
#include "BenchNotes.h"
#include "BenchWindow.h"
#include "FolderRecord.h"
#include "MainFrame.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "PlainRead.h"
#include "QtBenchMain.h"
#include "QuillboxApp.h"
#include "QuillboxView.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
constexpr int nNotes = 100000;

std::string NotesDir()
{
    return BenchNotesFolder("quillbox-bench-select-100000", nNotes, 360);
}

long ResidentKiB()
{
    std::FILE* fp = std::fopen("/proc/self/status", "r");
    if (!fp)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, fp))
        if (std::strncmp(line, "VmRSS:", 6) == 0)
            kib = std::strtol(line + 6, nullptr, 10);
    std::fclose(fp);
    return kib;
}

// The floor: every note file of the directory opened and read whole.
void BM_ReadFilesBaseline(benchmark::State& state)
{
    const std::string strDir = NotesDir();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadNoteFilesPlainly(strDir.c_str()));
}

void BM_LoadFolder(benchmark::State& state)
{
    const std::string strDir = NotesDir();
    CAppContext app(strDir);
    CNoteStore store(app);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.LoadFolder(strDir));
}

// The main window with the notes folder registered, the root selected.
struct SWindow : SBenchWindow
{
    SWindow() : SBenchWindow(NotesDir()) { QCoreApplication::processEvents(); }
};

void BM_SelectFolder(benchmark::State& state)
{
    SWindow window;
    for (auto _ : state) {
        state.PauseTiming();
        window.Leave();
        state.ResumeTiming();
        window.Select();
    }
    state.counters["rows"] = window.frame->GetNotesList()->GetModel().GetRowCount();
}

// The folder's index as the program leaves it after a first selection:
// with the notes list's order, as every later selection finds it.
int PrepareIndex(const char* pszIndexDir)
{
    SWindow window;
    window.app->m_strIndexDir = pszIndexDir;
    window.Select();
    window.WaitForCheck();
    window.app->GetStore().WaitForFolderIndex();
    return 0;
}

int PrintResident(bool bIndex)
{
    QTemporaryDir indexDir;
    if (bIndex) {
        // Written by another process, so that its memory is not counted.
        const std::string strIndexDir = indexDir.path().toStdString();
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::execl("/proc/self/exe", "bench_select", "--prepare-index", strIndexDir.c_str(), nullptr);
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return 1;
    }
    SWindow window;
    if (bIndex)
        window.app->m_strIndexDir = indexDir.path().toStdString();
    const long before = ResidentKiB();
    const size_t heapBefore = ::mallinfo2().uordblks;
    window.Select();
    window.WaitForCheck();
    const long after = ResidentKiB();
    const struct mallinfo2 mi = ::mallinfo2();
    std::printf("resident before selecting: %.1f MB, after selecting %d notes: %.1f MB "
                "(heap in use %.1f MB before, %.1f MB after, held free %.1f MB)\n",
                before / 1024.0, window.frame->GetNotesList()->GetModel().GetRowCount(), after / 1024.0,
                heapBefore / 1048576.0, mi.uordblks / 1048576.0, mi.fordblks / 1048576.0);
    return 0;
}
} // namespace

BENCHMARK(BM_ReadFilesBaseline)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_LoadFolder)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_SelectFolder)->Unit(benchmark::kMillisecond)->MinTime(2)->UseRealTime()->MeasureProcessCPUTime();

int main(int argc, char** argv)
{
    const CQtBenchApp app(argc, argv);
    NotesDir();
    if (argc > 2 && std::strcmp(argv[1], "--prepare-index") == 0)
        return PrepareIndex(argv[2]);
    // Before any benchmark runs, so that none is counted.
    if (argc > 1 && (std::strcmp(argv[1], "--rss") == 0 || std::strcmp(argv[1], "--rss-index") == 0))
        return PrintResident(std::strcmp(argv[1], "--rss-index") == 0);
    RunBenchmarks(argc, argv);
    return 0;
}
