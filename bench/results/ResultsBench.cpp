// Showing search hits in the results list against keeping the same rows in a
// plain vector: what the model and the view add.
#include "NoteRowList.h"
#include "SearchResultsBar.h"
#include "QtBenchMain.h"

#include <QApplication>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{
// The hits as the store hands them over: a row and a record copy each.
const std::vector<CNoteRecord>& Hits(int nCount)
{
    static std::vector<CNoteRecord> hits;
    if (static_cast<int>(hits.size()) != nCount) {
        hits.clear();
        for (int i = 0; i < nCount; ++i) {
            CNoteRecord n;
            n.m_strKey = "20261207" + std::to_string(1000000 + i);
            n.m_strTitle = "Note number " + std::to_string(i);
            n.m_strComments = "comments for the note";
            n.m_nIcon = i % 219;
            hits.push_back(n);
        }
    }
    return hits;
}

void AppendHits(INoteRowSink& sink, const std::vector<CNoteRecord>& hits)
{
    sink.DeleteAllRows();
    for (const CNoteRecord& n : hits) {
        SNoteRow row;
        row.strTitle = n.m_strTitle;
        row.nIcon = n.m_nIcon;
        row.strComments = n.m_strComments;
        row.strPriority = "Medium";
        sink.AppendRow(row, std::make_unique<CNoteRecord>(n));
    }
}

// Shown and exposed, so that a repaint really paints.
void ShowList(CSearchResultsList& list)
{
    list.resize(900, 200);
    list.Setup();
    list.show();
    while (!list.windowHandle() || !list.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

void BM_RowVectorBaseline(benchmark::State& state)
{
    const auto& hits = Hits(static_cast<int>(state.range(0)));
    CNoteRowList rows;
    for (auto _ : state) {
        AppendHits(rows, hits);
        benchmark::DoNotOptimize(rows.m_rows.data());
    }
}

// Filled, laid out and painted, as the pane shows a new search.
void BM_ResultsListShown(benchmark::State& state)
{
    const auto& hits = Hits(static_cast<int>(state.range(0)));
    CSearchResultsList list;
    ShowList(list);
    for (auto _ : state) {
        list.GetModel().Fill([&](INoteRowSink& sink) { AppendHits(sink, hits); });
        list.viewport()->repaint();
    }
}

// A page down through the hits once they are shown.
void BM_ResultsListScroll(benchmark::State& state)
{
    const auto& hits = Hits(static_cast<int>(state.range(0)));
    CSearchResultsList list;
    ShowList(list);
    list.GetModel().Fill([&](INoteRowSink& sink) { AppendHits(sink, hits); });
    int nRow = 0;
    for (auto _ : state) {
        nRow = (nRow + 5000) % static_cast<int>(hits.size());
        list.scrollTo(list.GetModel().index(nRow, 0));
        list.viewport()->repaint();
    }
}
} // namespace

BENCHMARK(BM_RowVectorBaseline)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResultsListShown)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResultsListScroll)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
