#include "NoteStore.h"

#include "AppContext.h"
#include "Archive.h"
#include "ErrorReporter.h"
#include "NoteRowSink.h"
#include "NoteStoreImpl.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace note_store;

namespace
{
constexpr unsigned IDP_SAVE_FAILED = 61463;
} // namespace

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

uint32_t CNoteStore::HashKey(const std::string& strKey)
{
    uint32_t hash = 0;
    for (char c : strKey)
        hash = hash * 33u + static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(c)));
    return hash;
}

std::vector<std::string> CNoteStore::LoadFolder(const std::string& strPath)
{
    ClearNotes();
    std::vector<std::string> skipped;
    if (strPath.empty())
        return skipped;
    SImpl& d = *m_pImpl;
    d.loadedDir = strPath;
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
    for (SReadEntry& r : deferred)
        TakeLoadedFile(r);
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
    m_pImpl->Clear();
}

CNoteRecord CNoteStore::GetNote(const std::string& strKey) const
{
    const SImpl::SNode* pNode = m_pImpl->Find(strKey);
    return pNode ? *pNode->rec : CNoteRecord();
}

bool CNoteStore::HasNote(const std::string& strKey) const
{
    return m_pImpl->Find(strKey) != nullptr;
}

int CNoteStore::GetCount() const
{
    return static_cast<int>(m_pImpl->Count());
}

SStoreResult CNoteStore::AddNote(CNoteRecord note, int nFirstCounter)
{
    RemoveStaleTempFiles();
    note.m_dtCreated = CDateTime::GetCurrentTime();
    std::string path;
    SFileStamp stamp;
    const SFileResult written = CreateNoteFile(note, path, nFirstCounter, &stamp);
    SImpl::SNode& node = m_pImpl->Insert(note);
    m_pImpl->SetOlder(node, {});
    m_pImpl->SetFile(node, written ? SNoteFile{DirectoryOf(path), FileNameOf(path), stamp} : SNoteFile{});
    if (!written)
        ReportSaveFailed();
    return {written.bOk, note.m_strKey, written.strError};
}

SStoreResult CNoteStore::UpdateNote(CNoteRecord note)
{
    RemoveStaleTempFiles();
    const CDateTime dtReadModified = note.m_dtModified;
    note.m_dtModified = CDateTime::GetCurrentTime();
    note.m_nModifiedAt = 0;
    SNoteFile oldFile;
    std::vector<SNoteFile> olderFiles;
    if (const SImpl::SNode* pOld = m_pImpl->Find(note.m_strKey)) {
        oldFile = m_pImpl->File(*pOld);
        olderFiles = m_pImpl->Older(*pOld);
    }
    const std::string oldKey = note.m_strKey;
    std::string path;
    SFileResult written;
    SFileStamp stamp;
    if (IsPlainNoteKey(note.m_strKey)) {
        path = m_app.GetNoteFilePath(note);
        std::vector<SNoteFile> readFrom = olderFiles;
        readFrom.push_back(oldFile);
        const auto conflict = CheckBeforeRewrite(path, note.m_strKey, dtReadModified, readFrom);
        if (conflict != SStoreResult::EConflict::none) {
            // Someone else's version stays, and the store takes it.
            const SNoteFile onDisk{DirectoryOf(path), FileNameOf(path), {}};
            CNoteRecord rec;
            SFileStamp diskStamp;
            const bool bItsOwnFile = oldFile.Exists() && SameFile(oldFile, onDisk);
            switch (ReadStampedNote(path, rec, diskStamp)) {
            case ReadResult::ok:
                m_pImpl->DetachFile(oldKey, onDisk);
                // Taken in where the note was listed from; a file of a folder
                // the store does not hold is not brought into it.
                if (bItsOwnFile || SameDirectory(onDisk.strDir, m_pImpl->loadedDir))
                    m_pImpl->AttachFile(rec, SNoteFile{onDisk.strDir, onDisk.strName, diskStamp});
                break;
            case ReadResult::unreadable:
                m_pImpl->DetachFile(oldKey, onDisk);
                break;
            case ReadResult::damaged:
                break; // being written: read once it is whole
            }
            SStoreResult copy = SaveConflictCopy(note);
            copy.eConflict = conflict;
            copy.strConflictOf = oldKey;
            return copy;
        }
        written = WriteNote(note, path, &stamp);
    } else {
        // The key came from a file's contents and cannot name a file: the
        // note moves to a fresh key instead.
        written = CreateNoteFile(note, path, 10, &stamp);
    }
    if (!written) {
        // Listed as changed until the folder is loaded again, still tied to
        // the files it came from.
        ReportSaveFailed();
        note.m_strKey = oldKey;
        SImpl::SNode& node = m_pImpl->Insert(note);
        m_pImpl->SetOlder(node, std::move(olderFiles));
        m_pImpl->SetFile(node, std::move(oldFile));
        return {false, note.m_strKey, written.strError};
    }
    if (note.m_strKey != oldKey)
        m_pImpl->Remove(oldKey);
    // The files this note was read from in this folder are older copies now;
    // one that someone else has changed since is no copy and stays.
    const SNoteFile newFile{DirectoryOf(path), FileNameOf(path), stamp};
    olderFiles.push_back(oldFile);
    std::vector<SNoteFile> kept;
    for (const SNoteFile& f : olderFiles) {
        if (!f.Exists() || f.strName == newFile.strName || !SameDirectory(f.strDir, newFile.strDir))
            continue;
        const EFileCheck check = CheckFileStamp(f.Path(), f.stamp, nMaxNoteFile);
        if (check == EFileCheck::changed || (check == EFileCheck::same && !RemoveFile(f.Path())))
            kept.push_back(f);
    }
    SImpl::SNode& node = m_pImpl->Insert(note);
    m_pImpl->SetOlder(node, std::move(kept));
    m_pImpl->SetFile(node, newFile);
    return {true, note.m_strKey, {}};
}

SStoreResult CNoteStore::SaveConflictCopy(CNoteRecord note)
{
    const std::string strOf = note.m_strKey;
    note.m_strTitle += " (conflict copy)";
    note.m_dtModified = CDateTime::GetCurrentTime();
    note.m_nModifiedAt = 0;
    std::string path;
    SFileStamp stamp;
    // Never under the key of the note it is a copy of, even when that one
    // is gone: a sync would take it for that note come back.
    const SFileResult written = CreateNoteFile(note, path, 10, &stamp, strOf);
    SImpl::SNode& node = m_pImpl->Insert(note);
    m_pImpl->SetOlder(node, {});
    m_pImpl->SetFile(node, written ? SNoteFile{DirectoryOf(path), FileNameOf(path), stamp} : SNoteFile{});
    if (!written)
        ReportSaveFailed();
    return {written.bOk, note.m_strKey, written.strError};
}

SStoreResult::EConflict CNoteStore::CheckBeforeRewrite(const std::string& strPath, const std::string& strKey,
                                                       const CDateTime& dtReadModified,
                                                       const std::vector<SNoteFile>& readFrom) const
{
    const SNoteFile target{DirectoryOf(strPath), FileNameOf(strPath), {}};
    for (const SNoteFile& f : readFrom) {
        if (!f.Exists() || !SameFile(f, target))
            continue;
        switch (CheckFileStamp(strPath, f.stamp, nMaxNoteFile)) {
        case EFileCheck::same:
            return SStoreResult::EConflict::none;
        case EFileCheck::changed:
            return SStoreResult::EConflict::changedOnDisk;
        case EFileCheck::gone:
            return SStoreResult::EConflict::deletedOnDisk;
        }
    }
    // A file this store never read (the note came from another folder's
    // load, or from elsewhere): only the version the note was read as may
    // be replaced, known by its key and modification time.
    struct stat st
    {};
    if (::lstat(strPath.c_str(), &st) != 0 ? errno == ENOENT : S_ISDIR(st.st_mode))
        return SStoreResult::EConflict::none; // nothing to keep; a directory fails the write
    CNoteRecord onDisk;
    if (ReadNoteFile(strPath, onDisk) == ReadResult::ok && onDisk.m_strKey == strKey &&
        onDisk.m_dtModified == dtReadModified)
        return SStoreResult::EConflict::none;
    return SStoreResult::EConflict::changedOnDisk;
}

SStoreResult CNoteStore::DeleteNote(const CNoteRecord& note)
{
    std::vector<SNoteFile> files;
    // Whether files[0] is the file the note's record came from.
    bool bOwnFirst = true;
    if (const SImpl::SNode* pNode = m_pImpl->Find(note.m_strKey)) {
        bOwnFirst = m_pImpl->HasFile(*pNode);
        if (bOwnFirst)
            files.push_back(m_pImpl->File(*pNode));
        const std::vector<SNoteFile>& older = m_pImpl->Older(*pNode);
        files.insert(files.end(), older.begin(), older.end());
    }
    const bool bFilesHere = std::any_of(files.begin(), files.end(), [&](const SNoteFile& f) {
        return SameDirectory(f.strDir, m_app.m_strCurrentFolder);
    });
    if (!bFilesHere) {
        // A note with no file known in the current folder (its write failed,
        // the store holds it from another folder, or not at all) goes by its
        // key's file name there, when the key can name a file.
        files.clear();
        bOwnFirst = true;
        if (IsPlainNoteKey(note.m_strKey) && !m_app.m_strCurrentFolder.empty())
            files.push_back({m_app.m_strCurrentFolder, KeyFileName(note.m_strKey)});
    }
    for (size_t i = 0; i < files.size(); ++i) {
        const SNoteFile& f = files[i];
        if (!SameDirectory(f.strDir, m_app.m_strCurrentFolder))
            continue;
        // A version nobody here has seen is not deleted with the note.
        const auto conflict = CheckBeforeRewrite(f.Path(), note.m_strKey, note.m_dtModified,
                                                 bFilesHere ? files : std::vector<SNoteFile>());
        if (conflict == SStoreResult::EConflict::deletedOnDisk)
            continue;
        if (conflict == SStoreResult::EConflict::changedOnDisk) {
            if (i > 0 || !bOwnFirst)
                continue; // an older copy that someone changed is theirs
            CNoteRecord rec;
            SFileStamp stamp;
            if (ReadStampedNote(f.Path(), rec, stamp) == ReadResult::ok && rec.m_strKey == note.m_strKey)
                m_pImpl->AttachFile(rec, SNoteFile{f.strDir, f.strName, stamp});
            SStoreResult kept{false, note.m_strKey,
                              "The note was not deleted: \"" + f.Path() +
                                  "\" was changed by another program after it was read."};
            kept.eConflict = conflict;
            kept.strConflictOf = note.m_strKey;
            return kept;
        }
        const SFileResult removed = RemoveFile(f.Path());
        if (!removed) {
            if (m_pReporter)
                m_pReporter->ReportError(removed.strError);
            return {false, note.m_strKey, removed.strError};
        }
    }
    m_pImpl->Remove(note.m_strKey);
    return {true, note.m_strKey, {}};
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
    m_pImpl->Walk([&](const SImpl::SNode& n) { f(*n.rec); });
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
    const std::string path = m_app.GetNoteFilePath(note);
    // An empty key still names a file of the folder ("QB_.qbt").
    if (!note.m_strKey.empty() && !IsPlainNoteKey(note.m_strKey)) {
        ReportSaveFailed();
        return path;
    }
    if (!WriteNote(note, path))
        ReportSaveFailed();
    return path;
}

SFileResult CNoteStore::WriteNote(const CNoteRecord& note, const std::string& strPath, SFileStamp* pStamp)
{
    const std::string bytes = NoteFileBytes(note);
    SFileResult result = WriteFileAtomically(strPath, bytes);
    if (result && pStamp)
        *pStamp = StampWrittenFile(strPath, bytes);
    return result;
}

SFileResult CNoteStore::CreateNoteFile(CNoteRecord& note, std::string& strPath, int nFirstCounter, SFileStamp* pStamp,
                                       const std::string& strAvoidKey)
{
    // One clock reading; a key taken by a note of the store or by a file of
    // the folder, now or by another writer at this very moment, moves on to
    // the next counter.
    const CDateTime now = CDateTime::GetCurrentTime();
    SFileResult result;
    for (int counter = nFirstCounter; counter < nFirstCounter + 100000; ++counter) {
        note.m_strKey = MakeNoteKey(now, counter);
        if (HasNote(note.m_strKey) || note.m_strKey == strAvoidKey)
            continue;
        strPath = m_app.GetNoteFilePath(note);
        bool bExists = false;
        const std::string bytes = NoteFileBytes(note);
        result = CreateFileExclusively(strPath, bytes, bExists);
        if (result && pStamp)
            *pStamp = StampWrittenFile(strPath, bytes);
        if (!bExists)
            return result;
    }
    return result;
}

void CNoteStore::ReportSaveFailed()
{
    if (m_pReporter)
        m_pReporter->ReportError(CAppContext::LoadStringResource(IDP_SAVE_FAILED));
}

void CNoteStore::RemoveStaleTempFiles()
{
    for (const std::string& path : m_pImpl->staleTemps)
        RemoveStaleTempFile(path);
    m_pImpl->staleTemps.clear();
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
