#include "MacRoman.h"

#include <algorithm>
#include <array>
#include <utility>

namespace
{
// Code points of bytes 0x80 to 0xFF. Zero marks the bytes the PDF
// MacRomanEncoding leaves undefined (the Mac's mathematical signs and its
// logo): the standard fonts have no glyph there, so they are not used.
constexpr std::array<char32_t, 128> upperHalf = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, // 80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8, // 88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, // 90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, // 98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF, // A0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0,      0x00C6, 0x00D8, // A8
    0,      0x00B1, 0,      0,      0x00A5, 0x00B5, 0,      0,      // B0
    0,      0,      0,      0x00AA, 0x00BA, 0,      0x00E6, 0x00F8, // B8
    0x00BF, 0x00A1, 0x00AC, 0,      0x0192, 0,      0,      0x00AB, // C0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, // C8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0,      // D0
    0x00FF, 0x0178, 0x2044, 0x00A4, 0x2039, 0x203A, 0xFB01, 0xFB02, // D8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, // E0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, // E8
    0,      0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC, // F0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7, // F8
};

using Entry = std::pair<char32_t, unsigned char>;

// The upper half sorted by code point, for a binary search.
const std::array<Entry, 128>& ReverseTable()
{
    static const std::array<Entry, 128> table = [] {
        std::array<Entry, 128> t{};
        for (size_t i = 0; i < upperHalf.size(); ++i)
            t[i] = {upperHalf[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(t.begin(), t.end());
        return t;
    }();
    return table;
}

bool IsContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}
} // namespace

SUtf8Char DecodeUtf8At(std::string_view text, size_t i)
{
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80)
        return {b0, 1};
    size_t n = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if ((b0 & 0xE0) == 0xC0) {
        n = 2, cp = b0 & 0x1F, least = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        n = 3, cp = b0 & 0x0F, least = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        n = 4, cp = b0 & 0x07, least = 0x10000;
    } else {
        return {0xFFFD, 1};
    }
    if (i + n > text.size())
        return {0xFFFD, 1};
    for (size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if (!IsContinuation(b))
            return {0xFFFD, 1};
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past the last plane are broken text.
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {0xFFFD, 1};
    return {cp, n};
}

unsigned char MacRomanByte(char32_t cp)
{
    if (cp < 0x80)
        return static_cast<unsigned char>(cp);
    const auto& table = ReverseTable();
    const auto it = std::lower_bound(table.begin(), table.end(), Entry{cp, 0});
    return it != table.end() && it->first == cp ? it->second : '?';
}

std::string Utf8ToMacRoman(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const SUtf8Char c = DecodeUtf8At(text, i);
        out.push_back(static_cast<char>(MacRomanByte(c.cp)));
        i += c.nBytes;
    }
    return out;
}
