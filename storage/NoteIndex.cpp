// The store and its folder's index: taken from it, written from it.
#include "NoteStore.h"

#include "AppContext.h"
#include "FolderIndex.h"
#include "NoteStoreImpl.h"

#include <sys/stat.h>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

using namespace note_store;

bool CNoteStore::LoadFolderIndex(const std::string& strPath)
{
    SFolderIndexContent content;
    if (strPath.empty() || !CFolderIndex::Read(m_app.m_strIndexDir, strPath, content))
        return false;
    SImpl& d = *m_pImpl;
    d.Clear();
    d.loadedDir = strPath;
    d.loadedDevice = content.nDirDevice;
    d.unverified = true;
    d.texts = std::move(content.pTexts);
    d.Reserve(content.notes.size());
    // Written in enumeration order; each insert goes first in its bucket.
    for (auto it = content.notes.rbegin(); it != content.notes.rend(); ++it) {
        SIndexedNote& n = *it;
        SImpl::SNode* pNode = n.rec && n.stamp.nSize >= 0 ? d.InsertIfAbsent(std::move(n.rec)) : nullptr;
        if (!pNode)
            continue;
        pNode->textAt = n.textAt;
        d.SetFile(*pNode, strPath, std::move(n.strName), n.stamp);
    }
    return true;
}

std::vector<std::string> CNoteStore::LoadFolderChecked(const std::string& strPath)
{
    if (!LoadFolderIndex(strPath))
        return LoadFolder(strPath);
    return RefreshFolder().damaged;
}

void CNoteStore::WriteFolderIndex()
{
    SImpl& d = *m_pImpl;
    if (m_app.m_strIndexDir.empty() || d.loadedDir.empty())
        return;
    SFolderIndexContent content;
    content.strDir = CFolderIndex::CanonicalDirectory(d.loadedDir);
    struct stat st
    {};
    if (content.strDir.empty() || ::stat(content.strDir.c_str(), &st) != 0 || st.st_dev != d.loadedDevice)
        return;
    content.nDirDevice = st.st_dev;
    content.nDirInode = st.st_ino;
    content.notes.reserve(d.Count());
    d.Walk([&](const SImpl::SNode& n) {
        SFileStamp stamp = d.Stamp(n);
        if (n.eFile == SImpl::SNode::EFile::none || !stamp.Known() ||
            (n.eFile == SImpl::SNode::EFile::other && n.files->file.strDir != d.loadedDir))
            return;
        content.notes.push_back({d.FileName(n), stamp, n.rec, n.textAt});
    });
    content.pTexts = d.texts;
    // The records are never changed, only replaced: the thread may read them.
    WaitForFolderIndex();
    d.indexWriter = std::jthread([strIndexDir = m_app.m_strIndexDir, content = std::move(content)] {
        CFolderIndex::Write(strIndexDir, content);
    });
}

void CNoteStore::WaitForFolderIndex()
{
    if (m_pImpl->indexWriter.joinable())
        m_pImpl->indexWriter.join();
}

void CNoteStore::ReleaseFreeMemory()
{
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}
