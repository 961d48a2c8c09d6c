// The folder index's head reader, past its checksum: any bytes give notes or a
// refusal, never more notes than the bytes can hold, and what it takes in
// is written out again in a form it reads back.
#include "FolderIndex.h"

#include "FuzzCheck.h"

#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes = CFolderIndex::Sealed(std::string_view(reinterpret_cast<const char*>(data), size));
    SFolderIndexContent content;
    if (!CFolderIndex::Decode(bytes, content))
        return 0;
    FUZZ_CHECK(content.notes.size() * 64 <= bytes.size());
    // A head alone gives no texts: the round trip takes each note's text as
    // empty, so none is left out.
    for (SIndexedNote& n : content.notes) {
        auto rec = std::make_shared<CNoteRecord>(*n.rec);
        rec->m_bNotesAside = false;
        n.rec = std::move(rec);
    }
    SFolderIndexContent again;
    FUZZ_CHECK(CFolderIndex::Decode(CFolderIndex::Encode(content), again));
    FUZZ_CHECK(again.notes.size() == content.notes.size());
    return 0;
}
