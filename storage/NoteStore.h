#pragma once

#include "FileIo.h"
#include "NoteRecord.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CAppContext;
class IErrorReporter;
class INoteRowSink;
namespace note_store
{
struct SReadEntry;
struct SFolderScan;
}

// What AddNote, UpdateNote and DeleteNote did: true only when the file was
// written (or deleted); the note's key, which a write may have changed; and
// the reason when it failed, naming the file.
struct SStoreResult
{
    SStoreResult() = default;
    SStoreResult(bool bOkIn, std::string strKeyIn = {}, std::string strErrorIn = {})
        : bOk(bOkIn), strKey(std::move(strKeyIn)), strError(std::move(strErrorIn))
    {}

    bool bOk = true;
    std::string strKey;
    std::string strError;
    // Set when the note's file had been changed or deleted by someone else
    // since it was read: that file was left as it is, and this version was
    // saved as a new note, under strKey, with " (conflict copy)" in its
    // title. strConflictOf is the key of the note whose file was kept.
    enum class EConflict { none, changedOnDisk, deletedOnDisk };
    EConflict eConflict = EConflict::none;
    std::string strConflictOf;
    // Set when the desktop's trash could not take the note's file (a file
    // system without a trash directory): nothing more was deleted.
    bool bTrashRefused = false;

    explicit operator bool() const { return bOk; }
};

// The file a note was read from or last written to. A note has none until
// it is written. Kept per note so that a change or a deletion acts on that
// very file, and with its stamp so that a rewrite never replaces a version
// nobody has seen.
struct SNoteFile
{
    SNoteFile() = default;
    SNoteFile(std::string strDirIn, std::string strNameIn, SFileStamp stampIn = {})
        : strDir(std::move(strDirIn)), strName(std::move(strNameIn)), stamp(stampIn)
    {}

    std::string strDir;
    std::string strName;
    SFileStamp stamp;

    bool Exists() const { return !strName.empty(); }
    std::string Path() const { return strDir + "/" + strName; }
};

// What RefreshFolder found: the keys of the notes added, changed and removed
// on disk since the folder was read, and every note file of the folder that
// is damaged now (a file still being written is read again at its next change).
struct SFolderChanges
{
    std::vector<std::string> added;
    std::vector<std::string> changed;
    std::vector<std::string> removed;
    std::vector<std::string> damaged;

    bool Any() const { return !added.empty() || !changed.empty() || !removed.empty(); }
};

// A key that can name a file directly inside a folder: not empty, no path
// separator, no "..", no NUL or other control character, not too long. A
// note whose key is not is still loaded and shown, but its key is never used
// as a path: it is written under a fresh key.
bool IsPlainNoteKey(const std::string& strKey);

// The notes of one folder, in memory. The only component that touches note
// files: it reads the directory it is given and writes into that directory
// only (a store that holds no folder writes nothing); a change or a deletion
// also removes the file the note was read from. A search of another folder
// reads it into a store of its own.
//
// Enumeration follows 17 hash buckets in ascending order, newest entry first
// within a bucket; lists are filled in that order. Lookups and inserts are
// O(1) on average whatever the number of notes.
class CNoteStore
{
public:
    CNoteStore(CAppContext& app, IErrorReporter* pReporter = nullptr);
    ~CNoteStore();
    CNoteStore(const CNoteStore&) = delete;
    CNoteStore& operator=(const CNoteStore&) = delete;

    void SetErrorReporter(IErrorReporter* pReporter) { m_pReporter = pReporter; }

    // Replaces the content with the notes of that directory; an empty path only
    // empties the store. Only regular files are read (or symlinks to regular
    // files inside the folder), and none can block the load. Returns the files
    // that were skipped because they are damaged; they are left untouched.
    std::vector<std::string> LoadFolder(const std::string& strPath);
    void ClearNotes();
    // Reads again only the note files of the loaded folder whose name, size
    // or times changed since they were read, and follows files added and
    // removed. Others may write into the folder at any time (a sync tool).
    SFolderChanges RefreshFolder();
    // Fills the store from the folder's index and returns true when it has
    // one to trust (CAppContext::m_strIndexDir): the notes as they were when
    // it was written, each with its file's stamp of then, so a write never
    // replaces a file changed since. A check (RefreshFolder, or the scan
    // below) then brings them up to date. False, the store untouched, when
    // there is no such index: LoadFolder reads the files.
    bool LoadFolderIndex(const std::string& strPath);
    // LoadFolderIndex and RefreshFolder when the folder has an index,
    // LoadFolder when not: the same notes as LoadFolder, read faster.
    std::vector<std::string> LoadFolderChecked(const std::string& strPath);
    // RefreshFolder in three steps, so that the slow middle one can run on
    // another thread: PrepareScan, RunScan (lists the directory and takes
    // the status of every note file; touches no store) and ApplyScan (reads
    // the files whose status differs and takes them in, as RefreshFolder
    // does). A scan of a store that changed since it was prepared is not
    // trusted: ApplyScan then refreshes afresh.
    std::shared_ptr<note_store::SFolderScan> PrepareScan() const;
    static void RunScan(note_store::SFolderScan& scan);
    SFolderChanges ApplyScan(const note_store::SFolderScan& scan);
    // Frees the listing a scan holds, once applied: a big folder's is many
    // megabytes, which ReleaseFreeMemory can then give back.
    static void ClearScan(note_store::SFolderScan& scan);
    // Writes the loaded folder's index from the notes as they are now, on a
    // thread of its own; nothing without an index directory. A failure is
    // not reported: the next load reads the files.
    void WriteFolderIndex();
    // Returns once the index writes in progress are done.
    void WaitForFolderIndex();
    // The order a notes list shows the notes in, under an id that names its
    // sort and collation, kept with the notes and in the folder's index: a
    // list of the same id takes its rows in that order from the next load,
    // and has only to see that they are in order instead of sorting them.
    // A note changed since has no place; records not of this store are
    // passed over.
    void SetListOrder(const std::string& strOrderId, const std::vector<const CNoteRecord*>& order) const;
    // The store's records in the order of that id, when every note has its
    // place; false, ordered empty, when not.
    bool GetListOrder(const std::string& strOrderId, std::vector<std::shared_ptr<const CNoteRecord>>& ordered) const;
    // An order was given since the folder's index was last written or read.
    bool ListOrderUnsaved() const;
    // Gives the memory that loads and checks freed back to the system: the
    // C library would keep it, and a big folder frees many megabytes.
    static void ReleaseFreeMemory();
    // The directory LoadFolder last read; empty when none.
    const std::string& GetLoadedFolder() const;

    // A copy of the record under the key, its text in it, or a Reset record
    // with an empty key. Only when the text cannot be read (see
    // ReadNotesText) does the copy still hold it aside.
    CNoteRecord GetNote(const std::string& strKey) const;
    // The store's own record under the key, which a holder may keep (the
    // store never changes it); nullptr when there is none. O(1). A note
    // listed from the folder's index holds its text aside in it
    // (m_bNotesAside) until its file is read again.
    std::shared_ptr<const CNoteRecord> GetShared(const std::string& strKey) const;
    // Puts the text into a record of this store that holds it aside: from
    // the folder's index, or from the note's file while that is as it was
    // listed. False, the record left as it was, when neither gives it (the
    // record is no longer the store's, the index and the file changed).
    bool ReadNotesText(CNoteRecord& note) const;
    // The record's text, read when it holds it aside; empty when it cannot be.
    std::string NotesText(const CNoteRecord& note) const;
    // Whether the note's title, comments, keywords or text contain the
    // upper-case text, as the search finds it; its text read when aside.
    bool MatchesText(const CNoteRecord& note, std::string_view upperNeedle) const;
    bool HasNote(const std::string& strKey) const;
    int GetCount() const;

    // Gives the note a new key that no note of the store or file of the current
    // folder has, stamps its creation time, creates its file (never replacing
    // one, whoever writes into the folder at the same time) and inserts it.
    // A failed write is reported; the note is still inserted, and listed until
    // the folder is loaded again.
    // The key's counter starts at nFirstCounter and moves on past keys in use;
    // by default it starts anywhere from 10 to 99999, so that machines adding
    // notes to one synced folder in the same second rarely meet.
    static constexpr int nRandomCounter = -1;
    SStoreResult AddNote(CNoteRecord note, int nFirstCounter = nRandomCounter);
    // Stamps the modification time, writes the file, inserts or replaces. A
    // key that is not plain is replaced by a fresh one first. Once the file is
    // written, other files the note was read from in that folder are removed,
    // so an older copy cannot come back at the next load.
    // The file is only rewritten while it is the one the note was read from
    // (or last written): when someone else changed, replaced or deleted it,
    // it stays as it is, the store takes the version on disk, and this
    // version is saved by SaveConflictCopy; the result says so.
    SStoreResult UpdateNote(CNoteRecord note);
    // Saves the note as a new note under a fresh key, in a new file that
    // replaces none, its title followed by " (conflict copy)".
    SStoreResult SaveConflictCopy(CNoteRecord note);
    // Removes the files the note was read from, then its entry. False, with
    // the entry kept and the error reported, when a file could not be deleted.
    // False too when someone else changed the note's file since it was read:
    // then nothing is deleted, the store takes the version on disk, and the
    // result says so (not reported). An older copy someone changed stays.
    // toTrash moves the files to the desktop's trash, where a file manager
    // can restore them; when the trash cannot take one, the result says so
    // (not reported) and the rest stays.
    enum class EDelete { permanently, toTrash };
    SStoreResult DeleteNote(const CNoteRecord& note, EDelete how = EDelete::permanently);
    // The file the note under the key came from; none when it has no file.
    SNoteFile GetNoteFile(const std::string& strKey) const;

    void FillNotesList(INoteRowSink& list) const;
    static void InsertNoteRow(INoteRowSink& list, std::unique_ptr<CNoteRecord> pNote);
    void SearchNotes(INoteRowSink& results, bool bKeywordsOnly, const std::string& strText) const;
    // Calls f with the store's own record (the one GetShared gives) of every
    // note whose title, comments, keywords or text (the keywords alone with
    // the flag) contain the text in any letter case, in enumeration order;
    // none for an empty text.
    void FindNotes(bool bKeywordsOnly, const std::string& strText,
                   const std::function<void(const CNoteRecord&)>& f) const;

    // Writes the record to its file in the current folder and returns the file
    // name, whether or not the write succeeded (a failure is reported). A key
    // that would reach outside the folder is refused.
    std::string WriteNoteFile(const CNoteRecord& note);

    // The bytes of a note file.
    std::string NoteFileBytes(const CNoteRecord& note) const;

    enum class ReadResult { ok, unreadable, damaged };
    // Reads one note file; anything but a regular file is unreadable.
    static ReadResult ReadNoteFile(const std::string& strPath, CNoteRecord& note);
    // The record from a note file's bytes; false when they end early.
    static bool ParseNoteFile(std::string_view data, CNoteRecord& note);

    // Calls f(record) for every note in enumeration order, its text in it.
    void ForEach(const std::function<void(const CNoteRecord&)>& f) const;
    // The same with the store's own record, which a holder may keep: the
    // store never changes it, a change of the note makes a new one.
    void ForEachShared(const std::function<void(const std::shared_ptr<const CNoteRecord>&)>& f) const;

    // hash = hash * 33 + c over the key's bytes taken as signed, in 32 bits;
    // the bucket is hash % nBuckets.
    static uint32_t BucketHash(const std::string& strKey);
    static constexpr unsigned nBuckets = 17;

private:
    CAppContext& m_app;
    IErrorReporter* m_pReporter;

    SFileResult WriteNote(const CNoteRecord& note, const std::string& strPath, SFileStamp* pStamp = nullptr);
    // Creates the note's file under the first free key of this second.
    // strAvoidKey is not taken either (the note a conflict copy is of).
    SFileResult CreateNoteFile(CNoteRecord& note, std::string& strPath, int nFirstCounter = nRandomCounter,
                               SFileStamp* pStamp = nullptr, const std::string& strAvoidKey = {});
    // Whether strPath may be rewritten with a change of the note read from
    // the files given: none when it is still as read (or never existed).
    SStoreResult::EConflict CheckBeforeRewrite(const std::string& strPath, const std::string& strKey,
                                               const CDateTime& dtReadModified,
                                               const std::vector<SNoteFile>& readFrom) const;
    // The writes themselves, under the folder's lock, which the public
    // functions take once per call and let go before reporting anything.
    SStoreResult UpdateLocked(CNoteRecord note);
    SStoreResult SaveConflictCopyLocked(CNoteRecord note);
    SStoreResult DeleteLocked(const CNoteRecord& note, EDelete how);
    void ReportSaveFailed();
    // Why the note cannot be written at all (no folder, its text aside);
    // nullptr when it can.
    const char* WhyUnwritable(const CNoteRecord& note) const;
    // The failure of a write refused before any file was touched.
    SStoreResult Refused(const std::string& strKey, const char* pszWhy);
    void RemoveStaleTempFiles();
    // The part of RefreshFolder after the listing.
    SFolderChanges TakeScan(const note_store::SFolderScan& scan);
    // A note file read by LoadFolder joins the store.
    void TakeLoadedFile(note_store::SReadEntry& read);

    struct SImpl;
    std::unique_ptr<SImpl> m_pImpl;
};
