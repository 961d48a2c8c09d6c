#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Where a note's text lies among an index's texts, and the hash of its
// bytes, which a read checks.
struct SIndexTextAt
{
    uint64_t nAt = 0;
    uint32_t nSize = 0;
    uint64_t nHash = 0;
};

// The texts of an index file, which it keeps apart from the rest so that a
// folder is listed without them. The file stays open, so they can be read
// after a newer index has replaced it; a text whose bytes no longer match
// its hash is not read at all, never read wrong.
class CIndexTexts
{
public:
    // Takes fd, whose texts start at nStart and take nSize bytes.
    CIndexTexts(int fd, uint64_t nStart, uint64_t nSize);
    ~CIndexTexts();
    CIndexTexts(const CIndexTexts&) = delete;
    CIndexTexts& operator=(const CIndexTexts&) = delete;

    bool Read(const SIndexTextAt& at, std::string& text) const;
    // Every text at once, for a pass over many notes; Slice takes one out.
    bool ReadAll(std::string& texts) const;
    static bool Slice(std::string_view texts, const SIndexTextAt& at, std::string_view& text);
    // The hash of each text, and the checksum of an index's head.
    static uint64_t Hash(std::string_view s);

    // Bytes of the file itself, for the reader of its head.
    bool ReadRaw(uint64_t nAt, size_t nSize, std::string& out) const;
    int Release();

private:
    int m_fd;
    uint64_t m_nStart;
    uint64_t m_nSize;
};

// Every text of an index, for a pass over many notes: read at the first
// need, and tried once only, so that an index that cannot be read is not
// read again for every note that follows.
class CIndexTextsOnce
{
public:
    explicit CIndexTextsOnce(const CIndexTexts* pTexts) : m_pTexts(pTexts) {}
    // The texts; nullptr when there are none to read or the read failed.
    const std::string* Get();

private:
    const CIndexTexts* m_pTexts;
    std::string m_texts;
    bool m_bTried = false;
    bool m_bRead = false;
};
