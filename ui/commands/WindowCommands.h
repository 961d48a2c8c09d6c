#pragma once

struct SCommandContext;

// The commands that only switch panes, bars, list modes or open the frame's
// own dialogs.
namespace WindowCommands
{
void OnViewDetailWindow(SCommandContext& ctx);
void OnViewNotesWindow(SCommandContext& ctx);
void OnViewSummaryWindow(SCommandContext& ctx);
void OnViewSearchResults(SCommandContext& ctx);
void OnViewDetails(SCommandContext& ctx);
void OnViewList(SCommandContext& ctx);
void OnViewTiles(SCommandContext& ctx);
void OnViewIcons(SCommandContext& ctx);
void OnViewToolbar(SCommandContext& ctx);
void OnViewStatusBar(SCommandContext& ctx);
void OnViews(SCommandContext& ctx);
void OnAppAbout(SCommandContext& ctx);
void OnAppExit(SCommandContext& ctx);
void OnHelp(SCommandContext& ctx);
// F6 and Shift+F6: the keyboard focus to the next or previous shown pane,
// round the window.
void OnNextPane(SCommandContext& ctx);
void OnPrevPane(SCommandContext& ctx);
} // namespace WindowCommands
