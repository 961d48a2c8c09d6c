#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken promise is a crash, so the fuzzer keeps the input that shows it.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "check failed: %s\n", #condition);                                                    \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (0)

// Valid UTF-8 with no control character but tab, CR and LF.
inline bool IsCleanUtf8(std::string_view s)
{
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            if ((b < 0x20 && b != '\t' && b != '\r' && b != '\n') || b == 0x7F)
                return false;
            ++i;
            continue;
        }
        size_t n = 0;
        char32_t cp = 0;
        if ((b & 0xE0) == 0xC0)
            n = 2, cp = b & 0x1F;
        else if ((b & 0xF0) == 0xE0)
            n = 3, cp = b & 0x0F;
        else if ((b & 0xF8) == 0xF0)
            n = 4, cp = b & 0x07;
        else
            return false;
        if (i + n > s.size())
            return false;
        for (size_t k = 1; k < n; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        const char32_t least = n == 2 ? 0x80 : n == 3 ? 0x800 : 0x10000;
        if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || (cp >= 0x80 && cp < 0xA0))
            return false;
        i += n;
    }
    return true;
}
