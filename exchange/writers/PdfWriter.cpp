#include "PdfWriter.h"

#include "ExportTarget.h"
#include "FallbackFonts.h"
#include "MacRoman.h"
#include "TextMeasurer.h"
#include "TextPieces.h"
#include "TrueTypeFont.h"

#include <QByteArray>

#include <algorithm>
#include <cstdio>
#include <set>

namespace
{
constexpr std::string_view lineBreak = "\r\n";
// Joins the lines of one text stream: each line is its own shown string.
constexpr std::string_view shownLineBreak = ")Tj T*(";
constexpr int wrapLimit = 500;

std::string Num(int n)
{
    return std::to_string(n);
}

// Ten digits at least, zero-padded: a cross-reference offset.
std::string Offset10(size_t n)
{
    char buf[24];
    std::snprintf(buf, sizeof buf, "%010zu", n);
    return buf;
}

void AppendEscaped(std::string& out, char c)
{
    if (c == '\\' || c == '(' || c == ')')
        out.push_back('\\');
    out.push_back(c);
}

void AppendHex4(std::string& out, uint32_t v)
{
    static const char digits[] = "0123456789ABCDEF";
    for (int shift = 12; shift >= 0; shift -= 4)
        out.push_back(digits[(v >> shift) & 0xF]);
}

std::string Stream(int n, const std::string& strDict, const std::string& strData)
{
    return Num(n) + " 0 obj<<" + strDict + "/Length " + std::to_string(strData.size()) + ">>stream\r\n" + strData +
           "\r\nendstream\rendobj\n";
}

// The subset's name: six capitals that differ with the glyphs it holds.
std::string SubsetTag(const std::map<uint16_t, char32_t>& glyphs)
{
    uint32_t h = 2166136261u;
    for (const auto& [g, cp] : glyphs)
        h = (h ^ g) * 16777619u;
    std::string tag;
    for (int i = 0; i < 6; ++i, h /= 26)
        tag.push_back(static_cast<char>('A' + h % 26));
    return tag + "+";
}

// The glyphs back to text, for search and copy.
std::string ToUnicodeCMap(const std::map<uint16_t, char32_t>& glyphs)
{
    std::string out = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                      "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    auto it = glyphs.begin();
    while (it != glyphs.end()) {
        std::string block;
        int n = 0;
        for (; it != glyphs.end() && n < 100; ++it, ++n) {
            block += "<";
            AppendHex4(block, it->first);
            block += "> <";
            const char32_t cp = it->second;
            if (cp > 0xFFFF) {
                AppendHex4(block, 0xD800 + ((cp - 0x10000) >> 10));
                AppendHex4(block, 0xDC00 + ((cp - 0x10000) & 0x3FF));
            } else {
                AppendHex4(block, cp);
            }
            block += ">\n";
        }
        out += Num(n) + " beginbfchar\n" + block + "endbfchar\n";
    }
    return out + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
}
} // namespace

bool CPdfWriter::SFileOrder::operator()(int a, int b) const
{
    const int ga = (a / 16) % 17;
    const int gb = (b / 16) % 17;
    return ga != gb ? ga < gb : a > b;
}

void CPdfWriter::NewPage()
{
    const int n = ++m_nObjectCounter;
    m_nCurrentPage = n;
    m_pages[n] = SPage{Num(n) + " 0 obj<</Type /Page /Parent 4 0 R /MediaBox[0 0 612 792] /Contents [",
                       {},
                       "] /Resources<</ProcSet 2 0 R\r\n/Font << /F1 3 0 R>>>>>>\nendobj\n"};
}

void CPdfWriter::AddStream(int nObject, std::string strObject)
{
    m_streams[nObject] = std::move(strObject);
    const auto page = m_pages.find(m_nCurrentPage);
    if (page != m_pages.end())
        page->second.strRefs += Num(nObject) + " 0 R ";
}

void CPdfWriter::AddText(const std::string& strText, int x, int y, int nSize)
{
    const int n = ++m_nObjectCounter;
    std::string content = "0 g\r1 i \rBT\r/F1 " + Num(nSize) + " Tf\r0 Tc 0 Tw 0  Ts 100  Tz 0 Tr 1.2 TL 12 0 0 12 " +
                          Num(x) + " " + Num(y) + " Tm \rT* (";
    content.reserve(content.size() + strText.size() + strText.size() / 8 + 16);
    // Escaped line by line, so the separators between shown strings stay as they are.
    ForEachPiece(strText, lineBreak, [&](std::string_view line, bool bLast) {
        AppendShown(content, line, nSize);
        if (!bLast)
            content += shownLineBreak;
    });
    content += ") Tj \rET";
    std::string object = Num(n) + " 0 obj<</Length " + std::to_string(content.size()) + ">>stream\r\n";
    object.reserve(object.size() + content.size() + 24);
    object += content;
    object += "\r\nendstream\rendobj\n";
    AddStream(n, std::move(object));
}

void CPdfWriter::AppendShown(std::string& out, std::string_view line, int nSize)
{
    size_t i = 0;
    while (i < line.size()) {
        if (static_cast<unsigned char>(line[i]) < 0x80) {
            AppendEscaped(out, line[i++]);
            continue;
        }
        SUtf8Char c = DecodeUtf8At(line, i);
        const unsigned char b = MacRomanByte(c.cp);
        // The fonts are read only once a character needs them.
        CFallbackFonts::SGlyph g = b == '?' ? CFallbackFonts::Get().Find(c.cp) : CFallbackFonts::SGlyph{};
        if (g.nFont < 0) {
            AppendEscaped(out, static_cast<char>(b));
            i += c.nBytes;
            continue;
        }
        const CFallbackFonts& fonts = CFallbackFonts::Get();
        // A run of characters of one fallback font, as glyph numbers.
        const int nFont = g.nFont;
        out += ") Tj /F" + Num(nFont + 2) + " " + Num(nSize) + " Tf <";
        std::map<uint16_t, char32_t>& used = m_fallbackGlyphs[nFont];
        while (g.nFont == nFont) {
            AppendHex4(out, g.nGlyph);
            used.emplace(g.nGlyph, c.cp);
            i += c.nBytes;
            if (i >= line.size())
                break;
            c = DecodeUtf8At(line, i);
            g = fonts.Find(c.cp);
        }
        out += "> Tj /F1 " + Num(nSize) + " Tf (";
    }
}

std::vector<std::pair<int, std::string>> CPdfWriter::FallbackFontObjects(int nFirst, std::string& strResources) const
{
    std::vector<std::pair<int, std::string>> objects;
    int n = nFirst;
    for (const auto& [nFont, glyphs] : m_fallbackGlyphs) {
        const CTrueTypeFont& font = CFallbackFonts::Get().Font(nFont);
        const int nType0 = n++, nCid = n++, nDescriptor = n++, nFile = n++, nToUnicode = n++;
        const std::string name = "/" + SubsetTag(glyphs) + font.GetName();
        strResources += " /F" + Num(nFont + 2) + " " + Num(nType0) + " 0 R";
        objects.emplace_back(nType0, Num(nType0) + " 0 obj<</Type /Font /Subtype /Type0 /BaseFont " + name +
                                         " /Encoding /Identity-H /DescendantFonts [" + Num(nCid) + " 0 R] /ToUnicode " +
                                         Num(nToUnicode) + " 0 R>>\nendobj\n");
        std::string widths;
        std::set<uint16_t> used;
        for (const auto& [g, cp] : glyphs) {
            widths += Num(g) + " [" + Num(font.Advance1000(g)) + "] ";
            used.insert(g);
        }
        objects.emplace_back(nCid, Num(nCid) + " 0 obj<</Type /Font /Subtype /CIDFontType2 /BaseFont " + name +
                                       " /CIDSystemInfo <</Registry (Adobe) /Ordering (Identity) /Supplement 0>>"
                                       " /FontDescriptor " +
                                       Num(nDescriptor) + " 0 R /CIDToGIDMap /Identity /W [" + widths +
                                       "]>>\nendobj\n");
        const CTrueTypeFont::SMetrics m = font.GetMetrics();
        objects.emplace_back(nDescriptor, Num(nDescriptor) + " 0 obj<</Type /FontDescriptor /FontName " + name +
                                              " /Flags 32 /FontBBox [" + Num(m.xMin) + " " + Num(m.yMin) + " " +
                                              Num(m.xMax) + " " + Num(m.yMax) + "] /ItalicAngle 0 /Ascent " +
                                              Num(m.nAscent) + " /Descent " + Num(m.nDescent) + " /CapHeight " +
                                              Num(m.nAscent) + " /StemV 80 /FontFile2 " + Num(nFile) +
                                              " 0 R>>\nendobj\n");
        const std::string program = font.Subset(used);
        // zlib's stream after Qt's four-byte length.
        const QByteArray packed =
            qCompress(QByteArray::fromRawData(program.data(), static_cast<qsizetype>(program.size())), 9);
        objects.emplace_back(nFile,
                             Stream(nFile, "/Length1 " + std::to_string(program.size()) + " /Filter /FlateDecode ",
                                    packed.toStdString().substr(4)));
        objects.emplace_back(nToUnicode, Stream(nToUnicode, "", ToUnicodeCMap(glyphs)));
    }
    return objects;
}

void CPdfWriter::AddLine(int x1, int y1, int x2, int y2, int nWidth)
{
    const int n = ++m_nObjectCounter;
    const std::string content =
        Num(nWidth) + " w\r\n" + Num(x1) + " " + Num(y1) + " m\r\n" + Num(x2) + " " + Num(y2) + " l\r\nS";
    AddStream(n, Num(n) + " 0 obj<</Length " + std::to_string(content.size()) + " >>stream\r\n" + content +
                     "\r\nendstream\rendobj\n");
}

void CPdfWriter::SplitLines(std::string_view text, std::string_view separator, std::vector<std::string>& lines)
{
    ForEachPiece(text, separator, [&](std::string_view line, bool) { lines.emplace_back(line); });
}

void CPdfWriter::WrapLines(const std::vector<std::string>& lines, std::vector<std::string>& wrapped, int nPointSize,
                           const ITextMeasurer& measurer)
{
    const int nCellHeight = nPointSize * 9 / 5;
    for (const std::string& line : lines) {
        // A view over the rest, never a copy: a long line without breaks
        // must not cost the square of its length.
        std::string_view rest = line;
        for (;;) {
            const size_t fit = measurer.FittingBytes(rest, nCellHeight, wrapLimit);
            if (fit >= rest.size()) {
                wrapped.emplace_back(rest);
                break;
            }
            const std::string_view head = rest.substr(0, fit);
            size_t cut = head.rfind(' ');
            if (cut == std::string_view::npos)
                cut = head.rfind('-');
            size_t brk = cut != std::string_view::npos ? cut + 1 : fit;
            // A character wider than the whole limit still takes a line of its own.
            if (brk == 0)
                brk = DecodeUtf8At(rest, 0).nBytes;
            wrapped.emplace_back(rest.substr(0, brk));
            rest.remove_prefix(brk);
        }
    }
}

void CPdfWriter::AddTextBlock(const std::string& strText, int x, int y, int nSize, int nPointSize,
                              const ITextMeasurer& measurer)
{
    std::vector<std::string> lines;
    SplitLines(strText, lineBreak, lines);
    std::vector<std::string> wrapped;
    WrapLines(lines, wrapped, nPointSize, measurer);
    lines.clear();

    const int nStep = 2 * nPointSize;
    int nBlockY = y;
    int nCursor = y;
    std::string block;
    for (const std::string& line : wrapped) {
        nCursor -= nStep;
        if (nCursor < 65) {
            AddText(block, x, nBlockY, nSize);
            NewPage();
            nBlockY = nCursor = 750;
            block.clear();
        }
        block += line;
        block += lineBreak;
    }
    if (!block.empty())
        AddText(block, x, nBlockY, nSize);
}

std::string CPdfWriter::BuildFile() const
{
    std::string fontResources;
    const auto fallbackFonts = FallbackFontObjects(m_nObjectCounter + 1, fontResources);
    const int nObjects = m_nObjectCounter + static_cast<int>(fallbackFonts.size());
    size_t nBytes = 512 + 20 * static_cast<size_t>(nObjects);
    for (const auto& [n, page] : m_pages)
        nBytes += page.strHead.size() + page.strRefs.size() + page.strTail.size() + 8;
    for (const auto& [n, stream] : m_streams)
        nBytes += stream.size();
    std::string file;
    file.reserve(nBytes);

    for (const auto& [n, object] : fallbackFonts)
        nBytes += object.size();
    std::vector<size_t> offsets(static_cast<size_t>(nObjects) + 1, 0);
    auto begin = [&](int n) { offsets[static_cast<size_t>(n) - 1] = file.size(); };

    file += "%PDF-1.4\r\n";
    begin(1);
    file += "1 0 obj<</Type /Catalog /Pages 4 0 R>>\nendobj\r";
    begin(2);
    file += "2 0 obj\r\n[/PDF /Text]\r\nendobj\n";
    begin(3);
    file += "3 0 obj\r\n<< /Type /Font /Subtype /Type1 /Name /F1 /BaseFont /Helvetica /Encoding "
            "/MacRomanEncoding>>endobj\r\n";
    begin(4);
    file += "4 0 obj<</Type /Pages /Kids [";
    std::vector<int> kids;
    for (const auto& [n, page] : m_pages)
        kids.push_back(n);
    std::sort(kids.begin(), kids.end());
    for (const int n : kids)
        file += Num(n) + " 0 R ";
    file += "] /Count " + std::to_string(kids.size()) + ">>\nendobj\r";

    for (const auto& [n, page] : m_pages) {
        begin(n);
        file += page.strHead;
        file += page.strRefs;
        if (fontResources.empty()) {
            file += page.strTail;
        } else {
            std::string tail = page.strTail;
            const std::string_view f1 = "/F1 3 0 R";
            tail.insert(tail.find(f1) + f1.size(), fontResources);
            file += tail;
        }
    }
    for (const auto& [n, stream] : m_streams) {
        begin(n);
        file += stream;
    }
    for (const auto& [n, object] : fallbackFonts) {
        begin(n);
        file += object;
    }

    const size_t xref = file.size();
    offsets.back() = xref;
    file += "xref\r\n0 " + Num(nObjects + 1) + "\r\n0000000000 65535 f\r\n";
    for (int n = 1; n <= nObjects; ++n)
        file += Offset10(offsets[static_cast<size_t>(n) - 1]) + " 00000 n\r\n";
    file += "trailer\n<</Size " + Num(nObjects + 1) + "/Root 1 0 R>>\r\nstartxref\r\n" + std::to_string(xref) +
            "\r\n%%EOF\r\n";
    return file;
}

SFileResult CPdfWriter::SaveToFile(const std::string& strPath) const
{
    return WriteExportTarget(strPath, BuildFile());
}
