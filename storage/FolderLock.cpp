#include "FolderLock.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

CFolderLock::CFolderLock(const std::string& strDir)
{
    if (strDir.empty())
        return;
    // Close-on-exec: a program we start must not keep the folder locked.
    m_fd = ::open(strDir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_fd < 0)
        return;
    // Every holder lets go after one write, so a wait is short.
    int rc = 0;
    while ((rc = ::flock(m_fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (rc != 0)
        Release();
}

CFolderLock::~CFolderLock()
{
    Release();
}

void CFolderLock::Release()
{
    if (m_fd < 0)
        return;
    // Closing the only descriptor of the lock releases it.
    ::close(m_fd);
    m_fd = -1;
}
