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
class CFolderWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int nQuietMs = 200;
    static constexpr int nMaxDelayMs = 1000;

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

    QFileSystemWatcher* m_pWatcher;
    QTimer m_timer;
    QElapsedTimer m_burst;
    std::string m_strDir;
};
