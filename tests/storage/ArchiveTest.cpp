#include "Archive.h"
#include "DateTime.h"
#include "NoteRecord.h"

#include <gtest/gtest.h>

namespace
{
std::string Hex(const std::string& s)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : s) {
        if (!out.empty())
            out += ' ';
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string Prefix(size_t n)
{
    CArchiveWriter ar;
    ar.WriteString(std::string(n, 'x'));
    return ar.Data().substr(0, ar.Data().size() - n);
}
} // namespace

TEST(DateTime, KnownValueAndRoundTrip)
{
    const CDateTime dt = CDateTime::FromFields(2005, 9, 17, 11, 34, 44);
    CArchiveWriter ar;
    ar.WriteDateTime(dt);
    EXPECT_EQ(Hex(ar.Data()), "00 00 00 00 E8 BF 42 70 8F DA E2 40");
    EXPECT_DOUBLE_EQ(double(dt.m_dt), 38612 + 41684 / 86400.0);

    struct
    {
        int y, mo, d, h, mi, s;
    } cases[] = {{1899, 12, 30, 0, 0, 0}, {1899, 12, 29, 6, 0, 0},  {1800, 1, 1, 23, 59, 59},
                 {2000, 2, 29, 12, 0, 1}, {2100, 12, 31, 0, 0, 59}, {9999, 12, 31, 23, 59, 59}};
    for (const auto& c : cases) {
        const CDateTime v = CDateTime::FromFields(c.y, c.mo, c.d, c.h, c.mi, c.s);
        int y, mo, d, h, mi, s;
        ASSERT_TRUE(v.GetFields(y, mo, d, h, mi, s)) << c.y;
        EXPECT_EQ(std::vector<int>({y, mo, d, h, mi, s}), std::vector<int>({c.y, c.mo, c.d, c.h, c.mi, c.s}));
    }
    // Before the epoch the day counts down and the time of day up.
    EXPECT_DOUBLE_EQ(double(CDateTime::FromFields(1899, 12, 29, 6, 0, 0).m_dt), -1.25);
    EXPECT_FALSE(CDateTime::FromFields(2001, 2, 29).IsValid());
    int y, mo, d, h, mi, s;
    EXPECT_FALSE(CDateTime(1.0, CDateTime::null).GetFields(y, mo, d, h, mi, s));
    EXPECT_EQ(MakeNoteKey(CDateTime::FromFields(2006, 1, 2, 9, 5, 3), 10), "2006010209050310");
    EXPECT_EQ(MakeNoteKey(CDateTime::FromFields(2006, 1, 2, 9, 5, 3), 100), "20060102090503100");
}

TEST(Archive, LengthPrefixForms)
{
    EXPECT_EQ(Hex(Prefix(0)), "00");
    EXPECT_EQ(Hex(Prefix(254)), "FE");
    EXPECT_EQ(Hex(Prefix(255)), "FF FF 00");
    EXPECT_EQ(Hex(Prefix(65533)), "FF FD FF");
    EXPECT_EQ(Hex(Prefix(65534)), "FF FF FF FE FF 00 00");
    for (size_t n : {0, 1, 254, 255, 65533, 65534, 70000}) {
        CArchiveWriter ar;
        ar.WriteString(std::string(n, 'q'));
        ar.WriteInt32(-7);
        CArchiveReader rd(ar.Data());
        std::string s;
        int32_t tail = 0;
        ASSERT_TRUE(rd.ReadString(s)) << n;
        EXPECT_EQ(s.size(), n);
        ASSERT_TRUE(rd.ReadInt32(tail));
        EXPECT_EQ(tail, -7);
        EXPECT_EQ(rd.Remaining(), 0u);
    }
}

TEST(Archive, Utf16FormIsConvertedToUtf8)
{
    // Marker, then a complete prefix counting 16-bit characters: "Été" and a long one.
    std::string bytes = std::string("\xFF\xFE\xFF\x03", 4) + std::string("\xC9\x00t\x00\xE9\x00", 6);
    bytes += std::string("\xFF\xFE\xFF\xFF\x00\x01", 6) + std::string(512, '\0');
    for (size_t i = bytes.size() - 512; i < bytes.size(); i += 2)
        bytes[i] = 'a';
    CArchiveReader rd(bytes);
    std::string s;
    ASSERT_TRUE(rd.ReadString(s));
    EXPECT_EQ(s, "\xC3\x89t\xC3\xA9");
    ASSERT_TRUE(rd.ReadString(s));
    EXPECT_EQ(s, std::string(256, 'a'));
}

TEST(Archive, DamagedInputFailsWithoutOverreading)
{
    // A huge length prefix with nothing behind it.
    const std::string huge("\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 7);
    CArchiveReader rd(huge);
    std::string s;
    EXPECT_FALSE(rd.ReadString(s));
    EXPECT_TRUE(rd.Failed());
    int32_t n = 0;
    EXPECT_FALSE(rd.ReadInt32(n)) << "a failed reader stays failed";

    const std::string utf16Huge("\xFF\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF\x7F", 10);
    CArchiveReader rd16(utf16Huge);
    EXPECT_FALSE(rd16.ReadString(s));

    CArchiveReader shortInt(std::string_view("\x01\x02", 2));
    EXPECT_FALSE(shortInt.ReadInt32(n));
    CArchiveReader empty(std::string_view{});
    EXPECT_FALSE(empty.ReadString(s));
}
