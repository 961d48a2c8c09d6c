#include "QuillboxView.h"

#include "CommandIds.h"
#include "CommandTable.h"
#include "FolderDialog.h"
#include "FolderRecord.h"
#include "MainToolBar.h"
#include "MainFrame.h"
#include "NotesListBar.h"
#include "NotesListCtrl.h"
#include "NotesTextBar.h"
#include "PropertiesBar.h"
#include "QuillboxApp.h"
#include "Resources.h"
#include "SearchResultsBar.h"

#include <QApplication>
#include <QFileInfo>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QToolBar>

namespace
{
const QColor clrSelectedLabel(240, 240, 240);
const QColor clrRootText(15, 105, 255);

// Bold labels; the selected one on a light panel instead of the highlight,
// the root in blue.
class CFolderTreeDelegate : public QStyledItemDelegate
{
public:
    CFolderTreeDelegate(QTreeWidget* pTree) : QStyledItemDelegate(pTree), m_pTree(pTree) {}

    QRect LabelRect(const QStyleOptionViewItem& option, const QModelIndex& index) const
    {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        opt.font.setBold(true);
        const QStyle* pStyle = opt.widget ? opt.widget->style() : QApplication::style();
        QRect rc = pStyle->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget);
        const int nMargin = pStyle->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
        rc.setWidth(std::min(rc.width(), QFontMetrics(opt.font).horizontalAdvance(opt.text) + 2 * nMargin));
        return rc;
    }

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem opt(option);
        initStyleOption(&opt, index);
        const QStyle* pStyle = opt.widget ? opt.widget->style() : QApplication::style();
        const bool bSelected = opt.state & QStyle::State_Selected;
        const bool bRoot = !index.parent().isValid();
        const QRect rcLabel = LabelRect(option, index);
        const QRect rcIcon = pStyle->subElementRect(QStyle::SE_ItemViewItemDecoration, &opt, opt.widget);

        pPainter->save();
        if (bSelected)
            pPainter->fillRect(rcLabel, clrSelectedLabel);
        opt.icon.paint(pPainter, rcIcon, Qt::AlignCenter, bSelected ? QIcon::Selected : QIcon::Normal);
        QFont font = opt.font;
        font.setBold(true);
        pPainter->setFont(font);
        pPainter->setPen(bRoot ? clrRootText : QColor(Qt::black));
        const int nMargin = pStyle->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, opt.widget) + 1;
        pPainter->drawText(rcLabel.adjusted(nMargin, 0, -nMargin, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                           opt.text);
        pPainter->restore();
    }

private:
    QTreeWidget* m_pTree;
};

QIcon StripIcon(const std::vector<QPixmap>& strip, size_t nNormal, size_t nSelected)
{
    QIcon icon;
    if (nNormal < strip.size())
        icon.addPixmap(strip[nNormal], QIcon::Normal);
    if (nSelected < strip.size())
        icon.addPixmap(strip[nSelected], QIcon::Selected);
    return icon;
}

std::vector<QPixmap>& TreeImages()
{
    static std::vector<QPixmap> images;
    if (images.empty())
        CQuillboxApp::LoadImageStrip(QuillboxResources::IDB_TREE, 16, images);
    return images;
}

QString PlainMenuText(const char* pszText)
{
    return QString::fromLatin1(pszText).remove(QLatin1Char('&'));
}
}

CFolderItem::CFolderItem(std::unique_ptr<CFolderRecord> pRecord) : m_pRecord(std::move(pRecord)) {}

CFolderItem::~CFolderItem() = default;

void CFolderItem::FreeRecord()
{
    m_pRecord.reset();
}

CQuillboxView::CQuillboxView(CQuillboxApp& app, CMainFrame& frame) : m_app(app), m_frame(frame)
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
    m_pCommands = std::make_unique<CCommandActions>(*this, &frame);

    connect(this, &QTreeWidget::currentItemChanged, this, &CQuillboxView::OnSelChanged);
    auto onUserExpand = [this] {
        if (m_bWalkingTree)
            return;
        m_app.m_bTreeCollapsed = !m_app.m_bTreeCollapsed;
        UpdateCommandUI();
    };
    connect(this, &QTreeWidget::itemExpanded, this, onUserExpand);
    connect(this, &QTreeWidget::itemCollapsed, this, onUserExpand);
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
    RefreshNotesList();
    OnViewSearchResults();
    if (CNotesListCtrl* pList = m_frame.GetNotesList())
        connect(pList, &CNotesListCtrl::SelectionMarkChanged, this, &CQuillboxView::OnNotesListMarkChanged,
                Qt::UniqueConnection);
    if (CNotesTextBar* pText = m_frame.GetNotesTextBar())
        connect(pText, &CNotesTextBar::FocusLost, this, [this] {
            if (CNotesListCtrl* pList = m_frame.GetNotesList())
                CommitNoteText(pList->GetSelectionMark());
            ShowNoteText();
        });
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
        m_app.m_folderSettings.LoadFolderSettings(m_app.m_strSettingsFile, m_app.GetDefaultFolderPath());
    for (const CFolderRecord& folder : read.folders)
    {
        AddFolderItem(std::make_unique<CFolderRecord>(folder));
        ExpandRoot();
        SelectRoot();
    }
    if (!read.strError.empty())
        QMessageBox::warning(&m_frame, QStringLiteral("Quillbox"), QString::fromStdString(read.strError));
}

void CQuillboxView::InsertRootItem()
{
    if (GetRootItem())
        return;
    auto* pRoot = new QTreeWidgetItem(QStringList(QStringLiteral("Quillbox")));
    pRoot->setIcon(0, StripIcon(TreeImages(), 0, 1));
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
    pItem->setIcon(0, StripIcon(TreeImages(), 2, 3));
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

QTreeWidgetItem* CQuillboxView::GetRootItem() const
{
    return topLevelItemCount() > 0 ? topLevelItem(0) : nullptr;
}

CFolderRecord* CQuillboxView::GetFolderRecord(QTreeWidgetItem* pItem) const
{
    if (!pItem || pItem == GetRootItem())
        return nullptr;
    auto* pFolder = dynamic_cast<CFolderItem*>(pItem);
    return pFolder ? pFolder->GetRecord() : nullptr;
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
    const CNotesListCtrl* pList = m_frame.GetNotesList();
    return IsFolderSelected() && pList && pList->GetSelectionMark() != -1;
}

void CQuillboxView::RefreshNotesList()
{
    CNotesListCtrl* pList = m_frame.GetNotesList();
    if (!pList)
        return;
    pList->m_nCurrentItem = -1;
    pList->FreeItemData();
    m_app.m_store.FillNotesList(pList->GetModel());
    pList->GetModel().SortByTitle();
    ShowNoteProperties();
    pList->SetSelectionMark(0);
    ShowNoteText();
}

void CQuillboxView::ShowNoteText()
{
    CNotesTextBar* pBar = m_frame.GetNotesTextBar();
    const CNotesListCtrl* pList = m_frame.GetNotesList();
    if (!pBar)
        return;
    const CNoteRecord* pNote = pList ? pList->GetModel().GetRowNote(pList->GetSelectionMark()) : nullptr;
    pBar->SetText(pNote ? pNote->m_strNotes : std::string());
}

void CQuillboxView::CommitNoteText(int nRow)
{
    CNotesTextBar* pBar = m_frame.GetNotesTextBar();
    CNotesListCtrl* pList = m_frame.GetNotesList();
    if (!pBar || !pList)
        return;
    if (nRow == -1)
        nRow = pList->GetSelectionMark();
    if (nRow == -1)
        return;
    const CNoteRecord* pRecord = pList->GetModel().GetRowNote(nRow);
    if (!pRecord)
        return;
    const std::string strText = pBar->GetText();
    if (strText == CNotesTextBar::AsShown(pRecord->m_strNotes))
        return;
    CNoteRecord note = *pRecord;
    note.m_strNotes = strText;
    if (!m_hPrevFolderItem || m_hPrevFolderItem == GetRootItem())
        m_hPrevFolderItem = currentItem();
    if (m_hPrevFolderItem) {
        const CFolderRecord* pFolder = GetFolderRecord(m_hPrevFolderItem);
        m_app.m_strCurrentFolder = pFolder ? pFolder->m_strPath : std::string();
    }
    // A failed save has been reported; the text stays listed until the folder
    // is loaded again, so it can still be copied out.
    if (const SStoreResult saved = m_app.m_store.UpdateNote(note); !saved)
        m_frame.statusBar()->showMessage(QString::fromStdString(saved.strError));
    RefreshNotesList();
}

void CQuillboxView::ClearProperties()
{
    if (CPropertiesBar* pBar = m_frame.GetPropertiesBar())
        pBar->GetList()->ClearProperties();
}

void CQuillboxView::ShowNoteProperties()
{
    CPropertiesBar* pBar = m_frame.GetPropertiesBar();
    const CNotesListCtrl* pList = m_frame.GetNotesList();
    if (!pBar || !pList)
        return;
    const int nMark = pList->GetSelectionMark();
    pBar->GetList()->ShowNoteProperties(pList->GetModel().GetRowNote(nMark < 0 ? 0 : nMark));
}

void CQuillboxView::OnSelChanged(QTreeWidgetItem* pNew, QTreeWidgetItem* pOld)
{
    m_hPrevFolderItem = pOld == m_pRemovingItem ? nullptr : pOld;
    CommitNoteText(-1);
    if (CNotesListCtrl* pList = m_frame.GetNotesList())
        pList->m_nCurrentItem = -1;
    if (pNew) {
        if (pNew == GetRootItem()) {
            m_app.m_store.LoadFolder(std::string());
            RefreshNotesList();
            ClearProperties();
        } else if (const CFolderRecord* pRecord = GetFolderRecord(pNew)) {
            const std::vector<std::string> skipped = m_app.m_store.LoadFolder(pRecord->m_strPath);
            RefreshNotesList();
            if (!skipped.empty())
                m_frame.statusBar()->showMessage(
                    tr("%n damaged note file(s) in this folder could not be read and were left as they are.", nullptr,
                       static_cast<int>(skipped.size())));
        }
        ShowNoteText();
    }
    UpdateCommandUI();
}

void CQuillboxView::OnNotesListMarkChanged(int nRow)
{
    CNotesListCtrl* pList = m_frame.GetNotesList();
    if (!pList)
        return;
    m_hPrevFolderItem = nullptr;
    if (pList->GetModel().GetRowCount() == 0) {
        UpdateCommandUI();
        return;
    }
    if (nRow < 0) {
        pList->m_nCurrentItem = -1;
        UpdateCommandUI();
        return;
    }
    if (pList->m_nCurrentItem >= 0 && pList->m_nCurrentItem < pList->GetModel().GetRowCount())
        CommitNoteText(pList->m_nCurrentItem);
    const int nMark = pList->GetSelectionMark();
    if (const CNoteRecord* pNote = pList->GetModel().GetRowNote(nMark)) {
        pList->m_nCurrentItem = nMark;
        if (CNotesTextBar* pBar = m_frame.GetNotesTextBar())
            pBar->SetText(pNote->m_strNotes);
    }
    ShowNoteProperties();
    UpdateCommandUI();
}

bool CQuillboxView::IsCommandEnabled(int nId) const
{
    const SCommandEntry* pEntry = FindCommand(nId);
    if (!pEntry)
        return false;
    switch (pEntry->enable) {
    case EEnableRule::always: return true;
    case EEnableRule::never: return false;
    case EEnableRule::folderSelected: return IsFolderSelected();
    case EEnableRule::noteSelected: return IsNoteSelected();
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
    case ECheckRule::none: return false;
    case ECheckRule::toolBarVisible: return shown(m_frame.GetToolBar());
    case ECheckRule::statusBarVisible: return shown(m_frame.statusBar());
    case ECheckRule::notesListPane: return shown(m_frame.GetNotesListBar());
    case ECheckRule::notesPane: return shown(m_frame.GetNotesTextBar());
    case ECheckRule::propertiesPane: return shown(m_frame.GetPropertiesBar());
    case ECheckRule::searchResultsPane: return shown(m_frame.GetSearchResultsBar());
    case ECheckRule::mode0: return m_nListViewMode == 0;
    case ECheckRule::mode1: return m_nListViewMode == 1;
    case ECheckRule::mode2: return m_nListViewMode == 2;
    case ECheckRule::mode3: return m_nListViewMode == 3;
    case ECheckRule::treeCollapsed: return m_app.m_bTreeCollapsed != 0;
    case ECheckRule::treeExpanded: return m_app.m_bTreeCollapsed == 0;
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
        (this->*pEntry->pfnHandler)();
    else
        m_frame.statusBar()->showMessage(
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

void CQuillboxView::OnNewFolder()
{
    CFolderDialog dlg(&m_frame);
    if (dlg.exec() != QDialog::Accepted)
        return;
    auto pRecord = std::make_unique<CFolderRecord>();
    pRecord->m_strName = dlg.m_strName.toStdString();
    pRecord->m_strPath = dlg.m_strPath.toStdString();
    InsertFolderItem(std::move(pRecord));
}

void CQuillboxView::OnModifyFolder()
{
    QTreeWidgetItem* pItem = currentItem();
    CFolderRecord* pRecord = GetFolderRecord(pItem);
    if (!pRecord)
        return;
    CFolderDialog dlg(&m_frame);
    dlg.m_strName = QString::fromStdString(pRecord->m_strName);
    dlg.m_strPath = QString::fromStdString(pRecord->m_strPath);
    if (dlg.exec() == QDialog::Accepted) {
        const std::string strNewPath = dlg.m_strPath.toStdString();
        const bool bPathChanged = strNewPath != pRecord->m_strPath;
        // Typed text belongs to the directory the note came from.
        if (bPathChanged)
            CommitNoteText(-1);
        pRecord->m_strName = dlg.m_strName.toStdString();
        pRecord->m_strPath = strNewPath;
        pItem->setText(0, dlg.m_strName);
        MakeBold(pItem);
        ExpandRoot();
        // Show the new directory's notes at once, so that later changes are
        // never written into one directory from another's list.
        if (bPathChanged && currentItem() == pItem) {
            m_app.m_store.LoadFolder(strNewPath);
            RefreshNotesList();
            ShowNoteText();
        }
    }
    setCurrentItem(pItem);
}

void CQuillboxView::OnRemoveFolder()
{
    QTreeWidgetItem* pItem = currentItem();
    CFolderItem* pFolder = dynamic_cast<CFolderItem*>(pItem);
    if (!pFolder || !pFolder->GetRecord() || pItem == GetRootItem())
        return;
    QString strQuestion = QString::fromStdString(CAppContext::LoadStringResource(61462));
    strQuestion.replace(QStringLiteral("%s"), pItem->text(0));
    if (QMessageBox::question(&m_frame, QStringLiteral("Quillbox"), strQuestion, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::No) != QMessageBox::Yes)
        return;
    // Typed text goes into the removed folder's directory while its record
    // still exists; nothing after this reads the record.
    CommitNoteText(-1);
    m_pRemovingItem = pItem;
    if (m_hPrevFolderItem == pItem)
        m_hPrevFolderItem = nullptr;
    pFolder->FreeRecord();
    // Taken out first, so the selection change it causes sees a whole item.
    if (QTreeWidgetItem* pParent = pItem->parent())
        pParent->removeChild(pItem);
    m_pRemovingItem = nullptr;
    if (m_hPrevFolderItem == pItem)
        m_hPrevFolderItem = nullptr;
    delete pItem;
}

void CQuillboxView::LoadEmptyFolder()
{
    m_app.m_store.LoadFolder(std::string());
    RefreshNotesList();
    ClearProperties();
    ShowNoteText();
}

void CQuillboxView::OnCollapseAll()
{
    m_app.m_bTreeCollapsed = 1;
    CommitNoteText(-1);
    m_bWalkingTree = true;
    setUpdatesEnabled(false);
    collapseAll();
    setUpdatesEnabled(true);
    m_bWalkingTree = false;
    LoadEmptyFolder();
}

void CQuillboxView::OnExpandAll()
{
    m_app.m_bTreeCollapsed = 0;
    CommitNoteText(-1);
    m_bWalkingTree = true;
    setUpdatesEnabled(false);
    expandAll();
    if (QTreeWidgetItem* pItem = currentItem())
        scrollToItem(pItem);
    setUpdatesEnabled(true);
    m_bWalkingTree = false;
    LoadEmptyFolder();
}

void CQuillboxView::MakeBold(QTreeWidgetItem* pItem) const
{
    QFont bold = font();
    bold.setBold(true);
    pItem->setFont(0, bold);
}

void CQuillboxView::TogglePane(QWidget* pBar)
{
    if (pBar)
        pBar->setVisible(pBar->isHidden());
}

void CQuillboxView::OnViewDetailWindow()
{
    TogglePane(m_frame.GetNotesListBar());
}

void CQuillboxView::OnViewNotesWindow()
{
    TogglePane(m_frame.GetNotesTextBar());
}

void CQuillboxView::OnViewSummaryWindow()
{
    TogglePane(m_frame.GetPropertiesBar());
}

void CQuillboxView::OnViewSearchResults()
{
    CSizingControlBar* pBar = m_frame.GetSearchResultsBar();
    if (!m_app.m_bSearchBarUsed) {
        if (pBar)
            pBar->hide();
        m_app.m_bSearchBarUsed = 1;
        return;
    }
    TogglePane(pBar);
}

void CQuillboxView::SetListMode(int nMode)
{
    m_nListViewMode = nMode;
    if (CNotesListCtrl* pList = m_frame.GetNotesList())
        pList->SetViewMode(nMode);
    RefreshNotesList();
}

void CQuillboxView::OnViewDetails()
{
    SetListMode(0);
}

void CQuillboxView::OnViewList()
{
    SetListMode(1);
}

void CQuillboxView::OnViewTiles()
{
    SetListMode(2);
}

void CQuillboxView::OnViewIcons()
{
    SetListMode(3);
}

void CQuillboxView::OnViewToolbar()
{
    TogglePane(m_frame.GetToolBar());
}

void CQuillboxView::OnViewStatusBar()
{
    TogglePane(m_frame.statusBar());
}

void CQuillboxView::OnViews()
{
    m_frame.ShowViewsMenu();
}

void CQuillboxView::OnAppAbout()
{
    CQuillboxApp::ShowAboutBox(&m_frame);
}

void CQuillboxView::OnAppExit()
{
    m_frame.close();
}

void CQuillboxView::OnHelp()
{
    m_app.OpenHelp();
}
