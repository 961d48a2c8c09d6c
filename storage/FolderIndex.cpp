#include "FolderIndex.h"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace
{
// A cache of this machine: numbers are kept in its own byte order.
constexpr char szMagic[8] = {'Q', 'B', 'I', 'N', 'D', 'E', 'X', '\n'};
constexpr size_t nMaxIndexFile = size_t(1) << 36;

uint64_t Checksum(std::string_view s)
{
    uint64_t h = 0x9E3779B97F4A7C15ull ^ s.size();
    size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        uint64_t w = 0;
        std::memcpy(&w, s.data() + i, 8);
        h = std::rotl(h ^ (w * 0xFF51AFD7ED558CCDull), 29) * 0xC4CEB9FE1A85EC53ull;
    }
    uint64_t tail = 0;
    std::memcpy(&tail, s.data() + i, s.size() - i);
    h = std::rotl(h ^ (tail * 0xFF51AFD7ED558CCDull), 29) * 0xC4CEB9FE1A85EC53ull;
    return h ^ (h >> 31);
}

// The checksum of everything before it closes an index.
void AppendChecksum(std::string& bytes)
{
    const uint64_t sum = Checksum(bytes);
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
    CWriter w;
    size_t size = 64 + content.strDir.size();
    for (const SIndexedNote& n : content.notes)
        size += 160 + n.strName.size() + n.rec->m_strKey.size() + n.rec->m_strTitle.size() +
                n.rec->m_strComments.size() + n.rec->m_strKeywords.size() + n.rec->m_strNotes.size();
    w.Buffer().reserve(size);
    w.Buffer().append(szMagic, sizeof szMagic);
    w.Put(nVersionOf);
    w.PutString(content.strDir);
    w.Put(content.nDirDevice);
    w.Put(content.nDirInode);
    w.Put(static_cast<uint64_t>(content.notes.size()));
    for (const SIndexedNote& n : content.notes) {
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
        w.PutString(r.m_strNotes);
        w.Put(r.m_nIcon);
        w.PutDate(r.m_dtDate);
        w.Put(static_cast<uint8_t>(r.m_bHasDate));
        w.PutDate(r.m_dtCreated);
        w.PutDate(r.m_dtModified);
        w.Put(r.m_nModifiedAt);
        w.Put(r.m_nPriority);
    }
    AppendChecksum(w.Buffer());
    return std::move(w.Buffer());
}

std::string CFolderIndex::Sealed(std::string_view payload)
{
    std::string bytes(szMagic, sizeof szMagic);
    bytes.append(payload);
    AppendChecksum(bytes);
    return bytes;
}

bool CFolderIndex::Decode(std::string_view bytes, SFolderIndexContent& content)
{
    content = SFolderIndexContent();
    constexpr size_t nSum = sizeof(uint64_t);
    if (bytes.size() < sizeof szMagic + nSum || std::memcmp(bytes.data(), szMagic, sizeof szMagic) != 0)
        return false;
    const std::string_view body = bytes.substr(0, bytes.size() - nSum);
    uint64_t sum = 0;
    std::memcpy(&sum, bytes.data() + body.size(), nSum);
    if (sum != Checksum(body))
        return false;
    CReader r(body.substr(sizeof szMagic));
    uint32_t version = 0;
    uint64_t count = 0;
    if (!r.Get(version) || version != nVersion)
        return false;
    r.GetString(content.strDir);
    r.Get(content.nDirDevice);
    r.Get(content.nDirInode);
    r.Get(count);
    // Each note takes more than 64 bytes: a count beyond that is damage,
    // never a reason to reserve.
    if (r.Failed() || count > body.size() / 64)
        return false;
    content.notes.reserve(static_cast<size_t>(count));
    for (uint64_t i = 0; i < count; ++i) {
        SIndexedNote n;
        auto rec = std::make_shared<CNoteRecord>();
        uint8_t inDoubt = 0;
        r.GetString(n.strName);
        r.Get(n.stamp.nSize);
        r.Get(n.stamp.nMtimeNs);
        r.Get(n.stamp.nCtimeNs);
        r.Get(n.stamp.nInode);
        r.Get(n.stamp.nDevice);
        r.Get(n.stamp.nBytesHash);
        r.Get(inDoubt);
        r.GetString(rec->m_strKey);
        r.GetString(rec->m_strTitle);
        r.GetString(rec->m_strComments);
        r.GetString(rec->m_strKeywords);
        r.GetString(rec->m_strNotes);
        r.Get(rec->m_nIcon);
        r.GetDate(rec->m_dtDate);
        // A byte, not a bool: only 0 and 1 are bools, and the file may hold any.
        uint8_t hasDate = 0;
        r.Get(hasDate);
        rec->m_bHasDate = hasDate != 0;
        r.GetDate(rec->m_dtCreated);
        r.GetDate(rec->m_dtModified);
        r.Get(rec->m_nModifiedAt);
        r.Get(rec->m_nPriority);
        if (r.Failed())
            return false;
        n.stamp.bInDoubt = inDoubt != 0;
        n.rec = std::move(rec);
        content.notes.push_back(std::move(n));
    }
    return r.AtEnd();
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
    std::string bytes;
    if (ReadRegularFile(IndexPath(strIndexDir, canonical), nMaxIndexFile, bytes) != EReadStatus::ok)
        return false;
    if (!Decode(bytes, content) || content.strDir != canonical || content.nDirDevice != st.st_dev ||
        content.nDirInode != st.st_ino) {
        content = SFolderIndexContent();
        return false;
    }
    return true;
}
