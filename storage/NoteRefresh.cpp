#include "NoteStore.h"

#include "NoteStoreImpl.h"
#include "WorkThreads.h"

#include <algorithm>
#include <atomic>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace note_store;

namespace
{
constexpr size_t nStatThreads = 4;
constexpr size_t nStatsPerThread = 4096;
// Taken at once from the shared counter, so the threads seldom meet there.
constexpr size_t nStatBatch = 64;
} // namespace

SFolderChanges CNoteStore::RefreshFolder()
{
    if (m_pImpl->loadedDir.empty())
        return {};
    const auto scan = PrepareScan();
    RunScan(*scan);
    return TakeScan(*scan);
}

std::shared_ptr<SFolderScan> CNoteStore::PrepareScan() const
{
    auto scan = std::make_shared<SFolderScan>();
    scan->strDir = m_pImpl->loadedDir;
    scan->nGeneration = m_pImpl->generation;
    return scan;
}

void CNoteStore::RunScan(SFolderScan& scan)
{
    scan.bListed = false;
    scan.entries.clear();
    scan.temps.clear();
    if (scan.strDir.empty())
        return;
    const int dirFd = ::open(scan.strDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return;
    DIR* dp = ::fdopendir(dirFd);
    if (!dp) {
        ::close(dirFd);
        return;
    }
    std::vector<std::string> names;
    while (const dirent* e = ::readdir(dp)) {
        const std::string_view name(e->d_name);
        if (EndsWith(name, ".qbt"))
            names.emplace_back(name);
        else if (IsNoteTempName(name))
            scan.temps.push_back(scan.strDir + "/" + e->d_name);
    }
    // Never the inode alone: a file system hands a freed inode number to
    // the next file, so a note replaced twice may be back on the one it
    // was read from. Size and both times to the nanosecond decide with it.
    // An entry whose file could not be stat'ed keeps an empty name.
    std::vector<SScanEntry> entries(names.size());
    std::atomic<size_t> next{0};
    // With the cache cold each status waits on the disk: several in flight
    // take a big folder's in a fraction of the time.
    RunOnThreads(std::clamp<size_t>(names.size() / nStatsPerThread, 1, nStatThreads), [&] {
        for (size_t from = next.fetch_add(nStatBatch); from < names.size(); from = next.fetch_add(nStatBatch)) {
            for (size_t i = from; i < std::min(names.size(), from + nStatBatch); ++i) {
                struct stat st
                {};
                if (::fstatat(dirFd, names[i].c_str(), &st, 0) == 0 && !S_ISDIR(st.st_mode))
                    entries[i] = {std::move(names[i]), MakeFileStatusStamp(st)};
            }
        }
    });
    scan.entries.reserve(entries.size());
    for (SScanEntry& entry : entries)
        if (!entry.strName.empty())
            scan.entries.push_back(std::move(entry));
    ::closedir(dp);
    scan.bListed = true;
}

SFolderChanges CNoteStore::ApplyScan(const SFolderScan& scan)
{
    // Any change since the listing (a note saved meanwhile) may be missing
    // from it: only a listing of the store as it is now can say what went.
    if (scan.strDir != m_pImpl->loadedDir || scan.nGeneration != m_pImpl->generation)
        return RefreshFolder();
    return TakeScan(scan);
}

SFolderChanges CNoteStore::TakeScan(const SFolderScan& scan)
{
    SFolderChanges changes;
    SImpl& d = *m_pImpl;
    const std::string dir = d.loadedDir;
    // A folder that cannot be opened now (a share gone away) changes nothing:
    // its notes are not gone for that.
    if (dir.empty() || !scan.bListed)
        return changes;
    const int dirFd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return changes;
    if (d.staleTemps.empty())
        d.staleTemps = scan.temps;

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
    using SNode = SImpl::SNode;
    struct SOwner
    {
        const SNode* node;
        const SNoteFile* file;
        bool seen;
    };
    std::unordered_map<std::string_view, SOwner> others;
    d.Walk([&](const SNode& n) {
        if (!n.files)
            return;
        const SNoteFile& file = n.files->file;
        if (n.eFile == SNode::EFile::other && !IsKeyFileName(file.strName, n.rec->m_strKey) && inLoaded(file.strDir))
            others[file.strName] = {&n, &file, false};
        for (const SNoteFile& f : n.files->older)
            if (inLoaded(f.strDir))
                others[f.strName] = {&n, &f, false};
    });
    // The notes whose own file the listing found, by pool place.
    std::vector<bool> seen(d.PoolSize());

    // Only names and keys are kept past this point: the nodes change below.
    struct SWork
    {
        std::string name;
        std::string ownerKey;
    };
    std::vector<SWork> toRead;
    std::vector<SWork> removed;
    std::unordered_set<std::string> damagedSeen;
    for (const SScanEntry& entry : scan.entries) {
        const std::string_view name(entry.strName);
        const SNode* owner = nullptr;
        SFileStamp ownStamp;
        if (name.size() > 7 && name.substr(0, 3) == "QB_") {
            const uint32_t i = d.FindIndex(name.substr(3, name.size() - 7));
            const SNode* found = i ? &d.At(i) : nullptr;
            if (found && (found->eFile == SNode::EFile::keyNamed ||
                          (found->eFile == SNode::EFile::other && found->files->file.strName == name &&
                           inLoaded(found->files->file.strDir)))) {
                seen[i] = true;
                owner = found;
                ownStamp = d.Stamp(*found);
            }
        }
        if (!owner) {
            if (const auto other = others.find(name); other != others.end()) {
                other->second.seen = true;
                owner = other->second.node;
                ownStamp = other->second.file->stamp;
            }
        }
        const SFileStamp& now = entry.now;
        if (const auto dm = d.damaged.find(entry.strName); dm != d.damaged.end()) {
            damagedSeen.emplace(name);
            if (dm->second.SameStatus(now)) {
                changes.damaged.push_back(dir + "/" + entry.strName);
                continue;
            }
        } else if (owner && ownStamp.SameStatus(now) && !(d.unverified && ownStamp.bInDoubt)) {
            continue;
        }
        toRead.push_back({std::string(name), owner ? owner->rec->m_strKey : std::string()});
    }
    d.WalkIndexed([&](uint32_t i, const SNode& n) {
        if (!seen[i] && d.KeyNamedIn(n, dir))
            removed.push_back({d.FileName(n), n.rec->m_strKey});
    });
    for (const auto& [name, owner] : others)
        if (!owner.seen)
            removed.push_back({std::string(name), owner.node->rec->m_strKey});
    others.clear();
    std::erase_if(d.damaged, [&](const auto& entry) { return !damagedSeen.contains(entry.first); });

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
        d.ClaimKey(note, w.name, stamp.nBytesHash);
        if (!w.ownerKey.empty() && w.ownerKey != note.m_strKey)
            detach(w.ownerKey, w.name);
        touched.emplace(note.m_strKey, d.Find(note.m_strKey) != nullptr);
        d.AttachFile(note, SNoteFile{dir, w.name, stamp});
    }
    ::close(dirFd);

    for (const auto& [key, existed] : touched) {
        const bool exists = d.Find(key) != nullptr;
        if (existed && exists)
            changes.changed.push_back(key);
        else if (exists)
            changes.added.push_back(key);
        else if (existed)
            changes.removed.push_back(key);
    }
    if (changes.Any())
        WriteFolderIndex();
    d.unverified = false;
    return changes;
}

void CNoteStore::ClearScan(SFolderScan& scan)
{
    scan.entries = {};
    scan.temps = {};
}
