#pragma once

#include <vector>

class CNotesListCtrl;
class CNotesTextBar;
class CPropertiesList;
class CSearchResultsList;
class CSizingControlBar;
class QStatusBar;
class QString;
class QToolBar;
class QWidget;

// The four panes, by the command that toggles each.
enum class EPane { notesText, notesList, properties, searchResults };

// What the view and the commands need of the main window. The frame
// implements it, so nothing in ui knows the frame's class. A getter answers
// nullptr for a part that could not be made.
class IFrameWindow
{
public:
    virtual ~IFrameWindow() = default;

    // The owner of every dialog and message box.
    virtual QWidget* GetWindow() = 0;
    virtual CSizingControlBar* GetPane(EPane pane) const = 0;
    virtual CNotesListCtrl* GetNotesList() const = 0;
    virtual CNotesTextBar* GetNotesTextBar() const = 0;
    virtual CPropertiesList* GetPropertiesList() const = 0;
    virtual CSearchResultsList* GetSearchResultsList() const = 0;
    virtual QToolBar* GetToolBar() const = 0;
    virtual QStatusBar* GetStatusBar() const = 0;
    // A line in the status bar, when there is one.
    void ShowStatus(const QString& strText) const;
    // What the keyboard visits, in Tab and F6 order: the folder tree, the
    // notes list, the Notes pane's text, the properties and the search results.
    virtual std::vector<QWidget*> GetFocusPanes() const = 0;

    // The toolbar's "Views" popup under its button.
    virtual void ShowViewsMenu() = 0;
    virtual void ShowAboutBox() = 0;
    // The help file beside the program, else our own help page, which may be
    // missing too.
    virtual QString GetHelpFile() const = 0;
};
