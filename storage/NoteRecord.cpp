#include "NoteRecord.h"

#include <cstdio>

void CNoteRecord::Reset()
{
    m_strKey.clear();
    m_strTitle.clear();
    m_strComments.clear();
    m_strKeywords.clear();
    m_strNotes.clear();
    m_nIcon = 0;
    m_dtDate = CDateTime::GetCurrentTime();
    m_bHasDate = 0;
    m_dtCreated = CDateTime::GetCurrentTime();
    m_dtModified = CDateTime::GetCurrentTime();
    m_nModifiedAt = 0;
    m_nPriority = 1;
    m_bNotesAside = false;
}

std::string MakeNoteKey(int nCounter)
{
    return MakeNoteKey(CDateTime::GetCurrentTime(), nCounter);
}

std::string MakeNoteKey(const CDateTime& when, int nCounter)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    when.GetFields(y, mo, d, h, mi, s);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d%02d", y, mo, d, h, mi, s, nCounter);
    return buf;
}

const char* PriorityText(int nPriority)
{
    switch (nPriority) {
    case 0:
        return "Low";
    case 1:
        return "Medium";
    case 2:
        return "High";
    default:
        return "";
    }
}

const char* ModifiedAtText(int nModifiedAt)
{
    switch (nModifiedAt) {
    case 0:
        return "Desktop";
    case 1:
        return "Pocket PC";
    case 2:
        return "Smart Phone";
    default:
        return "";
    }
}
