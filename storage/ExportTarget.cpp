#include "ExportTarget.h"

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// Where a chain of symlinks ends, for a chain whose last file does not exist
// yet; empty after too many links.
std::string FinalLinkTarget(std::string strPath)
{
    for (int nHops = 0; nHops < 40; ++nHops) {
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(strPath.c_str(), buf, sizeof buf);
        if (n < 0)
            // Not a link (EINVAL) or not there yet: the chain ends here.
            return errno == EINVAL || errno == ENOENT ? strPath : std::string();
        std::string target(buf, static_cast<size_t>(n));
        if (target.empty())
            return {};
        strPath = target[0] == '/' ? target : DirectoryOf(strPath) + "/" + target;
    }
    return {};
}

SFileResult ReplaceRegularFile(const std::string& strPath, std::string_view bytes)
{
    RemoveStaleTempFiles(DirectoryOf(strPath), FileNameOf(strPath));
    return WriteFileAtomically(strPath, bytes);
}

// Writes into what is already there: a pipe, a terminal, a device.
SFileResult WriteInto(const std::string& strPath, std::string_view bytes)
{
    // Non-blocking, so a pipe nobody reads fails at once instead of hanging;
    // no O_CREAT or O_TRUNC, so nothing is made or emptied on the way.
    const int fd = ::open(strPath.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENXIO)
            return SFileResult::Failed("Cannot write \"" + strPath + "\": no program is reading from it.");
        return SFileResult::Failed(FileErrorText("Cannot open", strPath, errno));
    }
    struct stat st
    {};
    SFileResult result;
    if (::fstat(fd, &st) != 0) {
        result = SFileResult::Failed(FileErrorText("Cannot write", strPath, errno));
    } else if (S_ISREG(st.st_mode)) {
        // Replaced by a regular file since it was looked at: that one is
        // replaced whole, never written over in place.
        ::close(fd);
        return ReplaceRegularFile(strPath, bytes);
    } else {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
            result = SFileResult::Failed(FileErrorText("Cannot write", strPath, errno));
        else
            result = WriteAllToFd(fd, bytes, strPath);
    }
    if (::close(fd) != 0 && result && errno != EINTR)
        result = SFileResult::Failed(FileErrorText("Cannot write", strPath, errno));
    return result;
}
} // namespace

SFileResult WriteExportTarget(const std::string& strPath, std::string_view bytes)
{
    if (strPath.empty())
        return SFileResult::Failed("No file name was given.");
    struct stat link
    {};
    if (::lstat(strPath.c_str(), &link) != 0) {
        if (errno == ENOENT)
            return ReplaceRegularFile(strPath, bytes);
        return SFileResult::Failed(FileErrorText("Cannot write", strPath, errno));
    }
    struct stat st
    {};
    if (::stat(strPath.c_str(), &st) != 0) {
        if (errno != ENOENT || !S_ISLNK(link.st_mode))
            return SFileResult::Failed(FileErrorText("Cannot write", strPath, errno));
        // A link to a file not made yet: make it where the link points.
        const std::string target = FinalLinkTarget(strPath);
        if (target.empty())
            return SFileResult::Failed(FileErrorText("Cannot write", strPath, ELOOP));
        return ReplaceRegularFile(target, bytes);
    }
    if (S_ISDIR(st.st_mode))
        return SFileResult::Failed("Cannot write \"" + strPath + "\": it is a folder; give a file name.");
    if (S_ISREG(st.st_mode)) {
        if (!S_ISLNK(link.st_mode))
            return ReplaceRegularFile(strPath, bytes);
        // The link stays; the file it points to is replaced beside itself.
        char real[PATH_MAX];
        if (!::realpath(strPath.c_str(), real))
            return SFileResult::Failed(FileErrorText("Cannot write", strPath, errno));
        return ReplaceRegularFile(real, bytes);
    }
    if (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode))
        return WriteInto(strPath, bytes);
    return SFileResult::Failed("Cannot write \"" + strPath + "\": it is neither a file, a pipe nor a device.");
}
