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

// The same in every folder of the tree, one after the other, each result
// naming its folder: the shown folder's store is searched as it is, every
// other folder read into a store of its own (from its index where the files
// agree with it) that goes before the next folder is read.
void SearchAllFolders(SCommandContext& ctx, bool bKeywordsOnly, const std::string& strText);

// A result with a record was clicked or selected: the notes list marks the
// same note (the last row whose key matches, ignoring case), or keeps its
// row when the note is not listed, and the Properties pane follows.
void OnResultActivated(SCommandContext& ctx, int nRow);

// Routes the results list's clicks to OnResultActivated; once, after the
// panes exist.
void ConnectResults(SCommandContext& ctx);
} // namespace SearchCommands
