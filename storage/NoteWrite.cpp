#include "NoteStore.h"

#include "AppContext.h"
#include "ErrorReporter.h"
#include "FolderLock.h"
#include "NoteStoreImpl.h"
#include "Resources.h"
#include "Trash.h"

#include <algorithm>
#include <cerrno>
#include <random>
#include <vector>

#include <sys/stat.h>

using namespace note_store;

namespace
{
// A store that holds no folder has nowhere to write; never the root directory.
const char* const pszNoFolder = "No folder is open to save the note in.";
// A record whose text the store keeps aside, passed on as it was given: its
// file would lose the text.
const char* const pszNotesAside = "The note's text was not read, so the note was not saved.";

// Every machine counting from the same number gives notes added there in the
// same second the same file name, and a sync tool keeps only one of them.
int RandomFirstCounter()
{
    thread_local std::mt19937 engine{std::random_device{}()};
    return std::uniform_int_distribution<int>(10, 99999)(engine);
}
} // namespace

SStoreResult CNoteStore::AddNote(CNoteRecord note, int nFirstCounter)
{
    if (const char* pszWhy = WhyUnwritable(note))
        return Refused(note.m_strKey, pszWhy);
    RemoveStaleTempFiles();
    note.m_dtCreated = CDateTime::GetCurrentTime();
    std::string path;
    SFileStamp stamp;
    SFileResult written;
    {
        CFolderLock lock(GetLoadedFolder());
        written = CreateNoteFile(note, path, nFirstCounter, &stamp);
    }
    SImpl::SNode& node = m_pImpl->Insert(note);
    m_pImpl->SetOlder(node, {});
    m_pImpl->SetFile(node, written ? SNoteFile{DirectoryOf(path), FileNameOf(path), stamp} : SNoteFile{});
    if (!written)
        ReportSaveFailed();
    return {written.bOk, note.m_strKey, written.strError};
}

SStoreResult CNoteStore::UpdateNote(CNoteRecord note)
{
    if (const char* pszWhy = WhyUnwritable(note))
        return Refused(note.m_strKey, pszWhy);
    RemoveStaleTempFiles();
    SStoreResult result;
    {
        CFolderLock lock(GetLoadedFolder());
        result = UpdateLocked(std::move(note));
    }
    // The user may take a while over the message: the folder is free by now.
    if (!result)
        ReportSaveFailed();
    return result;
}

SStoreResult CNoteStore::UpdateLocked(CNoteRecord note)
{
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
        path = CAppContext::GetNoteFilePath(GetLoadedFolder(), note);
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
            SStoreResult copy = SaveConflictCopyLocked(note);
            copy.eConflict = conflict;
            copy.strConflictOf = oldKey;
            return copy;
        }
        written = WriteNote(note, path, &stamp);
    } else {
        // The key came from a file's contents and cannot name a file: the
        // note moves to a fresh key instead.
        written = CreateNoteFile(note, path, nRandomCounter, &stamp);
    }
    if (!written) {
        // Listed as changed until the folder is loaded again, still tied to
        // the files it came from.
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
    if (const char* pszWhy = WhyUnwritable(note))
        return Refused(note.m_strKey, pszWhy);
    SStoreResult result;
    {
        CFolderLock lock(GetLoadedFolder());
        result = SaveConflictCopyLocked(std::move(note));
    }
    if (!result)
        ReportSaveFailed();
    return result;
}

SStoreResult CNoteStore::SaveConflictCopyLocked(CNoteRecord note)
{
    const std::string strOf = note.m_strKey;
    note.m_strTitle += " (conflict copy)";
    note.m_dtModified = CDateTime::GetCurrentTime();
    note.m_nModifiedAt = 0;
    std::string path;
    SFileStamp stamp;
    // Never under the key of the note it is a copy of, even when that one
    // is gone: a sync would take it for that note come back.
    const SFileResult written = CreateNoteFile(note, path, nRandomCounter, &stamp, strOf);
    SImpl::SNode& node = m_pImpl->Insert(note);
    m_pImpl->SetOlder(node, {});
    m_pImpl->SetFile(node, written ? SNoteFile{DirectoryOf(path), FileNameOf(path), stamp} : SNoteFile{});
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

SStoreResult CNoteStore::DeleteNote(const CNoteRecord& note, EDelete how)
{
    if (GetLoadedFolder().empty())
        return Refused(note.m_strKey, pszNoFolder);
    SStoreResult result;
    {
        CFolderLock lock(GetLoadedFolder());
        result = DeleteLocked(note, how);
    }
    // A note someone else changed is kept, and the result says so: no error.
    // Nor is a full or missing trash one: the caller asks what to do instead.
    if (!result && result.eConflict == SStoreResult::EConflict::none && !result.bTrashRefused && m_pReporter)
        m_pReporter->ReportError(result.strError);
    return result;
}

SStoreResult CNoteStore::DeleteLocked(const CNoteRecord& note, EDelete how)
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
    const bool bFilesHere = std::any_of(files.begin(), files.end(),
                                        [&](const SNoteFile& f) { return SameDirectory(f.strDir, GetLoadedFolder()); });
    if (!bFilesHere) {
        // A note with no file known in the current folder (its write failed,
        // the store holds it from another folder, or not at all) goes by its
        // key's file name there, when the key can name a file.
        files.clear();
        bOwnFirst = true;
        if (IsPlainNoteKey(note.m_strKey) && !GetLoadedFolder().empty())
            files.push_back({GetLoadedFolder(), KeyFileName(note.m_strKey)});
    }
    for (size_t i = 0; i < files.size(); ++i) {
        const SNoteFile& f = files[i];
        if (!SameDirectory(f.strDir, GetLoadedFolder()))
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
        if (how == EDelete::toTrash) {
            const SFileResult trashed = MoveFileToTrash(f.Path());
            if (!trashed) {
                SStoreResult refused{false, note.m_strKey, trashed.strError};
                refused.bTrashRefused = true;
                return refused;
            }
            continue;
        }
        const SFileResult removed = RemoveFile(f.Path());
        if (!removed)
            return {false, note.m_strKey, removed.strError};
    }
    m_pImpl->Remove(note.m_strKey);
    return {true, note.m_strKey, {}};
}

SFileResult CNoteStore::WriteNote(const CNoteRecord& note, const std::string& strPath, SFileStamp* pStamp)
{
    if (note.m_bNotesAside)
        return SFileResult::Failed(pszNotesAside);
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
    if (note.m_bNotesAside)
        return SFileResult::Failed(pszNotesAside);
    const CDateTime now = CDateTime::GetCurrentTime();
    if (nFirstCounter < 0)
        nFirstCounter = RandomFirstCounter();
    SFileResult result;
    for (int counter = nFirstCounter; counter < nFirstCounter + 100000; ++counter) {
        note.m_strKey = MakeNoteKey(now, counter);
        if (HasNote(note.m_strKey) || note.m_strKey == strAvoidKey)
            continue;
        strPath = CAppContext::GetNoteFilePath(GetLoadedFolder(), note);
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

const char* CNoteStore::WhyUnwritable(const CNoteRecord& note) const
{
    if (GetLoadedFolder().empty())
        return pszNoFolder;
    return note.m_bNotesAside ? pszNotesAside : nullptr;
}

SStoreResult CNoteStore::Refused(const std::string& strKey, const char* pszWhy)
{
    if (m_pReporter)
        m_pReporter->ReportError(pszWhy);
    return {false, strKey, pszWhy};
}

void CNoteStore::ReportSaveFailed()
{
    if (m_pReporter)
        m_pReporter->ReportError(CAppContext::LoadStringResource(QuillboxResources::IDP_SAVE_FAILED));
}

void CNoteStore::RemoveStaleTempFiles()
{
    for (const std::string& path : m_pImpl->staleTemps)
        RemoveStaleTempFile(path);
    m_pImpl->staleTemps.clear();
}
