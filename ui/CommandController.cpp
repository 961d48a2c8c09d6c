#include "CommandController.h"

#include "AppContext.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "FolderRecord.h"
#include "FolderView.h"
#include "FrameWindow.h"
#include "LastSelection.h"
#include "OfficeLink.h"
#include "SizingControlBar.h"
#include "commands/EditCommands.h"
#include "commands/SearchCommands.h"
#include "commands/WindowCommands.h"

#include <QCoreApplication>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace
{
QString PlainMenuText(const char* pszText)
{
    return QCoreApplication::translate("CommandTable", pszText).remove(QLatin1Char('&'));
}
} // namespace

CCommandController::CCommandController(CAppContext& app, CNoteStore& store, const CFolderSettingsFile& folderSettings,
                                       IFrameWindow& window, IFolderView& folders, QWidget* pMenuParent,
                                       COfficeLink* pOffice)
    : m_app(app), m_window(window), m_folders(folders), m_pMenuParent(pMenuParent),
      m_selection(store, window, folders), m_context{window.GetWindow(), app,    store,   folderSettings,
                                                     m_selection,        window, folders, pOffice}
{
    m_pCommands = std::make_unique<CCommandActions>(*this, window.GetWindow());
    EditCommands::FollowFocus(this);
    connect(&m_selection, &CNoteSelection::SelectionChanged, this, &CCommandController::UpdateCommandUI);
}

CCommandController::~CCommandController() = default;

void CCommandController::OnInitialUpdate()
{
    m_selection.RefreshNotesList();
    // Hides the results pane: it starts hidden whatever the stored layout says.
    WindowCommands::OnViewSearchResults(m_context);
    m_selection.Attach();
    if (CNotesListCtrl* pList = m_window.GetNotesList()) {
        // A double click on a row is Modify Note, under its rule.
        connect(pList, &CNotesListCtrl::ModifyRequested, this, [this] { ExecuteCommand(ID_MODIFY_NOTE); });
        connect(pList, &CNotesListCtrl::ContextMenuRequested, this, &CCommandController::ShowListContextMenu);
    }
    SearchCommands::ConnectResults(m_context);
    RestoreLastSelection();
    UpdateCommandUI();
}

void CCommandController::RestoreLastSelection()
{
    const SLastSelection last = SLastSelection::Load();
    // At a first start the sample notes are shown, not an empty list.
    const std::string strPath = last.bStored ? last.strFolderPath : m_app.GetDefaultFolderPath();
    const std::string strName = last.bStored ? last.strFolderName : std::string("Sample Notes");
    const CFolderRecord* pFolder = nullptr;
    for (const CFolderRecord* pRecord : m_folders.GetFolderRecords())
        if (!strPath.empty() && pRecord->m_strPath == strPath &&
            (!pFolder || (pFolder->m_strName != strName && pRecord->m_strName == strName)))
            pFolder = pRecord;
    if (pFolder && m_folders.SelectFolder(pFolder))
        m_selection.MarkNote(last.strNoteKey);
}

void CCommandController::SaveLastSelection() const
{
    SLastSelection last;
    last.bStored = true;
    if (const CFolderRecord* pFolder = m_folders.GetSelectedFolder()) {
        last.strFolderName = pFolder->m_strName;
        last.strFolderPath = pFolder->m_strPath;
        last.strNoteKey = m_selection.GetMarkedKey();
    }
    last.Save();
}

void CCommandController::UpdateWindowTitle()
{
    const CFolderRecord* pFolder = m_folders.GetSelectedFolder();
    const QString strApp = QStringLiteral("Quillbox");
    m_window.GetWindow()->setWindowTitle(
        pFolder ? tr("%1 - %2", "window title: folder, program").arg(QString::fromStdString(pFolder->m_strName), strApp)
                : strApp);
}

void CCommandController::ClearStatus()
{
    if (QStatusBar* pStatus = m_window.GetStatusBar())
        pStatus->clearMessage();
}

CNotesListCtrl::EViewMode CCommandController::GetListViewMode() const
{
    if (const CNotesListCtrl* pList = m_window.GetNotesList())
        return static_cast<CNotesListCtrl::EViewMode>(pList->GetViewMode());
    return CNotesListCtrl::modeDetails;
}

void CCommandController::OnFolderSelected(const CFolderRecord* pFolder)
{
    // What was said about the folder left is said no more.
    ClearStatus();
    // The store still holds the folder being left, so typed text goes there.
    m_selection.CommitNoteText();
    m_selection.OpenFolder(pFolder ? pFolder->m_strPath : std::string());
    UpdateCommandUI();
}

bool CCommandController::IsCommandEnabled(int nId) const
{
    const SCommandEntry* pEntry = FindCommand(nId);
    if (!pEntry)
        return false;
    switch (pEntry->enable) {
    case EEnableRule::always:
        return true;
    case EEnableRule::never:
        return false;
    case EEnableRule::folderSelected:
        return m_folders.IsFolderSelected();
    case EEnableRule::noteSelected:
        return m_folders.IsFolderSelected() && m_selection.HasSelectionMark();
    case EEnableRule::mailClient:
        return m_context.pOffice && m_context.pOffice->IsMailClientAvailable();
    case EEnableRule::textField:
        return EditCommands::FocusedTextField() != nullptr;
    }
    return false;
}

bool CCommandController::IsCommandChecked(int nId) const
{
    const SCommandEntry* pEntry = FindCommand(nId);
    if (!pEntry)
        return false;
    auto shown = [](const QWidget* pWidget) { return pWidget && !pWidget->isHidden(); };
    switch (pEntry->check) {
    case ECheckRule::none:
        return false;
    case ECheckRule::toolBarVisible:
        return shown(m_window.GetToolBar());
    case ECheckRule::statusBarVisible:
        return shown(m_window.GetStatusBar());
    case ECheckRule::notesListPane:
        return shown(m_window.GetPane(EPane::notesList));
    case ECheckRule::notesPane:
        return shown(m_window.GetPane(EPane::notesText));
    case ECheckRule::propertiesPane:
        return shown(m_window.GetPane(EPane::properties));
    case ECheckRule::searchResultsPane:
        return shown(m_window.GetPane(EPane::searchResults));
    case ECheckRule::detailsMode:
        return GetListViewMode() == CNotesListCtrl::modeDetails;
    case ECheckRule::listMode:
        return GetListViewMode() == CNotesListCtrl::modeList;
    case ECheckRule::tilesMode:
        return GetListViewMode() == CNotesListCtrl::modeTiles;
    case ECheckRule::iconsMode:
        return GetListViewMode() == CNotesListCtrl::modeIcons;
    case ECheckRule::treeCollapsed:
        return m_app.m_bTreeCollapsed != 0;
    case ECheckRule::treeExpanded:
        return m_app.m_bTreeCollapsed == 0;
    }
    return false;
}

bool CCommandController::ExecuteCommand(int nId)
{
    const SCommandEntry* pEntry = FindCommand(nId);
    if (!pEntry || !IsCommandEnabled(nId)) {
        UpdateCommandUI();
        return false;
    }
    emit CommandRun(nId);
    // A message answers the command before it, and no other.
    ClearStatus();
    if (pEntry->pfnHandler)
        pEntry->pfnHandler(m_context);
    else if (QStatusBar* pStatus = m_window.GetStatusBar())
        pStatus->showMessage(
            tr("\"%1\" is not available in this version of Quillbox.").arg(PlainMenuText(pEntry->pszMenuText)), 5000);
    UpdateCommandUI();
    return true;
}

void CCommandController::UpdateCommandUI()
{
    if (m_pCommands)
        m_pCommands->UpdateStates();
    UpdateWindowTitle();
}

void CCommandController::ShowTreeContextMenu(bool bRoot, const QPoint& ptGlobal)
{
    const int nPopup = bRoot ? 0 : 1;
    PopupMenu(m_apTreeMenus[nPopup], TreeContextMenu(nPopup), ptGlobal);
}

void CCommandController::ShowListContextMenu(const QPoint& ptGlobal, bool bOverRow)
{
    if (!bOverRow && !m_folders.IsFolderSelected())
        return;
    const int nPopup = bOverRow ? 1 : 0;
    PopupMenu(m_apListMenus[nPopup], ListContextMenu(nPopup), ptGlobal);
}

void CCommandController::PopupMenu(QMenu*& pMenu, const SMenuEntry& entry, const QPoint& ptGlobal)
{
    // Built once from the table: its actions are the commands' own, so a
    // choice runs through ExecuteCommand and its rule.
    if (!pMenu) {
        pMenu = m_pCommands->BuildMenu(entry, m_pMenuParent);
        pMenu->setObjectName(QString::fromLatin1(entry.pszText));
    }
    UpdateCommandUI();
    pMenu->popup(ptGlobal);
}
