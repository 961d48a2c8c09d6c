#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <string>

class QFileSystemWatcher;

// Watches the selected folder's directory, into which other programs write
// too (a sync tool bringing another machine's changes, by rename or in
// place). A burst of changes is told once: when the directory has been quiet
// for nQuietMs, and never later than nMaxDelayMs after the burst began.
// A directory that is gone (a share unmounted, a sync tool making it anew)
// is looked for every nMissingPollMs, and its return is told as a change.
class CFolderWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int nQuietMs = 200;
    static constexpr int nMaxDelayMs = 1000;
    static constexpr int nMissingPollMs = 1000;

    explicit CFolderWatcher(QObject* pParent = nullptr);

    // Watches this directory from now on; an empty path watches nothing.
    void Watch(const std::string& strDir);
    const std::string& GetWatchedFolder() const { return m_strDir; }
    // Tells FolderChanged again a little later: for a change that could not
    // be taken in yet.
    void Retry();

signals:
    // The watched directory changed; a burst is told once.
    void FolderChanged();

private:
    void OnDirectoryChanged();
    void OnTimeout();
    // Watches m_strDir when it is there; polls for it while it is not.
    bool AddOrPoll();
    void OnPoll();

    QFileSystemWatcher* m_pWatcher;
    QTimer m_timer;
    QTimer m_poll;
    QElapsedTimer m_burst;
    std::string m_strDir;
};
