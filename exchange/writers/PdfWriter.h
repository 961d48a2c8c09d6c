#pragma once

#include "FileIo.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class ITextMeasurer;

// A small PDF 1.4 generator: one page tree, the standard font Helvetica,
// text and line content streams. Used once: made, filled, saved, dropped.
// Objects 1 to 4 are fixed (catalog, procedure set, font, page tree); every
// page and every stream takes the next number. Text is UTF-8; each string is
// written in the font's Mac OS Roman encoding with "\", "(" and ")" escaped.
// Characters that encoding lacks are drawn in a fallback font (F2, F3, ...),
// embedded as a subset of the glyphs used, after every other object.
// Coordinates are PDF units with the origin at the bottom left of a US
// Letter page.
class CPdfWriter
{
public:
    CPdfWriter() = default;
    CPdfWriter(const CPdfWriter&) = delete;
    CPdfWriter& operator=(const CPdfWriter&) = delete;

    // Starts a page; later streams belong to it.
    void NewPage();
    // A text stream at (x, y) in units of 12 points times nSize; each CR LF
    // starts a new text line.
    void AddText(const std::string& strText, int x, int y, int nSize);
    void AddLine(int x1, int y1, int x2, int y2, int nWidth);
    // Lays a long text out from (x, y) down, wrapped to 500 measured units
    // and broken across as many new pages as it needs.
    void AddTextBlock(const std::string& strText, int x, int y, int nSize, int nPointSize,
                      const ITextMeasurer& measurer);

    // The whole file as it will be written.
    std::string BuildFile() const;
    // Writes the file in one piece; says why, with no file left half
    // written, when it could not be written.
    SFileResult SaveToFile(const std::string& strPath) const;

    // Every piece of the text between separators, empty ones included.
    static void SplitLines(std::string_view text, std::string_view separator, std::vector<std::string>& lines);
    // Breaks each line after its last space that fits, else its last hyphen,
    // else after what fits; cell height (point size × 9) / 5.
    static void WrapLines(const std::vector<std::string>& lines, std::vector<std::string>& wrapped, int nPointSize,
                          const ITextMeasurer& measurer);

private:
    // Ascending (n div 16) mod 17, highest number first within a group: the
    // order the objects appear in the file.
    struct SFileOrder
    {
        bool operator()(int a, int b) const;
    };
    // A page object split at its contents placeholder; references collect
    // in between, so attaching a stream costs the same on a full page.
    struct SPage
    {
        std::string strHead;
        std::string strRefs;
        std::string strTail;
    };

    void AddStream(int nObject, std::string strObject);
    // One line of a shown string, switching to a fallback font and back
    // for the characters the page font cannot draw.
    void AppendShown(std::string& out, std::string_view line, int nSize);
    // The objects of the fallback fonts used, numbered from nFirst on, and
    // the page resources' entries for them.
    std::vector<std::pair<int, std::string>> FallbackFontObjects(int nFirst, std::string& strResources) const;

    int m_nObjectCounter = 4;
    int m_nCurrentPage = 0;
    std::map<int, SPage, SFileOrder> m_pages;
    std::map<int, std::string, SFileOrder> m_streams;
    // Per fallback font, the glyphs drawn and the character each stands for.
    std::map<int, std::map<uint16_t, char32_t>> m_fallbackGlyphs;
};
