#pragma once

#include <string>

class CNoteRecord;

// The note as one HTML page built from the string-table pieces 61453 to
// 61460. Every field is escaped, so a note's text never becomes markup; line
// breaks become "<BR>". The page declares UTF-8. The note is not changed.
std::string BuildNoteHtml(const CNoteRecord& note);

// "&", "<", ">" and the double quote as character references.
std::string EscapeHtml(const std::string& strText);
