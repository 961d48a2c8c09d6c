#include "NoteStore.h"

#include "AppContext.h"
#include "Archive.h"
#include "ErrorReporter.h"
#include "NoteRowSink.h"
#include "NoteStoreImpl.h"
#include "TextMatch.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace note_store;

bool IsPlainNoteKey(const std::string& strKey)
{
    // "QB_" + key + ".qbt" must fit in one file name.
    if (strKey.empty() || strKey.size() > 200 || strKey.find("..") != std::string::npos)
        return false;
    for (const char c : strKey) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == '/' || c == '\\')
            return false;
    }
    return true;
}

CNoteStore::CNoteStore(CAppContext& app, IErrorReporter* pReporter)
    : m_app(app), m_pReporter(pReporter), m_pImpl(std::make_unique<SImpl>())
{}

CNoteStore::~CNoteStore() = default;

uint32_t CNoteStore::BucketHash(const std::string& strKey)
{
    uint32_t hash = 0;
    for (char c : strKey)
        hash = hash * 33u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(c)));
    return hash;
}

std::vector<std::string> CNoteStore::LoadFolder(const std::string& strPath)
{
    m_pImpl->Clear();
    std::vector<std::string> skipped;
    SImpl& d = *m_pImpl;
    d.loadedDir = strPath;
    if (strPath.empty())
        return skipped;
    // Earlier than any read, so a file changed just before its read is in doubt.
    const int64_t nStartNs = FileClockNowNs();
    const int dirFd = ::open(strPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd < 0)
        return skipped;
    struct stat dirSt
    {};
    if (::fstat(dirFd, &dirSt) == 0)
        d.loadedDevice = dirSt.st_dev;
    DIR* dir = ::fdopendir(dirFd);
    if (!dir) {
        ::close(dirFd);
        return skipped;
    }
    // A file not named after its key is taken in after the others, so that
    // a key's own file keeps the key when another file holds it too.
    std::vector<SReadEntry> deferred;
    auto take = [&](SReadEntry& r) {
        switch (r.eStatus) {
        case SReadEntry::EStatus::ok:
            if (IsKeyFileName(r.strName, r.note.m_strKey))
                TakeLoadedFile(r);
            else
                deferred.push_back(std::move(r));
            break;
        case SReadEntry::EStatus::damaged:
            skipped.push_back(strPath + "/" + r.strName);
            d.damaged[r.strName] = r.stamp;
            break;
        case SReadEntry::EStatus::unreadable:
            break;
        }
    };
    // Listed and read a batch at a time, so what waits is always small.
    std::vector<SFolderEntry> entries;
    for (bool bMore = true; bMore;) {
        entries.clear();
        while (entries.size() < nReadBatch) {
            const dirent* e = ::readdir(dir);
            if (!e) {
                bMore = false;
                break;
            }
            const std::string_view name(e->d_name);
            if (EndsWith(name, ".qbt"))
                entries.push_back({e->d_name, e->d_type});
            else if (IsNoteTempName(name))
                d.staleTemps.push_back(strPath + "/" + e->d_name);
        }
        ReadFolderEntries(dirFd, strPath, entries, nStartNs, take);
    }
    ::closedir(dir);
    // A file whose key another file holds comes last, once every key read
    // from a file is in, so the key made for it is none of those.
    std::vector<SReadEntry*> claims;
    for (SReadEntry& r : deferred) {
        if (d.KeyHeldByOther(r.note, r.strName, r.stamp.nBytesHash))
            claims.push_back(&r);
        else
            TakeLoadedFile(r);
    }
    for (SReadEntry* r : claims)
        TakeLoadedFile(*r);
    WriteFolderIndex();
    return skipped;
}

void CNoteStore::TakeLoadedFile(SReadEntry& r)
{
    SImpl& d = *m_pImpl;
    d.ClaimKey(r.note, r.strName, r.stamp.nBytesHash);
    // A copy with the same bytes is still this note's file, an older one.
    bool bReplaced = false;
    SImpl::SNode& node = d.Insert(std::move(r.note), &bReplaced);
    if (!bReplaced) {
        d.SetFile(node, d.loadedDir, std::move(r.strName), r.stamp);
        return;
    }
    std::vector<SNoteFile> older = d.Older(node);
    if (node.eFile == SImpl::SNode::EFile::keyNamed) {
        older.emplace_back(d.loadedDir, std::move(r.strName), r.stamp);
    } else {
        older.push_back(d.File(node));
        d.SetFile(node, d.loadedDir, std::move(r.strName), r.stamp);
    }
    d.SetOlder(node, std::move(older));
}

const std::string& CNoteStore::GetLoadedFolder() const
{
    return m_pImpl->loadedDir;
}

void CNoteStore::ClearNotes()
{
    // The notes go; the store still writes into the folder it holds.
    const std::string strDir = std::move(m_pImpl->loadedDir);
    const auto nDevice = m_pImpl->loadedDevice;
    m_pImpl->Clear();
    m_pImpl->loadedDir = strDir;
    m_pImpl->loadedDevice = nDevice;
}

CNoteRecord CNoteStore::GetNote(const std::string& strKey) const
{
    const SImpl::SNode* pNode = m_pImpl->Find(strKey);
    if (!pNode)
        return CNoteRecord();
    CNoteRecord note = *pNode->rec;
    ReadNotesText(note);
    return note;
}

bool CNoteStore::ReadNotesText(CNoteRecord& note) const
{
    if (!note.m_bNotesAside)
        return true;
    // Only the note's record as the store holds it now says where its text
    // is; an older one's text may be gone. The times' bits are compared, so
    // that one that is no number still matches itself.
    const SImpl::SNode* pNode = m_pImpl->Find(note.m_strKey);
    if (!pNode || !pNode->rec->m_bNotesAside ||
        std::bit_cast<uint64_t>(pNode->rec->m_dtModified.m_dt) != std::bit_cast<uint64_t>(note.m_dtModified.m_dt) ||
        !m_pImpl->AsideText(*pNode, note.m_strNotes))
        return false;
    note.m_bNotesAside = false;
    return true;
}

std::string CNoteStore::NotesText(const CNoteRecord& note) const
{
    if (!note.m_bNotesAside)
        return note.m_strNotes;
    CNoteRecord copy = note;
    ReadNotesText(copy);
    return std::move(copy.m_strNotes);
}

bool CNoteStore::MatchesText(const CNoteRecord& note, std::string_view upperNeedle) const
{
    if (!note.m_bNotesAside)
        return NoteContainsText(note, upperNeedle);
    CNoteRecord copy = note;
    ReadNotesText(copy);
    return NoteContainsText(copy, upperNeedle);
}

bool CNoteStore::HasNote(const std::string& strKey) const
{
    return m_pImpl->Find(strKey) != nullptr;
}

int CNoteStore::GetCount() const
{
    return static_cast<int>(m_pImpl->Count());
}

SNoteFile CNoteStore::GetNoteFile(const std::string& strKey) const
{
    const SImpl::SNode* pNode = m_pImpl->Find(strKey);
    return pNode ? m_pImpl->File(*pNode) : SNoteFile{};
}

void CNoteStore::FillNotesList(INoteRowSink& list) const
{
    list.DeleteAllRows();
    m_pImpl->Walk([&](const SImpl::SNode& n) { list.AppendSharedRow(n.rec); });
}

void CNoteStore::InsertNoteRow(INoteRowSink& list, std::unique_ptr<CNoteRecord> pNote)
{
    SNoteRow row;
    row.strTitle = pNote->m_strTitle;
    row.nIcon = pNote->m_nIcon;
    row.strComments = pNote->m_strComments;
    row.strDate = pNote->m_bHasDate ? CAppContext::FormatDate(pNote->m_dtDate) : std::string();
    row.strPriority = PriorityText(pNote->m_nPriority);
    list.AppendRow(row, std::move(pNote));
}

void CNoteStore::ForEach(const std::function<void(const CNoteRecord&)>& f) const
{
    m_pImpl->WalkComplete(f);
}

void CNoteStore::ForEachShared(const std::function<void(const std::shared_ptr<const CNoteRecord>&)>& f) const
{
    m_pImpl->Walk([&](const SImpl::SNode& n) { f(n.rec); });
}

std::string CNoteStore::NoteFileBytes(const CNoteRecord& note) const
{
    CArchiveWriter ar;
    ar.WriteString(m_app.m_strFileHeader);
    ar.WriteDouble(m_app.m_dFileVersion);
    ar.WriteString(note.m_strKey);
    ar.WriteString(note.m_strTitle);
    ar.WriteString(note.m_strComments);
    ar.WriteString(note.m_strKeywords);
    ar.WriteString(note.m_strNotes);
    ar.WriteInt32(note.m_nIcon);
    ar.WriteDateTime(note.m_dtDate);
    ar.WriteInt32(note.m_bHasDate);
    ar.WriteDateTime(note.m_dtCreated);
    ar.WriteDateTime(note.m_dtModified);
    ar.WriteInt32(note.m_nModifiedAt);
    ar.WriteInt32(note.m_nPriority);
    return ar.Data();
}

std::string CNoteStore::WriteNoteFile(const CNoteRecord& note)
{
    const std::string path = CAppContext::GetNoteFilePath(GetLoadedFolder(), note);
    // An empty key still names a file of the folder ("QB_.qbt").
    if (!note.m_strKey.empty() && !IsPlainNoteKey(note.m_strKey)) {
        ReportSaveFailed();
        return path;
    }
    if (!WriteNote(note, path))
        ReportSaveFailed();
    return path;
}

CNoteStore::ReadResult CNoteStore::ReadNoteFile(const std::string& strPath, CNoteRecord& note)
{
    std::string data;
    switch (ReadRegularFile(strPath, nMaxNoteFile, data)) {
    case EReadStatus::ok:
        break;
    case EReadStatus::tooLarge:
    case EReadStatus::failed:
        return ReadResult::damaged;
    case EReadStatus::unopenable:
    case EReadStatus::notRegular:
        return ReadResult::unreadable;
    }
    return ParseNoteFile(data, note) ? ReadResult::ok : ReadResult::damaged;
}

bool CNoteStore::ParseNoteFile(std::string_view data, CNoteRecord& note)
{
    note.Reset();
    CArchiveReader ar(data);
    std::string header;
    double version = 0;
    ar.ReadString(header);
    ar.ReadDouble(version);
    ar.ReadString(note.m_strKey);
    ar.ReadString(note.m_strTitle);
    ar.ReadString(note.m_strComments);
    ar.ReadString(note.m_strKeywords);
    ar.ReadString(note.m_strNotes);
    ar.ReadInt32(note.m_nIcon);
    ar.ReadDateTime(note.m_dtDate);
    ar.ReadInt32(note.m_bHasDate);
    ar.ReadDateTime(note.m_dtCreated);
    ar.ReadDateTime(note.m_dtModified);
    ar.ReadInt32(note.m_nModifiedAt);
    ar.ReadInt32(note.m_nPriority);
    return !ar.Failed();
}

void INoteRowSink::AppendSharedRow(const std::shared_ptr<const CNoteRecord>& pRecord)
{
    CNoteStore::InsertNoteRow(*this, std::make_unique<CNoteRecord>(*pRecord));
}

std::shared_ptr<const CNoteRecord> CNoteStore::GetShared(const std::string& strKey) const
{
    const SImpl::SNode* pNode = m_pImpl->Find(strKey);
    return pNode ? pNode->rec : nullptr;
}
