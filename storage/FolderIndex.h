#pragma once

#include "FileIo.h"
#include "IndexTexts.h"
#include "NoteRecord.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One note as a folder index keeps it: its file's name and stamp, and the
// record the store held for it. A record read from an index holds its text
// aside (m_bNotesAside), at textAt among the index's texts.
struct SIndexedNote
{
    std::string strName;
    SFileStamp stamp;
    std::shared_ptr<const CNoteRecord> rec;
    SIndexTextAt textAt;
    // Place + 1 in the notes list's order of strListOrderId, 0 for none.
    uint32_t nListRank = 0;
};

// A folder's notes as they were when its index was written, and which
// directory they are of: its canonical path and its device and inode, so an
// index copied over from another folder, or of a directory made anew under
// the same name, is never taken for this one.
struct SFolderIndexContent
{
    std::string strDir;
    uint64_t nDirDevice = 0;
    uint64_t nDirInode = 0;
    std::vector<SIndexedNote> notes;
    // What order the notes' list ranks are of (see CNoteStore::SetListOrder).
    std::string strListOrderId;
    // Where the texts of records held aside are: the index they were read
    // from. Encode takes them from there (a note whose text cannot be read
    // is left out); Read gives the texts of the index it read.
    std::shared_ptr<const CIndexTexts> pTexts;
};

// The index of one folder's directory, a file of its own in the user's cache
// (never inside the folder, so sync tools never carry it). It only saves
// reading every note file: whatever it says is checked against the files
// before it is believed, and an index that is missing, damaged, of another
// version or of another folder is not used at all.
class CFolderIndex
{
public:
    static constexpr uint32_t nVersion = 2;

    // The canonical path of a directory; empty when it has none (missing).
    static std::string CanonicalDirectory(const std::string& strDir);
    // The index file of the directory (canonical) within strIndexDir.
    static std::string IndexPath(const std::string& strIndexDir, const std::string& strCanonicalDir);

    static std::string Encode(const SFolderIndexContent& content, uint32_t nVersionOf = nVersion);
    // The magic, length and checksum around a head, as Encode puts them.
    static std::string Sealed(std::string_view head);
    // The notes of an index's head, each record with its text aside; false
    // when the bytes do not begin with a whole head of this version. The
    // texts that follow the head are not read.
    static bool Decode(std::string_view bytes, SFolderIndexContent& content);

    // Writes the index of content.strDir into strIndexDir, made when missing.
    static SFileResult Write(const std::string& strIndexDir, const SFolderIndexContent& content);
    // The index of strDir as it is now; false when there is none to trust:
    // missing, damaged, of another version, or not of this very directory.
    static bool Read(const std::string& strIndexDir, const std::string& strDir, SFolderIndexContent& content);

private:
    static bool DecodeHead(std::string_view bytes, SFolderIndexContent& content, uint64_t& nHeadEnd,
                           uint64_t& nTexts);
};
