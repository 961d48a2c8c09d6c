#include "HtmlExport.h"

#include "AppContext.h"
#include "NoteRecord.h"
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
}

std::string EscapeHtml(const std::string& strText)
{
    std::string out;
    out.reserve(strText.size());
    for (const char c : strText) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out.push_back(c);
        }
    }
    return out;
}

std::string BuildNoteHtml(const CNoteRecord& note)
{
    std::string head = Piece(61453);
    // The template predates the declaration; without it browsers guess the
    // encoding of our UTF-8 text.
    const std::string tag = "<HEAD>";
    const size_t at = head.find(tag);
    head.insert(at == std::string::npos ? 0 : at + tag.size(), "<meta charset=\"utf-8\">");

    const std::string title = EscapeHtml(note.m_strTitle);
    std::string page = head + title + Piece(61454) + title + Piece(61455);
    page += note.m_bHasDate ? EscapeHtml(CAppContext::FormatDate(note.m_dtDate)) : std::string("<BR>");
    page += Piece(61456) + EscapeHtml(PriorityText(note.m_nPriority));
    page += Piece(61457) + EscapeHtml(note.m_strComments);
    page += Piece(61458) + EscapeHtml(note.m_strKeywords);
    page += Piece(61459) + HtmlLines(note.m_strNotes);
    page += Piece(61460);
    return page;
}
