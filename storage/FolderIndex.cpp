#include "FolderIndex.h"

#include "WorkThreads.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>

namespace
{
// A cache of this machine: numbers are kept in its own byte order.
constexpr char szMagic[8] = {'Q', 'B', 'I', 'N', 'D', 'E', 'X', '\n'};
constexpr size_t nMaxIndexFile = size_t(1) << 36;
// Notes from which the two halves of a head are read at once.
constexpr uint64_t nParallelDecode = 8192;
// The magic and the head's length come before the head.
constexpr size_t nHeadStart = sizeof szMagic + sizeof(uint64_t);


// The checksum of everything before it closes an index.
void AppendChecksum(std::string& bytes)
{
    const uint64_t sum = CIndexTexts::Hash(bytes);
    bytes.append(reinterpret_cast<const char*>(&sum), sizeof sum);
}

class CWriter
{
public:
    template <class T>
    void Put(T v)
    {
        const size_t at = m_buf.size();
        m_buf.resize(at + sizeof v);
        std::memcpy(m_buf.data() + at, &v, sizeof v);
    }
    void PutString(std::string_view s)
    {
        Put(static_cast<uint32_t>(s.size()));
        m_buf.append(s);
    }
    void PutDate(const CDateTime& dt)
    {
        Put(dt.m_dt);
        Put(dt.m_status);
    }
    std::string& Buffer() { return m_buf; }

private:
    std::string m_buf;
};

// Every read checks what is left first; after a failed one all fail.
class CReader
{
public:
    explicit CReader(std::string_view data) : m_data(data) {}

    template <class T>
    bool Get(T& v)
    {
        if (m_failed || m_data.size() - m_pos < sizeof v)
            return Fail();
        std::memcpy(&v, m_data.data() + m_pos, sizeof v);
        m_pos += sizeof v;
        return true;
    }
    bool GetString(std::string& s)
    {
        uint32_t n = 0;
        if (!Get(n) || m_data.size() - m_pos < n)
            return Fail();
        s.assign(m_data.data() + m_pos, n);
        m_pos += n;
        return true;
    }
    bool GetDate(CDateTime& dt)
    {
        double d = 0;
        int32_t status = 0;
        if (!Get(d) || !Get(status))
            return false;
        dt = CDateTime(d, status);
        return true;
    }
    bool Failed() const { return m_failed; }
    bool AtEnd() const { return m_pos == m_data.size(); }
    size_t Pos() const { return m_pos; }
    // Goes on from there; only forward, within the data.
    bool Seek(uint64_t nPos)
    {
        if (m_failed || nPos < m_pos || nPos > m_data.size())
            return Fail();
        m_pos = static_cast<size_t>(nPos);
        return true;
    }

private:
    bool Fail()
    {
        m_failed = true;
        return false;
    }

    std::string_view m_data;
    size_t m_pos = 0;
    bool m_failed = false;
};

uint64_t PathHash(std::string_view s)
{
    uint64_t h = 0xCBF29CE484222325ull;
    for (const char c : s)
        h = (h ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
    return h;
}
} // namespace

std::string CFolderIndex::CanonicalDirectory(const std::string& strDir)
{
    char* real = ::realpath(strDir.c_str(), nullptr);
    if (!real)
        return {};
    std::string out(real);
    std::free(real);
    return out;
}

std::string CFolderIndex::IndexPath(const std::string& strIndexDir, const std::string& strCanonicalDir)
{
    static const char digits[] = "0123456789abcdef";
    std::string name = "folder-";
    const uint64_t h = PathHash(strCanonicalDir);
    for (int shift = 60; shift >= 0; shift -= 4)
        name += digits[(h >> shift) & 0xF];
    return strIndexDir + "/" + name + ".qbi";
}

std::string CFolderIndex::Encode(const SFolderIndexContent& content, uint32_t nVersionOf)
{
    // The texts of records held aside, from the index they were read from.
    CIndexTextsOnce asideTexts(content.pTexts.get());
    const auto textOf = [&](const SIndexedNote& n, std::string_view& text) {
        if (!n.rec->m_bNotesAside) {
            text = n.rec->m_strNotes;
            return true;
        }
        const std::string* pAll = asideTexts.Get();
        return pAll && CIndexTexts::Slice(*pAll, n.textAt, text);
    };
    std::vector<std::string_view> texts;
    std::vector<const SIndexedNote*> kept;
    texts.reserve(content.notes.size());
    kept.reserve(content.notes.size());
    size_t nHead = 64 + content.strDir.size() + content.strListOrderId.size();
    uint64_t nTexts = 0;
    for (const SIndexedNote& n : content.notes) {
        std::string_view text;
        if (!textOf(n, text))
            continue;
        kept.push_back(&n);
        texts.push_back(text);
        nTexts += text.size();
        nHead += 180 + n.strName.size() + n.rec->m_strKey.size() + n.rec->m_strTitle.size() +
                 n.rec->m_strComments.size() + n.rec->m_strKeywords.size();
    }

    CWriter w;
    w.Buffer().reserve(nHead + nTexts);
    w.Buffer().append(szMagic, sizeof szMagic);
    w.Put(uint64_t(0)); // the head's length, once known
    w.Put(nVersionOf);
    w.PutString(content.strDir);
    w.Put(content.nDirDevice);
    w.Put(content.nDirInode);
    w.Put(nTexts);
    w.PutString(content.strListOrderId);
    w.Put(static_cast<uint64_t>(kept.size()));
    // Where the second half of the notes starts, so both can be read at once.
    const size_t nMiddleField = w.Buffer().size();
    w.Put(uint64_t(0));
    uint64_t nAt = 0;
    for (size_t i = 0; i < kept.size(); ++i) {
        if (i == kept.size() / 2) {
            const uint64_t nMiddle = w.Buffer().size() - nHeadStart;
            std::memcpy(w.Buffer().data() + nMiddleField, &nMiddle, sizeof nMiddle);
        }
        const SIndexedNote& n = *kept[i];
        w.PutString(n.strName);
        w.Put(n.stamp.nSize);
        w.Put(n.stamp.nMtimeNs);
        w.Put(n.stamp.nCtimeNs);
        w.Put(n.stamp.nInode);
        w.Put(n.stamp.nDevice);
        w.Put(n.stamp.nBytesHash);
        w.Put(static_cast<uint8_t>(n.stamp.bInDoubt));
        const CNoteRecord& r = *n.rec;
        w.PutString(r.m_strKey);
        w.PutString(r.m_strTitle);
        w.PutString(r.m_strComments);
        w.PutString(r.m_strKeywords);
        w.Put(nAt);
        w.Put(static_cast<uint32_t>(texts[i].size()));
        w.Put(CIndexTexts::Hash(texts[i]));
        w.Put(n.nListRank);
        nAt += texts[i].size();
        w.Put(r.m_nIcon);
        w.PutDate(r.m_dtDate);
        w.Put(static_cast<uint8_t>(r.m_bHasDate));
        w.PutDate(r.m_dtCreated);
        w.PutDate(r.m_dtModified);
        w.Put(r.m_nModifiedAt);
        w.Put(r.m_nPriority);
    }
    std::string& bytes = w.Buffer();
    const uint64_t nHeadLen = bytes.size() - nHeadStart;
    std::memcpy(bytes.data() + sizeof szMagic, &nHeadLen, sizeof nHeadLen);
    AppendChecksum(bytes);
    for (const std::string_view text : texts)
        bytes.append(text);
    return std::move(bytes);
}

std::string CFolderIndex::Sealed(std::string_view head)
{
    std::string bytes(szMagic, sizeof szMagic);
    const uint64_t nHeadLen = head.size();
    bytes.append(reinterpret_cast<const char*>(&nHeadLen), sizeof nHeadLen);
    bytes.append(head);
    AppendChecksum(bytes);
    return bytes;
}

bool CFolderIndex::Decode(std::string_view bytes, SFolderIndexContent& content)
{
    uint64_t nHeadEnd = 0;
    uint64_t nTexts = 0;
    if (DecodeHead(bytes, content, nHeadEnd, nTexts))
        return true;
    content = SFolderIndexContent();
    return false;
}

bool CFolderIndex::DecodeHead(std::string_view bytes, SFolderIndexContent& content, uint64_t& nHeadEnd,
                              uint64_t& nTexts)
{
    content = SFolderIndexContent();
    constexpr size_t nSum = sizeof(uint64_t);
    uint64_t nHeadLen = 0;
    if (bytes.size() < nHeadStart + nSum || std::memcmp(bytes.data(), szMagic, sizeof szMagic) != 0)
        return false;
    std::memcpy(&nHeadLen, bytes.data() + sizeof szMagic, sizeof nHeadLen);
    if (nHeadLen > bytes.size() - nHeadStart - nSum)
        return false;
    const std::string_view sealed = bytes.substr(0, nHeadStart + nHeadLen);
    uint64_t sum = 0;
    std::memcpy(&sum, bytes.data() + sealed.size(), nSum);
    if (sum != CIndexTexts::Hash(sealed))
        return false;
    nHeadEnd = sealed.size() + nSum;
    const std::string_view head = sealed.substr(nHeadStart);
    CReader r(head);
    uint32_t version = 0;
    uint64_t count = 0;
    if (!r.Get(version) || version != nVersion)
        return false;
    r.GetString(content.strDir);
    r.Get(content.nDirDevice);
    r.Get(content.nDirInode);
    r.Get(nTexts);
    r.GetString(content.strListOrderId);
    r.Get(count);
    uint64_t nMiddle = 0;
    r.Get(nMiddle);
    // Each note takes more than 64 bytes: a count beyond that is damage,
    // never a reason to reserve.
    if (r.Failed() || count > head.size() / 64)
        return false;
    content.notes.resize(static_cast<size_t>(count));
    const auto decodeOne = [nTexts](CReader& in, SIndexedNote& n) {
        auto rec = std::make_shared<CNoteRecord>();
        uint8_t inDoubt = 0;
        in.GetString(n.strName);
        in.Get(n.stamp.nSize);
        in.Get(n.stamp.nMtimeNs);
        in.Get(n.stamp.nCtimeNs);
        in.Get(n.stamp.nInode);
        in.Get(n.stamp.nDevice);
        in.Get(n.stamp.nBytesHash);
        in.Get(inDoubt);
        in.GetString(rec->m_strKey);
        in.GetString(rec->m_strTitle);
        in.GetString(rec->m_strComments);
        in.GetString(rec->m_strKeywords);
        in.Get(n.textAt.nAt);
        in.Get(n.textAt.nSize);
        in.Get(n.textAt.nHash);
        in.Get(n.nListRank);
        in.Get(rec->m_nIcon);
        in.GetDate(rec->m_dtDate);
        // A byte, not a bool: only 0 and 1 are bools, and the file may hold any.
        uint8_t hasDate = 0;
        in.Get(hasDate);
        rec->m_bHasDate = hasDate != 0;
        in.GetDate(rec->m_dtCreated);
        in.GetDate(rec->m_dtModified);
        in.Get(rec->m_nModifiedAt);
        in.Get(rec->m_nPriority);
        if (in.Failed() || n.textAt.nAt > nTexts || n.textAt.nSize > nTexts - n.textAt.nAt)
            return false;
        // An empty text is simply empty: nothing to read later.
        rec->m_bNotesAside = n.textAt.nSize != 0;
        n.stamp.bInDoubt = inDoubt != 0;
        n.rec = std::move(rec);
        return true;
    };
    // The first half on this thread, the second on a helper when there are
    // many; the first must end where the second starts.
    const size_t nHalf = count >= nParallelDecode ? static_cast<size_t>(count / 2) : static_cast<size_t>(count);
    CReader second(head);
    if (nHalf < count && !second.Seek(nMiddle))
        return false;
    CReader* const readers[] = {&r, &second};
    const std::pair<size_t, size_t> parts[] = {{0, nHalf}, {nHalf, static_cast<size_t>(count)}};
    bool bOk[2] = {true, true};
    std::atomic<size_t> next{0};
    RunOnThreads(nHalf < count ? 2 : 1, [&] {
        for (size_t p = next++; p < std::size(parts); p = next++)
            for (size_t i = parts[p].first; i < parts[p].second && bOk[p]; ++i)
                bOk[p] = decodeOne(*readers[p], content.notes[i]);
    });
    if (!bOk[0] || !bOk[1])
        return false;
    return nHalf < count ? r.Pos() == nMiddle && second.AtEnd() : r.AtEnd();
}

SFileResult CFolderIndex::Write(const std::string& strIndexDir, const SFolderIndexContent& content)
{
    std::error_code ec;
    std::filesystem::create_directories(strIndexDir, ec);
    if (ec)
        return SFileResult::Failed(FileErrorText("Cannot create", strIndexDir, ec.value()));
    return WriteFileAtomically(IndexPath(strIndexDir, content.strDir), Encode(content));
}

bool CFolderIndex::Read(const std::string& strIndexDir, const std::string& strDir, SFolderIndexContent& content)
{
    content = SFolderIndexContent();
    const std::string canonical = CanonicalDirectory(strDir);
    struct stat st
    {};
    if (strIndexDir.empty() || canonical.empty() || ::stat(canonical.c_str(), &st) != 0)
        return false;
    const int fd = ::open(IndexPath(strIndexDir, canonical).c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Owns fd from here on, so every way out closes it.
    auto pTexts = std::make_shared<CIndexTexts>(fd, 0, 0);
    struct stat fileSt
    {};
    std::string bytes;
    uint64_t nHeadLen = 0;
    if (::fstat(fd, &fileSt) != 0 || !S_ISREG(fileSt.st_mode) ||
        static_cast<uint64_t>(fileSt.st_size) > nMaxIndexFile || !pTexts->ReadRaw(0, nHeadStart, bytes) ||
        std::memcmp(bytes.data(), szMagic, sizeof szMagic) != 0)
        return false;
    std::memcpy(&nHeadLen, bytes.data() + sizeof szMagic, sizeof nHeadLen);
    const uint64_t nFile = static_cast<uint64_t>(fileSt.st_size);
    uint64_t nHeadEnd = 0;
    uint64_t nTexts = 0;
    if (nFile < nHeadStart + sizeof(uint64_t) || nHeadLen > nFile - nHeadStart - sizeof(uint64_t) ||
        !pTexts->ReadRaw(0, static_cast<size_t>(nHeadStart + nHeadLen + sizeof(uint64_t)), bytes) ||
        !DecodeHead(bytes, content, nHeadEnd, nTexts) || nFile - nHeadEnd != nTexts || content.strDir != canonical ||
        content.nDirDevice != st.st_dev || content.nDirInode != st.st_ino) {
        content = SFolderIndexContent();
        return false;
    }
    content.pTexts = std::make_shared<CIndexTexts>(pTexts->Release(), nHeadEnd, nTexts);
    return true;
}
