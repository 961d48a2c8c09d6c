#pragma once

class CAppContext;
class CFolderSettingsFile;
class CNoteSelection;
class CNoteStore;
class COfficeLink;
class IFolderView;
class IFrameWindow;
class QWidget;

// Everything a command handler may reach. The command controller owns one
// and passes it to the handler of every command whose enable rule holds.
struct SCommandContext
{
    // The owner of every dialog and message box: the main window.
    QWidget* pParent;
    // The program-wide settings: flags and priority colours.
    CAppContext& app;
    // The notes of the folder shown; it writes into that folder only.
    CNoteStore& store;
    // Reads and writes the folder list file, app.m_strSettingsFile.
    const CFolderSettingsFile& folderSettings;
    // The notes list, the Notes and Properties panes, the common start of
    // every note command, and the one way into a folder.
    CNoteSelection& selection;
    // The panes, toolbar and status bar, and the frame's own dialogs.
    IFrameWindow& window;
    // The folder tree: its folders and its selection.
    IFolderView& folders;
    // The office servers and the mail-client connection; null when the
    // window runs without them.
    COfficeLink* pOffice;
};

// A command's work; a family keeps its handlers together in one namespace.
using CommandHandler = void (*)(SCommandContext& ctx);
