#include "NoteDetails.h"

#include "AppContext.h"
#include "NoteRecord.h"

std::string ComposeNoteDetails(const CNoteRecord& note, const SDetailLabels& labels)
{
    static const char szBlankLine[] = "\r\n\r\n";
    std::string text;
    text.reserve(256 + note.m_strNotes.size());
    auto line = [&](const char* pszLabel, const std::string& strValue) {
        text += pszLabel;
        text += strValue;
        text += szBlankLine;
    };
    line(labels.pszTitle, note.m_strTitle);
    if (note.m_bHasDate)
        line(labels.pszDate, CAppContext::FormatDate(note.m_dtDate));
    line(labels.pszPriority, PriorityText(note.m_nPriority));
    line(labels.pszComments, note.m_strComments);
    line(labels.pszKeywords, note.m_strKeywords);
    text += "Notes\t:";
    text += szBlankLine;
    text += note.m_strNotes;
    return text;
}
