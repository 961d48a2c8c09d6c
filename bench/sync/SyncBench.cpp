// One note changed by another program in a big folder, shown in the window:
// the changed file read again, the store updated and only its row updated
// (or, for comparison, every row rebuilt), against reading the whole folder
// again. The window cases run the main window's own path; the "seen" case
// counts from the file's rename to the list showing it, wall time, the
// watcher's wait for quiet included.
#include "AppContext.h"
#include "BenchNotes.h"
#include "BenchWindow.h"
#include "CommandController.h"
#include "FileIo.h"
#include "FolderRecord.h"
#include "MainFrame.h"
#include "NoteSelection.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "QtBenchMain.h"
#include "QuillboxApp.h"
#include "QuillboxView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

namespace
{
constexpr int nNotes = 100000;

// The folder is made once and kept between runs (see BenchNotes.h).
std::string FolderPath()
{
    static const std::string strDir = BenchNotesFolder("quillbox-bench-sync-100000", nNotes);
    return strDir;
}

struct SWindow
{
    SWindow() : app(FolderPath()), store(app), list(app)
    {
        store.LoadFolder(FolderPath());
        list.InitColumns(0);
        list.resize(700, 400);
        list.show();
        Show();
    }
    // What the window does once the store has changed: the rows rebuilt
    // and sorted, the mark on the note it was on, the visible rows painted.
    void Show()
    {
        list.FreeItemData();
        store.FillNotesList(list.GetModel());
        list.GetModel().SortByTitle();
        int nRow = 0;
        for (int i = 0; i < list.GetModel().GetRowCount(); ++i)
            if (list.GetModel().GetRowNote(i)->m_strKey == strMarkedKey)
                nRow = i;
        list.SetSelectionMark(nRow);
        list.GetActiveView()->viewport()->repaint();
    }
    // The same with only the changed notes' rows touched.
    void ShowChanges(const SFolderChanges& changes)
    {
        std::vector<std::string> keys = changes.added;
        keys.insert(keys.end(), changes.changed.begin(), changes.changed.end());
        keys.insert(keys.end(), changes.removed.begin(), changes.removed.end());
        if (!list.GetModel().UpdateRows(store, keys))
            bRefilled = true;
        list.SetSelectionMark(list.GetModel().FindRow(store.GetNote(strMarkedKey)));
        list.GetActiveView()->viewport()->repaint();
    }
    // Another program replaces note files the way sync tools do: the marked
    // note's and nCount - 1 more; with bMove their titles change too, so
    // their rows move far in the order.
    void ChangeElsewhere(bool bMove = false, int nCount = 1)
    {
        ++nChanges;
        for (int i = 0; i < nCount; ++i) {
            CNoteRecord note = store.GetNote("20261207" + std::to_string(1000000 + nNotes / 2 + i * 97));
            note.m_strNotes = "changed elsewhere " + std::to_string(nChanges);
            if (bMove)
                note.m_strTitle = (nChanges % 2 ? "a" : "z") + note.m_strTitle.substr(1);
            WriteFileAtomically(CAppContext::GetNoteFilePath(store.GetLoadedFolder(), note), store.NoteFileBytes(note));
        }
    }

    CAppContext app;
    CNoteStore store;
    CNotesListCtrl list;
    std::string strMarkedKey = "20261207" + std::to_string(1000000 + nNotes / 2);
    int nChanges = 0;
    bool bRefilled = false;
};

// Made at first use, gone before the application object is.
std::unique_ptr<SWindow> pWindow;

SWindow& Window()
{
    if (!pWindow)
        pWindow = std::make_unique<SWindow>();
    return *pWindow;
}

void BM_LoadFolderBaseline(benchmark::State& state)
{
    SWindow& w = Window();
    for (auto _ : state)
        benchmark::DoNotOptimize(w.store.LoadFolder(FolderPath()));
}

// A reload by hand: the folder read again and shown.
void BM_ReloadAndShowBaseline(benchmark::State& state)
{
    SWindow& w = Window();
    for (auto _ : state) {
        w.store.LoadFolder(FolderPath());
        w.Show();
    }
}

void BM_RefreshFolder(benchmark::State& state)
{
    SWindow& w = Window();
    w.store.LoadFolder(FolderPath());
    for (auto _ : state) {
        state.PauseTiming();
        w.ChangeElsewhere();
        state.ResumeTiming();
        const SFolderChanges changes = w.store.RefreshFolder();
        if (changes.changed.size() != 1)
            state.SkipWithError("the change was not seen");
    }
}

// One note changed among 1,000 beside state.range(0) damaged files (left
// half-written by a sync that broke off): a refresh costs what changed, the
// damaged files no more than any other file of the listing.
void BM_RefreshAmongDamaged(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    CAppContext app(d);
    CNoteStore store(app);
    store.LoadFolder(d);
    for (int i = 0; i < 1000; ++i) {
        const CNoteRecord n = MakeBenchNote(i);
        std::ofstream(CAppContext::GetNoteFilePath(store.GetLoadedFolder(), n), std::ios::binary) << store.NoteFileBytes(n);
    }
    for (int64_t i = 0; i < state.range(0); ++i)
        std::ofstream(d + "/damaged" + std::to_string(i) + ".qbt", std::ios::binary) << "QB";
    store.LoadFolder(d);
    CNoteRecord note = MakeBenchNote(500);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        note.m_strNotes = "changed elsewhere " + std::to_string(++n);
        WriteFileAtomically(CAppContext::GetNoteFilePath(store.GetLoadedFolder(), note), store.NoteFileBytes(note));
        state.ResumeTiming();
        if (store.RefreshFolder().changed.size() != 1)
            state.SkipWithError("the change was not seen");
    }
}

// Every row rebuilt after state.range(0) notes changed and moved.
void BM_ExternalChangeShown(benchmark::State& state)
{
    SWindow& w = Window();
    double nListNs = 0;
    w.store.LoadFolder(FolderPath());
    for (auto _ : state) {
        state.PauseTiming();
        w.ChangeElsewhere(true, static_cast<int>(state.range(0)));
        state.ResumeTiming();
        const SFolderChanges changes = w.store.RefreshFolder();
        if (changes.changed.size() != static_cast<size_t>(state.range(0)))
            state.SkipWithError("the change was not seen");
        QElapsedTimer list;
        list.start();
        w.Show();
        nListNs += list.nsecsElapsed();
    }
    state.counters["list_ms"] = benchmark::Counter(nListNs / 1e6, benchmark::Counter::kAvgIterations);
}
// Only the changed rows updated: state.range(1) notes, moved in the order
// when state.range(0) is 1.
void BM_ExternalChangeShownInPlace(benchmark::State& state)
{
    SWindow& w = Window();
    w.store.LoadFolder(FolderPath());
    w.Show();
    double nListNs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        w.ChangeElsewhere(state.range(0) != 0, static_cast<int>(state.range(1)));
        state.ResumeTiming();
        const SFolderChanges changes = w.store.RefreshFolder();
        if (changes.changed.size() != static_cast<size_t>(state.range(1)))
            state.SkipWithError("the change was not seen");
        QElapsedTimer list;
        list.start();
        w.ShowChanges(changes);
        nListNs += list.nsecsElapsed();
    }
    state.counters["list_ms"] = benchmark::Counter(nListNs / 1e6, benchmark::Counter::kAvgIterations);
    if (w.bRefilled)
        state.SkipWithError("the rows were refilled");
}

// The main window showing the folder, the note in the middle marked.
struct SFrame : SBenchWindow
{
    SFrame() : SBenchWindow(FolderPath())
    {
        view->setCurrentItem(folder);
        CNotesListCtrl& list = *frame->GetNotesList();
        list.SetSelectionMark(list.GetModel().FindRow(Window().store.GetNote(Window().strMarkedKey)));
        Settle();
    }
    // Lets the window take in whatever is still on its way.
    static void Settle()
    {
        const QDeadlineTimer deadline(CFolderWatcher::nMaxDelayMs + 300);
        while (!deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    CNotesListCtrl& List() const { return *frame->GetNotesList(); }
    const CNoteRecord* Marked() const { return List().GetModel().GetRowNote(List().GetSelectionMark()); }
};

std::unique_ptr<SFrame> pFrame;

SFrame& Frame()
{
    if (!pFrame)
        pFrame = std::make_unique<SFrame>();
    return *pFrame;
}

// What the window does when the watcher reports the change.
void BM_WindowExternalChange(benchmark::State& state)
{
    SWindow& w = Window();
    SFrame& f = Frame();
    f.Settle();
    for (auto _ : state) {
        state.PauseTiming();
        w.ChangeElsewhere(state.range(0) != 0);
        state.ResumeTiming();
        f.frame->GetController()->GetNoteSelection().OnFolderChangedOnDisk();
        f.List().GetActiveView()->viewport()->repaint();
        if (!f.Marked() || f.Marked()->m_strNotes != "changed elsewhere " + std::to_string(w.nChanges))
            state.SkipWithError("the change was not shown");
    }
}

// From the rename to the list showing the change, through the watcher.
void BM_WindowChangeSeen(benchmark::State& state)
{
    SWindow& w = Window();
    SFrame& f = Frame();
    f.Settle();
    for (auto _ : state) {
        w.ChangeElsewhere();
        const std::string strExpected = "changed elsewhere " + std::to_string(w.nChanges);
        const QDeadlineTimer deadline(5000);
        while ((!f.Marked() || f.Marked()->m_strNotes != strExpected) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
        if (deadline.hasExpired())
            state.SkipWithError("the change was not shown");
    }
}
} // namespace

BENCHMARK(BM_LoadFolderBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReloadAndShowBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshAmongDamaged)->ArgName("damaged")->Arg(0)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExternalChangeShown)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExternalChangeShownInPlace)->Args({0, 1})->Args({1, 1})->Args({1, 100})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowExternalChange)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowChangeSeen)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv)
{
    const CQtBenchApp app(argc, argv);
    RunBenchmarks(argc, argv);
    pFrame.reset();
    pWindow.reset();
    return 0;
}
