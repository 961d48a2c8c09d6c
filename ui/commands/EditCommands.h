#pragma once

struct SCommandContext;
class QObject;
class QWidget;

// Undo, Redo, Cut, Copy, Paste and Select All on the text field that has the
// keyboard focus: the Notes pane or any other line or text box.
namespace EditCommands
{
// The text field with the keyboard focus, or that had it when the menu bar
// took it; nullptr when the focus is elsewhere.
QWidget* FocusedTextField();
// Follows the focus from now on, for as long as pContext lives.
void FollowFocus(QObject* pContext);

void OnEditUndo(SCommandContext& ctx);
void OnEditRedo(SCommandContext& ctx);
void OnEditCut(SCommandContext& ctx);
void OnEditCopy(SCommandContext& ctx);
void OnEditPaste(SCommandContext& ctx);
void OnEditSelectAll(SCommandContext& ctx);
} // namespace EditCommands
