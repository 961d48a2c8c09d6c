#include "QuillboxView.h"

#include "AppContext.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "FolderItem.h"
#include "FolderRecord.h"
#include "FolderSettingsFile.h"
#include "FolderTreeDelegate.h"
#include "FrameWindow.h"
#include "NoteStore.h"
#include "NotesListCtrl.h"
#include "OfficeLink.h"
#include "SizingControlBar.h"
#include "commands/SearchCommands.h"
#include "commands/WindowCommands.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStatusBar>
#include <QToolBar>

namespace
{
QString PlainMenuText(const char* pszText)
{
    return QString::fromLatin1(pszText).remove(QLatin1Char('&'));
}
} // namespace

CQuillboxView::CQuillboxView(CAppContext& app, CNoteStore& store, const CFolderSettingsFile& folderSettings,
                             IFrameWindow& window, COfficeLink* pOffice)
    : m_app(app), m_store(store), m_folderSettings(folderSettings), m_window(window),
      m_selection(app, store, window, *this), m_context{window.GetWindow(), app,    store, folderSettings,
                                                        m_selection,        window, *this, pOffice}
{
    setObjectName(QStringLiteral("FolderTree"));
    setAccessibleName(QStringLiteral("Folders"));
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new CFolderTreeDelegate(this));
    // The delegate marks the selected label itself; the row and branch area stay plain.
    QPalette pal = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::Highlight, Qt::transparent);
    setPalette(pal);
    m_pCommands = std::make_unique<CCommandActions>(*this, window.GetWindow());
    m_pListMenus = new CNotesListMenus(*this);

    connect(this, &QTreeWidget::currentItemChanged, this, &CQuillboxView::OnSelChanged);
    auto onUserExpand = [this] {
        if (m_bWalkingTree)
            return;
        m_app.m_bTreeCollapsed = !m_app.m_bTreeCollapsed;
        UpdateCommandUI();
    };
    connect(this, &QTreeWidget::itemExpanded, this, onUserExpand);
    connect(this, &QTreeWidget::itemCollapsed, this, onUserExpand);
    connect(&m_selection, &CNoteSelection::SelectionChanged, this, &CQuillboxView::UpdateCommandUI);
}

CQuillboxView::~CQuillboxView()
{
    // The commands' owner is this object; let them go before the tree does.
    disconnect(this, nullptr, this, nullptr);
}

void CQuillboxView::OnInitialUpdate()
{
    m_nListViewMode = m_app.m_nListViewSelection;
    m_fontTree = font();
    m_fontTree.setPixelSize(15);
    setFont(m_fontTree);
    RebuildFolderTree();
    m_selection.RefreshNotesList();
    // Hides the results pane: it starts hidden whatever the stored layout says.
    WindowCommands::OnViewSearchResults(m_context);
    m_selection.Attach();
    if (CNotesListCtrl* pList = m_window.GetNotesList())
        m_pListMenus->Attach(*pList);
    SearchCommands::ConnectResults(m_context);
    UpdateCommandUI();
}

int CQuillboxView::GetItemCount() const
{
    int nCount = 0;
    for (QTreeWidgetItemIterator it(const_cast<CQuillboxView*>(this)); *it; ++it)
        ++nCount;
    return nCount;
}

std::vector<const CFolderRecord*> CQuillboxView::GetFolderRecords() const
{
    std::vector<const CFolderRecord*> records;
    if (QTreeWidgetItem* pRoot = GetRootItem())
        for (int i = 0; i < pRoot->childCount(); ++i)
            if (const CFolderRecord* pRecord = GetFolderRecord(pRoot->child(i)))
                records.push_back(pRecord);
    return records;
}

void CQuillboxView::AddFolderItem(std::unique_ptr<CFolderRecord> pRecord)
{
    InsertFolderItem(std::move(pRecord));
}

void CQuillboxView::ExpandRoot()
{
    if (QTreeWidgetItem* pRoot = GetRootItem())
        pRoot->setExpanded(true);
}

void CQuillboxView::SelectRoot()
{
    if (QTreeWidgetItem* pRoot = GetRootItem())
        setCurrentItem(pRoot);
}

void CQuillboxView::RebuildFolderTree()
{
    FreeFolderItems();
    clear();
    InsertRootItem();
    const SFolderSettings read =
        m_folderSettings.LoadFolderSettings(m_app.m_strSettingsFile, m_app.GetDefaultFolderPath());
    for (const CFolderRecord& folder : read.folders) {
        AddFolderItem(std::make_unique<CFolderRecord>(folder));
        ExpandRoot();
        SelectRoot();
    }
    if (!read.strError.empty())
        QMessageBox::warning(m_window.GetWindow(), QStringLiteral("Quillbox"), QString::fromStdString(read.strError));
}

void CQuillboxView::InsertRootItem()
{
    if (GetRootItem())
        return;
    auto* pRoot = new QTreeWidgetItem(QStringList(QStringLiteral("Quillbox")));
    pRoot->setIcon(0, CFolderTreeDelegate::ItemIcon(true));
    MakeBold(pRoot);
    addTopLevelItem(pRoot);
    setCurrentItem(pRoot);
}

void CQuillboxView::InsertFolderItem(std::unique_ptr<CFolderRecord> pRecord)
{
    QTreeWidgetItem* pRoot = GetRootItem();
    if (!pRoot || !pRecord)
        return;
    const QString strName = QString::fromStdString(pRecord->m_strName);
    auto* pItem = new CFolderItem(std::move(pRecord));
    pItem->setText(0, strName);
    pItem->setIcon(0, CFolderTreeDelegate::ItemIcon(false));
    MakeBold(pItem);
    pRoot->addChild(pItem);
    pRoot->setExpanded(true);
    setCurrentItem(pRoot);
}

void CQuillboxView::FreeFolderItems()
{
    if (QTreeWidgetItem* pRoot = GetRootItem())
        for (int i = 0; i < pRoot->childCount(); ++i)
            if (auto* pItem = dynamic_cast<CFolderItem*>(pRoot->child(i)))
                pItem->FreeRecord();
}

void CQuillboxView::RemoveFolderItem(QTreeWidgetItem* pItem)
{
    auto* pFolder = dynamic_cast<CFolderItem*>(pItem);
    if (!pFolder || pItem == GetRootItem())
        return;
    m_pRemovingItem = pItem;
    if (m_selection.GetPrevFolderItem() == pItem)
        m_selection.SetPrevFolderItem(nullptr);
    pFolder->FreeRecord();
    // Taken out first, so the selection change it causes sees a whole item.
    if (QTreeWidgetItem* pParent = pItem->parent())
        pParent->removeChild(pItem);
    m_pRemovingItem = nullptr;
    if (m_selection.GetPrevFolderItem() == pItem)
        m_selection.SetPrevFolderItem(nullptr);
    delete pItem;
}

void CQuillboxView::CollapseAllItems()
{
    m_bWalkingTree = true;
    setUpdatesEnabled(false);
    collapseAll();
    setUpdatesEnabled(true);
    m_bWalkingTree = false;
}

void CQuillboxView::ExpandAllItems()
{
    m_bWalkingTree = true;
    setUpdatesEnabled(false);
    expandAll();
    if (QTreeWidgetItem* pItem = currentItem())
        scrollToItem(pItem);
    setUpdatesEnabled(true);
    m_bWalkingTree = false;
}

void CQuillboxView::MakeBold(QTreeWidgetItem* pItem) const
{
    QFont bold = font();
    bold.setBold(true);
    pItem->setFont(0, bold);
}

QTreeWidgetItem* CQuillboxView::GetRootItem() const
{
    return topLevelItemCount() > 0 ? topLevelItem(0) : nullptr;
}

CFolderRecord* CQuillboxView::GetFolderRecord(QTreeWidgetItem* pItem) const
{
    return pItem == GetRootItem() ? nullptr : CFolderItem::RecordOf(pItem);
}

std::string CQuillboxView::GetSelectedFolderPath() const
{
    const CFolderRecord* pRecord = GetFolderRecord(currentItem());
    return pRecord ? pRecord->m_strPath : std::string();
}

bool CQuillboxView::IsFolderSelected() const
{
    QTreeWidgetItem* pItem = currentItem();
    return pItem && pItem != GetRootItem();
}

bool CQuillboxView::IsNoteSelected() const
{
    return IsFolderSelected() && m_selection.HasSelectionMark();
}

void CQuillboxView::OnSelChanged(QTreeWidgetItem* pNew, QTreeWidgetItem* pOld)
{
    m_selection.SetPrevFolderItem(pOld == m_pRemovingItem ? nullptr : pOld);
    m_selection.CommitNoteText(-1);
    if (CNotesListCtrl* pList = m_window.GetNotesList())
        pList->SetCurrentItem(-1);
    if (pNew) {
        std::vector<std::string> skipped;
        if (pNew == GetRootItem()) {
            m_store.LoadFolder(std::string());
            m_selection.RefreshNotesList();
            m_selection.ClearProperties();
        } else if (const CFolderRecord* pRecord = GetFolderRecord(pNew)) {
            skipped = m_store.LoadFolder(pRecord->m_strPath);
            m_selection.RefreshNotesList();
            QStatusBar* pStatus = m_window.GetStatusBar();
            if (!skipped.empty() && pStatus)
                pStatus->showMessage(
                    tr("%n damaged note file(s) in this folder could not be read and were left as they are.", nullptr,
                       static_cast<int>(skipped.size())));
        }
        m_selection.ShowNoteText();
        m_selection.WatchSelectedFolder(skipped);
    }
    UpdateCommandUI();
}

bool CQuillboxView::IsCommandEnabled(int nId) const
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
        return IsFolderSelected();
    case EEnableRule::noteSelected:
        return IsNoteSelected();
    case EEnableRule::mailClient:
        return m_context.pOffice && m_context.pOffice->IsMailClientAvailable();
    }
    return false;
}

bool CQuillboxView::IsCommandChecked(int nId) const
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
    case ECheckRule::mode0:
    case ECheckRule::mode1:
    case ECheckRule::mode2:
    case ECheckRule::mode3:
        // The four modes follow each other in the enum.
        return m_nListViewMode == static_cast<int>(pEntry->check) - static_cast<int>(ECheckRule::mode0);
    case ECheckRule::treeCollapsed:
        return m_app.m_bTreeCollapsed != 0;
    case ECheckRule::treeExpanded:
        return m_app.m_bTreeCollapsed == 0;
    }
    return false;
}

bool CQuillboxView::ExecuteCommand(int nId)
{
    const SCommandEntry* pEntry = FindCommand(nId);
    if (!pEntry || !IsCommandEnabled(nId)) {
        UpdateCommandUI();
        return false;
    }
    emit CommandRun(nId);
    if (pEntry->pfnHandler)
        pEntry->pfnHandler(m_context);
    else if (QStatusBar* pStatus = m_window.GetStatusBar())
        pStatus->showMessage(
            tr("\"%1\" is not available in this version of Quillbox.").arg(PlainMenuText(pEntry->pszMenuText)), 5000);
    UpdateCommandUI();
    return true;
}

void CQuillboxView::UpdateCommandUI()
{
    if (m_pCommands)
        m_pCommands->UpdateStates();
}

QRect CQuillboxView::GetLabelRect(QTreeWidgetItem* pItem) const
{
    if (!pItem)
        return {};
    const QModelIndex index = indexFromItem(pItem);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return static_cast<CFolderTreeDelegate*>(itemDelegate())->LabelRect(option, index);
}

void CQuillboxView::mousePressEvent(QMouseEvent* pEvent)
{
    if (pEvent->button() != Qt::RightButton) {
        QTreeWidget::mousePressEvent(pEvent);
        return;
    }
    // Only a right click on a label selects its item and opens the menu.
    const QPoint pt = pEvent->position().toPoint();
    QTreeWidgetItem* pItem = itemAt(pt);
    if (!pItem || !GetLabelRect(pItem).contains(pt))
        return;
    setCurrentItem(pItem);
    ShowContextMenu(pItem, pEvent->globalPosition().toPoint());
}

void CQuillboxView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    QTreeWidgetItem* pItem = currentItem();
    if (pEvent->reason() != QContextMenuEvent::Keyboard || !pItem)
        return;
    ShowContextMenu(pItem, viewport()->mapToGlobal(GetLabelRect(pItem).bottomLeft()));
}

void CQuillboxView::ShowContextMenu(QTreeWidgetItem* pItem, const QPoint& ptGlobal)
{
    const int nPopup = pItem == GetRootItem() ? 0 : 1;
    if (!m_apContextMenus[nPopup]) {
        m_apContextMenus[nPopup] = m_pCommands->BuildMenu(TreeContextMenu(nPopup), this);
        m_apContextMenus[nPopup]->setObjectName(QString::fromLatin1(TreeContextMenu(nPopup).pszText));
    }
    UpdateCommandUI();
    m_apContextMenus[nPopup]->popup(ptGlobal);
}
