// The note file reader: any bytes give a record or a clean refusal, and a
// record read once is written and read back to the same bytes.
#include "AppContext.h"
#include "NoteStore.h"

#include "FuzzCheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static CAppContext app("/tmp");
    static CNoteStore store(app);
    CNoteRecord note;
    if (!CNoteStore::ParseNoteFile(std::string_view(reinterpret_cast<const char*>(data), size), note))
        return 0;
    const std::string once = store.NoteFileBytes(note);
    CNoteRecord again;
    FUZZ_CHECK(CNoteStore::ParseNoteFile(once, again));
    FUZZ_CHECK(store.NoteFileBytes(again) == once);
    return 0;
}
