#include "WindowCommands.h"

#include "AppContext.h"
#include "CommandContext.h"
#include "DesktopOpener.h"
#include "FrameWindow.h"
#include "NoteSelection.h"
#include "NotesListCtrl.h"
#include "SizingControlBar.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QStatusBar>
#include <QToolBar>

namespace
{
// Shows a hidden pane or bar, hides a shown one.
void TogglePane(QWidget* pBar)
{
    if (pBar)
        pBar->setVisible(pBar->isHidden());
}

void FocusPane(SCommandContext& ctx, int nStep)
{
    const std::vector<QWidget*> panes = ctx.window.GetFocusPanes();
    const int nCount = static_cast<int>(panes.size());
    const QWidget* pFocus = QApplication::focusWidget();
    int nFrom = nStep > 0 ? -1 : 0;
    for (int i = 0; i < nCount; ++i)
        if (pFocus && (panes[static_cast<size_t>(i)] == pFocus || panes[static_cast<size_t>(i)]->isAncestorOf(pFocus)))
            nFrom = i;
    for (int n = 1; n <= nCount; ++n) {
        QWidget* pPane = panes[static_cast<size_t>(((nFrom + n * nStep) % nCount + nCount) % nCount)];
        if (pPane->isVisible() && pPane->isEnabled()) {
            // A floating pane is a window of its own.
            pPane->window()->activateWindow();
            pPane->setFocus(nStep > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void SetListMode(SCommandContext& ctx, CNotesListCtrl::EViewMode eMode)
{
    // Another look at the same notes: the marked one stays marked.
    const std::string strKey = ctx.selection.GetMarkedKey();
    if (CNotesListCtrl* pList = ctx.window.GetNotesList())
        pList->SetViewMode(eMode);
    ctx.selection.RefreshNotesList();
    ctx.selection.MarkNote(strKey);
}
} // namespace

namespace WindowCommands
{
void OnViewDetailWindow(SCommandContext& ctx)
{
    TogglePane(ctx.window.GetPane(EPane::notesList));
}

void OnViewNotesWindow(SCommandContext& ctx)
{
    TogglePane(ctx.window.GetPane(EPane::notesText));
}

void OnViewSummaryWindow(SCommandContext& ctx)
{
    TogglePane(ctx.window.GetPane(EPane::properties));
}

void OnViewSearchResults(SCommandContext& ctx)
{
    CSizingControlBar* pBar = ctx.window.GetPane(EPane::searchResults);
    // Until a search has run the command only hides the pane: the start does that once.
    if (!ctx.app.m_bSearchBarUsed) {
        if (pBar)
            pBar->hide();
        ctx.app.m_bSearchBarUsed = 1;
        return;
    }
    TogglePane(pBar);
}

void OnViewDetails(SCommandContext& ctx)
{
    SetListMode(ctx, CNotesListCtrl::modeDetails);
}

void OnViewList(SCommandContext& ctx)
{
    SetListMode(ctx, CNotesListCtrl::modeList);
}

void OnViewTiles(SCommandContext& ctx)
{
    SetListMode(ctx, CNotesListCtrl::modeTiles);
}

void OnViewIcons(SCommandContext& ctx)
{
    SetListMode(ctx, CNotesListCtrl::modeIcons);
}

void OnViewToolbar(SCommandContext& ctx)
{
    TogglePane(ctx.window.GetToolBar());
}

void OnViewStatusBar(SCommandContext& ctx)
{
    TogglePane(ctx.window.GetStatusBar());
}

void OnViews(SCommandContext& ctx)
{
    ctx.window.ShowViewsMenu();
}

void OnAppAbout(SCommandContext& ctx)
{
    ctx.window.ShowAboutBox();
}

void OnAppExit(SCommandContext& ctx)
{
    if (ctx.pParent)
        ctx.pParent->close();
}

void OnHelp(SCommandContext& ctx)
{
    const QString strPath = ctx.window.GetHelpFile();
    if (!QFileInfo::exists(strPath)) {
        QMessageBox::warning(ctx.pParent, QStringLiteral("Quillbox"),
                             QCoreApplication::translate("WindowCommands", "The help page \"%1\" could not be found.")
                                 .arg(QDir::toNativeSeparators(strPath)));
        return;
    }
    OpenFileOrSay(strPath, ctx.window.GetStatusBar());
}

void OnNextPane(SCommandContext& ctx)
{
    FocusPane(ctx, 1);
}

void OnPrevPane(SCommandContext& ctx)
{
    FocusPane(ctx, -1);
}
} // namespace WindowCommands
