#pragma once

struct SCommandContext;

// New, Modify and Remove Folder, Collapse All and Expand All.
namespace FolderCommands
{
void OnNewFolder(SCommandContext& ctx);
void OnModifyFolder(SCommandContext& ctx);
void OnRemoveFolder(SCommandContext& ctx);
void OnCollapseAll(SCommandContext& ctx);
void OnExpandAll(SCommandContext& ctx);
} // namespace FolderCommands
