// Filling, sorting and first painting the notes list, against copying the
// same records and against a list filled one inserted row at a time.
#include "BenchNotes.h"
#include "AppContext.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "TextMatch.h"
#include "QtBenchMain.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>

namespace
{
struct SFolder
{
    QTemporaryDir dir;
    std::unique_ptr<CAppContext> app;
    std::unique_ptr<CNoteStore> store;
};

// A store of generated notes per size, made once for the run. Titles vary in
// case and order so the sort has work to do.
SFolder& Folder(int nCount)
{
    static std::map<int, std::unique_ptr<SFolder>> folders;
    auto& f = folders[nCount];
    if (!f) {
        f = std::make_unique<SFolder>();
        f->app = std::make_unique<CAppContext>(f->dir.path().toStdString());
        f->store = std::make_unique<CNoteStore>(*f->app);
        f->store->LoadFolder(f->dir.path().toStdString());
        for (int i = 0; i < nCount; ++i)
            f->store->UpdateNote(MakeBenchNote(i));
    }
    return *f;
}

// The list as it was: each row inserted on its own with its texts made at
// fill, then sorted comparing the titles afresh every time.
class COneByOneModel : public QAbstractTableModel, public INoteRowSink
{
public:
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : GetRowCount(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 4; }
    QVariant data(const QModelIndex& index, int nRole) const override
    {
        if (nRole != Qt::DisplayRole || !index.isValid())
            return {};
        const SNoteRow& r = m_rows[static_cast<size_t>(index.row())].first;
        const std::string* apCells[] = {&r.strTitle, &r.strComments, &r.strDate, &r.strPriority};
        return QString::fromStdString(*apCells[index.column()]);
    }
    void DeleteAllRows() override
    {
        beginResetModel();
        m_rows.clear();
        endResetModel();
    }
    int GetRowCount() const override { return static_cast<int>(m_rows.size()); }
    void AppendRow(const SNoteRow& row, std::unique_ptr<CNoteRecord> pRecord) override
    {
        const int n = GetRowCount();
        beginInsertRows({}, n, n);
        m_rows.emplace_back(row, std::move(pRecord));
        endInsertRows();
    }
    void Sort()
    {
        emit layoutAboutToBeChanged();
        std::stable_sort(m_rows.begin(), m_rows.end(), [](const auto& a, const auto& b) {
            return CompareTitles(a.second->m_strTitle, b.second->m_strTitle) < 0;
        });
        emit layoutChanged();
    }

private:
    std::vector<std::pair<SNoteRow, std::unique_ptr<CNoteRecord>>> m_rows;
};

// The floor: the records copied into rows, the rows of the last round
// freed first, as a refill does.
void BM_CopyRecordsBaseline(benchmark::State& state)
{
    SFolder& f = Folder(static_cast<int>(state.range(0)));
    std::vector<std::unique_ptr<CNoteRecord>> rows;
    for (auto _ : state) {
        rows.clear();
        rows.reserve(static_cast<size_t>(f.store->GetCount()));
        f.store->ForEach([&rows](const CNoteRecord& n) { rows.push_back(std::make_unique<CNoteRecord>(n)); });
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_OneRowAtATime(benchmark::State& state)
{
    SFolder& f = Folder(static_cast<int>(state.range(0)));
    COneByOneModel model;
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setModel(&model);
    view.resize(700, 400);
    view.show();
    for (auto _ : state) {
        f.store->FillNotesList(model);
        model.Sort();
        view.setCurrentIndex(model.index(0, 0));
        view.viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What the notes list does on a refill: one reset, keyed sort, row 0 marked,
// the visible rows painted.
void RefillAndPaint(benchmark::State& state, bool bThroughSink, int nMode)
{
    SFolder& f = Folder(static_cast<int>(state.range(0)));
    CNotesListCtrl list(*f.app);
    list.InitColumns(nMode);
    list.resize(700, 400);
    list.show();
    for (auto _ : state) {
        if (bThroughSink) {
            f.store->FillNotesList(list.GetModel());
            list.GetModel().SortByTitle();
        } else {
            list.GetModel().Refill(*f.store);
        }
        list.SetSelectionMark(0);
        list.GetActiveView()->viewport()->repaint();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_NotesListRefill(benchmark::State& state)
{
    RefillAndPaint(state, false, 0);
}

void BM_NotesListThroughSink(benchmark::State& state)
{
    RefillAndPaint(state, true, 0);
}

void BM_NotesListRefillTiles(benchmark::State& state)
{
    RefillAndPaint(state, false, 2);
}
} // namespace

BENCHMARK(BM_CopyRecordsBaseline)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneRowAtATime)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NotesListRefill)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NotesListThroughSink)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NotesListRefillTiles)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    return RunQtBenchmarks(argc, argv);
}
