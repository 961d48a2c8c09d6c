// One note changed by another program in a big folder, shown in the window:
// the changed file read again, the store updated and the list rebuilt,
// against reading the whole folder again.
#include "AppContext.h"
#include "FileIo.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

namespace
{
constexpr int nNotes = 100000;

// The folder is made once and kept between runs in the temporary directory
// (writing 100,000 files takes a while); a marker says it is complete.
std::string FolderPath()
{
    static const std::string strDir = [] {
        const QString dir = QDir::temp().filePath(QStringLiteral("quillbox-bench-sync-%1").arg(nNotes));
        const QString marker = dir + QStringLiteral("/complete");
        if (!QFile::exists(marker)) {
            QDir(dir).removeRecursively();
            QDir().mkpath(dir);
            CAppContext app(dir.toStdString());
            app.m_strCurrentFolder = dir.toStdString();
            CNoteStore store(app);
            for (int i = 0; i < nNotes; ++i) {
                CNoteRecord n;
                n.m_strKey = "20261207" + std::to_string(1000000 + i);
                const unsigned h = static_cast<unsigned>(i) * 2654435761u;
                n.m_strTitle = std::string(h % 3 == 0 ? "Note " : "note ") + std::to_string(h % 1000003);
                n.m_strComments = "comments for the note";
                n.m_strKeywords = "alpha beta gamma";
                n.m_strNotes = std::string(200, 'x') + "\r\nsome more text of the note body " + std::to_string(i);
                n.m_nPriority = i % 3;
                std::ofstream(app.GetNoteFilePath(n), std::ios::binary) << store.NoteFileBytes(n);
            }
            std::ofstream(marker.toStdString()) << "done\n";
        }
        return dir.toStdString();
    }();
    return strDir;
}

struct SWindow
{
    SWindow() : app(FolderPath()), store(app), list(app)
    {
        app.m_strCurrentFolder = FolderPath();
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
    // Another program replaces one note's file the way sync tools do.
    void ChangeElsewhere()
    {
        CNoteRecord note = store.GetNote(strMarkedKey);
        note.m_strNotes = "changed elsewhere " + std::to_string(++nChanges);
        WriteFileAtomically(app.GetNoteFilePath(note), store.NoteFileBytes(note));
    }

    CAppContext app;
    CNoteStore store;
    CNotesListCtrl list;
    std::string strMarkedKey = "20261207" + std::to_string(1000000 + nNotes / 2);
    int nChanges = 0;
};

SWindow& Window()
{
    static SWindow window;
    return window;
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

void BM_ExternalChangeShown(benchmark::State& state)
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
        w.Show();
    }
}
} // namespace

BENCHMARK(BM_LoadFolderBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReloadAndShowBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExternalChangeShown)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
