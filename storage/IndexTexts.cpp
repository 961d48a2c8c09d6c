#include "IndexTexts.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <utility>

#include <unistd.h>

CIndexTexts::CIndexTexts(int fd, uint64_t nStart, uint64_t nSize) : m_fd(fd), m_nStart(nStart), m_nSize(nSize) {}

CIndexTexts::~CIndexTexts()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int CIndexTexts::Release()
{
    return std::exchange(m_fd, -1);
}

bool CIndexTexts::ReadRaw(uint64_t nAt, size_t nSize, std::string& out) const
{
    out.resize(nSize);
    size_t got = 0;
    while (got < nSize) {
        const ssize_t n = ::pread(m_fd, out.data() + got, nSize - got, static_cast<off_t>(nAt + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        got += static_cast<size_t>(n);
    }
    return true;
}

bool CIndexTexts::Read(const SIndexTextAt& at, std::string& text) const
{
    if (at.nAt > m_nSize || at.nSize > m_nSize - at.nAt || !ReadRaw(m_nStart + at.nAt, at.nSize, text) ||
        Hash(text) != at.nHash) {
        text.clear();
        return false;
    }
    return true;
}

bool CIndexTexts::ReadAll(std::string& texts) const
{
    return ReadRaw(m_nStart, static_cast<size_t>(m_nSize), texts);
}

bool CIndexTexts::Slice(std::string_view texts, const SIndexTextAt& at, std::string_view& text)
{
    if (at.nAt > texts.size() || at.nSize > texts.size() - at.nAt)
        return false;
    text = texts.substr(static_cast<size_t>(at.nAt), at.nSize);
    return Hash(text) == at.nHash;
}

const std::string* CIndexTextsOnce::Get()
{
    if (!m_bTried) {
        m_bTried = true;
        m_bRead = m_pTexts && m_pTexts->ReadAll(m_texts);
    }
    return m_bRead ? &m_texts : nullptr;
}

uint64_t CIndexTexts::Hash(std::string_view s)
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
