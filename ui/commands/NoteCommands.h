#pragma once

struct SCommandContext;

// Add, Modify and Delete Note: records move between the list, the editor
// sheet and the store, and the list is rebuilt from the store afterwards.
namespace NoteCommands
{
void OnAddNote(SCommandContext& ctx);
void OnModifyNote(SCommandContext& ctx);
void OnDeleteNote(SCommandContext& ctx);
} // namespace NoteCommands
