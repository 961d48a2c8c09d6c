#include "NoteStore.h"

#include "NoteRowSink.h"
#include "NoteStoreImpl.h"
#include "TextMatch.h"

#include <algorithm>
#include <cstring>

using namespace note_store;

namespace
{
constexpr const char* pszSearchEmpty = "Search is complete. There are no resuls to display.";

// A field of a note's upper-case text, from one end to the next.
std::string_view Field(std::string_view text, size_t begin, size_t end)
{
    begin = std::min(begin, text.size());
    return text.substr(begin, std::min(end, text.size()) - begin);
}
} // namespace

void CNoteStore::FindNotes(bool bKeywordsOnly, const std::string& strText,
                           const std::function<void(const CNoteRecord&)>& f) const
{
    if (strText.empty())
        return;
    const std::string needle = UpperCaseText(strText);
    const SCorpus& corpus = m_pImpl->Corpus();
    auto hit = [&](size_t i) { f(*corpus.entries[i].rec); };
    // The zero bytes between the fields keep a match inside one field.
    const bool bWhole = needle.find('\0') == std::string::npos;
    if (bWhole && !bKeywordsOnly) {
        // One pass over all the text; a hit names its note, and the scan
        // goes on at the next note.
        const char* pBase = corpus.text.data();
        const size_t nSize = corpus.text.size();
        const auto entries = corpus.entries.begin();
        const size_t nEntries = corpus.entries.size();
        size_t pos = 0;
        size_t first = 0;
        while (pos < nSize) {
            const void* pHit = memmem(pBase + pos, nSize - pos, needle.data(), needle.size());
            if (!pHit)
                break;
            const size_t offset = static_cast<size_t>(static_cast<const char*>(pHit) - pBase);
            // Hits come in order: the note is looked for from the last one on,
            // in doubling steps, so a text in every note costs a step or two.
            size_t last = first + 1;
            for (size_t step = 1; last < nEntries && entries[static_cast<ptrdiff_t>(last)].start <= offset; step *= 2) {
                first = last;
                last = std::min(nEntries, last + step);
            }
            const auto next =
                std::upper_bound(entries + static_cast<ptrdiff_t>(first), entries + static_cast<ptrdiff_t>(last),
                                 offset, [](size_t o, const SCorpus::SEntry& e) { return o < e.start; });
            const size_t i = static_cast<size_t>(next - entries) - 1;
            first = i + 1;
            hit(i);
            pos = next == corpus.entries.end() ? nSize : next->start;
        }
        return;
    }
    for (size_t i = 0; i < corpus.entries.size(); ++i) {
        const SCorpus::SEntry& e = corpus.entries[i];
        const std::string_view text = corpus.Text(i);
        const std::string_view keywords = Field(text, size_t(e.commentsEnd) + 1, e.keywordsEnd);
        const bool match = bKeywordsOnly
                               ? ContainsText(keywords, needle)
                               : ContainsText(Field(text, 0, e.titleEnd), needle) ||
                                     ContainsText(Field(text, size_t(e.titleEnd) + 1, e.commentsEnd), needle) ||
                                     ContainsText(keywords, needle) ||
                                     ContainsText(Field(text, size_t(e.keywordsEnd) + 1, text.size()), needle);
        if (match)
            hit(i);
    }
}

void CNoteStore::SearchNotes(INoteRowSink& results, bool bKeywordsOnly, const std::string& strText) const
{
    results.DeleteAllRows();
    FindNotes(bKeywordsOnly, strText,
              [&results](const CNoteRecord& note) { InsertNoteRow(results, std::make_unique<CNoteRecord>(note)); });
    if (results.GetRowCount() == 0) {
        SNoteRow row;
        row.strTitle = pszSearchEmpty;
        row.nIcon = -1;
        results.AppendRow(row, nullptr);
    }
}

const SCorpus& CNoteStore::SImpl::Corpus() const
{
    if (corpus.valid)
        return corpus;
    // Notes that did not change since the last corpus are copied from it,
    // the others upper-cased again.
    SCorpus made;
    size_t size = 0;
    WalkIndexed([&](uint32_t i, const SNode& n) {
        const uint32_t e = i < corpus.entryOf.size() ? corpus.entryOf[i] : 0;
        size += (e ? corpus.Text(e - 1).size()
                   : n.rec->m_strNotes.size() + n.textSize + n.rec->m_strTitle.size() + 64) +
                1;
    });
    // The texts held aside, read at once when the first is needed.
    CIndexTextsOnce allTexts(texts.get());
    std::string aside;
    made.text.reserve(size);
    made.entries.reserve(Count());
    made.entryOf.assign(m_nUsed, 0);
    WalkIndexed([&](uint32_t i, const SNode& n) {
        const uint32_t e = i < corpus.entryOf.size() ? corpus.entryOf[i] : 0;
        SCorpus::SEntry entry{made.text.size(), i, n.rec.get(), 0, 0, 0};
        if (e) {
            const SCorpus::SEntry& old = corpus.entries[e - 1];
            made.text += corpus.Text(e - 1);
            entry.titleEnd = old.titleEnd;
            entry.commentsEnd = old.commentsEnd;
            entry.keywordsEnd = old.keywordsEnd;
        } else {
            const CNoteRecord& note = *n.rec;
            // The zero bytes between the fields keep a match inside one field.
            made.text += UpperCaseText(note.m_strTitle);
            entry.titleEnd = static_cast<uint32_t>(made.text.size() - entry.start);
            made.text += '\0';
            made.text += UpperCaseText(note.m_strComments);
            entry.commentsEnd = static_cast<uint32_t>(made.text.size() - entry.start);
            made.text += '\0';
            made.text += UpperCaseText(note.m_strKeywords);
            entry.keywordsEnd = static_cast<uint32_t>(made.text.size() - entry.start);
            made.text += '\0';
            if (note.m_bNotesAside) {
                AsideText(n, aside, allTexts.Get());
                made.text += UpperCaseText(aside);
            } else {
                made.text += UpperCaseText(note.m_strNotes);
            }
        }
        made.text += '\0';
        made.entries.push_back(entry);
        made.entryOf[i] = static_cast<uint32_t>(made.entries.size());
    });
    made.valid = true;
    corpus = std::move(made);
    return corpus;
}
