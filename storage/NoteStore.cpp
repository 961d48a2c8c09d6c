#include "NoteStore.h"

#include "AppContext.h"
#include "Archive.h"
#include "AtomicFile.h"
#include "ErrorReporter.h"
#include "NoteRowSink.h"
#include "TextMatch.h"


#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unordered_map>
#include <vector>

namespace fs = std::filesystem;

namespace
{
constexpr unsigned IDP_SAVE_FAILED = 61463;
constexpr const char* pszSearchEmpty = "Search is complete. There are no resuls to display.";
constexpr size_t nMaxNoteFile = size_t(1) << 31;

struct SNode
{
    // Upper-case copies of title, comments, keywords and notes, each ended by
    // a zero byte, in one buffer so that a search touches one block per note.
    std::string upper;
    uint32_t keywordsBegin = 0;
    uint32_t keywordsEnd = 0;
    CNoteRecord rec;
    SNode* prev = nullptr;
    SNode* next = nullptr;
    unsigned bucket = 0;
};

bool ReadWholeFile(const std::string& path, std::string& data)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    data.clear();
    char buf[65536];
    size_t n;
    bool ok = true;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        if (data.size() + n > nMaxNoteFile) {
            ok = false;
            break;
        }
        data.append(buf, n);
    }
    ok = ok && !std::ferror(f);
    std::fclose(f);
    return ok;
}
}

struct CNoteStore::SImpl
{
    // Each bucket chain runs newest first; the map finds a node in O(1).
    std::array<SNode*, nBuckets> heads{};
    std::unordered_map<std::string, std::unique_ptr<SNode>> index;

    // Every note's upper-case text in enumeration order, one zero byte
    // between notes, made again on the first search after a change: a search
    // then scans contiguous memory instead of chasing nodes.
    struct SCorpus
    {
        std::string text;
        std::vector<size_t> starts;
        std::vector<const SNode*> nodes;
        bool valid = false;
    };
    mutable SCorpus corpus;

    const SCorpus& Corpus() const
    {
        if (!corpus.valid) {
            size_t size = 0;
            Walk([&](const SNode& n) { size += n.upper.size() + 1; });
            corpus.text.clear();
            corpus.text.reserve(size);
            corpus.starts.clear();
            corpus.nodes.clear();
            Walk([&](const SNode& n) {
                corpus.starts.push_back(corpus.text.size());
                corpus.nodes.push_back(&n);
                corpus.text += n.upper;
                corpus.text += '\0';
            });
            corpus.valid = true;
        }
        return corpus;
    }

    void Clear()
    {
        heads.fill(nullptr);
        index.clear();
        corpus = SCorpus();
    }

    void Insert(const CNoteRecord& note)
    {
        corpus.valid = false;
        auto it = index.find(note.m_strKey);
        SNode* node = nullptr;
        if (it != index.end()) {
            node = it->second.get(); // replacing keeps the entry where it is
        } else {
            auto owned = std::make_unique<SNode>();
            node = owned.get();
            node->bucket = HashKey(note.m_strKey) % nBuckets;
            node->next = heads[node->bucket];
            if (node->next)
                node->next->prev = node;
            heads[node->bucket] = node;
            index.emplace(note.m_strKey, std::move(owned));
        }
        node->rec = note;
        node->upper = UpperCaseText(note.m_strTitle);
        node->upper += '\0';
        node->upper += UpperCaseText(note.m_strComments);
        node->upper += '\0';
        node->keywordsBegin = static_cast<uint32_t>(node->upper.size());
        node->upper += UpperCaseText(note.m_strKeywords);
        node->keywordsEnd = static_cast<uint32_t>(node->upper.size());
        node->upper += '\0';
        node->upper += UpperCaseText(note.m_strNotes);
    }

    void Remove(const std::string& key)
    {
        corpus.valid = false;
        auto it = index.find(key);
        if (it == index.end())
            return;
        SNode* node = it->second.get();
        if (node->prev)
            node->prev->next = node->next;
        else
            heads[node->bucket] = node->next;
        if (node->next)
            node->next->prev = node->prev;
        index.erase(it);
    }

    template <class F> void Walk(F&& f) const
    {
        for (const SNode* head : heads)
            for (const SNode* n = head; n; n = n->next)
                f(*n);
    }
};

CNoteStore::CNoteStore(CAppContext& app, IErrorReporter* pReporter)
    : m_app(app), m_pReporter(pReporter), m_pImpl(std::make_unique<SImpl>())
{
}

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
    std::error_code ec;
    fs::directory_iterator it(fs::path(strPath), ec), end;
    if (ec)
        return skipped;
    for (; it != end; it.increment(ec)) {
        if (ec)
            break;
        const fs::path& p = it->path();
        if (p.extension() != ".qbt" || it->is_directory(ec))
            continue;
        CNoteRecord note;
        const std::string file = p.string();
        switch (ReadNoteFile(file, note)) {
        case ReadResult::ok: m_pImpl->Insert(note); break;
        case ReadResult::damaged: skipped.push_back(file); break;
        case ReadResult::unreadable: break;
        }
    }
    return skipped;
}

void CNoteStore::ClearNotes()
{
    m_pImpl->Clear();
}

CNoteRecord CNoteStore::GetNote(const std::string& strKey) const
{
    const auto it = m_pImpl->index.find(strKey);
    return it == m_pImpl->index.end() ? CNoteRecord() : it->second->rec;
}

bool CNoteStore::HasNote(const std::string& strKey) const
{
    return m_pImpl->index.count(strKey) != 0;
}

int CNoteStore::GetCount() const
{
    return static_cast<int>(m_pImpl->index.size());
}

std::string CNoteStore::AddNote(CNoteRecord note, int nFirstCounter)
{
    // One clock reading; a key already taken moves on to the next counter.
    const CDateTime now = CDateTime::GetCurrentTime();
    for (int counter = nFirstCounter;; ++counter) {
        note.m_strKey = MakeNoteKey(now, counter);
        std::error_code ec;
        if (!HasNote(note.m_strKey) && !fs::exists(fs::path(m_app.GetNoteFilePath(note)), ec))
            break;
    }
    note.m_dtCreated = now;
    WriteNoteFile(note);
    m_pImpl->Insert(note);
    return note.m_strKey;
}

bool CNoteStore::UpdateNote(CNoteRecord note)
{
    note.m_dtModified = CDateTime::GetCurrentTime();
    note.m_nModifiedAt = 0;
    WriteNoteFile(note);
    m_pImpl->Insert(note);
    return true;
}

bool CNoteStore::DeleteNote(const CNoteRecord& note)
{
    const fs::path file(m_app.GetNoteFilePath(note));
    std::error_code ec;
    // A note whose write had failed has no file; it only leaves the store.
    if (fs::exists(fs::symlink_status(file, ec)) && !fs::remove(file, ec)) {
        if (m_pReporter)
            m_pReporter->ReportError("Unable to delete the note file \"" + file.string() + "\": " + ec.message()
                                     + ".");
        return false;
    }
    m_pImpl->Remove(note.m_strKey);
    return true;
}

void CNoteStore::FillNotesList(INoteRowSink& list) const
{
    list.DeleteAllRows();
    m_pImpl->Walk([&](const SNode& n) { InsertNoteRow(list, std::make_unique<CNoteRecord>(n.rec)); });
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

void CNoteStore::SearchNotes(INoteRowSink& results, bool bKeywordsOnly, const std::string& strText) const
{
    results.DeleteAllRows();
    if (!strText.empty()) {
        const std::string needle = UpperCaseText(strText);
        // The zero bytes between the fields keep a match inside one field.
        const bool bWhole = needle.find('\0') == std::string::npos;
        if (bWhole && !bKeywordsOnly) {
            // One pass over all the text; a hit names its note, and the scan
            // goes on at the next note.
            const SImpl::SCorpus& corpus = m_pImpl->Corpus();
            const char* pBase = corpus.text.data();
            const size_t nSize = corpus.text.size();
            size_t pos = 0;
            while (pos < nSize) {
                const void* pHit = memmem(pBase + pos, nSize - pos, needle.data(), needle.size());
                if (!pHit)
                    break;
                const size_t offset = static_cast<size_t>(static_cast<const char*>(pHit) - pBase);
                const size_t i = static_cast<size_t>(
                    std::upper_bound(corpus.starts.begin(), corpus.starts.end(), offset) - corpus.starts.begin() - 1);
                InsertNoteRow(results, std::make_unique<CNoteRecord>(corpus.nodes[i]->rec));
                pos = i + 1 < corpus.starts.size() ? corpus.starts[i + 1] : nSize;
            }
        } else {
            m_pImpl->Walk([&](const SNode& n) {
                const std::string_view all(n.upper);
                const std::string_view keywords = all.substr(n.keywordsBegin, n.keywordsEnd - n.keywordsBegin);
                const bool match = bKeywordsOnly
                                       ? ContainsText(keywords, needle)
                                       : ContainsText(UpperCaseText(n.rec.m_strTitle), needle)
                                             || ContainsText(UpperCaseText(n.rec.m_strComments), needle)
                                             || ContainsText(keywords, needle)
                                             || ContainsText(UpperCaseText(n.rec.m_strNotes), needle);
                if (match)
                    InsertNoteRow(results, std::make_unique<CNoteRecord>(n.rec));
            });
        }
    }
    if (results.GetRowCount() == 0) {
        SNoteRow row;
        row.strTitle = pszSearchEmpty;
        row.nIcon = -1;
        results.AppendRow(row, nullptr);
    }
}

void CNoteStore::ForEach(const std::function<void(const CNoteRecord&)>& f) const
{
    m_pImpl->Walk([&](const SNode& n) { f(n.rec); });
}

std::string CNoteStore::WriteNoteFile(const CNoteRecord& note)
{
    const std::string path = m_app.GetNoteFilePath(note);
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

    m_bLastWriteOk = WriteFileAtomically(path, ar.Data());
    if (!m_bLastWriteOk && m_pReporter)
        m_pReporter->ReportError(CAppContext::LoadStringResource(IDP_SAVE_FAILED));
    return path;
}

CNoteStore::ReadResult CNoteStore::ReadNoteFile(const std::string& strPath, CNoteRecord& note)
{
    std::string data;
    if (!ReadWholeFile(strPath, data))
        return ReadResult::unreadable;
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
    return ar.Failed() ? ReadResult::damaged : ReadResult::ok;
}
