#pragma once

#include "CommandRouter.h"
#include "NoteSelection.h"
#include "NotesListCtrl.h"
#include "commands/CommandContext.h"

#include <QObject>

#include <memory>

class CCommandActions;
class CFolderRecord;
class QMenu;
class QPoint;
struct SMenuEntry;

// Every command comes here, from the menus, the toolbar, the keys and the
// context menus: the controller checks the command's enable rule, then runs
// its handler with the command context. It also holds the notes selection
// and opens the folder the tree selects. The frame owns it.
class CCommandController : public QObject, public ICommandRouter
{
    Q_OBJECT

public:
    CCommandController(CAppContext& app, CNoteStore& store, const CFolderSettingsFile& folderSettings,
                       IFrameWindow& window, IFolderView& folders, QWidget* pMenuParent,
                       COfficeLink* pOffice = nullptr);
    ~CCommandController() override;

    // Once, after the panes exist: the stored list mode, the results pane
    // hidden, the lists followed, and the folder and note selected where the
    // user left them ("Sample Notes" at a first start).
    void OnInitialUpdate();
    // Keeps the selected folder and note for the next start.
    void SaveLastSelection() const;

    // ICommandRouter
    bool ExecuteCommand(int nId) override;
    bool IsCommandEnabled(int nId) const override;
    bool IsCommandChecked(int nId) const override;
    void UpdateCommandUI();

    CCommandActions& GetCommands() const { return *m_pCommands; }
    CNoteSelection& GetNoteSelection() { return m_selection; }
    SCommandContext& GetContext() { return m_context; }
    // The notes list's mode, as shown.
    CNotesListCtrl::EViewMode GetListViewMode() const;

    // The tree selected another item: typed text saved into the folder it
    // was typed in, then the new folder opened (none for the root).
    void OnFolderSelected(const CFolderRecord* pFolder);
    // The tree's context menu: popup 0 for the root, 1 for a folder.
    void ShowTreeContextMenu(bool bRoot, const QPoint& ptGlobal);
    // The notes list's context menu: "ListMenu1" over a row, "ListMenu0"
    // over no row with a folder selected, none with the root selected.
    void ShowListContextMenu(const QPoint& ptGlobal, bool bOverRow);
    // The notes list's context menu, once shown: "ListMenu0" or "ListMenu1".
    QMenu* GetListContextMenu(int nPopup) const { return m_apListMenus[nPopup == 0 ? 0 : 1]; }

signals:
    // A command passed its rules and is about to run.
    void CommandRun(int nId);

private:
    void RestoreLastSelection();
    // "<folder> - Quillbox", or the program's name alone with no folder selected.
    void UpdateWindowTitle();
    void ClearStatus();
    void PopupMenu(QMenu*& pMenu, const SMenuEntry& entry, const QPoint& ptGlobal);

    CAppContext& m_app;
    IFrameWindow& m_window;
    IFolderView& m_folders;
    QWidget* m_pMenuParent;
    CNoteSelection m_selection;
    SCommandContext m_context;
    std::unique_ptr<CCommandActions> m_pCommands;
    QMenu* m_apTreeMenus[2] = {nullptr, nullptr};
    QMenu* m_apListMenus[2] = {nullptr, nullptr};
};
