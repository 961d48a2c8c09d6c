// One keystroke in the notes list's filter box at 100,000 notes: the rows
// narrowed, row 0 marked and the visible rows painted, against the store's
// in-memory search of the same notes for the same text as the baseline.
#include "AppContext.h"
#include "BenchNotes.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "QtBenchMain.h"

#include <QAbstractItemView>
#include <QApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

namespace
{
constexpr int nNotes = 100000;

struct SFolder
{
    SFolder() : strDir(BenchNotesFolder("quillbox-bench-filter-100000", nNotes)), app(strDir), store(app)
    {
        store.LoadFolder(strDir);
    }
    std::string strDir;
    CAppContext app;
    CNoteStore store;
};

SFolder& Folder()
{
    static SFolder folder;
    return folder;
}

// Two texts typed in turn, so every round changes the filter: every note,
// about a tenth of them, one note.
const std::array<std::array<const char*, 2>, 3> aTexts = {
    {{"note", "note "}, {"note 1", "note 12"}, {"body 4242", "body 42421"}}};

void BM_StoreSearchBaseline(benchmark::State& state)
{
    SFolder& f = Folder();
    const auto& texts = aTexts[static_cast<size_t>(state.range(0))];
    size_t nRound = 0;
    for (auto _ : state) {
        int nFound = 0;
        f.store.FindNotes(false, texts[nRound++ % 2], [&nFound](const auto&) { ++nFound; });
        benchmark::DoNotOptimize(nFound);
    }
}

void BM_FilterKeystroke(benchmark::State& state)
{
    SFolder& f = Folder();
    const auto& texts = aTexts[static_cast<size_t>(state.range(0))];
    CNotesListCtrl list(f.app);
    list.InitColumns(CNotesListCtrl::modeDetails);
    list.resize(700, 400);
    list.show();
    list.GetModel().Refill(f.store);
    size_t nRound = 0;
    for (auto _ : state) {
        list.GetModel().SetFilter(f.store, texts[nRound++ % 2]);
        list.SetSelectionMark(0);
        list.GetActiveView()->viewport()->repaint();
    }
    state.counters["rows"] = list.GetModel().GetRowCount();
}

// What every save pays at this size: a refill collating the titles.
void BM_RefillCollated(benchmark::State& state)
{
    SFolder& f = Folder();
    CNotesListModel model(f.app);
    for (auto _ : state)
        model.Refill(f.store);
}
} // namespace

BENCHMARK(BM_RefillCollated)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StoreSearchBaseline)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterKeystroke)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
