#pragma once

#include "NoteRecord.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CAppContext;
class IErrorReporter;
class INoteRowSink;

// The notes of one folder, in memory. The only component that touches note
// files: it reads from the directory it is given and writes and deletes in
// the context's m_strCurrentFolder.
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
    // empties the store. Returns the files that were skipped because they are
    // damaged; they are left untouched.
    std::vector<std::string> LoadFolder(const std::string& strPath);
    void ClearNotes();

    // A copy of the record under the key, or a Reset record with an empty key.
    CNoteRecord GetNote(const std::string& strKey) const;
    bool HasNote(const std::string& strKey) const;
    int GetCount() const;

    // Gives the note a new key that no note of the store or file of the current
    // folder has, stamps its creation time, writes its file and inserts it.
    // The key's counter starts at nFirstCounter and moves on past keys in use.
    std::string AddNote(CNoteRecord note, int nFirstCounter = 10);
    // Stamps the modification time, writes the file, inserts or replaces.
    bool UpdateNote(CNoteRecord note);
    // Removes the note's file, then its entry. False, with the entry kept and
    // the error reported, when an existing file could not be deleted.
    bool DeleteNote(const CNoteRecord& note);

    void FillNotesList(INoteRowSink& list) const;
    static void InsertNoteRow(INoteRowSink& list, std::unique_ptr<CNoteRecord> pNote);
    void SearchNotes(INoteRowSink& results, bool bKeywordsOnly, const std::string& strText) const;

    // Writes the record to its file in the current folder and returns the file
    // name, whether or not the write succeeded (a failure is reported).
    std::string WriteNoteFile(const CNoteRecord& note);
    // Whether the last WriteNoteFile succeeded.
    bool LastWriteSucceeded() const { return m_bLastWriteOk; }

    enum class ReadResult { ok, unreadable, damaged };
    static ReadResult ReadNoteFile(const std::string& strPath, CNoteRecord& note);

    // Calls f(record) for every note in enumeration order.
    void ForEach(const std::function<void(const CNoteRecord&)>& f) const;

    // hash = hash * 33 + c over the key's bytes taken as signed, in 32 bits;
    // the bucket is hash % nBuckets.
    static uint32_t HashKey(const std::string& strKey);
    static constexpr unsigned nBuckets = 17;

private:
    CAppContext& m_app;
    IErrorReporter* m_pReporter;
    bool m_bLastWriteOk = true;

    struct SImpl;
    std::unique_ptr<SImpl> m_pImpl;
};
