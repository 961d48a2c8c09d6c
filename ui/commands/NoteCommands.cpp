#include "NoteCommands.h"

#include "AppContext.h"
#include "CommandContext.h"
#include "FrameWindow.h"
#include "NoteSelection.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "NotesSheet.h"
#include "Resources.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPixmap>

namespace
{

// The store has shown its own notice; the status bar keeps the reason, and
// nothing else in the window says the note was saved.
void ReportFailure(SCommandContext& ctx, const SStoreResult& result)
{
    if (result)
        return;
    ctx.window.ShowStatus(QString::fromStdString(result.strError));
}

bool AskYesNo(SCommandContext& ctx, const QString& strQuestion, const QString& strDetail)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quillbox"), strQuestion, QMessageBox::Yes | QMessageBox::No,
                    ctx.pParent);
    box.setDefaultButton(QMessageBox::No);
    box.setInformativeText(strDetail);
    return box.exec() == QMessageBox::Yes;
}

// The store's copy of the row's note; the row's own copy when the store no
// longer holds that key, so a change never lands in a file of an empty key.
CNoteRecord NoteOfRow(const CNoteStore& store, const CNoteRecord& row)
{
    return store.HasNote(row.m_strKey) ? store.GetNote(row.m_strKey) : row;
}
} // namespace

namespace NoteCommands
{
void OnAddNote(SCommandContext& ctx)
{
    ctx.selection.CommitNoteText();
    const QPixmap header(QuillboxResources::ImagePath(QuillboxResources::IDB_WIZARD_HEADER));
    const QPixmap watermark(QuillboxResources::ImagePath(QuillboxResources::IDB_WIZARD_WATERMARK));
    CNotesSheet sheet(QCoreApplication::translate("NoteCommands", "Add Note"), ctx.pParent, 0, watermark, header);
    sheet.SetWizardMode();
    if (sheet.DoModal() == CNotesSheet::ID_WIZFINISH) {
        const SStoreResult added = ctx.store.AddNote(sheet.m_note);
        ReportFailure(ctx, added);
        ctx.selection.RefreshNotesList();
        if (added)
            ctx.selection.MarkNote(added.strKey);
    }
    ctx.selection.ShowNoteText();
}

void OnModifyNote(SCommandContext& ctx)
{
    // The note at the mark with the Notes pane saved into it.
    const std::optional<CNoteSelection::SCommandNote> target = ctx.selection.TakeCommandNote();
    if (!target)
        return;
    ctx.selection.m_note = NoteOfRow(ctx.store, target->note);

    CNotesSheet sheet(QCoreApplication::translate("NoteCommands", "Modify Notes"), ctx.pParent);
    sheet.m_note = ctx.selection.m_note;
    if (sheet.DoModal() == CNotesSheet::IDOK) {
        ReportFailure(ctx, ctx.store.UpdateNote(sheet.m_note));
        ctx.selection.RefreshNotesList();
    }
    if (CNotesListCtrl* pList = ctx.window.GetNotesList())
        pList->SetSelectionMark(target->nRow);
    ctx.selection.ShowNoteProperties();
    ctx.selection.ShowNoteText();
}

void OnDeleteNote(SCommandContext& ctx)
{
    CNotesListCtrl* pList = ctx.window.GetNotesList();
    if (!pList)
        return;
    // Text typed into the Notes pane is not saved first: the note goes.
    const CNoteRecord* pRow = pList->GetModel().GetRowNote(pList->GetSelectionMark());
    if (!pRow)
        return;
    ctx.selection.m_note = NoteOfRow(ctx.store, *pRow);
    const QString strQuestion =
        QString::fromStdString(CAppContext::LoadStringResource(QuillboxResources::IDS_DELETE_NOTE_QUESTION));
    if (AskYesNo(ctx, strQuestion,
                 QCoreApplication::translate("NoteCommands",
                                             "The note goes to the trash, where a file manager can restore it."))) {
        SStoreResult result = ctx.store.DeleteNote(ctx.selection.m_note, CNoteStore::EDelete::toTrash);
        // The trash is only missing on some other file system: the user says
        // whether the note goes for good instead.
        if (result.bTrashRefused &&
            AskYesNo(ctx,
                     QCoreApplication::translate("NoteCommands", "The note cannot be moved to the trash. "
                                                                 "Delete it for good? It cannot be restored."),
                     QString::fromStdString(result.strError)))
            result = ctx.store.DeleteNote(ctx.selection.m_note);
        ReportFailure(ctx, result);
        ctx.selection.RefreshNotesList();
        ctx.selection.ShowNoteText();
    }
    ctx.selection.ShowNoteProperties();
    pList->SetCurrentItem(-1);
}
} // namespace NoteCommands
