#pragma once

#include "commands/CommandContext.h"

#include <QObject>
#include <QString>

#include <map>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;
class ICommandRouter;

// mailClient: the mail-client connection opened at start-up; textField: a
// line or text box has the keyboard focus.
enum class EEnableRule { always, never, folderSelected, noteSelected, mailClient, textField };
enum class ECheckRule {
    none,
    toolBarVisible,
    statusBarVisible,
    notesListPane,
    notesPane,
    propertiesPane,
    searchResultsPane,
    detailsMode,
    listMode,
    tilesMode,
    iconsMode,
    treeCollapsed,
    treeExpanded,
};

// One command: everything menus, toolbar, accelerators and the view need.
// A null handler means the command's work is not part of this build: it is
// enabled by its rule but does nothing except say so in the status bar.
struct SCommandEntry
{
    int nId;
    const char* pszMenuText; // without the accelerator, which is pszKey
    const char* pszKey;      // QKeySequence text, or nullptr
    EEnableRule enable;
    ECheckRule check;
    CommandHandler pfnHandler;
};

const std::vector<SCommandEntry>& CommandTable();
const SCommandEntry* FindCommand(int nId);

// A menu item: a command (nId set), a separator (nId 0, no text) or a
// submenu (nId 0, text and items). pszText on a command overrides its menu text.
struct SMenuEntry
{
    int nId = 0;
    const char* pszText = nullptr;
    std::vector<SMenuEntry> items;
};

// The top-level menus of the menu bar, in order.
const std::vector<SMenuEntry>& MainMenu();
// The tree's context menu: popup 0 for the root, 1 for a folder.
const SMenuEntry& TreeContextMenu(int nPopup);
// The notes list's context menu: popup 0 over no row, 1 over a row.
const SMenuEntry& ListContextMenu(int nPopup);
// The toolbar's "Views" drop-down.
const SMenuEntry& ViewsMenu();

struct SToolbarButton
{
    int nId;
    int nImage;
};
const std::vector<SToolbarButton>& ToolbarButtons();

// The actions of every command. Menus and the toolbar built here share one
// action per command id (context menus with their own text get their own
// action), and every trigger goes through the router, which checks the rules.
class CCommandActions : public QObject
{
    Q_OBJECT

public:
    CCommandActions(ICommandRouter& router, QWidget* pShortcutOwner);

    QAction* GetAction(int nId) const;
    // Every action that runs nId, the shared one first.
    std::vector<QAction*> GetActions(int nId) const;

    void BuildMenuBar(QMenuBar* pMenuBar);
    // A new menu from an entry's items; the caller owns it.
    QMenu* BuildMenu(const SMenuEntry& entry, QWidget* pParent);

    // Enabled and checked states from the rules, for every action.
    void UpdateStates();

private:
    QAction* MakeAction(const SCommandEntry& entry, const char* pszText);
    void FillMenu(QMenu* pMenu, const std::vector<SMenuEntry>& items);

    ICommandRouter& m_router;
    QWidget* m_pShortcutOwner;
    std::multimap<int, QAction*> m_actions;
};
