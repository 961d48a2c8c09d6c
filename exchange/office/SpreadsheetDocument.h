#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>

// What the spreadsheet server keeps of a sheet: cells with a text value,
// bold, italic and a comment.
class CSpreadsheetDocument
{
public:
    struct SCell
    {
        std::string strValue;
        bool bBold = false;
        bool bItalic = false;
        std::optional<std::string> comment;
    };
    // Row and column, both from 0.
    using Address = std::pair<int, int>;

    // "C2" -> (1, 2); nothing for a name that is not one cell of the sheet.
    static std::optional<Address> ParseCellName(const std::string& strName);

    SCell& At(Address a) { return m_cells[a]; }
    const SCell* Find(Address a) const;
    const std::map<Address, SCell>& GetCells() const { return m_cells; }

    // The sheet as a Flat OpenDocument spreadsheet (.fods).
    std::string ToFlatOds() const;

    static constexpr int nMaxRows = 1048576;
    static constexpr int nMaxColumns = 16384;

private:
    std::map<Address, SCell> m_cells;
};
