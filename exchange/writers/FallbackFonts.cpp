#include "FallbackFonts.h"

#include "MacRoman.h"
#include "TrueTypeFont.h"

const CFallbackFonts& CFallbackFonts::Get()
{
    static const CFallbackFonts fonts;
    return fonts;
}

CFallbackFonts::CFallbackFonts()
{
    for (const char* pszPath : {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf"})
        if (auto pFont = CTrueTypeFont::Load(pszPath))
            m_fonts.push_back(std::move(pFont));
}

CFallbackFonts::SGlyph CFallbackFonts::Find(char32_t cp) const
{
    // U+FFFD stands for a broken byte, which keeps its "?".
    if (cp < 0x80 || cp == 0xFFFD || MacRomanByte(cp) != '?')
        return {};
    for (size_t i = 0; i < m_fonts.size(); ++i)
        if (const uint16_t nGlyph = m_fonts[i]->GlyphOf(cp))
            return {static_cast<int>(i), nGlyph};
    return {};
}
