#include "HtmlExport.h"

#include "AppContext.h"
#include "MacRoman.h"
#include "NoteRecord.h"
#include "Resources.h"
#include "TextPieces.h"

namespace
{
std::string Piece(unsigned nId)
{
    return CAppContext::LoadStringResource(nId);
}

// The escaped text with every CR LF as a line break tag.
std::string HtmlLines(const std::string& strText)
{
    const std::string escaped = EscapeHtml(strText);
    std::string out;
    out.reserve(escaped.size() + escaped.size() / 16);
    ForEachPiece(escaped, "\r\n", [&](std::string_view line, bool bLast) {
        out += line;
        if (!bLast)
            out += "<BR>";
    });
    return out;
}
} // namespace

std::string EscapeHtml(const std::string& strText)
{
    std::string out;
    out.reserve(strText.size());
    for (size_t i = 0; i < strText.size();) {
        const char c = strText[i];
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80) {
            const SUtf8Char u = DecodeUtf8At(strText, i);
            // C1 controls are as unwelcome as C0 ones.
            if (u.cp == 0xFFFD && u.nBytes == 1)
                out += "\xEF\xBF\xBD";
            else if (u.cp >= 0xA0)
                out.append(strText, i, u.nBytes);
            i += u.nBytes;
            continue;
        }
        ++i;
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (b >= 0x20 ? b != 0x7F : c == '\t' || c == '\r' || c == '\n')
                out.push_back(c);
        }
    }
    return out;
}

std::string BuildNoteHtml(const CNoteRecord& note)
{
    std::string head = Piece(QuillboxResources::IDS_HTML_HEAD);
    // The template predates the declaration; without it browsers guess the
    // encoding of our UTF-8 text.
    const std::string tag = "<HEAD>";
    const size_t at = head.find(tag);
    head.insert(at == std::string::npos ? 0 : at + tag.size(), "<meta charset=\"utf-8\">");

    const std::string title = EscapeHtml(note.m_strTitle);
    std::string page = head + title + Piece(QuillboxResources::IDS_HTML_AFTER_TITLE) + title + Piece(QuillboxResources::IDS_HTML_AFTER_HEADING);
    page += note.m_bHasDate ? EscapeHtml(CAppContext::FormatDate(note.m_dtDate)) : std::string("<BR>");
    page += Piece(QuillboxResources::IDS_HTML_BEFORE_PRIORITY) + EscapeHtml(PriorityText(note.m_nPriority));
    page += Piece(QuillboxResources::IDS_HTML_BEFORE_COMMENTS) + EscapeHtml(note.m_strComments);
    page += Piece(QuillboxResources::IDS_HTML_BEFORE_KEYWORDS) + EscapeHtml(note.m_strKeywords);
    page += Piece(QuillboxResources::IDS_HTML_BEFORE_NOTES) + HtmlLines(note.m_strNotes);
    page += Piece(QuillboxResources::IDS_HTML_TAIL);
    return page;
}
