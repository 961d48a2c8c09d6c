#include "Trash.h"

#include <QByteArray>
#include <QDateTime>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::string Parent(const std::string& strPath)
{
    const size_t slash = strPath.find_last_of('/');
    return slash == 0 || slash == std::string::npos ? std::string("/") : strPath.substr(0, slash);
}

// The device of the path, or of its nearest existing parent: a trash that is
// not made yet will be made on that file system.
bool DeviceOf(std::string strPath, dev_t& dev)
{
    struct stat st
    {};
    while (::stat(strPath.c_str(), &st) != 0) {
        if (errno != ENOENT || strPath == "/")
            return false;
        strPath = Parent(strPath);
    }
    dev = st.st_dev;
    return true;
}

// A directory of ours, made when missing; never followed through a symlink.
bool OwnDirectory(const std::string& strPath)
{
    if (::mkdir(strPath.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat st
    {};
    return ::lstat(strPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

bool MakePath(const std::string& strPath)
{
    if (strPath.empty() || strPath == "/")
        return true;
    struct stat st
    {};
    if (::stat(strPath.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    return MakePath(Parent(strPath)) && (::mkdir(strPath.c_str(), 0700) == 0 || errno == EEXIST);
}

// The top of the file system the directory is on.
std::string TopDirOf(const std::string& strDir, dev_t dev)
{
    std::string top = strDir;
    while (top != "/") {
        const std::string up = Parent(top);
        struct stat st
        {};
        if (::stat(up.c_str(), &st) != 0 || st.st_dev != dev)
            break;
        top = up;
    }
    return top;
}

// The trash a file on another file system than the home trash goes to:
// $top/.Trash/$uid when the administrator made $top/.Trash (sticky, no
// symlink), else $top/.Trash-$uid.
std::string TopDirTrash(const std::string& strTop)
{
    const std::string uid = std::to_string(::geteuid());
    const std::string base = strTop == "/" ? std::string() : strTop;
    struct stat st
    {};
    const std::string shared = base + "/.Trash";
    if (::lstat(shared.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) &&
        OwnDirectory(shared + "/" + uid))
        return shared + "/" + uid;
    const std::string own = base + "/.Trash-" + uid;
    return OwnDirectory(own) ? own : std::string();
}

std::string InfoText(const std::string& strPath)
{
    const QByteArray path = QByteArray::fromStdString(strPath).toPercentEncoding("/");
    const QString when = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
    return "[Trash Info]\nPath=" + path.toStdString() + "\nDeletionDate=" + when.toStdString() + "\n";
}
} // namespace

std::string HomeTrashDir()
{
    const char* pszData = std::getenv("XDG_DATA_HOME");
    if (pszData && *pszData == '/')
        return std::string(pszData) + "/Trash";
    const char* pszHome = std::getenv("HOME");
    return std::string(pszHome ? pszHome : "") + "/.local/share/Trash";
}

SFileResult MoveFileToTrash(const std::string& strPath)
{
    const auto refused = [&](const std::string& strWhy) {
        return SFileResult::Failed("The trash cannot take \"" + strPath + "\": " + strWhy);
    };
    if (strPath.empty() || strPath[0] != '/')
        return refused("the path is not absolute.");
    struct stat st
    {};
    if (::lstat(strPath.c_str(), &st) != 0) {
        if (errno == ENOENT)
            return SFileResult::Done();
        return SFileResult::Failed(FileErrorText("Cannot move to the trash", strPath, errno));
    }

    std::string trash = HomeTrashDir();
    std::string shownPath = strPath;
    dev_t homeDev{};
    if (!DeviceOf(trash, homeDev))
        return refused("the trash folder \"" + trash + "\" cannot be made.");
    if (homeDev != st.st_dev) {
        const std::string top = TopDirOf(Parent(strPath), st.st_dev);
        trash = TopDirTrash(top);
        if (trash.empty())
            return refused("its file system has no trash folder, and none can be made.");
        // A trash at the top of a file system names its files from there,
        // so the disk can be mounted anywhere.
        if (top != "/")
            shownPath = strPath.substr(top.size() + 1);
        else
            shownPath = strPath.substr(1);
    } else if (!MakePath(trash)) {
        return refused("the trash folder \"" + trash + "\" cannot be made.");
    }
    if (!OwnDirectory(trash + "/files") || !OwnDirectory(trash + "/info"))
        return refused("the trash folder \"" + trash + "\" cannot be written.");

    // The info file is made first and only when its name is new: that claims
    // the name in files/ too.
    const std::string base = strPath.substr(strPath.find_last_of('/') + 1);
    const std::string info = InfoText(shownPath);
    for (int n = 1; n < 10000; ++n) {
        const std::string name = n == 1 ? base : base + "." + std::to_string(n);
        const std::string infoPath = trash + "/info/" + name + ".trashinfo";
        const int fd = ::open(infoPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return refused(FileErrorText("Cannot write", infoPath, errno));
        }
        SFileResult written = WriteAllToFd(fd, info, infoPath);
        if (::close(fd) != 0 && written)
            written = SFileResult::Failed(FileErrorText("Cannot write", infoPath, errno));
        const std::string target = trash + "/files/" + name;
        struct stat taken
        {};
        if (written && ::lstat(target.c_str(), &taken) == 0) {
            ::unlink(infoPath.c_str()); // a file without its info: leave it, take the next name
            continue;
        }
        if (written && ::rename(strPath.c_str(), target.c_str()) != 0)
            written = refused(FileErrorText("Cannot move", strPath, errno));
        if (!written)
            ::unlink(infoPath.c_str());
        return written;
    }
    return refused("the trash holds too many files of that name.");
}
