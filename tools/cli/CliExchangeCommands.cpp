#include "CliCommon.h"

#include "HtmlExport.h"
#include "PdfExport.h"
#include "TextExchange.h"
#include "TextMeasurer.h"

#include <unistd.h>

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
    std::string bytes;
    if (format == "pdf")
        bytes = BuildNotePdf(note, args.Get("--title", note.m_strTitle), args.Get("--subtitle"), CHelveticaMeasurer());
    else if (format == "html")
        bytes = BuildNoteHtml(note);
    else
        bytes = format == "text-all" ? BuildNoteTextAll(note) : BuildNoteTextNotesOnly(note);
    const SFileResult written =
        output == "-" ? WriteAllToFd(STDOUT_FILENO, bytes, "standard output") : WriteExportFile(output, bytes);
    return written ? EXIT_OK : CliFailure(written.strError);
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
    std::string error;
    if (CliBeforeWriteHook())
        CliBeforeWriteHook()();
    SStoreResult saved;
    switch (ImportTextIntoNote(session.store, note, args.positional[2], error, &saved)) {
    case EImportResult::unreadable:
    case EImportResult::saveFailed:
        return CliFailure(error);
    case EImportResult::empty:
        break;
    case EImportResult::imported:
        return CliSaveOutcome(saved);
    }
    return EXIT_OK;
}
} // namespace

std::vector<SCliCommand> ExchangeCliCommands()
{
    return {
        {"export", "export DIR KEY --format text-all|text-notes|html|pdf --output FILE|- [--title T] [--subtitle S]",
         RunExport},
        {"import-text", "import-text DIR KEY FILE", RunImportText},
    };
}
