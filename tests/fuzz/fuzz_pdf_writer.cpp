// The PDF writer: whatever the note and titles hold, the document is whole:
// its header, and a cross-reference table where startxref says.
#include "NoteRecord.h"
#include "PdfExport.h"
#include "TextMeasurer.h"

#include "FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    CNoteRecord note;
    const std::string title = input.ConsumeRandomLengthString(256);
    const std::string subtitle = input.ConsumeRandomLengthString(256);
    note.m_strTitle = input.ConsumeRandomLengthString();
    note.m_strComments = input.ConsumeRandomLengthString();
    note.m_strKeywords = input.ConsumeRandomLengthString();
    note.m_nPriority = input.ConsumeIntegral<int32_t>();
    note.m_bHasDate = input.ConsumeBool();
    note.m_strNotes = input.ConsumeRemainingBytesAsString();
    const std::string pdf = BuildNotePdf(note, title, subtitle, CHelveticaMeasurer());
    FUZZ_CHECK(pdf.rfind("%PDF-1.4\r\n", 0) == 0);
    const size_t start = pdf.rfind("startxref\r\n");
    FUZZ_CHECK(start != std::string::npos);
    const size_t xref = std::stoul(pdf.substr(start + 11));
    FUZZ_CHECK(pdf.compare(xref, 6, "xref\r\n") == 0);
    return 0;
}
