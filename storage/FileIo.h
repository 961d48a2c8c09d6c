#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct stat;

// Every file operation of the program goes through here. Paths are the raw
// bytes the file system has, never converted, so reading, writing and
// deleting always name the same file, whatever the bytes.

// What a file operation did: done, or why not, naming the file.
struct SFileResult
{
    bool bOk = true;
    std::string strError;

    explicit operator bool() const { return bOk; }
    static SFileResult Done() { return {}; }
    static SFileResult Failed(std::string strError) { return {false, std::move(strError)}; }
};

// "<what> \"<path>\": <the system's reason>." from errno.
std::string FileErrorText(const char* pszWhat, const std::string& strPath, int nErrno);

// Writes every byte to fd, going on after short writes; fails on the first
// error (ENOSPC on a full disk), naming strName.
SFileResult WriteAllToFd(int fd, std::string_view bytes, const std::string& strName);

// Writes the bytes to a temporary file beside strPath, flushes them to the
// disk and renames the file over strPath, so strPath is either the old file
// or the whole new one. A symlink at strPath is replaced, never written
// through. On any failure the old file is untouched and the temporary file
// is gone.
SFileResult WriteFileAtomically(const std::string& strPath, std::string_view bytes);

// The same for a new file that must never replace an existing one, whoever
// else creates files at the same moment. bExists is set, and nothing is
// written, when strPath already exists.
SFileResult CreateFileExclusively(const std::string& strPath, std::string_view bytes, bool& bExists);

// Removes the directory entry (a symlink itself, never its target). A file
// that is already gone counts as removed.
SFileResult RemoveFile(const std::string& strPath);

enum class EReadStatus {
    ok,
    unopenable, // missing, no permission
    notRegular, // a directory, FIFO, device or socket
    tooLarge,
    failed, // a read error
};

// Reads a whole regular file (a symlink is followed), at most nMaxBytes.
// Never blocks on a FIFO or device: those are refused before any read.
EReadStatus ReadRegularFile(const std::string& strPath, size_t nMaxBytes, std::string& data,
                            std::string* pError = nullptr);
// The same from an open descriptor, which it closes. pStat, when given,
// receives the file's status as it was before the read.
EReadStatus ReadRegularFd(int fd, size_t nMaxBytes, std::string& data, struct stat* pStat = nullptr);

// What a file was when it was read or written, to tell later whether anyone
// has changed it since. Sync tools replace a file by renaming another over
// it (a new inode), editors write in place (new size or times); the change
// time cannot be set back by any program.
struct SFileStamp
{
    int64_t nSize = -1; // -1: nothing known of the file
    int64_t nMtimeNs = 0;
    int64_t nCtimeNs = 0;
    uint64_t nInode = 0;
    uint64_t nDevice = 0;
    // The file changed so shortly before it was stamped that a later change
    // may fall in the same tick of the file system's clock and leave size
    // and times as they were: then its bytes decide.
    bool bInDoubt = true;
    uint64_t nBytesHash = 0;

    bool Known() const { return nSize >= 0; }
    // Same size, times and inode.
    bool SameStatus(const SFileStamp& other) const;
};

// Coarse file systems (FAT, SMB) keep times to 2 s, and a file server's
// clock may run behind ours: a change this close to a read is in doubt.
constexpr int64_t nStampDoubtNs = int64_t(10) * 1000 * 1000 * 1000;

// The wall clock in nanoseconds, as file times count.
int64_t FileClockNowNs();
// The stamp of a file read or written at nStampedAtNs or later, from its
// status and bytes.
SFileStamp MakeFileStamp(const struct stat& st, std::string_view bytes, int64_t nStampedAtNs);
// The stamp from the status alone, for a file whose bytes are not kept.
SFileStamp MakeFileStatusStamp(const struct stat& st);
// The stamp of a file just written with these bytes; not Known() when the
// file cannot be found.
SFileStamp StampWrittenFile(const std::string& strPath, std::string_view bytes);

enum class EFileCheck {
    same,
    changed, // other bytes, or replaced by another file
    gone,
};
// Whether the file at strPath is still the one stamped: size, times and
// inode, and the bytes when those are equal but in doubt.
EFileCheck CheckFileStamp(const std::string& strPath, const SFileStamp& stamp, size_t nMaxBytes);

// Our temporary files are the target's name, this mark and six letters or
// digits ("FolderSettings.set.qbtmp-a1B2c3"). The mark is what tells them
// from the user's own files beside the target, which are never removed.
constexpr const char* pszTempMark = ".qbtmp-";
bool IsTempFileOf(std::string_view strName, std::string_view strTargetName);
// Removes such a file when it is a regular file left for longer than any
// save can take; a younger one may belong to a save in progress.
void RemoveStaleTempFile(const std::string& strPath);
// RemoveStaleTempFile for every temporary file of strTargetName in strDir.
void RemoveStaleTempFiles(const std::string& strDir, std::string_view strTargetName);
// How old a temporary file must be to count as left behind.
constexpr int nStaleTempSeconds = 600;

// The directory part of a path ("." when there is none) and the name part.
std::string DirectoryOf(const std::string& strPath);
std::string FileNameOf(const std::string& strPath);
