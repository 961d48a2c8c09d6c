#pragma once

#include <string>
#include <string_view>

// One character of UTF-8 text. A byte that does not start a valid sequence
// counts as one character of its own, so no text is ever cut inside a
// sequence and broken text still moves forward.
struct SUtf8Char
{
    char32_t cp;   // the code point, or U+FFFD for a broken byte
    size_t nBytes; // 1 to 4
};

// Decodes the character that begins at byte i (i < text.size()).
SUtf8Char DecodeUtf8At(std::string_view text, size_t i);

// The Mac OS Roman byte the page font shows for a code point, or '?' when
// the font's encoding has no such character. ASCII maps to itself.
unsigned char MacRomanByte(char32_t cp);

// The whole text in that encoding, one byte per character.
std::string Utf8ToMacRoman(std::string_view text);
