#pragma once

#include "DateTime.h"

#include <cstdint>
#include <string>
#include <string_view>

// Little-endian encoding shared by the note file and the folder list file.
class CArchiveWriter
{
public:
    void WriteInt32(int32_t n);
    void WriteDouble(double d);
    void WriteDateTime(const CDateTime& dt);
    // Length prefix in its shortest form (1, 3 or 7 bytes), then the bytes.
    void WriteString(std::string_view s);

    const std::string& Data() const { return m_buf; }

private:
    std::string m_buf;
};

// Reads from a byte buffer. Every read checks what is left first, so a damaged
// length prefix can never make it read or allocate beyond the buffer; after the
// first failed read the reader stays failed.
class CArchiveReader
{
public:
    explicit CArchiveReader(std::string_view data) : m_data(data) {}

    bool ReadInt32(int32_t& n);
    bool ReadDouble(double& d);
    bool ReadDateTime(CDateTime& dt);
    // Accepts the three 8-bit prefix forms and the UTF-16 form (converted to UTF-8).
    bool ReadString(std::string& s);

    bool Failed() const { return m_failed; }
    size_t Remaining() const { return m_data.size() - m_pos; }

private:
    bool Take(size_t n, const char*& p);

    std::string_view m_data;
    size_t m_pos = 0;
    bool m_failed = false;
};
