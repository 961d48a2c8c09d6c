#pragma once

#include "FileIo.h"

#include <QString>

#include <functional>
#include <string>

struct SCommandContext;
class QWidget;

// The program's own exports of the selected note (text, HTML, PDF) and the
// text import into it.
namespace ExportCommands
{
void OnExportTextAll(SCommandContext& ctx);
void OnExportTextNotes(SCommandContext& ctx);
void OnImportTextFile(SCommandContext& ctx);
void OnExportHtml(SCommandContext& ctx);
void OnExportPdf(SCommandContext& ctx);

// What a file chooser asks for: a file to save (asking before an existing
// one is replaced) or one to open, the name filters and the extension a name
// without one gets.
struct SFileChooser
{
    bool bSave = true;
    QString strFilter;
    QString strDefaultSuffix;
};
// Shows the chooser and gives the chosen file's full path, or an empty text
// on cancel. Tests replace it.
using FileChooserFunction = std::function<QString(QWidget* pParent, const SFileChooser& chooser)>;
FileChooserFunction& FileChooserHook();

// The ending every export shares: write() writes the file; on failure an
// error box names the file and nothing is opened; on success the file is
// opened with the desktop's handler, or the status bar says there is none.
// True when the file was written.
bool WriteReportOpen(SCommandContext& ctx, const std::string& strPath, const std::function<SFileResult()>& write);
} // namespace ExportCommands
