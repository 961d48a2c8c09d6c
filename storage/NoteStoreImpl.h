#pragma once

// The store's inside, shared by its source files and by nothing else.

#include "FolderIndex.h"
#include "NoteStore.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <vector>

namespace note_store
{
constexpr size_t nMaxNoteFile = size_t(1) << 31;
constexpr size_t nReadBatch = 1024;

bool EndsWith(std::string_view s, std::string_view tail);
// A key's own file name: "QB_" + key + ".qbt".
std::string KeyFileName(std::string_view key);
bool IsKeyFileName(std::string_view name, std::string_view key);
// A temporary file of a note save: "QB_" ... ".qbt", our mark and its tail.
bool IsNoteTempName(std::string_view name);
// Whether two paths name one directory.
bool SameDirectory(const std::string& a, const std::string& b);
bool SameFile(const SNoteFile& a, const SNoteFile& b);
// Opens a directory entry for reading without ever blocking or leaving the
// folder: a symlink is followed only to a file inside the folder, whose
// canonical path strRealDir caches.
int OpenNoteEntry(int dirFd, const std::string& strDir, const char* pszName, unsigned char type,
                  std::string& strRealDir);
// Reads a note file with the stamp it had when the read began.
CNoteStore::ReadResult ReadStampedFd(int fd, CNoteRecord& note, SFileStamp& stamp);
// The same with the caller's buffer and the time its reads began.
CNoteStore::ReadResult ReadStampedFd(int fd, CNoteRecord& note, SFileStamp& stamp, std::string& data, int64_t nStartNs);
CNoteStore::ReadResult ReadStampedNote(const std::string& strPath, CNoteRecord& note, SFileStamp& stamp);

// A note file of a folder's listing, and what reading it gave.
struct SFolderEntry
{
    std::string strName;
    unsigned char type;
};
struct SReadEntry
{
    enum class EStatus : uint8_t { ok, damaged, unreadable };
    std::string strName;
    EStatus eStatus = EStatus::unreadable;
    CNoteRecord note;
    // Of the file as read; of its status only when damaged.
    SFileStamp stamp;
};
// Reads the entries of the directory open as dirFd (nReadBatch at a time),
// on several threads when there are many, and hands each result to take in
// the entries' order, on the calling thread. Reading a file is mostly waiting
// on the system: a folder of many notes loads in a fraction of the time on
// several cores.
void ReadFolderEntries(int dirFd, const std::string& strDir, std::vector<SFolderEntry>& entries, int64_t nStartNs,
                       const std::function<void(SReadEntry&)>& take);

// A listing of the loaded folder with the status of every note file, taken
// off the store (see CNoteStore::PrepareScan).
struct SScanEntry
{
    std::string strName;
    SFileStamp now;
};
struct SFolderScan
{
    std::string strDir;
    // The store's change count when the scan was prepared.
    uint64_t nGeneration = 0;
    bool bListed = false;
    std::vector<SScanEntry> entries;
    // Temporary files of note saves met in the listing.
    std::vector<std::string> temps;
};

// Where a note's file is when that is not simply "QB_" + key + ".qbt" in the
// loaded folder, and the older files of its key. Few notes have one.
struct SNodeFiles
{
    SNoteFile file;
    std::vector<SNoteFile> older;
};

// One note. A hundred thousand of these live in pools, so every byte counts:
// the usual file of a note is described by its key and a packed stamp.
struct SNode
{
    enum class EFile : uint8_t { none, keyNamed, other };

    // Shared with the list rows that show it; a change puts a new record here.
    std::shared_ptr<const CNoteRecord> rec;
    std::unique_ptr<SNodeFiles> files;
    // The stamp of a keyNamed file; its device is the loaded folder's.
    int64_t mtimeNs = 0;
    int64_t ctimeNs = 0;
    uint64_t inode = 0;
    uint64_t bytesHash = 0;
    // Where the text of a record that holds it aside is in the folder's
    // index; kept in fields, not as an SIndexTextAt, which would pad.
    uint64_t textPos = 0;
    uint64_t textHash = 0;
    uint32_t size = 0;
    uint32_t textSize = 0;
    // Place + 1 in the order a notes list last showed, 0 for none.
    uint32_t listRank = 0;
    // Pool indices, 0 for none: the bucket chain and the hash chain.
    uint32_t next = 0;
    uint32_t hashNext = 0;
    uint8_t bucket = 0;
    EFile eFile = EFile::none;
    bool inDoubt = false;

    SIndexTextAt TextAt() const { return {textPos, textSize, textHash}; }
    void SetTextAt(const SIndexTextAt& at)
    {
        textPos = at.nAt;
        textSize = at.nSize;
        textHash = at.nHash;
    }
};

// Every note's upper-case text in enumeration order, one zero byte between
// notes, made on the first search that needs it and again after a change,
// when only the changed notes are upper-cased again.
struct SCorpus
{
    struct SEntry
    {
        size_t start;
        uint32_t node;
        // The node's record when the corpus was made, so that a search
        // names its hits without a visit to every node.
        const CNoteRecord* rec;
        // Ends of title, comments and keywords within the note's text.
        uint32_t titleEnd;
        uint32_t commentsEnd;
        uint32_t keywordsEnd;
    };
    std::string text;
    std::vector<SEntry> entries;
    // Entry + 1 by pool index, 0 when the note changed since.
    std::vector<uint32_t> entryOf;
    bool valid = false;

    std::string_view Text(size_t i) const
    {
        const size_t end = i + 1 < entries.size() ? entries[i + 1].start - 1 : text.size();
        return std::string_view(text).substr(entries[i].start, end - entries[i].start);
    }
};
} // namespace note_store

struct CNoteStore::SImpl
{
    using SNode = note_store::SNode;

    // Each bucket chain runs newest first.
    std::array<uint32_t, nBuckets> heads{};
    // Temporary files of saves that never finished, seen by the last load;
    // the next save removes the ones that are old enough.
    std::vector<std::string> staleTemps;
    // The directory last loaded and its device, and its note files that
    // could not be read, by name, with their status then: tried again once
    // that changes.
    std::string loadedDir;
    uint64_t loadedDevice = 0;
    std::unordered_map<std::string, SFileStamp> damaged;
    mutable note_store::SCorpus corpus;
    // The notes came from the folder's index and no scan has checked them:
    // a stamp in doubt is no proof then, its file is read again.
    bool unverified = false;
    // The texts of the index the notes were listed from, which their
    // records hold aside.
    std::shared_ptr<const CIndexTexts> texts;
    // What the list order the nodes' ranks give is of (see SetListOrder).
    std::string listOrderId;
    // Ranks given since the index was last written or read.
    bool listOrderUnsaved = false;
    // Counts every change of the notes, across loads.
    uint64_t generation = 0;
    // The folder index being written.
    std::jthread indexWriter;

    SImpl() = default;
    SImpl(const SImpl&) = delete;
    SImpl& operator=(const SImpl&) = delete;

    void Clear();
    SNode* Find(std::string_view key) const;
    // The note's place in the pool, 0 for none; places run below PoolSize().
    uint32_t FindIndex(std::string_view key) const;
    uint32_t PoolSize() const { return m_nUsed; }
    // Inserts or replaces; returns the node so its files can be set. A
    // replaced node keeps its files; pbReplaced tells which it was.
    SNode& Insert(CNoteRecord note, bool* pbReplaced = nullptr);
    SNode& Insert(std::shared_ptr<const CNoteRecord> rec, bool* pbReplaced = nullptr);
    // Inserts a note whose key is not held yet; nullptr, nothing done, when it is.
    SNode* InsertIfAbsent(std::shared_ptr<const CNoteRecord> rec);
    // Room in the lookup table for that many notes, made once.
    void Reserve(size_t nNotes);
    void Remove(const std::string& key);
    size_t Count() const { return m_nCount; }

    template <class F>
    void Walk(F&& f) const
    {
        for (const uint32_t head : heads)
            for (uint32_t i = head; i; i = At(i).next)
                f(At(i));
    }
    // The same with each note's pool index.
    template <class F>
    void WalkIndexed(F&& f) const
    {
        for (const uint32_t head : heads)
            for (uint32_t i = head; i; i = At(i).next)
                f(i, At(i));
    }
    SNode& At(uint32_t i) const { return m_chunks[i >> nChunkBits][i & (nChunk - 1)]; }

    // The note's file, made whole.
    SNoteFile File(const SNode& n) const;
    void SetFile(SNode& n, SNoteFile file);
    void SetFile(SNode& n, const std::string& strDir, std::string strName, const SFileStamp& stamp);
    SFileStamp Stamp(const SNode& n) const;
    bool HasFile(const SNode& n) const { return n.eFile != SNode::EFile::none; }
    // Its file's name; empty when it has none.
    std::string FileName(const SNode& n) const;
    // Whether the file is "QB_" + key + ".qbt" in the directory d.
    bool KeyNamedIn(const SNode& n, const std::string& d) const;
    const std::vector<SNoteFile>& Older(const SNode& n) const;
    void SetOlder(SNode& n, std::vector<SNoteFile> older);

    // The note takes the file as its own, replacing its record; the file it
    // had becomes an older copy.
    void AttachFile(const CNoteRecord& note, const SNoteFile& file);
    // The file is no longer the note's: when it was the one its record came
    // from, the note falls back on an older copy, else it leaves the store.
    // True when the note's record changed or went.
    bool DetachFile(const std::string& key, const SNoteFile& file);
    // The key under which a note read from a file of the loaded folder is
    // held: its own, unless another file holds that key with other bytes
    // (a sync tool's conflict file, a copy made by hand): then a key of its
    // own that names no file, so both versions are listed and the next save
    // gives it a fresh key. The title says it is a copy.
    void ClaimKey(CNoteRecord& note, const std::string& strName, uint64_t nBytesHash) const;
    // Whether ClaimKey would give the note a key of its own.
    bool KeyHeldByOther(const CNoteRecord& note, const std::string& strName, uint64_t nBytesHash) const;

    const note_store::SCorpus& Corpus() const;
    // The text of a note whose record holds it aside: from the folder's
    // index (from all its texts, when the caller read them at once), else
    // from the note's file while that is still as the index saw it. False,
    // the text empty, when neither gives it.
    bool AsideText(const SNode& n, std::string& text, const std::string* pAllTexts = nullptr) const;
    // Calls f with every note's record, its text in it: a copy for a record
    // that holds it aside, the index's texts read once for all.
    void WalkComplete(const std::function<void(const CNoteRecord&)>& f) const;

private:
    static constexpr unsigned nChunkBits = 10;
    static constexpr uint32_t nChunk = 1u << nChunkBits;

    uint32_t FindIndex(std::string_view key, uint32_t keyHash) const;
    uint32_t Allocate();
    SNode& InsertNew(std::shared_ptr<const CNoteRecord> rec, uint32_t keyHash);
    // Keeps the file in the node itself when it is the key's own file in the
    // loaded folder; false when it is not.
    bool PackKeyNamed(SNode& n, const std::string& strDir, const std::string& strName, const SFileStamp& stamp);
    // Forgets the node's file kept aside, keeping its older files.
    void DropOwnFile(SNode& n);
    void Rehash(size_t nSlots);
    uint32_t& HashSlot(uint32_t keyHash) const { return m_hash[keyHash & (m_hash.size() - 1)]; }

    std::vector<std::unique_ptr<SNode[]>> m_chunks;
    uint32_t m_nUsed = 1; // index 0 is "none"
    uint32_t m_nFree = 0; // a chain through next
    size_t m_nCount = 0;
    mutable std::vector<uint32_t> m_hash;
};
