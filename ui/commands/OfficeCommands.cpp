#include "commands/OfficeCommands.h"

#include "CommandContext.h"
#include "FrameWindow.h"
#include "ImportNotesDlg.h"
#include "ImportTasksDlg.h"
#include "NoteSelection.h"
#include "NotesListCtrl.h"
#include "OfficeExports.h"
#include "OfficeLink.h"
#include "FolderView.h"

#include <QApplication>
#include <QCoreApplication>

namespace
{
// The wait cursor for the whole command, whichever way it ends.
class CWaitCursor
{
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

using DocumentExport = std::string (*)(const CNoteRecord*, const CAutomationRegistry&, IAutomationReporter&);

void RunDocumentExport(SCommandContext& ctx, DocumentExport pfnExport)
{
    if (!ctx.pOffice)
        return;
    CWaitCursor wait;
    const std::optional<CNoteSelection::SCommandNote> target = ctx.selection.TakeCommandNote();
    if (!target)
        return;
    // LibreOffice takes seconds to show the document, or nothing opens when
    // it is missing: this line says which.
    const std::string strStatus = pfnExport(&target->note, ctx.pOffice->GetRegistry(), ctx.pOffice->GetReporter());
    if (!strStatus.empty())
        ctx.window.ShowStatus(QCoreApplication::translate("OfficeExports", strStatus.c_str()));
}

// Counts the items the listing passed over and names the first few.
void ShowSkipped(SCommandContext& ctx, const std::vector<std::string>& skipped)
{
    if (skipped.empty())
        return;
    constexpr size_t nNamed = 3;
    const int nSkipped = static_cast<int>(skipped.size());
    QString strText = QCoreApplication::translate(
        "OfficeCommands", "%n mail-client item(s) could not be read and were left as they are:", nullptr, nSkipped);
    for (size_t i = 0; i < skipped.size() && i < nNamed; ++i)
        strText += QLatin1Char(' ') + QString::fromStdString(skipped[i]);
    if (skipped.size() > nNamed)
        strText += QStringLiteral(" ...");
    ctx.window.ShowStatus(strText);
}

NotesChooser ChooseNotes(SCommandContext& ctx)
{
    return [&ctx](COutlookConnection& outlook) -> std::optional<std::vector<std::string>> {
        CImportNotesDlg dlg(outlook, ctx.pParent);
        const int nResult = dlg.exec();
        ShowSkipped(ctx, dlg.GetSkipped());
        if (nResult != QDialog::Accepted)
            return std::nullopt;
        return dlg.m_listChosen;
    };
}

TasksChooser ChooseTasks(SCommandContext& ctx)
{
    return [&ctx](COutlookConnection& outlook) -> std::optional<std::vector<COutlookTaskEntry>> {
        CImportTasksDlg dlg(outlook, ctx.app, ctx.pParent);
        const int nResult = dlg.exec();
        ShowSkipped(ctx, dlg.GetSkipped());
        if (nResult != QDialog::Accepted)
            return std::nullopt;
        return dlg.m_listChosen;
    };
}

// Marks the row of the note under strKey, once the list has been rebuilt.
void MarkNote(SCommandContext& ctx, const std::string& strKey)
{
    CNotesListCtrl* pList = ctx.window.GetNotesList();
    if (!pList)
        return;
    for (int nRow = 0; nRow < pList->GetModel().GetRowCount(); ++nRow)
        if (const CNoteRecord* pNote = pList->GetModel().GetRowNote(nRow); pNote && pNote->m_strKey == strKey) {
            pList->SetSelectionMark(nRow);
            return;
        }
}
} // namespace

namespace OfficeCommands
{
void OnExportWordAll(SCommandContext& ctx)
{
    RunDocumentExport(ctx, &ExportWordAll);
}

void OnExportWordNotes(SCommandContext& ctx)
{
    RunDocumentExport(ctx, &ExportWordNotes);
}

void OnExportExcelAll(SCommandContext& ctx)
{
    RunDocumentExport(ctx, &ExportExcelAll);
}

void OnExportExcelNotes(SCommandContext& ctx)
{
    RunDocumentExport(ctx, &ExportExcelNotes);
}

void OnExportOutlookTask(SCommandContext& ctx)
{
    if (!ctx.pOffice)
        return;
    const std::optional<CNoteSelection::SCommandNote> target = ctx.selection.TakeCommandNote();
    ExportOutlookTask(ctx.pOffice->GetOutlook(), ctx.pOffice->GetReporter(), target ? &target->note : nullptr);
}

void OnExportOutlookNote(SCommandContext& ctx)
{
    if (!ctx.pOffice)
        return;
    const std::optional<CNoteSelection::SCommandNote> target = ctx.selection.TakeCommandNote();
    ExportOutlookNote(ctx.pOffice->GetOutlook(), ctx.pOffice->GetReporter(), target ? &target->note : nullptr);
}

void OnImportOutlookTasks(SCommandContext& ctx)
{
    if (!ctx.pOffice)
        return;
    // The note at the mark is not used, so an empty folder takes tasks too.
    ctx.selection.CommitNoteText();
    const std::string strFolder = ctx.folders.GetSelectedFolderPath();
    if (strFolder.empty())
        return;
    const SImportResult result = ImportOutlookTasks(ctx.pOffice->GetOutlook(), ctx.pOffice->GetReporter(), strFolder,
                                                    ctx.store, ChooseTasks(ctx));
    if (!result)
        return;
    ctx.selection.RefreshNotesList();
    if (result.strError.empty())
        ctx.window.ShowStatus(
            QCoreApplication::translate("OfficeCommands", "%n task(s) imported as notes.", nullptr, result.nWritten));
    else
        ctx.window.ShowStatus(
            QCoreApplication::translate("OfficeCommands", "%1 of the %2 chosen tasks were imported. %3")
                .arg(result.nWritten)
                .arg(result.nChosen)
                .arg(QString::fromStdString(result.strError)));
}

void OnImportOutlookNotes(SCommandContext& ctx)
{
    if (!ctx.pOffice)
        return;
    std::optional<CNoteSelection::SCommandNote> target = ctx.selection.TakeCommandNote();
    if (target) {
        const SImportResult result =
            ImportOutlookNotes(ctx.pOffice->GetOutlook(), ctx.pOffice->GetReporter(), &target->note,
                               ctx.folders.GetSelectedFolderPath(), ctx.store, ChooseNotes(ctx));
        if (result) {
            // The list shows the note as stored, on the same row.
            ctx.selection.RefreshNotesList();
            MarkNote(ctx, target->note.m_strKey);
            if (!result.strError.empty())
                ctx.window.ShowStatus(
                    QCoreApplication::translate("OfficeCommands", "The imported text could not be saved. %1")
                        .arg(QString::fromStdString(result.strError)));
        }
    }
    ctx.selection.ShowNoteText();
}
} // namespace OfficeCommands
