#pragma once

#include <QTreeWidgetItem>

#include <memory>

class CFolderRecord;

// A folder item of the tree; it owns its record until it is freed.
class CFolderItem : public QTreeWidgetItem
{
public:
    explicit CFolderItem(std::unique_ptr<CFolderRecord> pRecord);
    ~CFolderItem() override;
    CFolderRecord* GetRecord() const { return m_pRecord.get(); }
    void FreeRecord();

    // The record of a folder item; nullptr for the root, another item, or a freed one.
    static CFolderRecord* RecordOf(QTreeWidgetItem* pItem);

private:
    std::unique_ptr<CFolderRecord> m_pRecord;
};
