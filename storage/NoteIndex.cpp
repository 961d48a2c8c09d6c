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
    d.listOrderId = std::move(content.strListOrderId);
    d.listOrderUnsaved = false;
    d.Reserve(content.notes.size());
    // Written in enumeration order; each insert goes first in its bucket.
    for (auto it = content.notes.rbegin(); it != content.notes.rend(); ++it) {
        SIndexedNote& n = *it;
        SImpl::SNode* pNode = n.rec && n.stamp.nSize >= 0 ? d.InsertIfAbsent(std::move(n.rec)) : nullptr;
        if (!pNode)
            continue;
        pNode->SetTextAt(n.textAt);
        pNode->listRank = n.nListRank;
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
        content.notes.push_back({d.FileName(n), stamp, n.rec, n.TextAt(), n.listRank});
    });
    content.pTexts = d.texts;
    content.strListOrderId = d.listOrderId;
    d.listOrderUnsaved = false;
    // The records are never changed, only replaced: the thread may read
    // them. A write still in progress is waited for there, not here.
    d.indexWriter = std::jthread([previous = std::move(d.indexWriter), strIndexDir = m_app.m_strIndexDir,
                                  content = std::move(content)]() mutable {
        if (previous.joinable())
            previous.join();
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

void CNoteStore::SetListOrder(const std::string& strOrderId, const std::vector<const CNoteRecord*>& order) const
{
    SImpl& d = *m_pImpl;
    d.listOrderId = strOrderId;
    d.listOrderUnsaved = true;
    d.Walk([](SImpl::SNode& n) { n.listRank = 0; });
    for (size_t i = 0; i < order.size() && i < UINT32_MAX; ++i)
        if (SImpl::SNode* pNode = order[i] ? d.Find(order[i]->m_strKey) : nullptr; pNode && pNode->rec.get() == order[i])
            pNode->listRank = static_cast<uint32_t>(i + 1);
}

bool CNoteStore::GetListOrder(const std::string& strOrderId,
                              std::vector<std::shared_ptr<const CNoteRecord>>& ordered) const
{
    const SImpl& d = *m_pImpl;
    ordered.clear();
    if (strOrderId.empty() || strOrderId != d.listOrderId)
        return false;
    ordered.resize(d.Count());
    bool bWhole = true;
    d.Walk([&](const SImpl::SNode& n) {
        if (n.listRank == 0 || n.listRank > ordered.size() || ordered[n.listRank - 1])
            bWhole = false;
        else
            ordered[n.listRank - 1] = n.rec;
    });
    if (!bWhole)
        ordered.clear();
    return bWhole;
}

bool CNoteStore::ListOrderUnsaved() const
{
    return m_pImpl->listOrderUnsaved && !m_app.m_strIndexDir.empty();
}

bool CNoteStore::SImpl::AsideText(const SNode& n, std::string& text, const std::string* pAllTexts) const
{
    if (pAllTexts) {
        std::string_view slice;
        if (CIndexTexts::Slice(*pAllTexts, n.TextAt(), slice)) {
            text.assign(slice);
            return true;
        }
    } else if (texts && texts->Read(n.TextAt(), text)) {
        return true;
    }
    text.clear();
    const SNoteFile file = File(n);
    CNoteRecord rec;
    SFileStamp stamp;
    if (!file.Exists() || ReadStampedNote(file.Path(), rec, stamp) != CNoteStore::ReadResult::ok ||
        !stamp.SameStatus(file.stamp) || rec.m_strKey != n.rec->m_strKey)
        return false;
    text = std::move(rec.m_strNotes);
    return true;
}

void CNoteStore::SImpl::WalkComplete(const std::function<void(const CNoteRecord&)>& f) const
{
    CIndexTextsOnce allTexts(texts.get());
    Walk([&](const SNode& n) {
        if (!n.rec->m_bNotesAside) {
            f(*n.rec);
            return;
        }
        CNoteRecord note = *n.rec;
        if (AsideText(n, note.m_strNotes, allTexts.Get()))
            note.m_bNotesAside = false;
        f(note);
    });
}
