#pragma once

#include <string>

class CNoteRecord;

// The labels of a details text, each with its colon and the gap after it.
struct SDetailLabels
{
    const char* pszTitle;
    const char* pszDate;
    const char* pszPriority;
    const char* pszComments;
    const char* pszKeywords;
};

// Title, date (only when the note has one), priority, comments and keywords,
// each followed by a blank line, then "Notes\t:", a blank line and the notes text.
std::string ComposeNoteDetails(const CNoteRecord& note, const SDetailLabels& labels);
