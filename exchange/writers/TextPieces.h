#pragma once

#include <string_view>

// Calls f(piece, bLast) for every piece of text between separators, in
// order, empty pieces included: a text ending in a separator ends with an
// empty piece.
template <class F>
void ForEachPiece(std::string_view text, std::string_view separator, F&& f)
{
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(separator, start);
        const bool bLast = end == std::string_view::npos;
        f(text.substr(start, bLast ? std::string_view::npos : end - start), bLast);
        if (bLast)
            return;
        start = end + separator.size();
    }
}
