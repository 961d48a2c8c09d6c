#pragma once

// The floor of every load: each note file of a directory opened and read
// whole, nothing kept. Plain system calls only, so a program made of it
// starts as fast as a program can.
#include <cstddef>
#include <cstring>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The bytes read; 0 when the directory cannot be opened.
inline size_t ReadNoteFilesPlainly(const char* pszDir)
{
    DIR* dir = ::opendir(pszDir);
    if (!dir)
        return 0;
    std::vector<char> buf(1 << 16);
    size_t total = 0;
    while (const dirent* e = ::readdir(dir)) {
        const size_t len = std::strlen(e->d_name);
        if (len < 4 || std::strcmp(e->d_name + len - 4, ".qbt") != 0)
            continue;
        const int fd = ::openat(::dirfd(dir), e->d_name, O_RDONLY | O_CLOEXEC);
        struct stat st
        {};
        ::fstat(fd, &st);
        if (static_cast<size_t>(st.st_size) > buf.size())
            buf.resize(static_cast<size_t>(st.st_size));
        const ssize_t n = ::read(fd, buf.data(), buf.size());
        total += n > 0 ? static_cast<size_t>(n) : 0;
        ::close(fd);
    }
    ::closedir(dir);
    return total;
}
