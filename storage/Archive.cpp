#include "Archive.h"

#include <QString>

#include <cstring>

namespace
{
template <class T>
void AppendLE(std::string& buf, T value)
{
    for (size_t i = 0; i < sizeof(T); ++i)
        buf.push_back(static_cast<char>((static_cast<uint64_t>(value) >> (8 * i)) & 0xFF));
}

template <class T>
T ReadLE(const char* p)
{
    uint64_t v = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        v |= uint64_t(static_cast<unsigned char>(p[i])) << (8 * i);
    return static_cast<T>(v);
}
} // namespace

void CArchiveWriter::WriteInt32(int32_t n)
{
    AppendLE(m_buf, static_cast<uint32_t>(n));
}

void CArchiveWriter::WriteDouble(double d)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &d, sizeof bits);
    AppendLE(m_buf, bits);
}

void CArchiveWriter::WriteDateTime(const CDateTime& dt)
{
    WriteInt32(dt.m_status);
    WriteDouble(dt.m_dt);
}

void CArchiveWriter::WriteString(std::string_view s)
{
    const size_t n = s.size();
    if (n < 255) {
        m_buf.push_back(static_cast<char>(n));
    } else if (n < 0xFFFE) {
        m_buf.push_back('\xFF');
        AppendLE(m_buf, static_cast<uint16_t>(n));
    } else {
        m_buf.push_back('\xFF');
        AppendLE(m_buf, uint16_t(0xFFFF));
        AppendLE(m_buf, static_cast<uint32_t>(n));
    }
    m_buf.append(s);
}

bool CArchiveReader::Take(size_t n, const char*& p)
{
    if (m_failed || n > Remaining()) {
        m_failed = true;
        return false;
    }
    p = m_data.data() + m_pos;
    m_pos += n;
    return true;
}

bool CArchiveReader::ReadInt32(int32_t& n)
{
    const char* p = nullptr;
    if (!Take(4, p))
        return false;
    n = static_cast<int32_t>(ReadLE<uint32_t>(p));
    return true;
}

bool CArchiveReader::ReadDouble(double& d)
{
    const char* p = nullptr;
    if (!Take(8, p))
        return false;
    const uint64_t bits = ReadLE<uint64_t>(p);
    std::memcpy(&d, &bits, sizeof d);
    return true;
}

bool CArchiveReader::ReadDateTime(CDateTime& dt)
{
    // Through locals: the fields of a packed date-time are not aligned.
    int32_t status = 0;
    double value = 0;
    if (!ReadInt32(status) || !ReadDouble(value))
        return false;
    dt = CDateTime(value, status);
    return true;
}

bool CArchiveReader::ReadString(std::string& s)
{
    bool bUtf16 = false;
    uint64_t n = 0;
    for (;;) {
        const char* p = nullptr;
        if (!Take(1, p))
            return false;
        n = static_cast<unsigned char>(*p);
        if (n < 0xFF)
            break;
        if (!Take(2, p))
            return false;
        n = ReadLE<uint16_t>(p);
        if (n == 0xFFFE && !bUtf16) {
            // A complete second prefix follows, counting 16-bit characters.
            bUtf16 = true;
            continue;
        }
        if (n == 0xFFFF) {
            if (!Take(4, p))
                return false;
            n = ReadLE<uint32_t>(p);
        }
        break;
    }
    const uint64_t bytes = bUtf16 ? n * 2 : n;
    const char* p = nullptr;
    if (bytes > Remaining() || !Take(static_cast<size_t>(bytes), p)) {
        m_failed = true;
        return false;
    }
    if (!bUtf16) {
        s.assign(p, static_cast<size_t>(bytes));
        return true;
    }
    std::u16string wide(static_cast<size_t>(n), u'\0');
    for (size_t i = 0; i < wide.size(); ++i)
        wide[i] = static_cast<char16_t>(ReadLE<uint16_t>(p + 2 * i));
    s = QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size())).toStdString();
    return true;
}
