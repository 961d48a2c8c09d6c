// The store's file helpers: names, opening and reading note files, a
// folder's entries read on several threads.
#include "NoteStoreImpl.h"

#include "TextMatch.h"
#include "WorkThreads.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <functional>
#include <new>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace note_store
{
bool EndsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

std::string KeyFileName(std::string_view key)
{
    return "QB_" + std::string(key) + ".qbt";
}

bool IsKeyFileName(std::string_view name, std::string_view key)
{
    return name.size() == key.size() + 7 && name.substr(0, 3) == "QB_" && name.substr(3, key.size()) == key &&
           EndsWith(name, ".qbt");
}

bool IsNoteTempName(std::string_view name)
{
    const size_t at = name.rfind(pszTempMark);
    if (at == std::string_view::npos)
        return false;
    const std::string_view target = name.substr(0, at);
    return target.starts_with("QB_") && EndsWith(target, ".qbt") && IsTempFileOf(name, target);
}

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

bool SameFile(const SNoteFile& a, const SNoteFile& b)
{
    return a.strName == b.strName && SameDirectory(a.strDir, b.strDir);
}

namespace
{
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
} // namespace

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

CNoteStore::ReadResult ReadStampedFd(int fd, CNoteRecord& note, SFileStamp& stamp, std::string& data, int64_t nStartNs)
{
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

CNoteStore::ReadResult ReadStampedFd(int fd, CNoteRecord& note, SFileStamp& stamp)
{
    const int64_t nStartNs = FileClockNowNs();
    std::string data;
    return ReadStampedFd(fd, note, stamp, data, nStartNs);
}

CNoteStore::ReadResult ReadStampedNote(const std::string& strPath, CNoteRecord& note, SFileStamp& stamp)
{
    return ReadStampedFd(::open(strPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC), note, stamp);
}

namespace
{
// Reads one entry into r, with the thread's own buffer and symlink cache.
void ReadEntry(int dirFd, const std::string& strDir, SFolderEntry& entry, int64_t nStartNs, SReadEntry& r,
               std::string& data, std::string& strRealDir)
{
    r.strName = std::move(entry.strName);
    const int fd = OpenNoteEntry(dirFd, strDir, r.strName.c_str(), entry.type, strRealDir);
    switch (ReadStampedFd(fd, r.note, r.stamp, data, nStartNs)) {
    case CNoteStore::ReadResult::ok:
        r.eStatus = SReadEntry::EStatus::ok;
        break;
    case CNoteStore::ReadResult::damaged:
        r.eStatus = SReadEntry::EStatus::damaged;
        break;
    case CNoteStore::ReadResult::unreadable:
        r.eStatus = SReadEntry::EStatus::unreadable;
        break;
    }
}
} // namespace

void ReadFolderEntries(int dirFd, const std::string& strDir, std::vector<SFolderEntry>& entries, int64_t nStartNs,
                       const std::function<void(SReadEntry&)>& take)
{
    // Threads only pay off with enough files for each.
    constexpr size_t nPerThread = 128;
    const size_t nThreads = std::min<size_t>(
        {std::max(1u, std::thread::hardware_concurrency()), 4, std::max<size_t>(1, entries.size() / nPerThread)});
    std::vector<SReadEntry> read(entries.size());
    std::atomic<size_t> next{0};
    auto work = [&] {
        std::string data;
        std::string realDir;
        for (size_t i = next++; i < entries.size(); i = next++)
            ReadEntry(dirFd, strDir, entries[i], nStartNs, read[i], data, realDir);
    };
    RunOnThreads(nThreads, work);
    for (SReadEntry& r : read)
        take(r);
}
} // namespace note_store
