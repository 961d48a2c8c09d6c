#pragma once

#include <string>
#include <utility>
#include <vector>

// Whether row text a sorts before b: by the locale, without regard to case.
bool ImportRowLess(const std::string& a, const std::string& b);

// The rows of an import check list, kept in ascending order of their text as
// they are appended; rows of equal text keep the order they came in. Each row
// owns its data.
template <class T>
class CImportList
{
public:
    struct SRow
    {
        std::string strText;
        T data;
        bool bChecked = false;
    };

    // Inserts the row where the order puts it and returns its position.
    size_t Append(std::string strText, T data)
    {
        size_t lo = 0, hi = m_rows.size();
        while (lo < hi) {
            const size_t mid = (lo + hi) / 2;
            if (ImportRowLess(strText, m_rows[mid].strText))
                hi = mid;
            else
                lo = mid + 1;
        }
        m_rows.insert(m_rows.begin() + static_cast<std::ptrdiff_t>(lo), SRow{std::move(strText), std::move(data)});
        return lo;
    }

    size_t GetCount() const { return m_rows.size(); }
    const SRow& GetRow(size_t i) const { return m_rows[i]; }
    void SetChecked(size_t i, bool bChecked) { m_rows[i].bChecked = bChecked; }
    void Clear() { m_rows.clear(); }

    // Copies of the data of the ticked rows, first row to last.
    std::vector<T> Chosen() const
    {
        std::vector<T> out;
        for (const SRow& row : m_rows)
            if (row.bChecked)
                out.push_back(row.data);
        return out;
    }

private:
    std::vector<SRow> m_rows;
};
