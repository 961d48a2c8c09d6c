#include "FolderCommands.h"

#include "AppContext.h"
#include "CommandContext.h"
#include "FolderDialog.h"
#include "FolderRecord.h"
#include "NoteSelection.h"
#include "NoteStore.h"
#include "QuillboxView.h"

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
    ctx.view.InsertFolderItem(std::move(pRecord));
}

void OnModifyFolder(SCommandContext& ctx)
{
    QTreeWidgetItem* pItem = ctx.view.currentItem();
    CFolderRecord* pRecord = ctx.view.GetFolderRecord(pItem);
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
            ctx.selection.CommitNoteText(-1);
        pRecord->m_strName = dlg.m_strName.toStdString();
        pRecord->m_strPath = strNewPath;
        pItem->setText(0, dlg.m_strName);
        ctx.view.MakeBold(pItem);
        ctx.view.ExpandRoot();
        // Show the new directory's notes at once, so that later changes are
        // never written into one directory from another's list.
        if (bPathChanged && ctx.view.currentItem() == pItem) {
            const std::vector<std::string> skipped = ctx.store.LoadFolder(strNewPath);
            ctx.selection.RefreshNotesList();
            ctx.selection.ShowNoteText();
            ctx.selection.WatchSelectedFolder(skipped);
        }
    }
    ctx.view.setCurrentItem(pItem);
}

void OnRemoveFolder(SCommandContext& ctx)
{
    QTreeWidgetItem* pItem = ctx.view.currentItem();
    if (!ctx.view.GetFolderRecord(pItem))
        return;
    QString strQuestion = QString::fromStdString(CAppContext::LoadStringResource(61462));
    strQuestion.replace(QStringLiteral("%s"), pItem->text(0));
    if (QMessageBox::question(ctx.pParent, QStringLiteral("Quillbox"), strQuestion, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    // Typed text goes into the removed folder's directory while its record
    // still exists; nothing after this reads the record.
    ctx.selection.CommitNoteText(-1);
    ctx.view.RemoveFolderItem(pItem);
}

void OnCollapseAll(SCommandContext& ctx)
{
    ctx.app.m_bTreeCollapsed = 1;
    ctx.selection.CommitNoteText(-1);
    ctx.view.CollapseAllItems();
    ctx.selection.ShowEmptyFolder();
}

void OnExpandAll(SCommandContext& ctx)
{
    ctx.app.m_bTreeCollapsed = 0;
    ctx.selection.CommitNoteText(-1);
    ctx.view.ExpandAllItems();
    ctx.selection.ShowEmptyFolder();
}
} // namespace FolderCommands
