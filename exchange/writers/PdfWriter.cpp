#include "PdfWriter.h"

#include "ExportTarget.h"
#include "MacRoman.h"
#include "TextMeasurer.h"
#include "TextPieces.h"

#include <algorithm>
#include <cstdio>

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

// One line of a shown string: in the font's encoding, with the characters
// that would end or break a PDF string escaped.
void AppendPdfString(std::string& out, std::string_view line)
{
    for (const char c : Utf8ToMacRoman(line)) {
        if (c == '\\' || c == '(' || c == ')')
            out.push_back('\\');
        out.push_back(c);
    }
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
        AppendPdfString(content, line);
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
    size_t nBytes = 512 + 20 * static_cast<size_t>(m_nObjectCounter);
    for (const auto& [n, page] : m_pages)
        nBytes += page.strHead.size() + page.strRefs.size() + page.strTail.size() + 8;
    for (const auto& [n, stream] : m_streams)
        nBytes += stream.size();
    std::string file;
    file.reserve(nBytes);

    std::vector<size_t> offsets(static_cast<size_t>(m_nObjectCounter) + 1, 0);
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
        file += page.strTail;
    }
    for (const auto& [n, stream] : m_streams) {
        begin(n);
        file += stream;
    }

    const size_t xref = file.size();
    offsets.back() = xref;
    file += "xref\r\n0 " + Num(m_nObjectCounter + 1) + "\r\n0000000000 65535 f\r\n";
    for (int n = 1; n <= m_nObjectCounter; ++n)
        file += Offset10(offsets[static_cast<size_t>(n) - 1]) + " 00000 n\r\n";
    file += "trailer\n<</Size " + Num(m_nObjectCounter + 1) + "/Root 1 0 R>>\r\nstartxref\r\n" + std::to_string(xref) +
            "\r\n%%EOF\r\n";
    return file;
}

SFileResult CPdfWriter::SaveToFile(const std::string& strPath) const
{
    return WriteExportTarget(strPath, BuildFile());
}
