#pragma once

#include "NoteRecord.h"

#include <memory>
#include <string>

// What one list row shows: the four columns and the icon.
struct SNoteRow
{
    std::string strTitle;
    int nIcon = -1;
    std::string strComments;
    std::string strDate;
    std::string strPriority;
};

// A four-column list the store fills: the notes list, the search results and
// the command-line tool each implement it. A row owns its record copy; the
// message row of an empty search has none.
class INoteRowSink
{
public:
    virtual ~INoteRowSink() = default;
    // Removes every row and frees the records they own.
    virtual void DeleteAllRows() = 0;
    virtual int GetRowCount() const = 0;
    virtual void AppendRow(const SNoteRow& row, std::unique_ptr<CNoteRecord> pRecord) = 0;
    // A row for the store's own record. A list that can keep the shared
    // record overrides this; by default the row gets a copy.
    virtual void AppendSharedRow(const std::shared_ptr<const CNoteRecord>& pRecord);
};
