#include "QuillboxView.h"

#include "AppContext.h"
#include "FolderItem.h"
#include "FolderRecord.h"
#include "FolderSettingsFile.h"
#include "FolderTreeDelegate.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QMouseEvent>

CQuillboxView::CQuillboxView(CAppContext& app, const CFolderSettingsFile& folderSettings, QWidget* pMessageParent)
    : m_app(app), m_folderSettings(folderSettings), m_pMessageParent(pMessageParent)
{
    setObjectName(QStringLiteral("FolderTree"));
    setAccessibleName(QCoreApplication::translate("CQuillboxView", "Folders"));
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

    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* pNew, QTreeWidgetItem*) { OnSelChanged(pNew); });
    auto onUserExpand = [this] {
        if (m_bWalkingTree)
            return;
        m_app.m_bTreeCollapsed = !m_app.m_bTreeCollapsed;
        emit ExpandedByUser();
    };
    connect(this, &QTreeWidget::itemExpanded, this, onUserExpand);
    connect(this, &QTreeWidget::itemCollapsed, this, onUserExpand);
}

CQuillboxView::~CQuillboxView()
{
    // Deleting the items must not report selection changes to anyone.
    disconnect(this, nullptr, nullptr, nullptr);
}

void CQuillboxView::OnInitialUpdate()
{
    m_fontTree = font();
    m_fontTree.setPixelSize(15);
    setFont(m_fontTree);
    RebuildFolderTree();
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
        AddFolder(std::make_unique<CFolderRecord>(folder));
        ExpandRoot();
        SelectRoot();
    }
    if (!read.strError.empty())
        QMessageBox::warning(m_pMessageParent, QStringLiteral("Quillbox"), QString::fromStdString(read.strError));
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
    pFolder->FreeRecord();
    // Taken out first, so the selection change it causes sees a whole item.
    if (QTreeWidgetItem* pParent = pItem->parent())
        pParent->removeChild(pItem);
    m_pRemovingItem = nullptr;
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

void CQuillboxView::OnSelChanged(QTreeWidgetItem* pNew)
{
    if (!pNew || pNew == m_pRemovingItem)
        return;
    emit FolderSelected(GetFolderRecord(pNew));
}

CFolderRecord* CQuillboxView::GetSelectedFolder() const
{
    return GetFolderRecord(currentItem());
}

void CQuillboxView::AddFolder(std::unique_ptr<CFolderRecord> pRecord)
{
    InsertFolderItem(std::move(pRecord));
}

bool CQuillboxView::SelectFolder(const CFolderRecord* pRecord)
{
    QTreeWidgetItem* pRoot = GetRootItem();
    for (int i = 0; pRoot && pRecord && i < pRoot->childCount(); ++i)
        if (GetFolderRecord(pRoot->child(i)) == pRecord) {
            setCurrentItem(pRoot->child(i));
            scrollToItem(pRoot->child(i));
            return true;
        }
    return false;
}

void CQuillboxView::UpdateSelectedFolder()
{
    QTreeWidgetItem* pItem = currentItem();
    if (const CFolderRecord* pRecord = GetFolderRecord(pItem)) {
        pItem->setText(0, QString::fromStdString(pRecord->m_strName));
        MakeBold(pItem);
        ExpandRoot();
    }
}

void CQuillboxView::RemoveSelectedFolder()
{
    RemoveFolderItem(currentItem());
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
    emit ContextMenuRequested(pItem == GetRootItem(), pEvent->globalPosition().toPoint());
}

QItemSelectionModel::SelectionFlags CQuillboxView::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* pEvent) const
{
    // A click on blank space, or Ctrl with a click or Space on the selected
    // item, would leave the current folder unmarked.
    const QItemSelectionModel::SelectionFlags flags = QTreeWidget::selectionCommand(index, pEvent);
    if (!index.isValid() || flags.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::NoUpdate;
    return flags;
}

void CQuillboxView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    QTreeWidgetItem* pItem = currentItem();
    if (pEvent->reason() != QContextMenuEvent::Keyboard || !pItem)
        return;
    emit ContextMenuRequested(pItem == GetRootItem(), viewport()->mapToGlobal(GetLabelRect(pItem).bottomLeft()));
}
