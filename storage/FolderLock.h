#pragma once

#include <string>

// Makes a check of a note file and the write that follows it one step
// against every other Quillbox process of this machine, the window and the
// command-line tool alike: an exclusive flock on the folder's directory,
// which puts no file into the folder for a sync tool to carry.
//
// Held only across one check and write of one note, never across anything
// that waits on the user, and never taken twice by one call.
class CFolderLock
{
public:
    // Waits for the lock. Where it cannot be had (no flock on that file
    // system, a directory we may not open), the write goes on without it.
    explicit CFolderLock(const std::string& strDir);
    ~CFolderLock();
    CFolderLock(const CFolderLock&) = delete;
    CFolderLock& operator=(const CFolderLock&) = delete;

    bool IsHeld() const { return m_fd >= 0; }
    // Lets go before the end of the scope.
    void Release();

private:
    int m_fd = -1;
};
