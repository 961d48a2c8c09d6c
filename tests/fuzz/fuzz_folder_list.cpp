// The folder list loader: any bytes give folders and perhaps an error, never
// more folders than the bytes can hold.
#include "FolderSettingsFile.h"

#include "FuzzCheck.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const SFolderSettings read = CFolderSettingsFile::ParseFolderSettings(
        std::string_view(reinterpret_cast<const char*>(data), size), "FolderSettings.set");
    FUZZ_CHECK(read.folders.size() * 2 <= size);
    return 0;
}
