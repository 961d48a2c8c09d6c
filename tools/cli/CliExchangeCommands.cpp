#include "CliCommon.h"

#include "HtmlExport.h"
#include "PdfExport.h"
#include "TextExchange.h"

namespace
{
int RunExport(const std::vector<std::string>& words)
{
    SCliArgs args;
    if (int rc = ParseCommandArgs(words, {"--format", "--output", "--title", "--subtitle"}, {}, 2, args))
        return rc;
    const std::string format = args.Get("--format");
    if (format != "text-all" && format != "text-notes" && format != "html" && format != "pdf")
        return CliUsage("--format takes text-all, text-notes, html or pdf");
    if (!args.Has("--output") || args.Get("--output").empty())
        return CliUsage("--output FILE is required");
    if (format != "pdf" && (args.Has("--title") || args.Has("--subtitle")))
        return CliUsage("--title and --subtitle belong to the pdf format");

    SCliSession session(args.positional[0]);
    CNoteRecord note;
    if (!FindCliNote(session, args.positional[1], note))
        return EXIT_FAILED;
    const std::string output = args.Get("--output");
    bool ok = false;
    if (format == "pdf")
        ok = ExportNoteToPdf(note, args.Get("--title", note.m_strTitle), args.Get("--subtitle"), output);
    else if (format == "html")
        ok = WriteExportFile(output, BuildNoteHtml(note));
    else
        ok = WriteExportFile(output, format == "text-all" ? BuildNoteTextAll(note) : BuildNoteTextNotesOnly(note));
    return ok ? EXIT_OK : CliFailure("cannot write " + output);
}

int RunImportText(const std::vector<std::string>& words)
{
    SCliArgs args;
    if (int rc = ParseCommandArgs(words, {}, {}, 3, args))
        return rc;
    SCliSession session(args.positional[0]);
    CNoteRecord note;
    if (!FindCliNote(session, args.positional[1], note))
        return EXIT_FAILED;
    switch (ImportTextIntoNote(session.store, note, args.positional[2])) {
    case EImportResult::unreadable: return CliFailure("cannot read " + args.positional[2]);
    case EImportResult::saveFailed: return EXIT_FAILED; // the store has said why
    case EImportResult::empty:
    case EImportResult::imported: break;
    }
    return EXIT_OK;
}
}

std::vector<SCliCommand> ExchangeCliCommands()
{
    return {
        {"export",
         "export DIR KEY --format text-all|text-notes|html|pdf --output FILE [--title T] [--subtitle S]",
         RunExport},
        {"import-text", "import-text DIR KEY FILE", RunImportText},
    };
}
