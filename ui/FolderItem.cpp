#include "FolderItem.h"

#include "FolderRecord.h"

CFolderItem::CFolderItem(std::unique_ptr<CFolderRecord> pRecord) : m_pRecord(std::move(pRecord)) {}

CFolderItem::~CFolderItem() = default;

void CFolderItem::FreeRecord()
{
    m_pRecord.reset();
}

CFolderRecord* CFolderItem::RecordOf(QTreeWidgetItem* pItem)
{
    if (!pItem || !pItem->parent())
        return nullptr;
    auto* pFolder = dynamic_cast<CFolderItem*>(pItem);
    return pFolder ? pFolder->GetRecord() : nullptr;
}
