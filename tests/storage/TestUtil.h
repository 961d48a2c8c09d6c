#pragma once

#include <QFile>
#include <QString>

#include <fstream>
#include <sstream>
#include <string>

// Paths as raw bytes, like the program's own file operations.
inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <vector>

struct SRawRun
{
    int code = -1;
    std::string out;
    std::string err;
};

// Starts a program with arguments passed as raw bytes (no text conversion),
// its output going to files beside strScratch. Returns the child's pid.
inline pid_t StartRaw(const std::vector<std::string>& argv, const std::string& strScratch)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int out = ::open((strScratch + ".out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open((strScratch + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(out, 1);
        ::dup2(err, 2);
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        ::execv(args[0], args.data());
        ::_exit(127);
    }
    return pid;
}

// Waits for a child started by StartRaw; a child still running after
// nSeconds is killed and reported with code -1.
inline SRawRun FinishRaw(pid_t pid, const std::string& strScratch, int nSeconds = 30)
{
    SRawRun run;
    int status = 0;
    const time_t until = std::time(nullptr) + nSeconds;
    pid_t done = 0;
    while ((done = ::waitpid(pid, &status, WNOHANG)) == 0 && std::time(nullptr) < until)
        ::usleep(10000);
    if (done == 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
    } else if (WIFEXITED(status)) {
        run.code = WEXITSTATUS(status);
    }
    run.out = ReadBytes(strScratch + ".out");
    run.err = ReadBytes(strScratch + ".err");
    return run;
}

inline SRawRun RunRaw(const std::vector<std::string>& argv, const std::string& strScratch, int nSeconds = 30)
{
    return FinishRaw(StartRaw(argv, strScratch), strScratch, nSeconds);
}

// A small tmpfs mounted for one test, so a full disk can be made for real.
// Needs root; IsMounted() is false elsewhere.
class CSmallTmpfs
{
public:
    CSmallTmpfs(const std::string& strDir, const char* pszSize)
        : m_strDir(strDir), m_bMounted(::mount("tmpfs", strDir.c_str(), "tmpfs", 0, pszSize) == 0)
    {}
    ~CSmallTmpfs()
    {
        if (m_bMounted)
            ::umount2(m_strDir.c_str(), MNT_DETACH);
    }
    CSmallTmpfs(const CSmallTmpfs&) = delete;
    CSmallTmpfs& operator=(const CSmallTmpfs&) = delete;
    bool IsMounted() const { return m_bMounted; }

    // Writes a filler file until the file system is full.
    void Fill() const
    {
        const int fd = ::open((m_strDir + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const std::string block(4096, 'f');
        while (::write(fd, block.data(), block.size()) > 0) {
        }
        char one = 'f';
        while (::write(fd, &one, 1) > 0) {
        }
        ::close(fd);
    }

private:
    std::string m_strDir;
    bool m_bMounted;
};

// Sets a file's modification time back by nSeconds.
inline void AgeFile(const std::string& path, int nSeconds)
{
    struct timespec times[2];
    times[0].tv_sec = times[1].tv_sec = std::time(nullptr) - nSeconds;
    times[0].tv_nsec = times[1].tv_nsec = 0;
    ::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

#include <dirent.h>

#include <algorithm>

// The names in a directory, sorted, read as raw bytes.
inline std::vector<std::string> SortedEntries(const std::string& strDir)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(strDir.c_str())) {
        while (const dirent* e = ::readdir(dir))
            if (std::string_view(e->d_name) != "." && std::string_view(e->d_name) != "..")
                names.emplace_back(e->d_name);
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}
