#include "FallbackFonts.h"

#include "MacRoman.h"
#include "TrueTypeFont.h"

const CFallbackFonts& CFallbackFonts::Get()
{
    static const CFallbackFonts fonts;
    return fonts;
}

const CTrueTypeFont* CFallbackFonts::Slot(size_t i) const
{
    SSlot& slot = m_slots[i];
    std::call_once(slot.once, [&slot] { slot.pFont = CTrueTypeFont::Load(slot.pszPath); });
    return slot.pFont.get();
}

CFallbackFonts::SGlyph CFallbackFonts::Find(char32_t cp) const
{
    // U+FFFD stands for a broken byte, which keeps its "?".
    if (cp < 0x80 || cp == 0xFFFD || MacRomanByte(cp) != '?')
        return {};
    for (size_t i = 0; i < m_slots.size(); ++i)
        if (const CTrueTypeFont* pFont = Slot(i))
            if (const uint16_t nGlyph = pFont->GlyphOf(cp))
                return {static_cast<int>(i), nGlyph};
    return {};
}
