#include "TextMatch.h"

#include "NoteRecord.h"

#include <QString>

#include <algorithm>
#include <cstring>

namespace
{
bool IsAscii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
} // namespace

std::string UpperCaseText(std::string_view text)
{
    if (IsAscii(text)) {
        std::string out(text);
        for (char& c : out)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        return out;
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUpper().toStdString();
}

bool ContainsText(std::string_view upperHaystack, std::string_view upperNeedle)
{
    if (upperNeedle.empty())
        return true;
    return memmem(upperHaystack.data(), upperHaystack.size(), upperNeedle.data(), upperNeedle.size()) != nullptr;
}

bool NoteContainsText(const CNoteRecord& note, std::string_view upperNeedle)
{
    for (const std::string* pField : {&note.m_strTitle, &note.m_strComments, &note.m_strKeywords, &note.m_strNotes})
        if (ContainsText(UpperCaseText(*pField), upperNeedle))
            return true;
    return false;
}

int CompareTitles(const std::string& a, const std::string& b)
{
    if (IsAscii(a) && IsAscii(b)) {
        const int r = strcasecmp(a.c_str(), b.c_str());
        return r < 0 ? -1 : r > 0 ? 1 : 0;
    }
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive);
}

std::string TitleSortKey(const std::string& strTitle)
{
    if (!IsAscii(strTitle))
        return QString::fromStdString(strTitle).toCaseFolded().toStdString();
    std::string strKey(strTitle);
    for (char& c : strKey)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return strKey;
}

void SortNotesByTitle(std::vector<CNoteRecord>& notes)
{
    std::stable_sort(notes.begin(), notes.end(), [](const CNoteRecord& a, const CNoteRecord& b) {
        return CompareTitles(a.m_strTitle, b.m_strTitle) < 0;
    });
}
