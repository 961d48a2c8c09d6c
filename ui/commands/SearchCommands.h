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

// The search behind Find: the shown folder's store is searched as it is;
// another folder is read into a store of its own, so the shown folder's
// store is never replaced. Each result remembers its folder (name and
// directory); the status bar tells the number of notes found.
void SearchFolder(SCommandContext& ctx, const std::string& strName, const std::string& strPath, bool bKeywordsOnly, const std::string& strText);

// The same in every folder of the tree, one after the other, each result
// naming its folder: the shown folder's store is searched as it is, every
// other folder read into a store of its own (from its index where the files
// agree with it) that goes before the next folder is read.
void SearchAllFolders(SCommandContext& ctx, bool bKeywordsOnly, const std::string& strText);

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
