#pragma once

#include <string>
#include <string_view>
#include <vector>

class CNoteRecord;

// Case-insensitive substring matching on UTF-8 text: the upper-case form of
// both sides is compared byte for byte, so for ASCII this is exactly an
// upper-case substring test, and other scripts follow Unicode case rules.
std::string UpperCaseText(std::string_view text);
bool ContainsText(std::string_view upperHaystack, std::string_view upperNeedle);
// Whether the note's title, comments, keywords or text contain the text, as
// the store's search finds it.
bool NoteContainsText(const CNoteRecord& note, std::string_view upperNeedle);

// Orders titles as the notes list shows them: case-insensitive, Unicode-aware.
// Negative, zero or positive like strcmp.
int CompareTitles(const std::string& a, const std::string& b);

// The title folded to lower case: equal keys for titles that differ only in
// case, and the byte order of the keys is the notes list's order.
std::string TitleSortKey(const std::string& strTitle);

// Ascending by CompareTitles; notes with equal titles keep their order.
void SortNotesByTitle(std::vector<CNoteRecord>& notes);
