#pragma once

#include "AppContext.h"
#include "ErrorReporter.h"
#include "NoteStore.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <ctime>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

inline CNoteRecord MakeNote(const std::string& strKey, const std::string& strTitle, const std::string& strNotes = {})
{
    CNoteRecord n;
    n.m_strKey = strKey;
    n.m_strTitle = strTitle;
    n.m_strNotes = strNotes;
    return n;
}

// The note a file holds; an empty record when it holds none.
inline CNoteRecord NoteFileAt(const std::string& strPath)
{
    CNoteRecord n;
    return CNoteStore::ReadNoteFile(strPath, n) == CNoteStore::ReadResult::ok ? n : CNoteRecord();
}

// An environment variable set for one scope, then put back as it was.
class CScopedEnv
{
public:
    CScopedEnv(const char* pszName, const std::string& strValue)
        : m_pszName(pszName), m_bWasSet(qEnvironmentVariableIsSet(pszName)), m_old(qgetenv(pszName))
    {
        Set(strValue);
    }
    ~CScopedEnv() { m_bWasSet ? qputenv(m_pszName, m_old) : qunsetenv(m_pszName); }
    CScopedEnv(const CScopedEnv&) = delete;
    CScopedEnv& operator=(const CScopedEnv&) = delete;
    void Set(const std::string& strValue) { qputenv(m_pszName, QByteArray::fromStdString(strValue)); }

private:
    const char* m_pszName;
    bool m_bWasSet;
    QByteArray m_old;
};

// Keeps every error the store would show.
class CRecordingReporter : public IErrorReporter
{
public:
    void ReportError(const std::string& strMessage) override { messages.push_back(strMessage); }
    std::vector<std::string> messages;
};

// A store that has loaded a folder: a temporary one of its own unless named.
struct SLoadedStore
{
    explicit SLoadedStore(std::string strDir = {})
        : folder(strDir.empty() ? dir.path().toStdString() : std::move(strDir)), app(folder), store(app, &reporter)
    {
        store.LoadFolder(folder);
    }
    std::string PathOf(const std::string& strKey) const { return folder + "/QB_" + strKey + ".qbt"; }

    QTemporaryDir dir;
    std::string folder;
    CAppContext app;
    CRecordingReporter reporter;
    CNoteStore store;
};

// Title and notes text of every note a fresh load of strDir finds.
using NoteTexts = std::multiset<std::pair<std::string, std::string>>;
inline NoteTexts NotesIn(const std::string& strDir)
{
    SLoadedStore fresh(strDir);
    NoteTexts notes;
    fresh.store.ForEach([&](const CNoteRecord& n) { notes.emplace(n.m_strTitle, n.m_strNotes); });
    return notes;
}

struct SRawRun
{
    int code = -1;
    std::string out;
    std::string err;
};

// Starts a program (found on the PATH) with arguments passed as raw bytes
// (no text conversion), its output going to files beside strScratch.
// Returns the child's pid.
inline pid_t StartRaw(const std::vector<std::string>& argv, const std::string& strScratch)
{
    // Built before the fork: the child of a threaded process may not allocate.
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const std::string out = strScratch + ".out";
    const std::string err = strScratch + ".err";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 2);
        ::execvp(args[0], args.data());
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

// Runs a program to its end, its output kept in a directory of its own.
inline SRawRun RunProgram(const std::vector<std::string>& argv, int nSeconds = 30)
{
    const QTemporaryDir scratch;
    const std::string strScratch = scratch.filePath(QStringLiteral("run")).toStdString();
    return FinishRaw(StartRaw(argv, strScratch), strScratch, nSeconds);
}

inline std::string Trimmed(const std::string& s)
{
    const size_t first = s.find_first_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(" \t\r\n") + 1 - first);
}

#ifdef QUILLBOX_CLI_PATH
#include <gtest/gtest.h>

inline SRawRun Cli(std::vector<std::string> args, int nSeconds = 30)
{
    args.insert(args.begin(), QUILLBOX_CLI_PATH);
    return RunProgram(args, nSeconds);
}

// The key quillbox-cli prints for the note "add" makes of these arguments.
inline std::string CliAdd(const std::string& strFolder, std::vector<std::string> args = {})
{
    args.insert(args.begin(), {"add", strFolder});
    const SRawRun run = Cli(std::move(args));
    EXPECT_EQ(run.code, 0) << run.err;
    return Trimmed(run.out);
}
#endif

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

// Writes bytes over a file in place and puts its times back, as some sync
// tools do: only the bytes tell the change.
inline bool RewriteKeepingTimes(const std::string& path, const std::string& bytes)
{
    struct stat st
    {};
    const int fd = ::open(path.c_str(), O_WRONLY);
    bool bOk = fd >= 0 && ::fstat(fd, &st) == 0 &&
               ::pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size());
    const timespec times[2] = {st.st_atim, st.st_mtim};
    bOk = bOk && ::futimens(fd, times) == 0;
    if (fd >= 0)
        ::close(fd);
    return bOk;
}

// The names in a directory as raw bytes, in the order it lists them.
inline std::vector<std::string> ListedEntries(const std::string& strDir)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(strDir.c_str())) {
        while (const dirent* e = ::readdir(dir))
            if (std::string_view(e->d_name) != "." && std::string_view(e->d_name) != "..")
                names.emplace_back(e->d_name);
        ::closedir(dir);
    }
    return names;
}

inline std::vector<std::string> SortedEntries(const std::string& strDir)
{
    std::vector<std::string> names = ListedEntries(strDir);
    std::sort(names.begin(), names.end());
    return names;
}
