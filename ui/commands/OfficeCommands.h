#pragma once

struct SCommandContext;

// The office suite and mail-client commands: a note sent to a new word
// processor document, spreadsheet, task or note of the mail client, and the
// mail client's tasks and notes brought in. The servers are reached through
// the context's COfficeLink; without one the commands do nothing.
namespace OfficeCommands
{
void OnExportWordAll(SCommandContext& ctx);
void OnExportWordNotes(SCommandContext& ctx);
void OnExportExcelAll(SCommandContext& ctx);
void OnExportExcelNotes(SCommandContext& ctx);
void OnExportOutlookTask(SCommandContext& ctx);
void OnExportOutlookNote(SCommandContext& ctx);
// New notes in the selected folder; nothing with the root or nothing selected.
void OnImportOutlookTasks(SCommandContext& ctx);
// The chosen notes' texts appended to the note at the mark.
void OnImportOutlookNotes(SCommandContext& ctx);
} // namespace OfficeCommands
