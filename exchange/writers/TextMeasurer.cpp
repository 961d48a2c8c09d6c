#include "TextMeasurer.h"

#include "FallbackFonts.h"
#include "MacRoman.h"
#include "TrueTypeFont.h"

#include <array>
#include <cstdint>

namespace
{
// Helvetica advance widths in thousandths of the em, for the bytes 0x20 to
// 0x7E of the page font's encoding.
constexpr std::array<int16_t, 95> lowerWidths = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, // space to /
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @ to O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // P to _
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // ` to o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,      // p to ~
};

// The same for 0x80 to 0xFF; zero where the encoding has no character.
constexpr std::array<int16_t, 128> upperWidths = {
    667, 667,  722, 667, 722,  778, 722, 556, 556, 556,  556,  556, 556, 500, 556,  556, // 80
    556, 556,  278, 278, 278,  278, 556, 556, 556, 556,  556,  556, 556, 556, 556,  556, // 90
    556, 400,  556, 556, 556,  350, 537, 611, 737, 737,  1000, 333, 333, 0,   1000, 778, // A0
    0,   584,  0,   0,   556,  556, 0,   0,   0,   0,    0,    370, 365, 0,   889,  611, // B0
    611, 333,  584, 0,   556,  0,   0,   556, 556, 1000, 278,  667, 667, 778, 1000, 944, // C0
    556, 1000, 333, 333, 222,  222, 584, 0,   500, 667,  167,  556, 333, 333, 500,  500, // D0
    556, 278,  222, 333, 1000, 667, 667, 667, 667, 667,  278,  278, 278, 278, 778,  778, // E0
    0,   778,  722, 722, 722,  278, 333, 333, 333, 333,  333,  333, 333, 333, 333,  333, // F0
};

constexpr int spaceWidth = 278;
} // namespace

int CHelveticaMeasurer::GlyphWidth(char32_t cp)
{
    const unsigned char b = MacRomanByte(cp);
    // The fonts are read only once a character needs them.
    if (b == '?' && cp != '?')
        if (const CFallbackFonts::SGlyph g = CFallbackFonts::Get().Find(cp); g.nFont >= 0)
            return CFallbackFonts::Get().Font(g.nFont).Advance1000(g.nGlyph);
    if (b < 0x20 || b == 0x7F)
        return spaceWidth;
    return b < 0x80 ? lowerWidths[b - 0x20] : upperWidths[b - 0x80];
}

size_t CHelveticaMeasurer::FittingBytes(std::string_view text, int nCellHeight, int nLimit) const
{
    // Compared in thousandths of the em so no rounding enters the count.
    const int64_t limit = static_cast<int64_t>(nLimit) * 1000;
    int64_t width = 0;
    size_t i = 0;
    while (i < text.size()) {
        const SUtf8Char c = DecodeUtf8At(text, i);
        width += static_cast<int64_t>(GlyphWidth(c.cp)) * nCellHeight;
        if (width > limit)
            break;
        i += c.nBytes;
    }
    return i;
}
