#pragma once

#include <cstdint>
#include <memory>
#include <vector>

class CTrueTypeFont;

// The installed fonts that draw what the page font's encoding lacks, asked
// in order: DejaVu Sans (fonts-dejavu-core), then Droid Sans Fallback for
// Chinese, Japanese and Korean (fonts-droid-fallback). Read once, on first
// use; a font that is not installed is left out, and its characters stay
// "?" as before.
class CFallbackFonts
{
public:
    static const CFallbackFonts& Get();

    struct SGlyph
    {
        int nFont = -1; // index of the font; -1: the page font draws it
        uint16_t nGlyph = 0;
    };
    // Where a character is drawn: in the page font when its encoding holds
    // it (or nothing else can), else in the first font that has it.
    SGlyph Find(char32_t cp) const;
    const CTrueTypeFont& Font(int n) const { return *m_fonts[static_cast<size_t>(n)]; }

private:
    CFallbackFonts();
    std::vector<std::unique_ptr<CTrueTypeFont>> m_fonts;
};
