#include "NoteStoreImpl.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <climits>
#include <cstdlib>
#include <functional>
#include <new>
#include <system_error>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace note_store;

namespace
{
// The hash of the lookup table, spread over all 32 bits; the enumeration
// order follows BucketHash instead.
uint32_t LookupHash(std::string_view key)
{
    const size_t h = std::hash<std::string_view>()(key);
    return static_cast<uint32_t>(h ^ (h >> 32));
}
} // namespace

void CNoteStore::SImpl::Clear()
{
    ++generation;
    heads.fill(0);
    m_chunks.clear();
    m_nUsed = 1;
    m_nFree = 0;
    m_nCount = 0;
    m_hash.clear();
    corpus = SCorpus();
    texts.reset();
    listOrderId.clear();
    listOrderUnsaved = false;
    loadedDir.clear();
    loadedDevice = 0;
    damaged.clear();
    unverified = false;
}

uint32_t CNoteStore::SImpl::FindIndex(std::string_view key) const
{
    return FindIndex(key, LookupHash(key));
}

uint32_t CNoteStore::SImpl::FindIndex(std::string_view key, uint32_t keyHash) const
{
    if (m_hash.empty())
        return 0;
    for (uint32_t i = HashSlot(keyHash); i; i = At(i).hashNext)
        if (At(i).rec->m_strKey == key)
            return i;
    return 0;
}

CNoteStore::SImpl::SNode* CNoteStore::SImpl::Find(std::string_view key) const
{
    const uint32_t i = FindIndex(key);
    return i ? &At(i) : nullptr;
}

uint32_t CNoteStore::SImpl::Allocate()
{
    if (m_nFree) {
        const uint32_t i = m_nFree;
        m_nFree = At(i).next;
        At(i) = SNode();
        return i;
    }
    if (m_nUsed == UINT32_MAX)
        throw std::bad_alloc();
    if ((m_nUsed >> nChunkBits) >= m_chunks.size())
        m_chunks.push_back(std::make_unique<SNode[]>(nChunk));
    return m_nUsed++;
}

void CNoteStore::SImpl::Rehash(size_t nSlots)
{
    m_hash.assign(nSlots, 0);
    for (const uint32_t head : heads)
        for (uint32_t i = head; i; i = At(i).next) {
            uint32_t& slot = HashSlot(LookupHash(At(i).rec->m_strKey));
            At(i).hashNext = slot;
            slot = i;
        }
}

CNoteStore::SImpl::SNode& CNoteStore::SImpl::Insert(CNoteRecord note, bool* pbReplaced)
{
    return Insert(std::make_shared<const CNoteRecord>(std::move(note)), pbReplaced);
}

CNoteStore::SImpl::SNode& CNoteStore::SImpl::Insert(std::shared_ptr<const CNoteRecord> rec, bool* pbReplaced)
{
    corpus.valid = false;
    ++generation;
    const uint32_t keyHash = LookupHash(rec->m_strKey);
    uint32_t i = FindIndex(rec->m_strKey, keyHash);
    if (pbReplaced)
        *pbReplaced = i != 0;
    if (!i)
        return InsertNew(std::move(rec), keyHash);
    if (i < corpus.entryOf.size())
        corpus.entryOf[i] = 0;
    SNode& node = At(i);
    node.rec = std::move(rec);
    // Its title may have changed: its place in a list's order is unknown.
    node.listRank = 0;
    return node;
}

CNoteStore::SImpl::SNode* CNoteStore::SImpl::InsertIfAbsent(std::shared_ptr<const CNoteRecord> rec)
{
    const uint32_t keyHash = LookupHash(rec->m_strKey);
    if (FindIndex(rec->m_strKey, keyHash))
        return nullptr;
    corpus.valid = false;
    ++generation;
    return &InsertNew(std::move(rec), keyHash);
}

CNoteStore::SImpl::SNode& CNoteStore::SImpl::InsertNew(std::shared_ptr<const CNoteRecord> rec, uint32_t keyHash)
{
    // A new note goes first in its bucket chain and in its hash chain.
    const uint32_t i = Allocate();
    SNode& node = At(i);
    node.rec = std::move(rec);
    node.bucket = static_cast<uint8_t>(BucketHash(node.rec->m_strKey) % nBuckets);
    node.next = heads[node.bucket];
    heads[node.bucket] = i;
    ++m_nCount;
    if (m_nCount > m_hash.size()) {
        Rehash(std::max<size_t>(64, m_hash.size() * 2));
    } else {
        uint32_t& slot = HashSlot(keyHash);
        node.hashNext = slot;
        slot = i;
    }
    return node;
}

void CNoteStore::SImpl::Reserve(size_t nNotes)
{
    if (nNotes > m_hash.size())
        Rehash(std::bit_ceil(nNotes));
}

void CNoteStore::SImpl::Remove(const std::string& key)
{
    corpus.valid = false;
    ++generation;
    const uint32_t keyHash = LookupHash(key);
    const uint32_t i = FindIndex(key, keyHash);
    if (!i)
        return;
    SNode& node = At(i);
    // The chains are singly linked to keep nodes small; a removal is rare.
    for (uint32_t* p = &heads[node.bucket]; *p; p = &At(*p).next)
        if (*p == i) {
            *p = node.next;
            break;
        }
    for (uint32_t* p = &HashSlot(keyHash); *p; p = &At(*p).hashNext)
        if (*p == i) {
            *p = node.hashNext;
            break;
        }
    if (i < corpus.entryOf.size())
        corpus.entryOf[i] = 0;
    node = SNode();
    node.next = m_nFree;
    m_nFree = i;
    --m_nCount;
}

SNoteFile CNoteStore::SImpl::File(const SNode& n) const
{
    switch (n.eFile) {
    case SNode::EFile::none:
        break;
    case SNode::EFile::keyNamed:
        return SNoteFile(loadedDir, KeyFileName(n.rec->m_strKey), Stamp(n));
    case SNode::EFile::other:
        return n.files->file;
    }
    return {};
}

SFileStamp CNoteStore::SImpl::Stamp(const SNode& n) const
{
    if (n.eFile == SNode::EFile::other)
        return n.files->file.stamp;
    SFileStamp stamp;
    if (n.eFile == SNode::EFile::keyNamed) {
        stamp.nSize = n.size;
        stamp.nMtimeNs = n.mtimeNs;
        stamp.nCtimeNs = n.ctimeNs;
        stamp.nInode = n.inode;
        stamp.nDevice = loadedDevice;
        stamp.bInDoubt = n.inDoubt;
        stamp.nBytesHash = n.bytesHash;
    }
    return stamp;
}

bool CNoteStore::SImpl::PackKeyNamed(SNode& n, const std::string& strDir, const std::string& strName,
                                     const SFileStamp& stamp)
{
    if (loadedDir.empty() || strDir != loadedDir || stamp.nDevice != loadedDevice || stamp.nSize < 0 ||
        stamp.nSize > INT32_MAX || !IsKeyFileName(strName, n.rec->m_strKey))
        return false;
    n.eFile = SNode::EFile::keyNamed;
    n.size = static_cast<uint32_t>(stamp.nSize);
    n.mtimeNs = stamp.nMtimeNs;
    n.ctimeNs = stamp.nCtimeNs;
    n.inode = stamp.nInode;
    n.inDoubt = stamp.bInDoubt;
    n.bytesHash = stamp.nBytesHash;
    DropOwnFile(n);
    return true;
}

void CNoteStore::SImpl::DropOwnFile(SNode& n)
{
    if (n.files && n.files->older.empty())
        n.files.reset();
    else if (n.files)
        n.files->file = SNoteFile();
}

void CNoteStore::SImpl::SetFile(SNode& n, SNoteFile file)
{
    if (!file.Exists()) {
        n.eFile = SNode::EFile::none;
        DropOwnFile(n);
    } else if (!PackKeyNamed(n, file.strDir, file.strName, file.stamp)) {
        n.eFile = SNode::EFile::other;
        if (!n.files)
            n.files = std::make_unique<SNodeFiles>();
        n.files->file = std::move(file);
    }
}

void CNoteStore::SImpl::SetFile(SNode& n, const std::string& strDir, std::string strName, const SFileStamp& stamp)
{
    // The usual case without making a whole file description first.
    if (!PackKeyNamed(n, strDir, strName, stamp))
        SetFile(n, SNoteFile(strDir, std::move(strName), stamp));
}

std::string CNoteStore::SImpl::FileName(const SNode& n) const
{
    switch (n.eFile) {
    case SNode::EFile::none:
        break;
    case SNode::EFile::keyNamed:
        return KeyFileName(n.rec->m_strKey);
    case SNode::EFile::other:
        return n.files->file.strName;
    }
    return {};
}

bool CNoteStore::SImpl::KeyNamedIn(const SNode& n, const std::string& d) const
{
    if (n.eFile == SNode::EFile::keyNamed)
        return d == loadedDir || SameDirectory(d, loadedDir);
    return n.eFile == SNode::EFile::other && IsKeyFileName(n.files->file.strName, n.rec->m_strKey) &&
           SameDirectory(n.files->file.strDir, d);
}

const std::vector<SNoteFile>& CNoteStore::SImpl::Older(const SNode& n) const
{
    static const std::vector<SNoteFile> none;
    return n.files ? n.files->older : none;
}

void CNoteStore::SImpl::SetOlder(SNode& n, std::vector<SNoteFile> older)
{
    if (older.empty() && (!n.files || n.eFile != SNode::EFile::other)) {
        n.files.reset();
        return;
    }
    if (!n.files)
        n.files = std::make_unique<SNodeFiles>();
    n.files->older = std::move(older);
}

void CNoteStore::SImpl::AttachFile(const CNoteRecord& note, const SNoteFile& file)
{
    std::vector<SNoteFile> older;
    if (SNode* existing = Find(note.m_strKey)) {
        for (const SNoteFile& f : Older(*existing))
            if (!SameFile(f, file))
                older.push_back(f);
        SNoteFile had = File(*existing);
        if (had.Exists() && !SameFile(had, file))
            older.push_back(std::move(had));
    }
    SNode& node = Insert(note);
    SetFile(node, file);
    SetOlder(node, std::move(older));
}

bool CNoteStore::SImpl::DetachFile(const std::string& key, const SNoteFile& file)
{
    SNode* node = Find(key);
    if (!node)
        return false;
    if (!HasFile(*node) || !SameFile(File(*node), file)) {
        if (node->files)
            std::erase_if(node->files->older, [&](const SNoteFile& f) { return SameFile(f, file); });
        return false;
    }
    std::vector<SNoteFile> rest = Older(*node);
    while (!rest.empty()) {
        SNoteFile older = std::move(rest.back());
        rest.pop_back();
        CNoteRecord rec;
        if (ReadStampedNote(older.Path(), rec, older.stamp) == CNoteStore::ReadResult::ok && rec.m_strKey == key) {
            SNode& kept = Insert(rec);
            SetFile(kept, std::move(older));
            SetOlder(kept, std::move(rest));
            return true;
        }
    }
    Remove(key);
    return true;
}

bool CNoteStore::SImpl::KeyHeldByOther(const CNoteRecord& note, const std::string& strName, uint64_t nBytesHash) const
{
    const SNode* holder = Find(note.m_strKey);
    return holder && HasFile(*holder) && FileName(*holder) != strName && Stamp(*holder).nBytesHash != nBytesHash;
}

void CNoteStore::SImpl::ClaimKey(CNoteRecord& note, const std::string& strName, uint64_t nBytesHash) const
{
    if (!KeyHeldByOther(note, strName, nBytesHash))
        return;
    // A file may hold any key, this form too: one that another note holds
    // moves on, so that neither note hides the other and a delete of one
    // never takes the other's file along.
    const std::string base = note.m_strKey + "/" + strName;
    std::string key = base;
    for (int n = 2;; ++n) {
        const SNode* other = Find(key);
        if (!other || FileName(*other) == strName)
            break;
        key = base + "/" + std::to_string(n);
    }
    note.m_strKey = std::move(key);
    note.m_strTitle += " (conflict copy)";
}
