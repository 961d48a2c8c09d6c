// The HTML writer: whatever the note holds, the page is valid UTF-8 without
// control characters, and no field can open a tag.
#include "HtmlExport.h"
#include "NoteRecord.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    CNoteRecord note;
    note.m_strTitle = input.ConsumeRandomLengthString();
    note.m_strComments = input.ConsumeRandomLengthString();
    note.m_strKeywords = input.ConsumeRandomLengthString();
    note.m_nPriority = input.ConsumeIntegral<int32_t>();
    note.m_bHasDate = input.ConsumeBool();
    note.m_dtDate = CDateTime(input.ConsumeFloatingPoint<double>(), input.ConsumeIntegralInRange<int32_t>(0, 2));
    note.m_strNotes = input.ConsumeRemainingBytesAsString();
    const std::string page = BuildNoteHtml(note);
    FUZZ_CHECK(IsCleanUtf8(page));
    const std::string fields = EscapeHtml(note.m_strTitle + note.m_strComments + note.m_strKeywords + note.m_strNotes);
    FUZZ_CHECK(fields.find_first_of("<>\"") == std::string::npos);
    return 0;
}
