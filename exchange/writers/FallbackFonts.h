#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>

class CTrueTypeFont;

// The installed fonts that draw what the page font's encoding lacks, asked
// in order: DejaVu Sans (fonts-dejavu-core), then Droid Sans Fallback for
// Chinese and Japanese (fonts-droid-fallback). Each is read when a
// character first needs it; a font that is not installed is passed over,
// and what no font has stays "?" as before.
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
    // A font Find named.
    const CTrueTypeFont& Font(int n) const { return *Slot(static_cast<size_t>(n)); }

private:
    CFallbackFonts() = default;
    struct SSlot
    {
        const char* pszPath;
        std::once_flag once;
        std::unique_ptr<CTrueTypeFont> pFont;
    };
    // Null when that font cannot be read.
    const CTrueTypeFont* Slot(size_t i) const;

    mutable std::array<SSlot, 2> m_slots{{{"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", {}, {}},
                                          {"/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf", {}, {}}}};
};
