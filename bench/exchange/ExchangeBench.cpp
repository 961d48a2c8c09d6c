// PDF export of large notes against writing the same number of bytes with
// no writer at all. 1 MB should cost about ten times 100 KB: the writer must
// stay linear in the text, for wrapped paragraphs and for one endless line.
#include "FileIo.h"
#include "NoteRecord.h"
#include "PdfExport.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <string>

namespace
{
// Words of mixed length in paragraphs of about 300 characters, each wrapping
// into several lines; or, with no breaks, the same words as one line.
std::string NotesText(size_t nBytes, bool bParagraphs)
{
    static const char* words[] = {"milk",  "bread",  "appointment", "call",    "the",    "garage",
                                  "about", "tyres,", "well-known",  "(draft)", "Zürich", "notes"};
    std::string text;
    text.reserve(nBytes + 16);
    size_t i = 0;
    size_t paragraph = 0;
    while (text.size() < nBytes) {
        text += words[i++ % (sizeof words / sizeof *words)];
        if (bParagraphs && text.size() - paragraph > 300) {
            text += "\r\n";
            paragraph = text.size();
        } else {
            text += ' ';
        }
    }
    text.resize(nBytes);
    return text;
}

QTemporaryDir& Dir()
{
    static QTemporaryDir dir;
    return dir;
}

std::string OutPath(const char* name)
{
    return QDir(Dir().path()).filePath(name).toStdString();
}

void Export(benchmark::State& state, bool bParagraphs)
{
    CNoteRecord note;
    note.m_strTitle = "Large note";
    note.m_strNotes = NotesText(static_cast<size_t>(state.range(0)), bParagraphs);
    const std::string path = OutPath("export.pdf");
    for (auto _ : state)
        if (!ExportNoteToPdf(note, note.m_strTitle, "bench", path))
            state.SkipWithError("the export could not be written");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void BM_PdfExportParagraphs(benchmark::State& state)
{
    Export(state, true);
}

void BM_PdfExportOneLine(benchmark::State& state)
{
    Export(state, false);
}

void BM_WriteSameBytesBaseline(benchmark::State& state)
{
    const std::string bytes = NotesText(static_cast<size_t>(state.range(0)), true);
    const std::string path = OutPath("baseline.bin");
    for (auto _ : state)
        if (!WriteFileAtomically(path, bytes))
            state.SkipWithError("the file could not be written");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}
} // namespace

BENCHMARK(BM_WriteSameBytesBaseline)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PdfExportParagraphs)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PdfExportOneLine)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
