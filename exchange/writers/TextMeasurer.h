#pragma once

#include <string_view>

// How much of a line fits in a width, for wrapping. The PDF writer asks
// through this so a screen font can stand in for the built-in metrics.
class ITextMeasurer
{
public:
    virtual ~ITextMeasurer() = default;

    // The byte length of the longest run of whole leading characters of the
    // UTF-8 text that fits within nLimit units, set in a font whose character
    // cell is nCellHeight units high. Never ends inside a character. May stop
    // reading the text once the limit is passed, so long texts stay cheap.
    virtual size_t FittingBytes(std::string_view text, int nCellHeight, int nLimit) const = 0;
};

// Helvetica's advance widths, built in, so wrapping is the same on every
// machine and needs no font service. The em is taken to be the cell height;
// widths are summed exactly, without rounding each glyph. A character is
// measured as the glyph it is written with on the page (Mac OS Roman, else
// the fallback font that draws it, else "?"); a tab and other control
// characters measure as a space.
class CHelveticaMeasurer : public ITextMeasurer
{
public:
    size_t FittingBytes(std::string_view text, int nCellHeight, int nLimit) const override;

    // The width of one code point in thousandths of the em.
    static int GlyphWidth(char32_t cp);
};
