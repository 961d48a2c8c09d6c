#pragma once

#include "NoteRowSink.h"

#include <utility>
#include <vector>

// The rows a list would show, kept in memory: for tools and checks.
class CNoteRowList : public INoteRowSink
{
public:
    void DeleteAllRows() override { m_rows.clear(); }
    int GetRowCount() const override { return static_cast<int>(m_rows.size()); }
    void AppendRow(const SNoteRow& row, std::unique_ptr<CNoteRecord> pRecord) override
    {
        m_rows.emplace_back(row, std::move(pRecord));
    }

    std::vector<std::pair<SNoteRow, std::unique_ptr<CNoteRecord>>> m_rows;
};
