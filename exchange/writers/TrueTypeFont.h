#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>

// A TrueType font (glyf outlines) read from a file, for drawing what the
// page font's encoding lacks: its character map, its advance widths, and
// subsets of it to embed.
class CTrueTypeFont
{
public:
    // Null when the file cannot be read or holds no TrueType outlines.
    static std::unique_ptr<CTrueTypeFont> Load(const std::string& strPath);

    // The font's name without spaces, for the PDF's font names.
    const std::string& GetName() const { return m_strName; }
    // The glyph drawn for a code point; 0 (the missing glyph) when none.
    uint16_t GlyphOf(char32_t cp) const;
    // A glyph's advance width in thousandths of the em.
    int Advance1000(uint16_t nGlyph) const;
    // Font-wide metrics in thousandths of the em.
    struct SMetrics
    {
        int nAscent = 0;
        int nDescent = 0;
        int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    };
    SMetrics GetMetrics() const;

    // A font program that draws only the given glyphs (and the glyphs they
    // are built from), glyph numbers unchanged: every other glyph is empty
    // and the tables end after the highest glyph used.
    std::string Subset(const std::set<uint16_t>& glyphs) const;

private:
    CTrueTypeFont() = default;
    bool Parse();
    std::string_view Table(const char* pszTag) const;
    std::string_view GlyphData(uint16_t nGlyph) const;

    std::string m_data;
    std::map<std::string, std::pair<uint32_t, uint32_t>> m_tables; // tag -> offset, length
    std::unordered_map<char32_t, uint16_t> m_cmap;
    std::string m_strName;
    int m_nUnitsPerEm = 1000;
    int m_nGlyphs = 0;
    int m_nHMetrics = 0;
    bool m_bLongLoca = false;
};
