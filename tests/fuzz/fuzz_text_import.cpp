// The text import: the text ends at the first zero byte, and appending it
// adds exactly CR LF and that text.
#include "NoteRecord.h"
#include "TextExchange.h"

#include "FuzzCheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = ImportTextFromBytes(bytes);
    FUZZ_CHECK(text.find('\0') == std::string::npos);
    FUZZ_CHECK(bytes.substr(0, text.size()) == text);
    CNoteRecord note;
    note.m_strNotes = "before";
    const bool changed = AppendImportedText(note, text);
    FUZZ_CHECK(changed == !text.empty());
    FUZZ_CHECK(note.m_strNotes == (changed ? "before\r\n" + text : std::string("before")));
    return 0;
}
