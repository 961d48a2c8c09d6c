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
    // The last refresh that found the note's file.
    uint32_t seenInRefresh = 0;
};

const std::string& UpperText(const SNode& node)
{
    if (!node.upperMade) {
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
    if (type == DT_UNKNOWN) {
        struct stat st
        {};
        if (::fstatat(dirFd, pszName, &st, AT_SYMLINK_NOFOLLOW) != 0)
            return -1;
        type = S_ISLNK(st.st_mode) ? DT_LNK : S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
    }
    if (type == DT_DIR)
        return -1;
    int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    if (type == DT_LNK) {
        if (strRealDir.empty())
            strRealDir = RealDirPrefix(strDir);
        char* target = ::realpath((strDir + "/" + pszName).c_str(), nullptr);
        if (!target)
            return -1;
        const bool inside = !strRealDir.empty() && std::string_view(target).substr(0, strRealDir.size()) == strRealDir;
        std::free(target);
        if (!inside)
            return -1;
    } else {
        flags |= O_NOFOLLOW;
    }
    return ::openat(dirFd, pszName, flags);
}

// Reads a note file with the stamp it had when the read began.
CNoteStore::ReadResult ReadStampedFd(int fd, CNoteRecord& note, SFileStamp& stamp)
{
    const int64_t nStartNs = FileClockNowNs();
    std::string data;
    struct stat st
    {};
    switch (ReadRegularFd(fd, nMaxNoteFile, data, &st)) {
    case EReadStatus::ok:
        break;
    case EReadStatus::tooLarge:
    case EReadStatus::failed:
        stamp = MakeFileStatusStamp(st);
        return CNoteStore::ReadResult::damaged;
    case EReadStatus::unopenable:
    case EReadStatus::notRegular:
        return CNoteStore::ReadResult::unreadable;
    }
    stamp = MakeFileStamp(st, data, nStartNs);
    return CNoteStore::ParseNoteFile(data, note) ? CNoteStore::ReadResult::ok : CNoteStore::ReadResult::damaged;
}

CNoteStore::ReadResult ReadStampedNote(const std::string& strPath, CNoteRecord& note, SFileStamp& stamp)
{
    return ReadStampedFd(::open(strPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC), note, stamp);
}

bool SameFile(const SNoteFile& a, const SNoteFile& b)
{
    return a.strName == b.strName && SameDirectory(a.strDir, b.strDir);
}
} // namespace

bool IsPlainNoteKey(const std::string& strKey)
{
    // "QB_" + key + ".qbt" must fit in one file name.
    if (strKey.empty() || strKey.size() > 200 || strKey.find("..") != std::string::npos)
        return false;
    for (const char c : strKey) {
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
    // The directory last loaded, and its note files that could not be read,
    // by name, with their status then: tried again once that changes.
    std::string loadedDir;
    std::unordered_map<std::string, SFileStamp> damaged;
    uint32_t refreshCount = 0;

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
        if (!corpus.valid) {
            size_t size = 0;
            Walk([&](const SNode& n) { size += UpperText(n).size() + 1; });
            corpus.text.clear();
            corpus.text.reserve(size);
            corpus.starts.clear();
            corpus.nodes.clear();
            Walk([&](const SNode& n) {
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
        loadedDir.clear();
        damaged.clear();
    }

    // The note takes the file as its own, replacing its record; the file it
    // had becomes an older copy.
    void AttachFile(const CNoteRecord& note, const SNoteFile& file)
    {
        std::vector<SNoteFile> older;
        if (SNode* existing = Find(note.m_strKey)) {
            for (SNoteFile& f : existing->olderFiles)
                if (!SameFile(f, file))
                    older.push_back(std::move(f));
            if (existing->file.Exists() && !SameFile(existing->file, file))
                older.push_back(std::move(existing->file));
        }
        SNode& node = Insert(note);
        node.file = file;
        node.olderFiles = std::move(older);
    }

    // The file is no longer the note's: when it was the one its record came
    // from, the note falls back on an older copy, else it leaves the store.
    // True when the note's record changed or went.
    bool DetachFile(const std::string& key, const SNoteFile& file)
    {
        SNode* node = Find(key);
        if (!node)
            return false;
        if (!node->file.Exists() || !SameFile(node->file, file)) {
            std::erase_if(node->olderFiles, [&](const SNoteFile& f) { return SameFile(f, file); });
            return false;
        }
        while (!node->olderFiles.empty()) {
            SNoteFile older = std::move(node->olderFiles.back());
            node->olderFiles.pop_back();
            CNoteRecord rec;
            if (ReadStampedNote(older.Path(), rec, older.stamp) == CNoteStore::ReadResult::ok && rec.m_strKey == key) {
                std::vector<SNoteFile> rest = std::move(node->olderFiles);
                SNode& kept = Insert(rec);
                kept.file = std::move(older);
                kept.olderFiles = std::move(rest);
                return true;
            }
        }
        Remove(key);
        return true;
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
        if (inserted) {
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
{}

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
    m_pImpl->loadedDir = strPath;
    // Earlier than any read, so a file changed just before its read is in doubt.
    const int64_t nStartNs = FileClockNowNs();
    const int dirFd = ::open(strPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return skipped;
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return skipped;
    }
    std::string realDir;
    std::string data;
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name(e->d_name);
        if (!EndsWith(name, ".qbt")) {
            if (IsNoteTempName(name))
                m_pImpl->staleTemps.push_back(strPath + "/" + e->d_name);
            continue;
        }
        const int fd = OpenNoteEntry(dirFd, strPath, e->d_name, e->d_type, realDir);
        CNoteRecord note;
        struct stat st
        {};
        switch (ReadRegularFd(fd, nMaxNoteFile, data, &st)) {
        case EReadStatus::ok:
            break;
        case EReadStatus::tooLarge:
        case EReadStatus::failed:
            skipped.push_back(strPath + "/" + e->d_name);
            m_pImpl->damaged[e->d_name] = MakeFileStatusStamp(st);
            continue;
        case EReadStatus::unopenable:
        case EReadStatus::notRegular:
            continue;
        }
        if (!ParseNoteFile(data, note)) {
            skipped.push_back(strPath + "/" + e->d_name);
            m_pImpl->damaged[e->d_name] = MakeFileStatusStamp(st);
            continue;
        }
        // The later file wins; the earlier one is still this note's file.
        bool bReplaced = false;
        SNode& node = m_pImpl->Insert(std::move(note), &bReplaced);
        if (bReplaced)
            node.olderFiles.push_back(std::move(node.file));
        node.file = SNoteFile{strPath, e->d_name, MakeFileStamp(st, data, nStartNs)};
    }
    ::closedir(dir);
    return skipped;
}

const std::string& CNoteStore::GetLoadedFolder() const
{
    return m_pImpl->loadedDir;
}

SFolderChanges CNoteStore::RefreshFolder()
{
    SFolderChanges changes;
    SImpl& d = *m_pImpl;
    const std::string dir = d.loadedDir;
    if (dir.empty())
        return changes;
    // A folder that cannot be opened now (a share gone away) changes nothing:
    // its notes are not gone for that.
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return changes;
    DIR* dp = ::fdopendir(dirFd);
    if (!dp) {
        ::close(dirFd);
        return changes;
    }

    // Which note owns each file of the folder, and the stamp it has of it.
    // A note's file is nearly always named after its key and is found
    // through the store's own index; the few others (renamed files, older
    // copies) go through a map.
    std::unordered_map<std::string, bool> dirIsLoaded;
    auto inLoaded = [&](const std::string& s) {
        if (s == dir)
            return true;
        auto it = dirIsLoaded.find(s);
        if (it == dirIsLoaded.end())
            it = dirIsLoaded.emplace(s, SameDirectory(s, dir)).first;
        return it->second;
    };
    auto namedAfterKey = [](const SNode& n) {
        const std::string& name = n.file.strName;
        const std::string& key = n.rec->m_strKey;
        return name.size() == key.size() + 7 && name.compare(0, 3, "QB_") == 0 &&
               name.compare(3, key.size(), key) == 0 && EndsWith(name, ".qbt");
    };
    struct SOwner
    {
        const SNode* node;
        const SNoteFile* file;
        bool seen;
    };
    std::unordered_map<std::string_view, SOwner> others;
    d.Walk([&](const SNode& n) {
        if (n.file.Exists() && !namedAfterKey(n) && inLoaded(n.file.strDir))
            others[n.file.strName] = {&n, &n.file, false};
        for (const SNoteFile& f : n.olderFiles)
            if (inLoaded(f.strDir))
                others[f.strName] = {&n, &f, false};
    });
    const uint32_t thisRefresh = ++d.refreshCount;

    // Only names and keys are kept past this point: the nodes change below.
    struct SWork
    {
        std::string name;
        std::string ownerKey;
    };
    std::vector<SWork> toRead;
    std::vector<SWork> removed;
    std::vector<std::string> damagedSeen;
    while (const dirent* e = ::readdir(dp)) {
        const std::string_view name(e->d_name);
        if (!EndsWith(name, ".qbt"))
            continue;
        const SNode* owner = nullptr;
        const SNoteFile* ownFile = nullptr;
        if (name.size() > 7 && name.substr(0, 3) == "QB_") {
            SNode* found = d.Find(std::string(name.substr(3, name.size() - 7)));
            if (found && found->file.strName == name && inLoaded(found->file.strDir)) {
                found->seenInRefresh = thisRefresh;
                owner = found;
                ownFile = &found->file;
            }
        }
        if (!owner) {
            if (const auto other = others.find(name); other != others.end()) {
                other->second.seen = true;
                owner = other->second.node;
                ownFile = other->second.file;
            }
        }
        // Sync tools deliver a file by renaming a new one over it: another
        // inode, which the listing tells without a stat. A file rewritten in
        // place keeps its inode; the directory watch does not report such a
        // write, and the check before every rewrite still finds it.
        if (ownFile && e->d_type == DT_REG && e->d_ino == ownFile->stamp.nInode &&
            d.damaged.find(e->d_name) == d.damaged.end())
            continue;
        struct stat st
        {};
        if (::fstatat(dirFd, e->d_name, &st, 0) != 0 || S_ISDIR(st.st_mode))
            continue;
        const SFileStamp now = MakeFileStatusStamp(st);
        if (const auto dm = d.damaged.find(e->d_name); dm != d.damaged.end()) {
            damagedSeen.emplace_back(name);
            if (dm->second.SameStatus(now)) {
                changes.damaged.push_back(dir + "/" + e->d_name);
                continue;
            }
        } else if (ownFile && ownFile->stamp.SameStatus(now)) {
            continue;
        }
        toRead.push_back({std::string(name), owner ? owner->rec->m_strKey : std::string()});
    }
    d.Walk([&](const SNode& n) {
        if (n.seenInRefresh != thisRefresh && n.file.Exists() && namedAfterKey(n) && inLoaded(n.file.strDir))
            removed.push_back({n.file.strName, n.rec->m_strKey});
    });
    for (const auto& [name, owner] : others)
        if (!owner.seen)
            removed.push_back({std::string(name), owner.node->rec->m_strKey});
    others.clear();
    std::erase_if(d.damaged, [&](const auto& entry) {
        return std::find(damagedSeen.begin(), damagedSeen.end(), entry.first) == damagedSeen.end();
    });

    // Each key touched, and whether it was in the store before.
    std::unordered_map<std::string, bool> touched;
    auto detach = [&](const std::string& key, const std::string& name) {
        const bool existed = d.Find(key) != nullptr;
        if (d.DetachFile(key, SNoteFile{dir, name, {}}))
            touched.emplace(key, existed);
    };
    for (const SWork& w : removed)
        detach(w.ownerKey, w.name);
    std::string realDir;
    for (const SWork& w : toRead) {
        CNoteRecord note;
        SFileStamp stamp;
        const int fd = OpenNoteEntry(dirFd, dir, w.name.c_str(), DT_UNKNOWN, realDir);
        switch (ReadStampedFd(fd, note, stamp)) {
        case ReadResult::unreadable:
            // Gone since the listing, or not a file to read.
            if (!w.ownerKey.empty())
                detach(w.ownerKey, w.name);
            continue;
        case ReadResult::damaged:
            // Still being written, most likely: the note keeps what was read
            // before, and the file is read again at its next change.
            d.damaged[w.name] = stamp;
            changes.damaged.push_back(dir + "/" + w.name);
            continue;
        case ReadResult::ok:
            break;
        }
        d.damaged.erase(w.name);
        if (!w.ownerKey.empty() && w.ownerKey != note.m_strKey)
            detach(w.ownerKey, w.name);
        touched.emplace(note.m_strKey, d.Find(note.m_strKey) != nullptr);
        d.AttachFile(note, SNoteFile{dir, w.name, stamp});
    }
    ::closedir(dp);

    for (const auto& [key, existed] : touched) {
        const bool exists = d.Find(key) != nullptr;
        if (existed && exists)
            changes.changed.push_back(key);
        else if (exists)
            changes.added.push_back(key);
        else if (existed)
            changes.removed.push_back(key);
    }
    return changes;
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
    SFileStamp stamp;
    const SFileResult written = CreateNoteFile(note, path, nFirstCounter, &stamp);
    SNode& node = m_pImpl->Insert(note);
    node.file = written ? SNoteFile{DirectoryOf(path), FileNameOf(path), stamp} : SNoteFile{};
    node.olderFiles.clear();
    if (!written)
        ReportSaveFailed();
    return {written.bOk, note.m_strKey, written.strError};
}

SStoreResult CNoteStore::UpdateNote(CNoteRecord note)
{
    RemoveStaleTempFiles();
    const CDateTime dtReadModified = note.m_dtModified;
    note.m_dtModified = CDateTime::GetCurrentTime();
    note.m_nModifiedAt = 0;
    SNoteFile oldFile;
    std::vector<SNoteFile> olderFiles;
    if (const SNode* pOld = m_pImpl->Find(note.m_strKey)) {
        oldFile = pOld->file;
        olderFiles = pOld->olderFiles;
    }
    const std::string oldKey = note.m_strKey;
    std::string path;
    SFileResult written;
    SFileStamp stamp;
    if (IsPlainNoteKey(note.m_strKey)) {
        path = m_app.GetNoteFilePath(note);
        std::vector<SNoteFile> readFrom = olderFiles;
        readFrom.push_back(oldFile);
        const auto conflict = CheckBeforeRewrite(path, note.m_strKey, dtReadModified, readFrom);
        if (conflict != SStoreResult::EConflict::none) {
            // Someone else's version stays, and the store takes it.
            const SNoteFile onDisk{DirectoryOf(path), FileNameOf(path), {}};
            CNoteRecord rec;
            SFileStamp diskStamp;
            const bool bItsOwnFile = oldFile.Exists() && SameFile(oldFile, onDisk);
            switch (ReadStampedNote(path, rec, diskStamp)) {
            case ReadResult::ok:
                m_pImpl->DetachFile(oldKey, onDisk);
                // Taken in where the note was listed from; a file of a folder
                // the store does not hold is not brought into it.
                if (bItsOwnFile || SameDirectory(onDisk.strDir, m_pImpl->loadedDir))
                    m_pImpl->AttachFile(rec, SNoteFile{onDisk.strDir, onDisk.strName, diskStamp});
                break;
            case ReadResult::unreadable:
                m_pImpl->DetachFile(oldKey, onDisk);
                break;
            case ReadResult::damaged:
                break; // being written: read once it is whole
            }
            SStoreResult copy = SaveConflictCopy(note);
            copy.eConflict = conflict;
            copy.strConflictOf = oldKey;
            return copy;
        }
        written = WriteNote(note, path, &stamp);
    } else {
        // The key came from a file's contents and cannot name a file: the
        // note moves to a fresh key instead.
        written = CreateNoteFile(note, path, 10, &stamp);
    }
    if (!written) {
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
    // The files this note was read from in this folder are older copies now;
    // one that someone else has changed since is no copy and stays.
    const SNoteFile newFile{DirectoryOf(path), FileNameOf(path), stamp};
    olderFiles.push_back(oldFile);
    std::vector<SNoteFile> kept;
    for (const SNoteFile& f : olderFiles) {
        if (!f.Exists() || f.strName == newFile.strName || !SameDirectory(f.strDir, newFile.strDir))
            continue;
        const EFileCheck check = CheckFileStamp(f.Path(), f.stamp, nMaxNoteFile);
        if (check == EFileCheck::changed || (check == EFileCheck::same && !RemoveFile(f.Path())))
            kept.push_back(f);
    }
    SNode& node = m_pImpl->Insert(note);
    node.file = newFile;
    node.olderFiles = std::move(kept);
    return {true, note.m_strKey, {}};
}

SStoreResult CNoteStore::SaveConflictCopy(CNoteRecord note)
{
    const std::string strOf = note.m_strKey;
    note.m_strTitle += " (conflict copy)";
    note.m_dtModified = CDateTime::GetCurrentTime();
    note.m_nModifiedAt = 0;
    std::string path;
    SFileStamp stamp;
    // Never under the key of the note it is a copy of, even when that one
    // is gone: a sync would take it for that note come back.
    const SFileResult written = CreateNoteFile(note, path, 10, &stamp, strOf);
    SNode& node = m_pImpl->Insert(note);
    node.file = written ? SNoteFile{DirectoryOf(path), FileNameOf(path), stamp} : SNoteFile{};
    node.olderFiles.clear();
    if (!written)
        ReportSaveFailed();
    return {written.bOk, note.m_strKey, written.strError};
}

SStoreResult::EConflict CNoteStore::CheckBeforeRewrite(const std::string& strPath, const std::string& strKey,
                                                       const CDateTime& dtReadModified,
                                                       const std::vector<SNoteFile>& readFrom) const
{
    const SNoteFile target{DirectoryOf(strPath), FileNameOf(strPath), {}};
    for (const SNoteFile& f : readFrom) {
        if (!f.Exists() || !SameFile(f, target))
            continue;
        switch (CheckFileStamp(strPath, f.stamp, nMaxNoteFile)) {
        case EFileCheck::same:
            return SStoreResult::EConflict::none;
        case EFileCheck::changed:
            return SStoreResult::EConflict::changedOnDisk;
        case EFileCheck::gone:
            return SStoreResult::EConflict::deletedOnDisk;
        }
    }
    // A file this store never read (the note came from another folder's
    // load, or from elsewhere): only the version the note was read as may
    // be replaced, known by its key and modification time.
    struct stat st
    {};
    if (::lstat(strPath.c_str(), &st) != 0 ? errno == ENOENT : S_ISDIR(st.st_mode))
        return SStoreResult::EConflict::none; // nothing to keep; a directory fails the write
    CNoteRecord onDisk;
    if (ReadNoteFile(strPath, onDisk) == ReadResult::ok && onDisk.m_strKey == strKey &&
        onDisk.m_dtModified == dtReadModified)
        return SStoreResult::EConflict::none;
    return SStoreResult::EConflict::changedOnDisk;
}

SStoreResult CNoteStore::DeleteNote(const CNoteRecord& note)
{
    std::vector<SNoteFile> files;
    const SNode* pNode = m_pImpl->Find(note.m_strKey);
    if (pNode) {
        if (pNode->file.Exists())
            files.push_back(pNode->file);
        files.insert(files.end(), pNode->olderFiles.begin(), pNode->olderFiles.end());
    }
    const bool bFilesHere = std::any_of(files.begin(), files.end(), [&](const SNoteFile& f) {
        return SameDirectory(f.strDir, m_app.m_strCurrentFolder);
    });
    if (!bFilesHere) {
        // A note with no file known in the current folder (its write failed,
        // the store holds it from another folder, or not at all) goes by its
        // key's file name there, when the key can name a file.
        files.clear();
        if (IsPlainNoteKey(note.m_strKey) && !m_app.m_strCurrentFolder.empty())
            files.push_back({m_app.m_strCurrentFolder, "QB_" + note.m_strKey + ".qbt"});
    }
    for (const SNoteFile& f : files) {
        if (!SameDirectory(f.strDir, m_app.m_strCurrentFolder))
            continue;
        const SFileResult removed = RemoveFile(f.Path());
        if (!removed) {
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
    if (!strText.empty()) {
        const std::string needle = UpperCaseText(strText);
        // The zero bytes between the fields keep a match inside one field.
        const bool bWhole = needle.find('\0') == std::string::npos;
        if (bWhole && !bKeywordsOnly) {
            // One pass over all the text; a hit names its note, and the scan
            // goes on at the next note.
            const SImpl::SCorpus& corpus = m_pImpl->Corpus();
            const char* pBase = corpus.text.data();
            const size_t nSize = corpus.text.size();
            size_t pos = 0;
            while (pos < nSize) {
                const void* pHit = memmem(pBase + pos, nSize - pos, needle.data(), needle.size());
                if (!pHit)
                    break;
                const size_t offset = static_cast<size_t>(static_cast<const char*>(pHit) - pBase);
                const size_t i = static_cast<size_t>(
                    std::upper_bound(corpus.starts.begin(), corpus.starts.end(), offset) - corpus.starts.begin() - 1);
                InsertNoteRow(results, std::make_unique<CNoteRecord>(*corpus.nodes[i]->rec));
                pos = i + 1 < corpus.starts.size() ? corpus.starts[i + 1] : nSize;
            }
        } else {
            m_pImpl->Walk([&](const SNode& n) {
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
    if (results.GetRowCount() == 0) {
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
    if (!note.m_strKey.empty() && !IsPlainNoteKey(note.m_strKey)) {
        ReportSaveFailed();
        return path;
    }
    if (!WriteNote(note, path))
        ReportSaveFailed();
    return path;
}

SFileResult CNoteStore::WriteNote(const CNoteRecord& note, const std::string& strPath, SFileStamp* pStamp)
{
    const std::string bytes = NoteFileBytes(note);
    SFileResult result = WriteFileAtomically(strPath, bytes);
    if (result && pStamp)
        *pStamp = StampWrittenFile(strPath, bytes);
    return result;
}

SFileResult CNoteStore::CreateNoteFile(CNoteRecord& note, std::string& strPath, int nFirstCounter, SFileStamp* pStamp,
                                       const std::string& strAvoidKey)
{
    // One clock reading; a key taken by a note of the store or by a file of
    // the folder, now or by another writer at this very moment, moves on to
    // the next counter.
    const CDateTime now = CDateTime::GetCurrentTime();
    SFileResult result;
    for (int counter = nFirstCounter; counter < nFirstCounter + 100000; ++counter) {
        note.m_strKey = MakeNoteKey(now, counter);
        if (HasNote(note.m_strKey) || note.m_strKey == strAvoidKey)
            continue;
        strPath = m_app.GetNoteFilePath(note);
        bool bExists = false;
        const std::string bytes = NoteFileBytes(note);
        result = CreateFileExclusively(strPath, bytes, bExists);
        if (result && pStamp)
            *pStamp = StampWrittenFile(strPath, bytes);
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
    switch (ReadRegularFile(strPath, nMaxNoteFile, data)) {
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

std::shared_ptr<const CNoteRecord> CNoteStore::GetShared(const std::string& strKey) const
{
    const auto it = m_pImpl->index.find(strKey);
    return it == m_pImpl->index.end() ? nullptr : it->second->rec;
}
