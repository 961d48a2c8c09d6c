#include "FolderCommands.h"

#include "AppContext.h"
#include "CommandContext.h"
#include "FolderDialog.h"
#include "FolderRecord.h"
#include "NoteSelection.h"
#include "NoteStore.h"
#include "FolderView.h"
#include "Resources.h"

#include <QMessageBox>

namespace FolderCommands
{
void OnNewFolder(SCommandContext& ctx)
{
    CFolderDialog dlg(ctx.pParent);
    if (dlg.exec() != QDialog::Accepted)
        return;
    auto pRecord = std::make_unique<CFolderRecord>();
    pRecord->m_strName = dlg.m_strName.toStdString();
    pRecord->m_strPath = dlg.m_strPath.toStdString();
    const CFolderRecord* pNew = pRecord.get();
    ctx.folders.AddFolder(std::move(pRecord));
    // Made to be used: its notes are shown at once.
    ctx.folders.SelectFolder(pNew);
}

void OnModifyFolder(SCommandContext& ctx)
{
    CFolderRecord* pRecord = ctx.folders.GetSelectedFolder();
    if (!pRecord)
        return;
    CFolderDialog dlg(ctx.pParent);
    dlg.m_strName = QString::fromStdString(pRecord->m_strName);
    dlg.m_strPath = QString::fromStdString(pRecord->m_strPath);
    if (dlg.exec() == QDialog::Accepted) {
        const std::string strNewPath = dlg.m_strPath.toStdString();
        const bool bPathChanged = strNewPath != pRecord->m_strPath;
        // Typed text belongs to the directory the note came from.
        if (bPathChanged)
            ctx.selection.CommitNoteText();
        pRecord->m_strName = dlg.m_strName.toStdString();
        pRecord->m_strPath = strNewPath;
        ctx.folders.UpdateSelectedFolder();
        // Show the new directory's notes at once, so that later changes are
        // never written into one directory from another's list.
        if (bPathChanged)
            ctx.selection.OpenFolder(strNewPath);
    }
}

void OnRemoveFolder(SCommandContext& ctx)
{
    const CFolderRecord* pRecord = ctx.folders.GetSelectedFolder();
    if (!pRecord)
        return;
    QString strQuestion =
        QString::fromStdString(CAppContext::LoadStringResource(QuillboxResources::IDS_REMOVE_FOLDER_QUESTION));
    strQuestion.replace(QStringLiteral("%s"), QString::fromStdString(pRecord->m_strName));
    if (QMessageBox::question(ctx.pParent, QStringLiteral("Quillbox"), strQuestion, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    // Typed text goes into the removed folder's directory while its record
    // still exists; nothing after this reads the record.
    ctx.selection.CommitNoteText();
    ctx.folders.RemoveSelectedFolder();
}

void OnCollapseAll(SCommandContext& ctx)
{
    ctx.app.m_bTreeCollapsed = 1;
    ctx.selection.CommitNoteText();
    ctx.folders.CollapseAllItems();
    ctx.selection.OpenFolder(std::string());
}

void OnExpandAll(SCommandContext& ctx)
{
    ctx.app.m_bTreeCollapsed = 0;
    ctx.selection.CommitNoteText();
    ctx.folders.ExpandAllItems();
    ctx.selection.OpenFolder(std::string());
}
} // namespace FolderCommands
