#pragma once

#include <string>

struct SCommandContext;

// The Search command and the clicks on its results.
namespace SearchCommands
{
// Asks for a text and a folder, lists the folder's matching notes in the
// "Search Results" pane and shows the pane, whichever button closed the
// dialog. Nothing with the root or no folder selected.
void OnSearch(SCommandContext& ctx);

// The search behind Find: loads the folder into the store, fills the results
// with one reset, then gives the store back the tree's selected folder (the
// results keep their own copies), so a later change never lands in the wrong
// directory. The reload is skipped when the searched folder is the selected
// one. The status bar tells the number of notes found; the results remember
// the folder they came from.
void SearchFolder(SCommandContext& ctx, const std::string& strPath, bool bKeywordsOnly, const std::string& strText);

// A result with a record became the selected row (bOpen false) or was
// clicked or entered (bOpen true). A result of the folder shown marks its
// note (the last row whose key matches, ignoring case), or keeps the row
// when the note is not listed. bOpen opens the result's folder first when it
// is another, and says in the status bar when the folder or the note is gone.
void OnResultActivated(SCommandContext& ctx, int nRow, bool bOpen);

// Routes the results list's clicks to OnResultActivated; once, after the
// panes exist.
void ConnectResults(SCommandContext& ctx);
} // namespace SearchCommands
