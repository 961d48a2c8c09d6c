#include "CommandTable.h"

#include "AppContext.h"
#include "CommandIds.h"
#include "CommandRouter.h"
#include "commands/EditCommands.h"
#include "commands/ExportCommands.h"
#include "commands/FolderCommands.h"
#include "commands/NoteCommands.h"
#include "commands/PreferencesCommands.h"
#include "commands/SearchCommands.h"
#include "commands/OfficeCommands.h"
#include "commands/WindowCommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace
{
namespace D = EditCommands;
namespace F = FolderCommands;
namespace O = OfficeCommands;
namespace W = WindowCommands;
namespace N = NoteCommands;
namespace S = SearchCommands;
namespace X = ExportCommands;
namespace P = PreferencesCommands;
using E = EEnableRule;
using C = ECheckRule;

// Menu texts carry no accelerator: it is the key column, shown by the menu.
// A new command family adds its handlers here, one row per command.
const std::vector<SCommandEntry> g_commands = {
    {ID_APP_EXIT, QT_TRANSLATE_NOOP("CommandTable", "E&xit"), nullptr, E::always, C::none, &W::OnAppExit},
    {ID_EDIT_UNDO, QT_TRANSLATE_NOOP("CommandTable", "&Undo"), nullptr, E::textField, C::none, &D::OnEditUndo},
    {ID_EDIT_REDO, QT_TRANSLATE_NOOP("CommandTable", "&Redo"), nullptr, E::textField, C::none, &D::OnEditRedo},
    {ID_EDIT_CUT, QT_TRANSLATE_NOOP("CommandTable", "Cu&t"), nullptr, E::textField, C::none, &D::OnEditCut},
    {ID_EDIT_COPY, QT_TRANSLATE_NOOP("CommandTable", "&Copy"), nullptr, E::textField, C::none, &D::OnEditCopy},
    {ID_EDIT_PASTE, QT_TRANSLATE_NOOP("CommandTable", "&Paste"), nullptr, E::textField, C::none, &D::OnEditPaste},
    {ID_EDIT_SELECT_ALL, QT_TRANSLATE_NOOP("CommandTable", "Select &All"), nullptr, E::textField, C::none, &D::OnEditSelectAll},
    {ID_SEARCH, QT_TRANSLATE_NOOP("CommandTable", "&Search"), "Ctrl+F", E::folderSelected, C::none, &S::OnSearch},
    {ID_NEW_FOLDER, QT_TRANSLATE_NOOP("CommandTable", "&New Folder"), "Ctrl+I", E::always, C::none, &F::OnNewFolder},
    {ID_MODIFY_FOLDER, QT_TRANSLATE_NOOP("CommandTable", "&Modify Folder"), "Ctrl+M", E::folderSelected, C::none,
     &F::OnModifyFolder},
    {ID_REMOVE_FOLDER, QT_TRANSLATE_NOOP("CommandTable", "&Remove Folder"), "Ctrl+R", E::folderSelected, C::none,
     &F::OnRemoveFolder},
    {ID_ADD_NOTE, QT_TRANSLATE_NOOP("CommandTable", "&Add Note"), "Ctrl+N", E::folderSelected, C::none, &N::OnAddNote},
    {ID_MODIFY_NOTE, QT_TRANSLATE_NOOP("CommandTable", "Modif&y Note"), "Ctrl+Y", E::noteSelected, C::none,
     &N::OnModifyNote},
    {ID_DELETE_NOTE, QT_TRANSLATE_NOOP("CommandTable", "&Delete Note"), "Ctrl+D", E::noteSelected, C::none,
     &N::OnDeleteNote},
    {ID_EXPORT_WORD_ALL, QT_TRANSLATE_NOOP("CommandTable", "&All Details"), nullptr, E::always, C::none,
     &O::OnExportWordAll},
    {ID_EXPORT_WORD_NOTES, QT_TRANSLATE_NOOP("CommandTable", "&Notes only"), nullptr, E::always, C::none,
     &O::OnExportWordNotes},
    {ID_EXPORT_EXCEL_ALL, QT_TRANSLATE_NOOP("CommandTable", "&All Details"), nullptr, E::always, C::none,
     &O::OnExportExcelAll},
    {ID_EXPORT_EXCEL_NOTES, QT_TRANSLATE_NOOP("CommandTable", "&Notes only"), nullptr, E::always, C::none,
     &O::OnExportExcelNotes},
    {ID_EXPORT_OUTLOOK_TASK, QT_TRANSLATE_NOOP("CommandTable", "&Task"), nullptr, E::mailClient, C::none,
     &O::OnExportOutlookTask},
    {ID_EXPORT_OUTLOOK_NOTE, QT_TRANSLATE_NOOP("CommandTable", "&Notes"), nullptr, E::mailClient, C::none,
     &O::OnExportOutlookNote},
    {ID_EXPORT_TEXT_ALL, QT_TRANSLATE_NOOP("CommandTable", "&All Details"), nullptr, E::always, C::none,
     &X::OnExportTextAll},
    {ID_EXPORT_TEXT_NOTES, QT_TRANSLATE_NOOP("CommandTable", "&Notes only"), nullptr, E::always, C::none,
     &X::OnExportTextNotes},
    {ID_EXPORT_PDF, QT_TRANSLATE_NOOP("CommandTable", "&Portable Document Format (PDF)"), nullptr, E::always, C::none,
     &X::OnExportPdf},
    {ID_EXPORT_HTML, QT_TRANSLATE_NOOP("CommandTable", "&HTML"), nullptr, E::always, C::none, &X::OnExportHtml},
    {ID_IMPORT_OUTLOOK_TASKS, QT_TRANSLATE_NOOP("CommandTable", "&Tasks"), nullptr, E::mailClient, C::none,
     &O::OnImportOutlookTasks},
    {ID_IMPORT_OUTLOOK_NOTES, QT_TRANSLATE_NOOP("CommandTable", "&Notes"), nullptr, E::mailClient, C::none,
     &O::OnImportOutlookNotes},
    {ID_IMPORT_TEXT_FILE, QT_TRANSLATE_NOOP("CommandTable", "&Text File"), nullptr, E::always, C::none,
     &X::OnImportTextFile},
    {ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CommandTable", "&Toolbar"), nullptr, E::always, C::toolBarVisible,
     &W::OnViewToolbar},
    {ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CommandTable", "&Status Bar"), nullptr, E::always, C::statusBarVisible,
     &W::OnViewStatusBar},
    {ID_VIEW_DETAIL_WINDOW, QT_TRANSLATE_NOOP("CommandTable", "&Detail Window"), "Alt+0", E::always, C::notesListPane,
     &W::OnViewDetailWindow},
    {ID_VIEW_NOTES_WINDOW, QT_TRANSLATE_NOOP("CommandTable", "&Notes Window"), "Alt+1", E::always, C::notesPane,
     &W::OnViewNotesWindow},
    {ID_VIEW_SUMMARY_WINDOW, QT_TRANSLATE_NOOP("CommandTable", "&Summary Window"), "Alt+2", E::always,
     C::propertiesPane, &W::OnViewSummaryWindow},
    {ID_VIEW_SEARCH_RESULTS, QT_TRANSLATE_NOOP("CommandTable", "&Search Results"), "Alt+3", E::always,
     C::searchResultsPane, &W::OnViewSearchResults},
    {ID_VIEW_DETAILS, QT_TRANSLATE_NOOP("CommandTable", "&Details"), "Ctrl+1", E::always, C::detailsMode,
     &W::OnViewDetails},
    {ID_VIEW_LIST, QT_TRANSLATE_NOOP("CommandTable", "&List"), "Ctrl+2", E::always, C::listMode, &W::OnViewList},
    {ID_VIEW_TILES, QT_TRANSLATE_NOOP("CommandTable", "&Tiles"), "Ctrl+3", E::always, C::tilesMode, &W::OnViewTiles},
    {ID_VIEW_ICONS, QT_TRANSLATE_NOOP("CommandTable", "&Icons"), "Ctrl+4", E::always, C::iconsMode, &W::OnViewIcons},
    {ID_COLLAPSE_ALL, QT_TRANSLATE_NOOP("CommandTable", "C&ollapase All"), "Ctrl+O", E::always, C::treeCollapsed,
     &F::OnCollapseAll},
    {ID_EXPAND_ALL, QT_TRANSLATE_NOOP("CommandTable", "&Expand All"), "Ctrl+E", E::always, C::treeExpanded,
     &F::OnExpandAll},
    {ID_PREFERENCES, QT_TRANSLATE_NOOP("CommandTable", "&Preferences"), "Ctrl+Alt+P", E::always, C::none,
     &P::OnPreferences},
    {ID_APP_ABOUT, QT_TRANSLATE_NOOP("CommandTable", "&About Quillbox..."), nullptr, E::always, C::none,
     &W::OnAppAbout},
    {ID_HELP_CONTENTS, QT_TRANSLATE_NOOP("CommandTable", "Help"), "F1", E::always, C::none, &W::OnHelp},
    {ID_VIEWS, QT_TRANSLATE_NOOP("CommandTable", "Views"), nullptr, E::always, C::none, &W::OnViews},
    {ID_NEXT_PANE, QT_TRANSLATE_NOOP("CommandTable", "Next Pane"), "F6", E::always, C::none, &W::OnNextPane},
    {ID_PREV_PANE, QT_TRANSLATE_NOOP("CommandTable", "Previous Pane"), "Shift+F6", E::always, C::none, &W::OnPrevPane},
};

// The desktop's own keys of the editing commands, less any key a command
// above holds (Redo's Ctrl+Y on some desktops is Modify Note here).
const std::pair<int, QKeySequence::StandardKey> g_standardKeys[] = {
    {ID_EDIT_UNDO, QKeySequence::Undo},   {ID_EDIT_REDO, QKeySequence::Redo},
    {ID_EDIT_CUT, QKeySequence::Cut},     {ID_EDIT_COPY, QKeySequence::Copy},
    {ID_EDIT_PASTE, QKeySequence::Paste}, {ID_EDIT_SELECT_ALL, QKeySequence::SelectAll},
};

QList<QKeySequence> StandardKeys(int nId)
{
    QList<QKeySequence> keys;
    for (const auto& [nCommand, eKey] : g_standardKeys)
        if (nCommand == nId)
            keys = QKeySequence::keyBindings(eKey);
    for (const SCommandEntry& entry : g_commands)
        if (entry.pszKey)
            keys.removeAll(QKeySequence(QString::fromLatin1(entry.pszKey)));
    return keys;
}

SMenuEntry Cmd(int nId, const char* pszText = nullptr)
{
    return {nId, pszText, {}};
}
SMenuEntry Sep()
{
    return {};
}
SMenuEntry Sub(const char* pszText, std::vector<SMenuEntry> items)
{
    return {0, pszText, std::move(items)};
}

const std::vector<SMenuEntry> g_mainMenu = {
    Sub(QT_TRANSLATE_NOOP("CommandTable", "&File"), {Cmd(ID_APP_EXIT)}),
    Sub(QT_TRANSLATE_NOOP("CommandTable", "&Edit"),
        {Cmd(ID_EDIT_UNDO), Cmd(ID_EDIT_REDO), Sep(), Cmd(ID_EDIT_CUT), Cmd(ID_EDIT_COPY), Cmd(ID_EDIT_PASTE), Sep(),
         Cmd(ID_EDIT_SELECT_ALL), Sep(), Cmd(ID_SEARCH)}),
    Sub(QT_TRANSLATE_NOOP("CommandTable", "F&older"),
        {Cmd(ID_NEW_FOLDER), Sep(), Cmd(ID_MODIFY_FOLDER), Cmd(ID_REMOVE_FOLDER)}),
    Sub(QT_TRANSLATE_NOOP("CommandTable", "&Notes"),
        {Cmd(ID_ADD_NOTE), Sep(), Cmd(ID_MODIFY_NOTE), Cmd(ID_DELETE_NOTE)}),
    Sub(QT_TRANSLATE_NOOP("CommandTable", "E&xport to"),
        {Sub(QT_TRANSLATE_NOOP("CommandTable", "MS &Word"), {Cmd(ID_EXPORT_WORD_ALL), Cmd(ID_EXPORT_WORD_NOTES)}),
         Sub(QT_TRANSLATE_NOOP("CommandTable", "MS &Excel"), {Cmd(ID_EXPORT_EXCEL_ALL), Cmd(ID_EXPORT_EXCEL_NOTES)}),
         Sub(QT_TRANSLATE_NOOP("CommandTable", "MS &Outlook"),
             {Cmd(ID_EXPORT_OUTLOOK_TASK), Cmd(ID_EXPORT_OUTLOOK_NOTE)}),
         Sub(QT_TRANSLATE_NOOP("CommandTable", "&Text Format"), {Cmd(ID_EXPORT_TEXT_ALL), Cmd(ID_EXPORT_TEXT_NOTES)}),
         Cmd(ID_EXPORT_PDF), Cmd(ID_EXPORT_HTML)}),
    Sub(QT_TRANSLATE_NOOP("CommandTable", "&Import from"),
        {Sub(QT_TRANSLATE_NOOP("CommandTable", "MS &Outlook"),
             {Cmd(ID_IMPORT_OUTLOOK_TASKS), Cmd(ID_IMPORT_OUTLOOK_NOTES)}),
         Cmd(ID_IMPORT_TEXT_FILE)}),
    Sub(QT_TRANSLATE_NOOP("CommandTable", "&View"),
        {Cmd(ID_VIEW_TOOLBAR), Cmd(ID_VIEW_STATUS_BAR), Sep(), Cmd(ID_VIEW_DETAIL_WINDOW), Cmd(ID_VIEW_NOTES_WINDOW),
         Cmd(ID_VIEW_SUMMARY_WINDOW), Cmd(ID_VIEW_SEARCH_RESULTS), Sep(), Cmd(ID_VIEW_DETAILS), Cmd(ID_VIEW_LIST),
         Cmd(ID_VIEW_TILES), Cmd(ID_VIEW_ICONS)}),
    Sub(QT_TRANSLATE_NOOP("CommandTable", "&Tools"),
        {Cmd(ID_COLLAPSE_ALL), Cmd(ID_EXPAND_ALL), Sep(), Cmd(ID_PREFERENCES)}),
    Sub(QT_TRANSLATE_NOOP("CommandTable", "&Help"), {Cmd(ID_APP_ABOUT), Cmd(ID_HELP_CONTENTS)}),
};

const SMenuEntry g_treeMenus[2] = {
    Sub("RightClickMenu0", {Cmd(ID_NEW_FOLDER)}),
    Sub("RightClickMenu1", {Cmd(ID_NEW_FOLDER), Sep(), Cmd(ID_MODIFY_FOLDER), Cmd(ID_REMOVE_FOLDER), Sep(),
                            Sub(QT_TRANSLATE_NOOP("CommandTable", "&Import From"),
                                {Cmd(ID_IMPORT_OUTLOOK_TASKS, QT_TRANSLATE_NOOP("CommandTable", "Outlook &Tasks"))})}),
};

const SMenuEntry g_listMenus[2] = {
    Sub("ListMenu0", {Cmd(ID_ADD_NOTE), Sep(),
                      Sub(QT_TRANSLATE_NOOP("CommandTable", "&Import From"),
                          {Cmd(ID_IMPORT_OUTLOOK_TASKS, QT_TRANSLATE_NOOP("CommandTable", "Outlook &Tasks"))})}),
    Sub("ListMenu1", {Cmd(ID_ADD_NOTE), Sep(), Cmd(ID_MODIFY_NOTE), Cmd(ID_DELETE_NOTE), Sep(),
                      Sub(QT_TRANSLATE_NOOP("CommandTable", "&Import From"),
                          {Cmd(ID_IMPORT_OUTLOOK_TASKS, QT_TRANSLATE_NOOP("CommandTable", "Outlook &Tasks")),
                           Cmd(ID_IMPORT_OUTLOOK_NOTES, QT_TRANSLATE_NOOP("CommandTable", "Outlook &Notes")),
                           Cmd(ID_IMPORT_TEXT_FILE)}),
                      Sub(QT_TRANSLATE_NOOP("CommandTable", "&Export"),
                          {Cmd(ID_EXPORT_OUTLOOK_TASK, QT_TRANSLATE_NOOP("CommandTable", "As Outlook &Task")),
                           Cmd(ID_EXPORT_OUTLOOK_NOTE, QT_TRANSLATE_NOOP("CommandTable", "As Outlook &Notes")),
                           Sub(QT_TRANSLATE_NOOP("CommandTable", "As MS &Word"),
                               {Cmd(ID_EXPORT_WORD_ALL), Cmd(ID_EXPORT_WORD_NOTES)}),
                           Sub(QT_TRANSLATE_NOOP("CommandTable", "As MS &Excel"),
                               {Cmd(ID_EXPORT_EXCEL_ALL), Cmd(ID_EXPORT_EXCEL_NOTES)}),
                           Sub(QT_TRANSLATE_NOOP("CommandTable", "As Text &File"),
                               {Cmd(ID_EXPORT_TEXT_ALL), Cmd(ID_EXPORT_TEXT_NOTES)}),
                           Cmd(ID_EXPORT_PDF, QT_TRANSLATE_NOOP("CommandTable", "As &Portable Document Format (PDF)")),
                           Cmd(ID_EXPORT_HTML, QT_TRANSLATE_NOOP("CommandTable", "To &HTML"))})}),
};

const SMenuEntry g_viewsMenu = Sub(QT_TRANSLATE_NOOP("CommandTable", "Views"),
                                   {Cmd(ID_VIEW_DETAILS), Cmd(ID_VIEW_LIST), Cmd(ID_VIEW_TILES), Cmd(ID_VIEW_ICONS)});

const std::vector<SToolbarButton> g_toolbar = {
    {ID_NEW_FOLDER, 0},           {ID_MODIFY_FOLDER, 1},
    {ID_REMOVE_FOLDER, 2},        {ID_ADD_NOTE, 5},
    {ID_MODIFY_NOTE, 6},          {ID_DELETE_NOTE, 7},
    {ID_EXPAND_ALL, 3},           {ID_COLLAPSE_ALL, 4},
    {ID_VIEW_DETAIL_WINDOW, 8},   {ID_VIEW_SUMMARY_WINDOW, 9},
    {ID_VIEW_NOTES_WINDOW, 10},   {ID_SEARCH, 11},
    {ID_VIEW_SEARCH_RESULTS, 16}, {ID_VIEWS, 12},
    {ID_PREFERENCES, 17},         {ID_APP_ABOUT, 18},
};

QString Translated(const char* pszText)
{
    return QCoreApplication::translate("CommandTable", pszText);
}

// The prompt (first line) and the tooltip (second line) of a command.
QStringList CommandStrings(int nId)
{
    return QString::fromStdString(CAppContext::LoadStringResource(static_cast<unsigned>(nId))).split(QLatin1Char('\n'));
}
} // namespace

const std::vector<SCommandEntry>& CommandTable()
{
    return g_commands;
}

const SCommandEntry* FindCommand(int nId)
{
    for (const SCommandEntry& entry : g_commands)
        if (entry.nId == nId)
            return &entry;
    return nullptr;
}

const std::vector<SMenuEntry>& MainMenu()
{
    return g_mainMenu;
}

const SMenuEntry& TreeContextMenu(int nPopup)
{
    return g_treeMenus[nPopup == 0 ? 0 : 1];
}

const SMenuEntry& ListContextMenu(int nPopup)
{
    return g_listMenus[nPopup == 0 ? 0 : 1];
}

const SMenuEntry& ViewsMenu()
{
    return g_viewsMenu;
}

const std::vector<SToolbarButton>& ToolbarButtons()
{
    return g_toolbar;
}

CCommandActions::CCommandActions(ICommandRouter& router, QWidget* pShortcutOwner)
    : m_router(router), m_pShortcutOwner(pShortcutOwner)
{
    for (const SCommandEntry& entry : g_commands)
        MakeAction(entry, entry.pszMenuText);
}

QAction* CCommandActions::MakeAction(const SCommandEntry& entry, const char* pszText)
{
    auto* pAction = new QAction(Translated(pszText), this);
    pAction->setData(entry.nId);
    pAction->setObjectName(QStringLiteral("command-%1").arg(entry.nId));
    const QStringList strings = CommandStrings(entry.nId);
    pAction->setStatusTip(strings.value(0));
    const QString strTip = strings.value(1);
    if (!strTip.isEmpty())
        pAction->setToolTip(strTip.trimmed());
    if (entry.check != ECheckRule::none)
        pAction->setCheckable(true);
    const bool bShared = m_actions.count(entry.nId) == 0;
    const QList<QKeySequence> keys =
        entry.pszKey ? QList<QKeySequence>{QKeySequence(QString::fromLatin1(entry.pszKey))} : StandardKeys(entry.nId);
    if (!keys.isEmpty() && bShared) {
        pAction->setShortcuts(keys);
        // Keys work wherever the focus is in the window, menus or not.
        m_pShortcutOwner->addAction(pAction);
    }
    const int nId = entry.nId;
    connect(pAction, &QAction::triggered, this, [this, nId] {
        m_router.ExecuteCommand(nId);
        UpdateStates();
    });
    m_actions.emplace(nId, pAction);
    return pAction;
}

QAction* CCommandActions::GetAction(int nId) const
{
    auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

std::vector<QAction*> CCommandActions::GetActions(int nId) const
{
    std::vector<QAction*> result;
    auto range = m_actions.equal_range(nId);
    for (auto it = range.first; it != range.second; ++it)
        result.push_back(it->second);
    return result;
}

void CCommandActions::BuildMenuBar(QMenuBar* pMenuBar)
{
    for (const SMenuEntry& top : g_mainMenu) {
        QMenu* pMenu = pMenuBar->addMenu(Translated(top.pszText));
        FillMenu(pMenu, top.items);
    }
}

QMenu* CCommandActions::BuildMenu(const SMenuEntry& entry, QWidget* pParent)
{
    auto* pMenu = new QMenu(Translated(entry.pszText), pParent);
    FillMenu(pMenu, entry.items);
    return pMenu;
}

void CCommandActions::FillMenu(QMenu* pMenu, const std::vector<SMenuEntry>& items)
{
    // Rules are evaluated again each time a menu opens.
    connect(pMenu, &QMenu::aboutToShow, this, &CCommandActions::UpdateStates);
    for (const SMenuEntry& item : items) {
        if (item.nId == 0 && !item.pszText) {
            pMenu->addSeparator();
        } else if (item.nId == 0) {
            FillMenu(pMenu->addMenu(Translated(item.pszText)), item.items);
        } else if (const SCommandEntry* pEntry = FindCommand(item.nId)) {
            QAction* pAction = GetAction(item.nId);
            if (item.pszText && Translated(item.pszText) != pAction->text())
                pAction = MakeAction(*pEntry, item.pszText);
            pMenu->addAction(pAction);
        }
    }
}

void CCommandActions::UpdateStates()
{
    for (const auto& [nId, pAction] : m_actions) {
        pAction->setEnabled(m_router.IsCommandEnabled(nId));
        if (pAction->isCheckable())
            pAction->setChecked(m_router.IsCommandChecked(nId));
    }
}
