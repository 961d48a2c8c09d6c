// A search from Find to the results pane painted, in the real main window,
// against loading and searching the same folder with no window at all.
#include "AppContext.h"
#include "CommandController.h"
#include "FolderRecord.h"
#include "MainFrame.h"
#include "NoteRowList.h"
#include "NoteStore.h"
#include "QtBenchMain.h"
#include "QuillboxApp.h"
#include "QuillboxView.h"
#include "SearchResultsBar.h"
#include "commands/CommandContext.h"
#include "commands/SearchCommands.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

namespace
{
constexpr int nNotes = 100000;
// Found in every note, and in one note only.
const std::string strEveryNote = "note number";
const std::string strOneNote = "body 4242x";

// The folder of 100,000 notes, written once and kept for later runs:
// $QUILLBOX_BENCH_DIR, else a folder in the temporary directory.
std::string NotesFolder()
{
    QString strDir = qEnvironmentVariable("QUILLBOX_BENCH_DIR");
    if (strDir.isEmpty())
        strDir = QDir::temp().filePath(QStringLiteral("quillbox-bench-search"));
    const QString strDone = QDir(strDir).filePath(QStringLiteral("complete-%1").arg(nNotes));
    if (QFile::exists(strDone))
        return strDir.toStdString();
    QDir().mkpath(strDir);
    CAppContext app(strDir.toStdString());
    CNoteStore store(app);
    store.LoadFolder(strDir.toStdString());
    for (int i = 0; i < nNotes; ++i) {
        CNoteRecord n;
        n.m_strKey = "20261207" + std::to_string(1000000 + i);
        n.m_strTitle = "Note number " + std::to_string(i);
        n.m_strComments = "comments for the note";
        n.m_strKeywords = "alpha beta gamma";
        n.m_strNotes = std::string(200, 'x') + "\r\nsome more text of the note body " + std::to_string(i) + "x";
        n.m_nPriority = i % 3;
        // Written plainly: a durable save of each would take minutes.
        std::ofstream(CAppContext::GetNoteFilePath(store.GetLoadedFolder(), n), std::ios::binary) << store.NoteFileBytes(n);
    }
    QFile(strDone).open(QIODevice::WriteOnly);
    return strDir.toStdString();
}

// The main window, shown, with the big folder selected in the tree.
struct SWindow
{
    SWindow() : app(exeDir.path().toStdString())
    {
        app.InitInstance(false);
        frame = app.GetMainFrame();
        frame->resize(1200, 800);
        frame->show();
        CQuillboxView& view = *frame->GetView();
        view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Big", strFolder}));
        view.setCurrentItem(view.GetRootItem()->child(view.GetRootItem()->childCount() - 1));
        frame->GetSearchResultsBar()->show();
        while (!frame->windowHandle() || !frame->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
    }
    ~SWindow() { frame->close(); }

    SCommandContext Context()
    {
        CQuillboxView& view = *frame->GetView();
        CCommandController& commands = *frame->GetController();
        return {frame, app, app.GetStore(), app.GetFolderSettings(), commands.GetNoteSelection(), *frame, view, nullptr};
    }

    std::string strFolder = NotesFolder();
    QTemporaryDir exeDir;
    CQuillboxApp app;
    CMainFrame* frame = nullptr;
};

// Made at first use, gone before the application object.
std::unique_ptr<SWindow> g_pWindow;

SWindow& Window()
{
    if (!g_pWindow)
        g_pWindow = std::make_unique<SWindow>();
    return *g_pWindow;
}

void BM_LoadAndSearchBaseline(benchmark::State& state, const std::string& strText)
{
    const std::string strFolder = NotesFolder();
    CAppContext app(strFolder);
    CNoteStore store(app);
    CNoteRowList rows;
    for (auto _ : state) {
        store.LoadFolder(strFolder);
        store.SearchNotes(rows, false, strText);
        benchmark::DoNotOptimize(rows.m_rows.data());
    }
    state.counters["hits"] = rows.GetRowCount();
}

// Find in the tree's selected folder, the results painted.
void BM_SearchInWindow(benchmark::State& state, const std::string& strText)
{
    SWindow& window = Window();
    SCommandContext ctx = window.Context();
    CSearchResultsList* pResults = window.frame->GetSearchResultsList();
    for (auto _ : state) {
        SearchCommands::SearchFolder(ctx, {}, window.strFolder, false, strText);
        pResults->viewport()->repaint();
    }
    state.counters["hits"] = pResults->GetModel().GetRowCount();
}

// What the search would cost if it loaded the selected folder back even when
// it is the one searched.
void BM_SearchInWindowWithReload(benchmark::State& state, const std::string& strText)
{
    SWindow& window = Window();
    SCommandContext ctx = window.Context();
    CSearchResultsList* pResults = window.frame->GetSearchResultsList();
    for (auto _ : state) {
        SearchCommands::SearchFolder(ctx, {}, window.strFolder, false, strText);
        window.app.GetStore().LoadFolder(window.strFolder);
        pResults->viewport()->repaint();
    }
}

// Scrolling through 100,000 hits once they are shown.
void BM_ScrollHits(benchmark::State& state)
{
    SWindow& window = Window();
    SCommandContext ctx = window.Context();
    CSearchResultsList* pResults = window.frame->GetSearchResultsList();
    SearchCommands::SearchFolder(ctx, {}, window.strFolder, false, strEveryNote);
    int nRow = 0;
    for (auto _ : state) {
        nRow = (nRow + 5000) % pResults->GetModel().GetRowCount();
        pResults->scrollTo(pResults->GetModel().index(nRow, 0));
        pResults->viewport()->repaint();
    }
}
} // namespace

BENCHMARK_CAPTURE(BM_LoadAndSearchBaseline, all_hits, strEveryNote)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchInWindow, all_hits, strEveryNote)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadAndSearchBaseline, one_hit, strOneNote)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchInWindow, one_hit, strOneNote)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SearchInWindowWithReload, one_hit, strOneNote)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScrollHits)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    const CQtBenchApp app(argc, argv);
    RunBenchmarks(argc, argv);
    g_pWindow.reset();
    return 0;
}
