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
// one.
void SearchFolder(SCommandContext& ctx, const std::string& strPath, bool bKeywordsOnly, const std::string& strText);

// A result with a record was clicked or selected: the notes list marks the
// same note (the last row whose key matches, ignoring case), or keeps its
// row when the note is not listed, and the Properties pane follows.
void OnResultActivated(SCommandContext& ctx, int nRow);

// Routes the results list's clicks to OnResultActivated; once, after the
// panes exist.
void ConnectResults(SCommandContext& ctx);
} // namespace SearchCommands
