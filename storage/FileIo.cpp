#include "FileIo.h"

#include <algorithm>
#include <functional>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// A descriptor closed on every path out.
class CFd
{
public:
    explicit CFd(int fd = -1) : m_fd(fd) {}
    ~CFd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CFd(const CFd&) = delete;
    CFd& operator=(const CFd&) = delete;
    int Get() const { return m_fd; }
    // Closes now: on some file systems close is where a write error shows.
    int Close()
    {
        const int r = ::close(m_fd);
        m_fd = -1;
        return r;
    }

private:
    int m_fd;
};

mode_t NewFileMode()
{
    // The umask can only be read by setting it; set it straight back.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A regular file's permissions are kept when it is replaced.
mode_t ModeFor(const std::string& strPath)
{
    struct stat st
    {};
    if (::lstat(strPath.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        return st.st_mode & 07777;
    return NewFileMode();
}

// A rename or link is only on the disk once its directory is.
void SyncDirectory(const std::string& strDir)
{
    const int fd = ::open(strDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // The file is in place whatever this says; some file systems cannot
    // sync a directory at all.
    (void)::fsync(fd);
    ::close(fd);
}

// Writes the bytes into a new temporary file beside strPath and flushes it
// to the disk. strTemp is its name; on failure nothing is left.
SFileResult WriteTempFile(const std::string& strPath, std::string_view bytes, mode_t mode, std::string& strTemp)
{
    std::string pattern = strPath + std::string(pszTempMark) + "XXXXXX";
    CFd fd(::mkostemp(pattern.data(), O_CLOEXEC));
    if (fd.Get() < 0)
        return SFileResult::Failed(FileErrorText("Cannot create a file beside", strPath, errno));
    strTemp = pattern;
    SFileResult result = WriteAllToFd(fd.Get(), bytes, strPath);
    if (result && ::fchmod(fd.Get(), mode) != 0)
        result = SFileResult::Failed(FileErrorText("Cannot set the permissions of", strPath, errno));
    if (result && ::fsync(fd.Get()) != 0)
        result = SFileResult::Failed(FileErrorText("Cannot write", strPath, errno));
    if (fd.Close() != 0 && result)
        result = SFileResult::Failed(FileErrorText("Cannot write", strPath, errno));
    if (!result)
        ::unlink(strTemp.c_str());
    return result;
}

bool IsTempSuffixChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}
} // namespace

std::string FileErrorText(const char* pszWhat, const std::string& strPath, int nErrno)
{
    return std::string(pszWhat) + " \"" + strPath + "\": " + std::strerror(nErrno) + ".";
}

SFileResult WriteAllToFd(int fd, std::string_view bytes, const std::string& strName)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return SFileResult::Failed(FileErrorText("Cannot write", strName, errno));
        }
        if (n == 0)
            return SFileResult::Failed(FileErrorText("Cannot write", strName, EIO));
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return SFileResult::Done();
}

SFileResult WriteFileAtomically(const std::string& strPath, std::string_view bytes)
{
    if (strPath.empty())
        return SFileResult::Failed("No file name was given.");
    struct stat st
    {};
    if (::stat(strPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return SFileResult::Failed(FileErrorText("Cannot write", strPath, EISDIR));
    std::string temp;
    SFileResult result = WriteTempFile(strPath, bytes, ModeFor(strPath), temp);
    if (!result)
        return result;
    if (::rename(temp.c_str(), strPath.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        return SFileResult::Failed(FileErrorText("Cannot write", strPath, err));
    }
    SyncDirectory(DirectoryOf(strPath));
    return result;
}

SFileResult CreateFileExclusively(const std::string& strPath, std::string_view bytes, bool& bExists)
{
    bExists = false;
    std::string temp;
    SFileResult result = WriteTempFile(strPath, bytes, NewFileMode(), temp);
    if (!result)
        return result;
    // The whole file appears under its name at once, or not at all when the
    // name is taken; a file system without the no-replace rename gets a
    // hard link, which never replaces either.
    int rc = ::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, strPath.c_str(), RENAME_NOREPLACE);
    int err = rc == 0 ? 0 : errno;
    if (rc != 0 && (err == EINVAL || err == ENOSYS || err == ENOTSUP)) {
        rc = ::link(temp.c_str(), strPath.c_str());
        err = rc == 0 ? 0 : errno;
        ::unlink(temp.c_str());
    } else if (rc != 0) {
        ::unlink(temp.c_str());
    }
    if (rc != 0) {
        bExists = err == EEXIST;
        return SFileResult::Failed(FileErrorText("Cannot create", strPath, err));
    }
    SyncDirectory(DirectoryOf(strPath));
    return result;
}

SFileResult RemoveFile(const std::string& strPath)
{
    if (::unlink(strPath.c_str()) != 0 && errno != ENOENT)
        return SFileResult::Failed(FileErrorText("Cannot delete", strPath, errno));
    return SFileResult::Done();
}

EReadStatus ReadRegularFd(int nFd, size_t nMaxBytes, std::string& data, struct stat* pStat)
{
    CFd fd(nFd);
    if (fd.Get() < 0)
        return EReadStatus::unopenable;
    struct stat st
    {};
    if (::fstat(fd.Get(), &st) != 0)
        return EReadStatus::failed;
    if (pStat)
        *pStat = st;
    if (!S_ISREG(st.st_mode))
        return EReadStatus::notRegular;
    if (static_cast<unsigned long long>(st.st_size) > nMaxBytes)
        return EReadStatus::tooLarge;
    data.clear();
    // One byte past the size, so the read that meets the end needs no more room.
    data.resize(std::min(nMaxBytes, static_cast<size_t>(st.st_size) + 1));
    size_t got = 0;
    for (;;) {
        // The file may grow while it is read: take more room, within the bound.
        if (got == data.size()) {
            if (data.size() >= nMaxBytes) {
                char probe;
                const ssize_t n = ::read(fd.Get(), &probe, 1);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0)
                    return EReadStatus::failed;
                if (n > 0)
                    return EReadStatus::tooLarge;
                break;
            }
            data.resize(std::min(nMaxBytes, data.size() + 4096));
        }
        const size_t wanted = data.size() - got;
        const ssize_t n = ::read(fd.Get(), data.data() + got, wanted);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return EReadStatus::failed;
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
        // A regular file gives less than asked only at its end: no read more
        // just to be told so.
        if (static_cast<size_t>(n) < wanted)
            break;
    }
    data.resize(got);
    return EReadStatus::ok;
}

EReadStatus ReadRegularFile(const std::string& strPath, size_t nMaxBytes, std::string& data, std::string* pError)
{
    const int fd = ::open(strPath.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    const int openErrno = errno;
    const EReadStatus status = ReadRegularFd(fd, nMaxBytes, data);
    if (pError) {
        switch (status) {
        case EReadStatus::ok:
            pError->clear();
            break;
        case EReadStatus::unopenable:
            *pError = FileErrorText("Cannot open", strPath, openErrno);
            break;
        case EReadStatus::notRegular:
            *pError = "\"" + strPath + "\" is not a regular file.";
            break;
        case EReadStatus::tooLarge:
            *pError = "\"" + strPath + "\" is larger than " + std::to_string(nMaxBytes) + " bytes.";
            break;
        case EReadStatus::failed:
            *pError = FileErrorText("Cannot read", strPath, errno);
            break;
        }
    }
    return status;
}

bool IsTempFileOf(std::string_view strName, std::string_view strTargetName)
{
    const std::string_view mark(pszTempMark);
    if (strName.size() != strTargetName.size() + mark.size() + 6 || !strName.starts_with(strTargetName) ||
        strName.substr(strTargetName.size(), mark.size()) != mark)
        return false;
    for (const char c : strName.substr(strTargetName.size() + mark.size()))
        if (!IsTempSuffixChar(c))
            return false;
    return true;
}

void RemoveStaleTempFile(const std::string& strPath)
{
    struct stat st
    {};
    if (::lstat(strPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    if (std::time(nullptr) - st.st_mtime >= nStaleTempSeconds)
        ::unlink(strPath.c_str());
}

void RemoveStaleTempFiles(const std::string& strDir, std::string_view strTargetName)
{
    DIR* dir = ::opendir(strDir.c_str());
    if (!dir)
        return;
    while (const dirent* e = ::readdir(dir))
        if (IsTempFileOf(e->d_name, strTargetName))
            RemoveStaleTempFile(strDir + "/" + e->d_name);
    ::closedir(dir);
}

std::string DirectoryOf(const std::string& strPath)
{
    const size_t slash = strPath.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : strPath.substr(0, slash);
}

std::string FileNameOf(const std::string& strPath)
{
    const size_t slash = strPath.rfind('/');
    return slash == std::string::npos ? strPath : strPath.substr(slash + 1);
}

bool SFileStamp::SameStatus(const SFileStamp& other) const
{
    return nSize == other.nSize && nMtimeNs == other.nMtimeNs && nCtimeNs == other.nCtimeNs && nInode == other.nInode &&
           nDevice == other.nDevice;
}

int64_t FileClockNowNs()
{
    timespec ts{};
    ::clock_gettime(CLOCK_REALTIME, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

SFileStamp MakeFileStatusStamp(const struct stat& st)
{
    SFileStamp stamp;
    stamp.nSize = st.st_size;
    stamp.nMtimeNs = int64_t(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.nCtimeNs = int64_t(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    stamp.nInode = st.st_ino;
    stamp.nDevice = st.st_dev;
    return stamp;
}

SFileStamp MakeFileStamp(const struct stat& st, std::string_view bytes, int64_t nStampedAtNs)
{
    SFileStamp stamp = MakeFileStatusStamp(st);
    stamp.bInDoubt = nStampedAtNs - std::max(stamp.nMtimeNs, stamp.nCtimeNs) < nStampDoubtNs;
    stamp.nBytesHash = std::hash<std::string_view>()(bytes);
    return stamp;
}

SFileStamp StampWrittenFile(const std::string& strPath, std::string_view bytes)
{
    struct stat st
    {};
    SFileStamp stamp;
    if (::stat(strPath.c_str(), &st) != 0) {
        stamp.nBytesHash = std::hash<std::string_view>()(bytes);
        return stamp;
    }
    // Just written: its times are now, always in doubt.
    return MakeFileStamp(st, bytes, FileClockNowNs());
}

EFileCheck CheckFileStamp(const std::string& strPath, const SFileStamp& stamp, size_t nMaxBytes)
{
    struct stat st
    {};
    if (::stat(strPath.c_str(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? EFileCheck::gone : EFileCheck::changed;
    if (!S_ISREG(st.st_mode))
        return EFileCheck::changed;
    const SFileStamp now = MakeFileStatusStamp(st);
    if (stamp.Known() && now.SameStatus(stamp) && !stamp.bInDoubt)
        return EFileCheck::same;
    // Times or inode differ but the size is the same, or the stamp is in
    // doubt: the bytes decide, so a file rewritten unchanged (a sync that
    // sets the times again) is no conflict.
    if (stamp.Known() && now.nSize != stamp.nSize)
        return EFileCheck::changed;
    std::string data;
    if (ReadRegularFile(strPath, nMaxBytes, data) != EReadStatus::ok)
        return EFileCheck::changed;
    return std::hash<std::string_view>()(data) == stamp.nBytesHash ? EFileCheck::same : EFileCheck::changed;
}
