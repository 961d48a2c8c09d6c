// Loading and searching against what the same work costs with no store at all.
#include "AppContext.h"
#include "BenchNotes.h"
#include "NoteRowSink.h"
#include "NoteStore.h"
#include "PlainRead.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

namespace
{
class CNullRows : public INoteRowSink
{
public:
    void DeleteAllRows() override { n = 0; }
    int GetRowCount() const override { return n; }
    void AppendRow(const SNoteRow&, std::unique_ptr<CNoteRecord>) override { ++n; }
    int n = 0;
};

struct SFolder
{
    QTemporaryDir dir;
    std::unique_ptr<CAppContext> app;
};

// Folders of generated notes, made once per size and kept for the run.
SFolder& Folder(int count)
{
    static std::map<int, std::unique_ptr<SFolder>> folders;
    auto& f = folders[count];
    if (!f) {
        f = std::make_unique<SFolder>();
        f->app = std::make_unique<CAppContext>(f->dir.path().toStdString());
        CNoteStore store(*f->app);
        store.LoadFolder(f->dir.path().toStdString());
        for (int i = 0; i < count; ++i) {
            const CNoteRecord n = MakeBenchNote(i);
            // The folder is only the material: written plainly, since a
            // durable save of each of 100,000 notes would take minutes.
            std::ofstream(CAppContext::GetNoteFilePath(store.GetLoadedFolder(), n), std::ios::binary) << store.NoteFileBytes(n);
        }
    }
    return *f;
}

void BM_ReadFilesBaseline(benchmark::State& state)
{
    SFolder& f = Folder(static_cast<int>(state.range(0)));
    const std::string strDir = f.dir.path().toStdString();
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadNoteFilesPlainly(strDir.c_str()));
}

void BM_LoadFolder(benchmark::State& state)
{
    SFolder& f = Folder(static_cast<int>(state.range(0)));
    CNoteStore store(*f.app);
    for (auto _ : state)
        benchmark::DoNotOptimize(store.LoadFolder(f.dir.path().toStdString()));
}

struct SLoaded
{
    SLoaded() : store(*Folder(100000).app) { store.LoadFolder(Folder(100000).dir.path().toStdString()); }
    CNoteStore store;
};

SLoaded& Loaded()
{
    static SLoaded loaded;
    return loaded;
}

void BM_ScanBaseline(benchmark::State& state)
{
    std::vector<std::string> texts;
    Loaded().store.ForEach([&](const CNoteRecord& n) {
        for (const std::string* s : {&n.m_strTitle, &n.m_strComments, &n.m_strKeywords, &n.m_strNotes})
            texts.push_back(*s);
    });
    for (auto _ : state) {
        int hits = 0;
        for (const std::string& t : texts)
            hits += memmem(t.data(), t.size(), "NOTHING", 7) != nullptr;
        benchmark::DoNotOptimize(hits);
    }
}

// The same scan over the records where the store keeps them.
void BM_ScanInPlaceBaseline(benchmark::State& state)
{
    for (auto _ : state) {
        int hits = 0;
        Loaded().store.ForEach([&](const CNoteRecord& n) {
            for (const std::string* t : {&n.m_strTitle, &n.m_strComments, &n.m_strKeywords, &n.m_strNotes})
                hits += memmem(t->data(), t->size(), "NOTHING", 7) != nullptr;
        });
        benchmark::DoNotOptimize(hits);
    }
}

void BM_SearchNotes(benchmark::State& state)
{
    CNullRows rows;
    for (auto _ : state) {
        Loaded().store.SearchNotes(rows, false, "nothing");
        benchmark::DoNotOptimize(rows.n);
    }
}

// The first search after a change also lays the text out again.
void BM_SearchAfterChange(benchmark::State& state)
{
    CNullRows rows;
    CNoteStore& store = Loaded().store;
    CNoteRecord first;
    store.ForEach([&](const CNoteRecord& n) {
        if (first.m_strKey.empty())
            first = n;
    });
    for (auto _ : state) {
        first.m_strComments += "x";
        store.UpdateNote(first);
        store.SearchNotes(rows, false, "nothing");
        benchmark::DoNotOptimize(rows.n);
    }
}
} // namespace

BENCHMARK(BM_ReadFilesBaseline)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFolder)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanInPlaceBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchNotes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchAfterChange)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
