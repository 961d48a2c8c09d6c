#pragma once

#include "FileIo.h"
#include "NoteRecord.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Where a note's text lies among an index's texts, and the hash of its
// bytes, which a read checks.
struct SIndexTextAt
{
    uint64_t nAt = 0;
    uint32_t nSize = 0;
    uint64_t nHash = 0;
};

// The texts of an index file, which it keeps apart from the rest so that a
// folder is listed without them. The file stays open, so they can be read
// after a newer index has replaced it; a text whose bytes no longer match
// its hash is not read at all, never read wrong.
class CIndexTexts
{
public:
    // Takes fd, whose texts start at nStart and take nSize bytes.
    CIndexTexts(int fd, uint64_t nStart, uint64_t nSize);
    ~CIndexTexts();
    CIndexTexts(const CIndexTexts&) = delete;
    CIndexTexts& operator=(const CIndexTexts&) = delete;

    bool Read(const SIndexTextAt& at, std::string& text) const;
    // Every text at once, for a pass over many notes; Slice takes one out.
    bool ReadAll(std::string& texts) const;
    static bool Slice(std::string_view texts, const SIndexTextAt& at, std::string_view& text);
    static uint64_t Hash(std::string_view s);

    // Bytes of the file itself, for the reader of its head.
    bool ReadRaw(uint64_t nAt, size_t nSize, std::string& out) const;
    int Release();

private:

    int m_fd;
    uint64_t m_nStart;
    uint64_t m_nSize;
};

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
