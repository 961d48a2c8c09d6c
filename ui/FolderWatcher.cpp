#include "FolderWatcher.h"

#include <QFileSystemWatcher>

#include <algorithm>

CFolderWatcher::CFolderWatcher(QObject* pParent) : QObject(pParent), m_pWatcher(new QFileSystemWatcher(this))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &CFolderWatcher::OnTimeout);
    m_poll.setInterval(nMissingPollMs);
    connect(&m_poll, &QTimer::timeout, this, &CFolderWatcher::OnPoll);
    connect(m_pWatcher, &QFileSystemWatcher::directoryChanged, this, &CFolderWatcher::OnDirectoryChanged);
}

void CFolderWatcher::Watch(const std::string& strDir)
{
    if (strDir == m_strDir && (strDir.empty() || !m_pWatcher->directories().isEmpty()))
        return;
    if (const QStringList watched = m_pWatcher->directories(); !watched.isEmpty())
        m_pWatcher->removePaths(watched);
    m_timer.stop();
    m_poll.stop();
    m_burst.invalidate();
    m_strDir = strDir;
    AddOrPoll();
}

bool CFolderWatcher::AddOrPoll()
{
    if (m_strDir.empty() || !m_pWatcher->directories().isEmpty())
        return true;
    if (m_pWatcher->addPath(QString::fromStdString(m_strDir))) {
        m_poll.stop();
        return true;
    }
    m_poll.start();
    return false;
}

void CFolderWatcher::OnPoll()
{
    // Back again: whatever it holds now is news.
    if (AddOrPoll())
        OnDirectoryChanged();
}

void CFolderWatcher::Retry()
{
    m_burst.invalidate();
    m_timer.start(nQuietMs);
}

void CFolderWatcher::OnDirectoryChanged()
{
    // Every change in the burst pushes the report back, up to the limit.
    if (!m_burst.isValid())
        m_burst.start();
    const qint64 nLeft = nMaxDelayMs - m_burst.elapsed();
    m_timer.start(static_cast<int>(std::clamp<qint64>(nLeft, 0, nQuietMs)));
}

void CFolderWatcher::OnTimeout()
{
    m_burst.invalidate();
    // A directory replaced as a whole (a share mounted again) is watched
    // anew, or looked for until it is back.
    AddOrPoll();
    emit FolderChanged();
}
