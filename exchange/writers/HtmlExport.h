#pragma once

#include <string>

class CNoteRecord;

// The note as one HTML page built from the string-table pieces 61453 to
// 61460. Every field is escaped, so a note's text never becomes markup; line
// breaks become "<BR>". The page declares UTF-8. The note is not changed.
std::string BuildNoteHtml(const CNoteRecord& note);

// "&", "<", ">" and the double quote as character references. The result
// is valid UTF-8: a byte that does not belong to a valid sequence becomes
// U+FFFD, and control characters other than tab, CR and LF are dropped.
std::string EscapeHtml(const std::string& strText);
