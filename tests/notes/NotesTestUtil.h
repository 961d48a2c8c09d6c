#pragma once

#include "NoteRecord.h"

#include <string>

// A note with the fields the widgets show.
inline CNoteRecord MakeNote(const std::string& strTitle, int nPriority = 1, int nIcon = 0)
{
    CNoteRecord note;
    note.m_strKey = "20261207093000" + std::to_string(10 + nIcon);
    note.m_strTitle = strTitle;
    note.m_strComments = "about " + strTitle;
    note.m_nPriority = nPriority;
    note.m_nIcon = nIcon;
    return note;
}
