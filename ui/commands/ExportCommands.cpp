#include "ExportCommands.h"

#include "AppContext.h"
#include "CommandContext.h"
#include "DesktopOpener.h"
#include "ExportPdfDialog.h"
#include "FrameWindow.h"
#include "HtmlExport.h"
#include "NoteSelection.h"
#include "NoteStore.h"
#include "PdfExport.h"
#include "TextExchange.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace
{
// Asked for each time: the translation is installed after static start-up.
QString TextFilter()
{
    return QCoreApplication::translate("ExportCommands", "Text Files (*.txt);;All Files (*.*)");
}

QString ShowFileDialog(QWidget* pParent, const ExportCommands::SFileChooser& chooser)
{
    QFileDialog dialog(pParent, chooser.bSave ? QCoreApplication::translate("ExportCommands", "Save As")
                                              : QCoreApplication::translate("ExportCommands", "Open"));
    dialog.setAcceptMode(chooser.bSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(chooser.bSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(chooser.strFilter);
    // QFileDialog asks before an existing file is replaced unless told not to.
    if (!chooser.strDefaultSuffix.isEmpty())
        dialog.setDefaultSuffix(chooser.strDefaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

std::string ChooseFile(SCommandContext& ctx, bool bSave, const QString& strFilter, const QString& strSuffix)
{
    return ExportCommands::FileChooserHook()(ctx.pParent, {bSave, strFilter, strSuffix}).toStdString();
}

void ExportText(SCommandContext& ctx, std::string (*build)(const CNoteRecord&))
{
    const auto target = ctx.selection.TakeCommandNote();
    if (!target)
        return;
    const std::string strPath = ChooseFile(ctx, true, TextFilter(), QStringLiteral("txt"));
    if (strPath.empty())
        return;
    const std::string strText = build(target->note);
    if (ExportCommands::WriteReportOpen(ctx, strPath, [&] { return WriteExportFile(strPath, strText); }))
        ctx.selection.ShowNoteText();
}
} // namespace

namespace ExportCommands
{
FileChooserFunction& FileChooserHook()
{
    static FileChooserFunction fn = ShowFileDialog;
    return fn;
}

bool WriteReportOpen(SCommandContext& ctx, const std::string& strPath, const std::function<SFileResult()>& write)
{
    const QString strFile = QString::fromStdString(strPath);
    if (const SFileResult written = write(); !written) {
        QMessageBox::critical(
            ctx.pParent, QStringLiteral("Quillbox"),
            QCoreApplication::translate("ExportCommands", "The export could not be written to \"%1\".\n\n%2")
                .arg(QDir::toNativeSeparators(strFile), QString::fromStdString(written.strError)));
        return false;
    }
    ctx.window.ShowStatus(
        QCoreApplication::translate("ExportCommands", "Written to %1").arg(QDir::toNativeSeparators(strFile)));
    // Says so, over the line above, when the desktop cannot open it.
    OpenFileOrSay(strFile, ctx.window.GetStatusBar());
    return true;
}

void OnExportTextAll(SCommandContext& ctx)
{
    ExportText(ctx, BuildNoteTextAll);
}

void OnExportTextNotes(SCommandContext& ctx)
{
    ExportText(ctx, BuildNoteTextNotesOnly);
}

void OnImportTextFile(SCommandContext& ctx)
{
    const auto target = ctx.selection.TakeCommandNote();
    if (!target)
        return;
    const std::string strPath = ChooseFile(ctx, false, TextFilter(), QString());
    if (strPath.empty())
        return;
    std::string strError;
    const EImportResult result = ImportTextIntoNote(ctx.store, target->note, strPath, strError);
    if (result == EImportResult::imported || result == EImportResult::saveFailed) {
        ctx.selection.RefreshNotesList();
        ctx.selection.MarkNote(target->note.m_strKey);
    }
    if (!strError.empty())
        ctx.window.ShowStatus(QString::fromStdString(strError));
    else if (result == EImportResult::imported)
        ctx.window.ShowStatus(QCoreApplication::translate("ExportCommands", "The text of \"%1\" was added to \"%2\".")
                                  .arg(QDir::toNativeSeparators(QString::fromStdString(strPath)),
                                       QString::fromStdString(target->note.m_strTitle)));
    ctx.selection.ShowNoteText();
}

void OnExportHtml(SCommandContext& ctx)
{
    const auto target = ctx.selection.TakeCommandNote();
    if (!target)
        return;
    const std::string strPath = ChooseFile(
        ctx, true, QCoreApplication::translate("ExportCommands", "HTML Files (*.html)"), QStringLiteral("html"));
    if (strPath.empty())
        return;
    const std::string strPage = BuildNoteHtml(target->note);
    WriteReportOpen(ctx, strPath, [&] { return WriteExportFile(strPath, strPage); });
}

void OnExportPdf(SCommandContext& ctx)
{
    const auto target = ctx.selection.TakeCommandNote();
    if (!target)
        return;
    CExportPdfDialog dlg(ctx.pParent);
    dlg.m_strTitle = QString::fromStdString(target->note.m_strTitle);
    if (dlg.exec() != QDialog::Accepted)
        return;
    const std::string strPath = QDir::fromNativeSeparators(dlg.m_strPath).toStdString();
    const std::string strTitle = dlg.m_strTitle.toStdString();
    const std::string strSubtitle = dlg.m_strSubtitle.toStdString();
    WriteReportOpen(ctx, strPath, [&] { return ExportNoteToPdf(target->note, strTitle, strSubtitle, strPath); });
}
} // namespace ExportCommands
