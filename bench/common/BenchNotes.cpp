#include "BenchNotes.h"

#include "AppContext.h"
#include "NoteStore.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

CNoteRecord MakeBenchNote(int i, size_t nTextSize)
{
    CNoteRecord n;
    n.m_strKey = "20261207" + std::to_string(1000000 + i);
    const unsigned h = static_cast<unsigned>(i) * 2654435761u;
    n.m_strTitle = std::string(h % 3 == 0 ? "Note " : "note ") + std::to_string(h % 1000003);
    n.m_strComments = "comments for the note";
    n.m_strKeywords = "alpha beta gamma";
    n.m_strNotes = std::string(nTextSize, 'x') + "\r\nsome more text of the note body " + std::to_string(i);
    n.m_bHasDate = i % 2;
    n.m_nPriority = i % 3;
    n.m_nIcon = i % 219;
    return n;
}

std::string BenchNotesFolder(const std::string& strName, int nNotes, size_t nTextSize)
{
    const char* pszRoot = std::getenv("QUILLBOX_BENCH_NOTES");
    const std::filesystem::path root = pszRoot && *pszRoot ? pszRoot : std::filesystem::temp_directory_path();
    const std::string strDir = (root / strName).string();
    const std::string strDone = strDir + "/.complete";
    if (std::filesystem::exists(strDone))
        return strDir;
    std::filesystem::create_directories(strDir);
    CAppContext app(strDir);
    CNoteStore store(app);
    store.LoadFolder(strDir);
    for (int i = 0; i < nNotes; ++i) {
        const CNoteRecord n = MakeBenchNote(i, nTextSize);
        // Material only: written plainly, a durable save each would take minutes.
        std::ofstream(CAppContext::GetNoteFilePath(store.GetLoadedFolder(), n), std::ios::binary) << store.NoteFileBytes(n);
    }
    std::ofstream(strDone) << "done\n";
    return strDir;
}
