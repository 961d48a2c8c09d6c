#include "NoteStore.h"

#include "AppContext.h"
#include "Archive.h"
#include "ErrorReporter.h"
#include "NoteRowSink.h"
#include "TextMatch.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <unordered_map>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr unsigned IDP_SAVE_FAILED = 61463;
constexpr const char* pszSearchEmpty = "Search is complete. There are no resuls to display.";
constexpr size_t nMaxNoteFile = size_t(1) << 31;

struct SNode
{
    // Upper-case copies of title, comments, keywords and notes, each ended by
    // a zero byte, in one buffer so that a search touches one block per note.
    // Made by the first search that needs them, not by the load.
    mutable std::string upper;
    mutable uint32_t keywordsBegin = 0;
    mutable uint32_t keywordsEnd = 0;
    mutable bool upperMade = false;
    // Shared with the list rows that show it; a change puts a new record here.
    std::shared_ptr<const CNoteRecord> rec;
    // The file the record came from, and older files of the same key that a
    // load found before it.
    SNoteFile file;
    std::vector<SNoteFile> olderFiles;
    SNode* prev = nullptr;
    SNode* next = nullptr;
    unsigned bucket = 0;
};

const std::string& UpperText(const SNode& node)
{
    if (!node.upperMade)
    {
        const CNoteRecord& note = *node.rec;
        node.upper = UpperCaseText(note.m_strTitle);
        node.upper += '\0';
        node.upper += UpperCaseText(note.m_strComments);
        node.upper += '\0';
        node.keywordsBegin = static_cast<uint32_t>(node.upper.size());
        node.upper += UpperCaseText(note.m_strKeywords);
        node.keywordsEnd = static_cast<uint32_t>(node.upper.size());
        node.upper += '\0';
        node.upper += UpperCaseText(note.m_strNotes);
        node.upperMade = true;
    }
    return node.upper;
}

bool EndsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// A temporary file of a note save: "QB_" ... ".qbt" and the six-letter tail.
bool IsNoteTempName(std::string_view name)
{
    return name.size() > 10 && name.substr(0, 3) == "QB_" && IsTempFileOf(name, name.substr(0, name.size() - 7)) &&
           EndsWith(name.substr(0, name.size() - 7), ".qbt");
}

// Whether two paths name one directory.
bool SameDirectory(const std::string& a, const std::string& b)
{
    if (a == b)
        return true;
    struct stat sa
    {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

// The canonical path of a directory with a trailing separator, for checking
// that a symlink stays inside it.
std::string RealDirPrefix(const std::string& dir)
{
    char* real = ::realpath(dir.c_str(), nullptr);
    if (!real)
        return {};
    std::string out(real);
    std::free(real);
    if (out.empty() || out.back() != '/')
        out += '/';
    return out;
}

// Opens a directory entry for reading without ever blocking or leaving the
// folder: a symlink is followed only to a file inside strRealDir.
int OpenNoteEntry(int dirFd, const std::string& strDir, const char* pszName, unsigned char type,
                  std::string& strRealDir)
{
    if (type == DT_UNKNOWN)
    {
        struct stat st
        {
        };
        if (::fstatat(dirFd, pszName, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return -1;
        type = S_ISLNK(st.st_mode) ? DT_LNK : S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
    }
    if (type == DT_DIR)
        return -1;
    int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (type == DT_LNK)
    {
        if (strRealDir.empty())
            strRealDir = RealDirPrefix(strDir);
        char* target = ::realpath((strDir + "/" + pszName).c_str(), nullptr);
        if (!target)
            return -1;
        const bool inside = !strRealDir.empty() && std::string_view(target).substr(0, strRealDir.size()) == strRealDir;
        std::free(target);
        if (!inside)
            return -1;
    }
    else
    {
        flags |= O_NOFOLLOW;
    }
    return ::openat(dirFd, pszName, flags);
}
} // namespace

bool IsPlainNoteKey(const std::string& strKey)
{
    // "QB_" + key + ".qbt" must fit in one file name.
    if (strKey.empty() || strKey.size() > 200 || strKey.find("..") != std::string::npos)
        return false;
    for (const char c : strKey)
    {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == '/' || c == '\\')
            return false;
    }
    return true;
}

struct CNoteStore::SImpl
{
    // Each bucket chain runs newest first; the map finds a node in O(1).
    std::array<SNode*, nBuckets> heads{};
    std::unordered_map<std::string, std::unique_ptr<SNode>> index;
    // Temporary files of saves that never finished, seen by the last load;
    // the next save removes the ones that are old enough.
    std::vector<std::string> staleTemps;

    // Every note's upper-case text in enumeration order, one zero byte
    // between notes, made again on the first search after a change: a search
    // then scans contiguous memory instead of chasing nodes.
    struct SCorpus
    {
        std::string text;
        std::vector<size_t> starts;
        std::vector<const SNode*> nodes;
        bool valid = false;
    };
    mutable SCorpus corpus;

    const SCorpus& Corpus() const
    {
        if (!corpus.valid)
        {
            size_t size = 0;
            Walk([&](const SNode& n) { size += UpperText(n).size() + 1; });
            corpus.text.clear();
            corpus.text.reserve(size);
            corpus.starts.clear();
            corpus.nodes.clear();
            Walk(
                [&](const SNode& n)
                {
                    corpus.starts.push_back(corpus.text.size());
                    corpus.nodes.push_back(&n);
                    corpus.text += n.upper;
                    corpus.text += '\0';
                });
            corpus.valid = true;
        }
        return corpus;
    }

    void Clear()
    {
        heads.fill(nullptr);
        index.clear();
        corpus = SCorpus();
    }

    // Inserts or replaces; returns the node so its files can be set. A
    // replaced node keeps its files; pbReplaced tells which it was.
    SNode& Insert(CNoteRecord note, bool* pbReplaced = nullptr)
    {
        corpus.valid = false;
        auto [it, inserted] = index.try_emplace(note.m_strKey);
        if (pbReplaced)
            *pbReplaced = !inserted;
        SNode* node = it->second.get(); // replacing keeps the entry where it is
        if (inserted)
        {
            it->second = std::make_unique<SNode>();
            node = it->second.get();
            node->bucket = HashKey(note.m_strKey) % nBuckets;
            node->next = heads[node->bucket];
            if (node->next)
                node->next->prev = node;
            heads[node->bucket] = node;
        }
        node->upper = std::string();
        node->upperMade = false;
        node->rec = std::make_shared<const CNoteRecord>(std::move(note));
        return *node;
    }

    SNode* Find(const std::string& key) const
    {
        const auto it = index.find(key);
        return it == index.end() ? nullptr : it->second.get();
    }

    void Remove(const std::string& key)
    {
        corpus.valid = false;
        auto it = index.find(key);
        if (it == index.end())
            return;
        SNode* node = it->second.get();
        if (node->prev)
            node->prev->next = node->next;
        else
            heads[node->bucket] = node->next;
        if (node->next)
            node->next->prev = node->prev;
        index.erase(it);
    }

    template <class F>
    void Walk(F&& f) const
    {
        for (const SNode* head : heads)
            for (const SNode* n = head; n; n = n->next)
                f(*n);
    }
};

CNoteStore::CNoteStore(CAppContext& app, IErrorReporter* pReporter)
    : m_app(app), m_pReporter(pReporter), m_pImpl(std::make_unique<SImpl>())
{
}

CNoteStore::~CNoteStore() = default;

uint32_t CNoteStore::HashKey(const std::string& strKey)
{
    uint32_t hash = 0;
    for (char c : strKey)
        hash = hash * 33u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(c)));
    return hash;
}

std::vector<std::string> CNoteStore::LoadFolder(const std::string& strPath)
{
    ClearNotes();
    std::vector<std::string> skipped;
    if (strPath.empty())
        return skipped;
    const int dirFd = ::open(strPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return skipped;
    DIR* dir = ::fdopendir(dirFd);
    if (!dir)
    {
        ::close(dirFd);
        return skipped;
    }
    std::string realDir;
    std::string data;
    while (const dirent* e = ::readdir(dir))
    {
        const std::string_view name(e->d_name);
        if (!EndsWith(name, ".qbt"))
        {
            if (IsNoteTempName(name))
                m_pImpl->staleTemps.push_back(strPath + "/" + e->d_name);
            continue;
        }
        const int fd = OpenNoteEntry(dirFd, strPath, e->d_name, e->d_type, realDir);
        CNoteRecord note;
        switch (ReadRegularFd(fd, nMaxNoteFile, data))
        {
        case EReadStatus::ok:
            break;
        case EReadStatus::tooLarge:
        case EReadStatus::failed:
            skipped.push_back(strPath + "/" + e->d_name);
            continue;
        case EReadStatus::unopenable:
        case EReadStatus::notRegular:
            continue;
        }
        if (!ParseNoteFile(data, note))
        {
            skipped.push_back(strPath + "/" + e->d_name);
            continue;
        }
        // The later file wins; the earlier one is still this note's file.
        bool bReplaced = false;
        SNode& node = m_pImpl->Insert(std::move(note), &bReplaced);
        if (bReplaced)
            node.olderFiles.push_back(std::move(node.file));
        node.file = SNoteFile{strPath, e->d_name};
    }
    ::closedir(dir);
    return skipped;
}

void CNoteStore::ClearNotes()
{
    m_pImpl->Clear();
}

CNoteRecord CNoteStore::GetNote(const std::string& strKey) const
{
    const auto it = m_pImpl->index.find(strKey);
    return it == m_pImpl->index.end() ? CNoteRecord() : *it->second->rec;
}

bool CNoteStore::HasNote(const std::string& strKey) const
{
    return m_pImpl->index.count(strKey) != 0;
}

int CNoteStore::GetCount() const
{
    return static_cast<int>(m_pImpl->index.size());
}

SStoreResult CNoteStore::AddNote(CNoteRecord note, int nFirstCounter)
{
    RemoveStaleTempFiles();
    note.m_dtCreated = CDateTime::GetCurrentTime();
    std::string path;
    const SFileResult written = CreateNoteFile(note, path, nFirstCounter);
    SNode& node = m_pImpl->Insert(note);
    node.file = written ? SNoteFile{DirectoryOf(path), FileNameOf(path)} : SNoteFile{};
    node.olderFiles.clear();
    if (!written)
        ReportSaveFailed();
    return {written.bOk, note.m_strKey, written.strError};
}

SStoreResult CNoteStore::UpdateNote(CNoteRecord note)
{
    RemoveStaleTempFiles();
    note.m_dtModified = CDateTime::GetCurrentTime();
    note.m_nModifiedAt = 0;
    SNoteFile oldFile;
    std::vector<SNoteFile> olderFiles;
    if (const SNode* pOld = m_pImpl->Find(note.m_strKey))
    {
        oldFile = pOld->file;
        olderFiles = pOld->olderFiles;
    }
    const std::string oldKey = note.m_strKey;
    std::string path;
    SFileResult written;
    if (IsPlainNoteKey(note.m_strKey))
    {
        path = m_app.GetNoteFilePath(note);
        written = WriteNote(note, path);
    }
    else
    {
        // The key came from a file's contents and cannot name a file: the
        // note moves to a fresh key instead.
        written = CreateNoteFile(note, path);
    }
    if (!written)
    {
        // Listed as changed until the folder is loaded again, still tied to
        // the files it came from.
        ReportSaveFailed();
        note.m_strKey = oldKey;
        SNode& node = m_pImpl->Insert(note);
        node.file = oldFile;
        node.olderFiles = olderFiles;
        return {false, note.m_strKey, written.strError};
    }
    if (note.m_strKey != oldKey)
        m_pImpl->Remove(oldKey);
    // The files this note was read from in this folder are older copies now.
    const SNoteFile newFile{DirectoryOf(path), FileNameOf(path)};
    olderFiles.push_back(oldFile);
    std::vector<SNoteFile> kept;
    for (const SNoteFile& f : olderFiles)
        if (f.Exists() && f.strName != newFile.strName && SameDirectory(f.strDir, newFile.strDir) &&
            !RemoveFile(f.Path()))
            kept.push_back(f);
    SNode& node = m_pImpl->Insert(note);
    node.file = newFile;
    node.olderFiles = std::move(kept);
    return {true, note.m_strKey, {}};
}

SStoreResult CNoteStore::DeleteNote(const CNoteRecord& note)
{
    std::vector<SNoteFile> files;
    const SNode* pNode = m_pImpl->Find(note.m_strKey);
    if (pNode)
    {
        if (pNode->file.Exists())
            files.push_back(pNode->file);
        files.insert(files.end(), pNode->olderFiles.begin(), pNode->olderFiles.end());
    }
    const bool bFilesHere =
        std::any_of(files.begin(), files.end(),
                    [&](const SNoteFile& f) { return SameDirectory(f.strDir, m_app.m_strCurrentFolder); });
    if (!bFilesHere)
    {
        // A note with no file known in the current folder (its write failed,
        // the store holds it from another folder, or not at all) goes by its
        // key's file name there, when the key can name a file.
        files.clear();
        if (IsPlainNoteKey(note.m_strKey) && !m_app.m_strCurrentFolder.empty())
            files.push_back({m_app.m_strCurrentFolder, "QB_" + note.m_strKey + ".qbt"});
    }
    for (const SNoteFile& f : files)
    {
        if (!SameDirectory(f.strDir, m_app.m_strCurrentFolder))
            continue;
        const SFileResult removed = RemoveFile(f.Path());
        if (!removed)
        {
            if (m_pReporter)
                m_pReporter->ReportError(removed.strError);
            return {false, note.m_strKey, removed.strError};
        }
    }
    m_pImpl->Remove(note.m_strKey);
    return {true, note.m_strKey, {}};
}

SNoteFile CNoteStore::GetNoteFile(const std::string& strKey) const
{
    const SNode* pNode = m_pImpl->Find(strKey);
    return pNode ? pNode->file : SNoteFile{};
}

void CNoteStore::FillNotesList(INoteRowSink& list) const
{
    list.DeleteAllRows();
    m_pImpl->Walk([&](const SNode& n) { list.AppendSharedRow(n.rec); });
}

void CNoteStore::InsertNoteRow(INoteRowSink& list, std::unique_ptr<CNoteRecord> pNote)
{
    SNoteRow row;
    row.strTitle = pNote->m_strTitle;
    row.nIcon = pNote->m_nIcon;
    row.strComments = pNote->m_strComments;
    row.strDate = pNote->m_bHasDate ? CAppContext::FormatDate(pNote->m_dtDate) : std::string();
    row.strPriority = PriorityText(pNote->m_nPriority);
    list.AppendRow(row, std::move(pNote));
}

void CNoteStore::SearchNotes(INoteRowSink& results, bool bKeywordsOnly, const std::string& strText) const
{
    results.DeleteAllRows();
    if (!strText.empty())
    {
        const std::string needle = UpperCaseText(strText);
        // The zero bytes between the fields keep a match inside one field.
        const bool bWhole = needle.find('\0') == std::string::npos;
        if (bWhole && !bKeywordsOnly)
        {
            // One pass over all the text; a hit names its note, and the scan
            // goes on at the next note.
            const SImpl::SCorpus& corpus = m_pImpl->Corpus();
            const char* pBase = corpus.text.data();
            const size_t nSize = corpus.text.size();
            size_t pos = 0;
            while (pos < nSize)
            {
                const void* pHit = memmem(pBase + pos, nSize - pos, needle.data(), needle.size());
                if (!pHit)
                    break;
                const size_t offset = static_cast<size_t>(static_cast<const char*>(pHit) - pBase);
                const size_t i = static_cast<size_t>(
                    std::upper_bound(corpus.starts.begin(), corpus.starts.end(), offset) - corpus.starts.begin() - 1);
                InsertNoteRow(results, std::make_unique<CNoteRecord>(*corpus.nodes[i]->rec));
                pos = i + 1 < corpus.starts.size() ? corpus.starts[i + 1] : nSize;
            }
        }
        else
        {
            m_pImpl->Walk(
                [&](const SNode& n)
                {
                    const std::string_view all(UpperText(n));
                    const std::string_view keywords = all.substr(n.keywordsBegin, n.keywordsEnd - n.keywordsBegin);
                    const bool match = bKeywordsOnly ? ContainsText(keywords, needle)
                                                     : ContainsText(UpperCaseText(n.rec->m_strTitle), needle) ||
                                                           ContainsText(UpperCaseText(n.rec->m_strComments), needle) ||
                                                           ContainsText(keywords, needle) ||
                                                           ContainsText(UpperCaseText(n.rec->m_strNotes), needle);
                    if (match)
                        InsertNoteRow(results, std::make_unique<CNoteRecord>(*n.rec));
                });
        }
    }
    if (results.GetRowCount() == 0)
    {
        SNoteRow row;
        row.strTitle = pszSearchEmpty;
        row.nIcon = -1;
        results.AppendRow(row, nullptr);
    }
}

void CNoteStore::ForEach(const std::function<void(const CNoteRecord&)>& f) const
{
    m_pImpl->Walk([&](const SNode& n) { f(*n.rec); });
}

void CNoteStore::ForEachShared(const std::function<void(const std::shared_ptr<const CNoteRecord>&)>& f) const
{
    m_pImpl->Walk([&](const SNode& n) { f(n.rec); });
}

std::string CNoteStore::NoteFileBytes(const CNoteRecord& note) const
{
    CArchiveWriter ar;
    ar.WriteString(m_app.m_strFileHeader);
    ar.WriteDouble(m_app.m_dFileVersion);
    ar.WriteString(note.m_strKey);
    ar.WriteString(note.m_strTitle);
    ar.WriteString(note.m_strComments);
    ar.WriteString(note.m_strKeywords);
    ar.WriteString(note.m_strNotes);
    ar.WriteInt32(note.m_nIcon);
    ar.WriteDateTime(note.m_dtDate);
    ar.WriteInt32(note.m_bHasDate);
    ar.WriteDateTime(note.m_dtCreated);
    ar.WriteDateTime(note.m_dtModified);
    ar.WriteInt32(note.m_nModifiedAt);
    ar.WriteInt32(note.m_nPriority);
    return ar.Data();
}

std::string CNoteStore::WriteNoteFile(const CNoteRecord& note)
{
    const std::string path = m_app.GetNoteFilePath(note);
    // An empty key still names a file of the folder ("QB_.qbt").
    if (!note.m_strKey.empty() && !IsPlainNoteKey(note.m_strKey))
    {
        ReportSaveFailed();
        return path;
    }
    if (!WriteNote(note, path))
        ReportSaveFailed();
    return path;
}

SFileResult CNoteStore::WriteNote(const CNoteRecord& note, const std::string& strPath)
{
    return WriteFileAtomically(strPath, NoteFileBytes(note));
}

SFileResult CNoteStore::CreateNoteFile(CNoteRecord& note, std::string& strPath, int nFirstCounter)
{
    // One clock reading; a key taken by a note of the store or by a file of
    // the folder, now or by another writer at this very moment, moves on to
    // the next counter.
    const CDateTime now = CDateTime::GetCurrentTime();
    SFileResult result;
    for (int counter = nFirstCounter; counter < nFirstCounter + 100000; ++counter)
    {
        note.m_strKey = MakeNoteKey(now, counter);
        if (HasNote(note.m_strKey))
            continue;
        strPath = m_app.GetNoteFilePath(note);
        bool bExists = false;
        result = CreateFileExclusively(strPath, NoteFileBytes(note), bExists);
        if (!bExists)
            return result;
    }
    return result;
}

void CNoteStore::ReportSaveFailed()
{
    if (m_pReporter)
        m_pReporter->ReportError(CAppContext::LoadStringResource(IDP_SAVE_FAILED));
}

void CNoteStore::RemoveStaleTempFiles()
{
    for (const std::string& path : m_pImpl->staleTemps)
        RemoveStaleTempFile(path);
    m_pImpl->staleTemps.clear();
}

CNoteStore::ReadResult CNoteStore::ReadNoteFile(const std::string& strPath, CNoteRecord& note)
{
    std::string data;
    switch (ReadRegularFile(strPath, nMaxNoteFile, data))
    {
    case EReadStatus::ok:
        break;
    case EReadStatus::tooLarge:
    case EReadStatus::failed:
        return ReadResult::damaged;
    case EReadStatus::unopenable:
    case EReadStatus::notRegular:
        return ReadResult::unreadable;
    }
    return ParseNoteFile(data, note) ? ReadResult::ok : ReadResult::damaged;
}

bool CNoteStore::ParseNoteFile(std::string_view data, CNoteRecord& note)
{
    note.Reset();
    CArchiveReader ar(data);
    std::string header;
    double version = 0;
    ar.ReadString(header);
    ar.ReadDouble(version);
    ar.ReadString(note.m_strKey);
    ar.ReadString(note.m_strTitle);
    ar.ReadString(note.m_strComments);
    ar.ReadString(note.m_strKeywords);
    ar.ReadString(note.m_strNotes);
    ar.ReadInt32(note.m_nIcon);
    ar.ReadDateTime(note.m_dtDate);
    ar.ReadInt32(note.m_bHasDate);
    ar.ReadDateTime(note.m_dtCreated);
    ar.ReadDateTime(note.m_dtModified);
    ar.ReadInt32(note.m_nModifiedAt);
    ar.ReadInt32(note.m_nPriority);
    return !ar.Failed();
}

void INoteRowSink::AppendSharedRow(const std::shared_ptr<const CNoteRecord>& pRecord)
{
    CNoteStore::InsertNoteRow(*this, std::make_unique<CNoteRecord>(*pRecord));
}
