#include "TrueTypeFont.h"

#include "FileIo.h"

#include <algorithm>
#include <vector>

#include <fcntl.h>

namespace
{
// A font file is a few megabytes; anything far larger is not one we use.
constexpr size_t nMaxFontFile = 64u << 20;

uint16_t U16(std::string_view d, size_t at)
{
    if (at + 2 > d.size())
        return 0;
    return static_cast<uint16_t>(static_cast<unsigned char>(d[at]) << 8 | static_cast<unsigned char>(d[at + 1]));
}

int16_t S16(std::string_view d, size_t at)
{
    return static_cast<int16_t>(U16(d, at));
}

uint32_t U32(std::string_view d, size_t at)
{
    return static_cast<uint32_t>(U16(d, at)) << 16 | U16(d, at + 2);
}

void Put16(std::string& out, uint32_t v)
{
    out.push_back(static_cast<char>(v >> 8 & 0xFF));
    out.push_back(static_cast<char>(v & 0xFF));
}

void Put32(std::string& out, uint32_t v)
{
    Put16(out, v >> 16);
    Put16(out, v & 0xFFFF);
}

void Set16(std::string& s, size_t at, uint32_t v)
{
    s[at] = static_cast<char>(v >> 8 & 0xFF);
    s[at + 1] = static_cast<char>(v & 0xFF);
}

void Set32(std::string& s, size_t at, uint32_t v)
{
    Set16(s, at, v >> 16);
    Set16(s, at + 2, v & 0xFFFF);
}

uint32_t CheckSum(std::string_view d)
{
    uint32_t sum = 0;
    for (size_t i = 0; i < d.size(); i += 4) {
        uint32_t word = 0;
        for (size_t k = 0; k < 4; ++k)
            word = word << 8 | (i + k < d.size() ? static_cast<unsigned char>(d[i + k]) : 0u);
        sum += word;
    }
    return sum;
}

// Composite glyph flags.
constexpr uint16_t argsAreWords = 0x0001;
constexpr uint16_t haveScale = 0x0008;
constexpr uint16_t moreComponents = 0x0020;
constexpr uint16_t haveXYScale = 0x0040;
constexpr uint16_t haveTwoByTwo = 0x0080;

// The glyphs a composite glyph is built from.
std::vector<uint16_t> Components(std::string_view glyph)
{
    std::vector<uint16_t> out;
    if (glyph.size() < 10 || S16(glyph, 0) >= 0)
        return out;
    size_t at = 10;
    for (;;) {
        if (at + 4 > glyph.size())
            break;
        const uint16_t flags = U16(glyph, at);
        out.push_back(U16(glyph, at + 2));
        at += 4 + ((flags & argsAreWords) ? 4 : 2);
        at += (flags & haveScale) ? 2 : (flags & haveXYScale) ? 4 : (flags & haveTwoByTwo) ? 8 : 0;
        if (!(flags & moreComponents))
            break;
    }
    return out;
}
} // namespace

std::unique_ptr<CTrueTypeFont> CTrueTypeFont::Load(const std::string& strPath)
{
    std::unique_ptr<CTrueTypeFont> pFont(new CTrueTypeFont);
    if (ReadRegularFd(::open(strPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC), nMaxFontFile, pFont->m_data) !=
            EReadStatus::ok ||
        !pFont->Parse())
        return nullptr;
    return pFont;
}

std::string_view CTrueTypeFont::Table(const char* pszTag) const
{
    const auto it = m_tables.find(pszTag);
    if (it == m_tables.end())
        return {};
    return std::string_view(m_data).substr(it->second.first, it->second.second);
}

bool CTrueTypeFont::Parse()
{
    const std::string_view d = m_data;
    if (d.size() < 12 || U32(d, 0) != 0x00010000)
        return false;
    const uint16_t nTables = U16(d, 4);
    for (uint16_t i = 0; i < nTables; ++i) {
        const size_t rec = 12 + 16 * static_cast<size_t>(i);
        if (rec + 16 > d.size())
            return false;
        const uint32_t offset = U32(d, rec + 8);
        const uint32_t length = U32(d, rec + 12);
        if (offset > d.size() || length > d.size() - offset)
            return false;
        m_tables[std::string(d.substr(rec, 4))] = {offset, length};
    }
    const std::string_view head = Table("head");
    const std::string_view hhea = Table("hhea");
    const std::string_view maxp = Table("maxp");
    if (head.size() < 54 || hhea.size() < 36 || maxp.size() < 6 || Table("glyf").empty() || Table("loca").empty() ||
        Table("hmtx").empty())
        return false;
    m_nUnitsPerEm = std::max<int>(16, U16(head, 18));
    m_bLongLoca = S16(head, 50) == 1;
    m_nGlyphs = U16(maxp, 4);
    m_nHMetrics = std::min<int>(U16(hhea, 34), m_nGlyphs);
    if (m_nHMetrics == 0 || Table("hmtx").size() < 4u * static_cast<size_t>(m_nHMetrics) ||
        Table("loca").size() < (m_bLongLoca ? 4u : 2u) * (static_cast<size_t>(m_nGlyphs) + 1))
        return false;

    // The Unicode map: the full repertoire (3, 10) when there is one, else
    // the basic plane's (3, 1).
    const std::string_view cmap = Table("cmap");
    size_t best = 0;
    uint16_t bestFormat = 0;
    for (uint16_t i = 0; i < U16(cmap, 2); ++i) {
        const size_t rec = 4 + 8 * static_cast<size_t>(i);
        const uint16_t platform = U16(cmap, rec);
        const uint16_t encoding = U16(cmap, rec + 2);
        const uint32_t offset = U32(cmap, rec + 4);
        if (offset >= cmap.size())
            continue;
        const uint16_t format = U16(cmap, offset);
        if (platform == 3 && encoding == 10 && format == 12) {
            best = offset;
            bestFormat = 12;
        } else if (platform == 3 && encoding == 1 && format == 4 && bestFormat != 12) {
            best = offset;
            bestFormat = 4;
        }
    }
    if (bestFormat == 12) {
        const uint32_t nGroups = U32(cmap, best + 12);
        for (uint32_t g = 0; g < nGroups && best + 16 + 12 * static_cast<size_t>(g) + 12 <= cmap.size(); ++g) {
            const size_t at = best + 16 + 12 * static_cast<size_t>(g);
            const uint32_t first = U32(cmap, at);
            const uint32_t last = std::min<uint32_t>(U32(cmap, at + 4), 0x10FFFF);
            const uint32_t glyph = U32(cmap, at + 8);
            for (uint32_t c = first; c <= last && c - first + glyph < static_cast<uint32_t>(m_nGlyphs); ++c)
                m_cmap.emplace(c, static_cast<uint16_t>(c - first + glyph));
        }
    } else if (bestFormat == 4) {
        const size_t nSeg = U16(cmap, best + 6) / 2;
        const size_t ends = best + 14;
        const size_t starts = ends + 2 * nSeg + 2;
        const size_t deltas = starts + 2 * nSeg;
        const size_t ranges = deltas + 2 * nSeg;
        for (size_t s = 0; s < nSeg; ++s) {
            const uint16_t first = U16(cmap, starts + 2 * s);
            const uint16_t last = U16(cmap, ends + 2 * s);
            const uint16_t delta = U16(cmap, deltas + 2 * s);
            const uint16_t range = U16(cmap, ranges + 2 * s);
            for (uint32_t c = first; c <= last && c != 0xFFFF; ++c) {
                uint16_t glyph = 0;
                if (range == 0) {
                    glyph = static_cast<uint16_t>(c + delta);
                } else {
                    const size_t at = ranges + 2 * s + range + 2 * (c - first);
                    glyph = U16(cmap, at);
                    if (glyph)
                        glyph = static_cast<uint16_t>(glyph + delta);
                }
                if (glyph && glyph < m_nGlyphs)
                    m_cmap.emplace(c, glyph);
            }
        }
    }
    if (m_cmap.empty())
        return false;

    // The PostScript name (name id 6), else the file's family.
    const std::string_view name = Table("name");
    const size_t strings = U16(name, 4);
    for (uint16_t i = 0; i < U16(name, 2) && m_strName.empty(); ++i) {
        const size_t rec = 6 + 12 * static_cast<size_t>(i);
        if (U16(name, rec + 6) != 6)
            continue;
        const size_t at = strings + U16(name, rec + 10);
        const size_t len = U16(name, rec + 8);
        const bool bWide = U16(name, rec) == 3 || U16(name, rec) == 0;
        for (size_t k = bWide ? 1 : 0; k < len && at + k < name.size(); k += bWide ? 2 : 1) {
            const char c = name[at + k];
            if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')
                m_strName.push_back(c);
        }
    }
    if (m_strName.empty())
        m_strName = "Font";
    return true;
}

uint16_t CTrueTypeFont::GlyphOf(char32_t cp) const
{
    const auto it = m_cmap.find(cp);
    return it == m_cmap.end() ? 0 : it->second;
}

int CTrueTypeFont::Advance1000(uint16_t nGlyph) const
{
    const std::string_view hmtx = Table("hmtx");
    const size_t metric = std::min<size_t>(nGlyph, static_cast<size_t>(m_nHMetrics) - 1);
    return U16(hmtx, 4 * metric) * 1000 / m_nUnitsPerEm;
}

CTrueTypeFont::SMetrics CTrueTypeFont::GetMetrics() const
{
    const std::string_view head = Table("head");
    const std::string_view hhea = Table("hhea");
    const auto scale = [&](int v) { return v * 1000 / m_nUnitsPerEm; };
    return {scale(S16(hhea, 4)),  scale(S16(hhea, 6)),  scale(S16(head, 36)),
            scale(S16(head, 38)), scale(S16(head, 40)), scale(S16(head, 42))};
}

std::string_view CTrueTypeFont::GlyphData(uint16_t nGlyph) const
{
    if (nGlyph >= m_nGlyphs)
        return {};
    const std::string_view loca = Table("loca");
    const uint32_t from = m_bLongLoca ? U32(loca, 4u * nGlyph) : 2u * U16(loca, 2u * nGlyph);
    const uint32_t to = m_bLongLoca ? U32(loca, 4u * nGlyph + 4) : 2u * U16(loca, 2u * nGlyph + 2);
    const std::string_view glyf = Table("glyf");
    if (to < from || to > glyf.size())
        return {};
    return glyf.substr(from, to - from);
}

std::string CTrueTypeFont::Subset(const std::set<uint16_t>& glyphs) const
{
    // Glyph 0 is drawn for anything missing; composites need their parts.
    std::set<uint16_t> keep = {0};
    std::vector<uint16_t> todo(glyphs.begin(), glyphs.end());
    while (!todo.empty()) {
        const uint16_t g = todo.back();
        todo.pop_back();
        if (g >= m_nGlyphs || !keep.insert(g).second)
            continue;
        for (const uint16_t part : Components(GlyphData(g)))
            todo.push_back(part);
    }
    const int nCount = *keep.rbegin() + 1;

    std::string glyf;
    std::string loca;
    std::string hmtx;
    const std::string_view srcHmtx = Table("hmtx");
    for (int g = 0; g < nCount; ++g) {
        Put32(loca, static_cast<uint32_t>(glyf.size()));
        const size_t metric = std::min<size_t>(static_cast<size_t>(g), static_cast<size_t>(m_nHMetrics) - 1);
        const bool bKept = keep.count(static_cast<uint16_t>(g)) != 0;
        Put16(hmtx, bKept ? U16(srcHmtx, 4 * metric) : 0);
        // A glyph past the full metrics keeps its own side bearing.
        const size_t lsbAt = static_cast<size_t>(g) < static_cast<size_t>(m_nHMetrics)
                                 ? 4 * static_cast<size_t>(g) + 2
                                 : 4 * static_cast<size_t>(m_nHMetrics) + 2 * (static_cast<size_t>(g) - m_nHMetrics);
        Put16(hmtx, bKept ? U16(srcHmtx, lsbAt) : 0);
        if (!bKept)
            continue;
        glyf += GlyphData(static_cast<uint16_t>(g));
        glyf.resize((glyf.size() + 3) & ~size_t(3), '\0');
    }
    Put32(loca, static_cast<uint32_t>(glyf.size()));

    std::string head(Table("head"));
    Set32(head, 8, 0);
    Set16(head, 50, 1);
    std::string hhea(Table("hhea"));
    Set16(hhea, 34, static_cast<uint32_t>(nCount));
    std::string maxp(Table("maxp"));
    Set16(maxp, 4, static_cast<uint32_t>(nCount));

    // Tags in ascending order, as the table directory wants them.
    std::vector<std::pair<std::string, std::string>> tables;
    for (const char* psz : {"cvt ", "fpgm", "prep"})
        if (!Table(psz).empty())
            tables.emplace_back(psz, std::string(Table(psz)));
    tables.emplace_back("glyf", std::move(glyf));
    tables.emplace_back("head", std::move(head));
    tables.emplace_back("hhea", std::move(hhea));
    tables.emplace_back("hmtx", std::move(hmtx));
    tables.emplace_back("loca", std::move(loca));
    tables.emplace_back("maxp", std::move(maxp));
    std::sort(tables.begin(), tables.end());

    const uint16_t nTables = static_cast<uint16_t>(tables.size());
    uint16_t nPower = 1;
    uint16_t nLog = 0;
    while (nPower * 2 <= nTables) {
        nPower = static_cast<uint16_t>(nPower * 2);
        ++nLog;
    }
    std::string out;
    Put32(out, 0x00010000);
    Put16(out, nTables);
    Put16(out, nPower * 16u);
    Put16(out, nLog);
    Put16(out, nTables * 16u - nPower * 16u);
    size_t offset = 12 + 16 * static_cast<size_t>(nTables);
    size_t headAt = 0;
    for (const auto& [tag, data] : tables) {
        out += tag;
        Put32(out, CheckSum(data));
        Put32(out, static_cast<uint32_t>(offset));
        Put32(out, static_cast<uint32_t>(data.size()));
        if (tag == "head")
            headAt = offset;
        offset += (data.size() + 3) & ~size_t(3);
    }
    for (const auto& [tag, data] : tables) {
        out += data;
        out.resize((out.size() + 3) & ~size_t(3), '\0');
    }
    Set32(out, headAt + 8, 0xB1B0AFBAu - CheckSum(out));
    return out;
}
