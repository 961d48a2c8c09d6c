// The folder index: selecting a folder of 100,000 notes in the window from
// its index against reading its files (and against a plain program reading
// them), warm and with the page cache dropped; the check behind it against a
// plain program that lists the directory and stats every file; a search of
// every folder (10 folders of 100,000 notes) through the indexes against the
// search that reads each folder's files, and against grep -r -F -i -l over
// the same files.
//
// QUILLBOX_BENCH_INDEX_NOTES and QUILLBOX_BENCH_INDEX_FOLDERS change the
// sizes. The folders are generated once and kept between runs (see
// BenchNotes.h); the indexes go to a temporary directory of the run. The
// cold cases drop the page cache, which needs root; without it they say so
// and are skipped.
#include "BenchNotes.h"
#include "BenchWindow.h"
#include "NoteRowSink.h"
#include "NoteStore.h"
#include "NoteStoreImpl.h"
#include "NotesListCtrl.h"
#include "PlainRead.h"
#include "QtBenchMain.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const char* const pszNeedle = "body 1234";

int EnvCount(const char* pszName, int nDefault)
{
    const char* psz = std::getenv(pszName);
    const int n = psz ? std::atoi(psz) : 0;
    return n > 0 ? n : nDefault;
}

const int nNotes = EnvCount("QUILLBOX_BENCH_INDEX_NOTES", 100000);
const int nFolders = EnvCount("QUILLBOX_BENCH_INDEX_FOLDERS", 10);

std::string FolderDir(int i)
{
    return BenchNotesFolder("quillbox-bench-index-" + std::to_string(nNotes) + "-" + std::to_string(i), nNotes, 360);
}

// Written back and dropped, so that the next read comes from the disk.
bool DropPageCache()
{
    ::sync();
    const int fd = ::open("/proc/sys/vm/drop_caches", O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool bDone = ::write(fd, "3", 1) == 1;
    ::close(fd);
    return bDone;
}

// Pauses the timing around dropping the page cache; false, the benchmark
// skipped, when that cannot be done.
bool DropPageCache(benchmark::State& state)
{
    state.PauseTiming();
    const bool bDone = DropPageCache();
    state.ResumeTiming();
    if (!bDone)
        state.SkipWithError("the page cache cannot be dropped (needs root)");
    return bDone;
}

QTemporaryDir& IndexDir()
{
    static QTemporaryDir dir;
    return dir;
}

// Every folder's index written from its files. A file changed less than
// the doubt span before its read would be read again at every check.
void WriteIndexes()
{
    for (int i = 0; i < nFolders; ++i)
        FolderDir(i);
    for (int i = 0; i < nFolders; ++i) {
        struct stat st
        {};
        if (::stat((FolderDir(i) + "/.complete").c_str(), &st) == 0) {
            const auto age = std::chrono::system_clock::now().time_since_epoch() - std::chrono::seconds(st.st_ctime);
            if (age < std::chrono::seconds(12))
                std::this_thread::sleep_for(std::chrono::seconds(12) - age);
        }
        CAppContext app(FolderDir(i));
        app.m_strIndexDir = IndexDir().path().toStdString();
        CNoteStore store(app);
        store.LoadFolder(FolderDir(i));
    }
}

// The floor of a check: the directory listed and every note file stat'ed.
size_t ListAndStatPlainly(const char* pszDir)
{
    DIR* dir = ::opendir(pszDir);
    if (!dir)
        return 0;
    size_t total = 0;
    while (const dirent* e = ::readdir(dir)) {
        const size_t len = std::strlen(e->d_name);
        if (len < 4 || std::strcmp(e->d_name + len - 4, ".qbt") != 0)
            continue;
        struct stat st
        {};
        if (::fstatat(::dirfd(dir), e->d_name, &st, 0) == 0)
            total += static_cast<size_t>(st.st_size);
    }
    ::closedir(dir);
    return total;
}

struct SWindow : SBenchWindow
{
    explicit SWindow(bool bIndex) : SBenchWindow(FolderDir(0))
    {
        QCoreApplication::processEvents();
        if (!bIndex)
            return;
        app->m_strIndexDir = IndexDir().path().toStdString();
        // One selection first, as the user's first, which puts the list's
        // order into the index: every later selection has it.
        Select();
        Leave();
        app->GetStore().WaitForFolderIndex();
    }
};

void SelectLoop(benchmark::State& state, bool bIndex, bool bChecked = false, bool bCold = false)
{
    SWindow window(bIndex);
    for (auto _ : state) {
        state.PauseTiming();
        window.Leave();
        state.ResumeTiming();
        if (bCold && !DropPageCache(state))
            break;
        window.Select();
        if (bChecked)
            window.WaitForCheck();
    }
    state.counters["rows"] = window.frame->GetNotesList()->GetModel().GetRowCount();
}

void BM_ReadFilesBaseline(benchmark::State& state)
{
    const std::string strDir = FolderDir(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadNoteFilesPlainly(strDir.c_str()));
}

// A plain program's pass over the first folder, the page cache dropped
// before each.
template <class F>
void ColdLoop(benchmark::State& state, F plain)
{
    const std::string strDir = FolderDir(0);
    for (auto _ : state) {
        if (!DropPageCache(state))
            break;
        benchmark::DoNotOptimize(plain(strDir.c_str()));
    }
}

void BM_ReadFilesColdBaseline(benchmark::State& state)
{
    ColdLoop(state, ReadNoteFilesPlainly);
}

void BM_SelectFromFilesCold(benchmark::State& state)
{
    SelectLoop(state, false, false, true);
}

void BM_SelectFromIndexCold(benchmark::State& state)
{
    SelectLoop(state, true, false, true);
}

// Until the check behind is done: when a change made while Quillbox was
// closed shows at the latest.
void BM_SelectFromIndexCheckedCold(benchmark::State& state)
{
    SelectLoop(state, true, true, true);
}

void BM_ListAndStatColdBaseline(benchmark::State& state)
{
    ColdLoop(state, ListAndStatPlainly);
}

void BM_SelectFromFiles(benchmark::State& state)
{
    SelectLoop(state, false);
}

void BM_SelectFromIndex(benchmark::State& state)
{
    SelectLoop(state, true);
}

// The same until its files are checked and the list took what differs.
void BM_SelectFromIndexChecked(benchmark::State& state)
{
    SelectLoop(state, true, true);
}

void BM_ListAndStatBaseline(benchmark::State& state)
{
    const std::string strDir = FolderDir(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(ListAndStatPlainly(strDir.c_str()));
}

// The part of the check that runs off the GUI thread.
void BM_CheckScan(benchmark::State& state)
{
    CAppContext app(FolderDir(0));
    app.m_strIndexDir = IndexDir().path().toStdString();
    CNoteStore store(app);
    store.LoadFolderIndex(FolderDir(0));
    for (auto _ : state) {
        const auto scan = store.PrepareScan();
        CNoteStore::RunScan(*scan);
        benchmark::DoNotOptimize(scan->entries.size());
    }
}

// The whole check of an unchanged folder: the scan and its comparison.
void BM_CheckScanAndApply(benchmark::State& state)
{
    CAppContext app(FolderDir(0));
    app.m_strIndexDir = IndexDir().path().toStdString();
    CNoteStore store(app);
    store.LoadFolderIndex(FolderDir(0));
    for (auto _ : state) {
        const auto scan = store.PrepareScan();
        CNoteStore::RunScan(*scan);
        if (store.ApplyScan(*scan).Any())
            state.SkipWithError("the folder changed");
    }
}

class CCountingSink : public INoteRowSink
{
public:
    void DeleteAllRows() override { m_nRows = 0; }
    int GetRowCount() const override { return m_nRows; }
    void AppendRow(const SNoteRow&, std::unique_ptr<CNoteRecord>) override { ++m_nRows; }

private:
    int m_nRows = 0;
};

void SearchLoop(benchmark::State& state, bool bIndex)
{
    CAppContext app(FolderDir(0));
    if (bIndex)
        app.m_strIndexDir = IndexDir().path().toStdString();
    int nHits = 0;
    for (auto _ : state) {
        nHits = 0;
        for (int i = 0; i < nFolders; ++i) {
            CNoteStore store(app);
            if (bIndex)
                store.LoadFolderChecked(FolderDir(i));
            else
                store.LoadFolder(FolderDir(i));
            CCountingSink sink;
            store.SearchNotes(sink, false, pszNeedle);
            nHits += sink.GetRowCount();
        }
    }
    state.counters["hits"] = nHits;
}

// A search of each folder as the one-folder search reads another folder.
void BM_SearchFoldersFromFiles(benchmark::State& state)
{
    SearchLoop(state, false);
}

void BM_SearchAllFolders(benchmark::State& state)
{
    SearchLoop(state, true);
}

void BM_GrepBaseline(benchmark::State& state)
{
    std::string command = std::string("grep -r -F -i -l '") + pszNeedle + "'";
    for (int i = 0; i < nFolders; ++i)
        command += " '" + FolderDir(i) + "'";
    command += " > /dev/null";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(command.c_str()));
}
} // namespace

BENCHMARK(BM_ReadFilesBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SelectFromFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SelectFromIndex)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SelectFromIndexChecked)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ListAndStatBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CheckScan)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CheckScanAndApply)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GrepBaseline)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchFoldersFromFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SearchAllFolders)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadFilesColdBaseline)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_SelectFromFilesCold)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_SelectFromIndexCold)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_SelectFromIndexCheckedCold)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ListAndStatColdBaseline)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv, WriteIndexes);
}
