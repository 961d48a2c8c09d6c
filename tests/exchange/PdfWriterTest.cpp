#include "AppContext.h"
#include "ExchangeTestUtil.h"
#include "PdfExport.h"
#include "PdfWriter.h"
#include "TextMeasurer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
const std::string t12(12, '\t');
const std::string t7(7, '\t');

// Where object n begins, or npos.
size_t PdfObjectAt(const std::string& pdf, int n)
{
    const std::string head = std::to_string(n) + " 0 obj";
    for (size_t at = pdf.find(head); at != std::string::npos; at = pdf.find(head, at + 1))
        if (at > 0 && (pdf[at - 1] == '\n' || pdf[at - 1] == '\r'))
            return at;
    return std::string::npos;
}

// The text of object n up to its "endobj", or empty.
std::string PdfObject(const std::string& pdf, int n)
{
    const size_t at = PdfObjectAt(pdf, n);
    return at == std::string::npos ? std::string() : pdf.substr(at, pdf.find("endobj", at) - at);
}

// The shown text of a text stream object: between "T* (" and ") Tj".
std::string Shown(const std::string& object)
{
    const size_t start = object.find("T* (") + 4;
    return object.substr(start, object.rfind(") Tj \rET") - start);
}

std::vector<std::string> Wrap(const std::string& line)
{
    std::vector<std::string> out;
    CPdfWriter::WrapLines({line}, out, 8, CHelveticaMeasurer());
    return out;
}

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

} // namespace

TEST(PdfWriter, ShortNoteWholeFile)
{
    const std::string expected =
        "%PDF-1.4\r\n"
        "1 0 obj<</Type /Catalog /Pages 4 0 R>>\nendobj\r"
        "2 0 obj\r\n[/PDF /Text]\r\nendobj\n"
        "3 0 obj\r\n<< /Type /Font /Subtype /Type1 /Name /F1 /BaseFont /Helvetica /Encoding "
        "/MacRomanEncoding>>endobj\r\n"
        "4 0 obj<</Type /Pages /Kids [5 0 R 9 0 R ] /Count 2>>\nendobj\r"
        "9 0 obj<</Type /Page /Parent 4 0 R /MediaBox[0 0 612 792] /Contents [10 0 R 11 0 R 12 0 R ] "
        "/Resources<</ProcSet 2 0 R\r\n/Font << /F1 3 0 R>>>>>>\nendobj\n"
        "5 0 obj<</Type /Page /Parent 4 0 R /MediaBox[0 0 612 792] /Contents [6 0 R 7 0 R 8 0 R ] "
        "/Resources<</ProcSet 2 0 R\r\n/Font << /F1 3 0 R>>>>>>\nendobj\n"
        "12 0 obj<</Length 276>>stream\r\n"
        "0 g\r1 i \rBT\r/F1 1 Tf\r0 Tc 0 Tw 0  Ts 100  Tz 0 Tr 1.2 TL 12 0 0 12 50 720 Tm \rT* (Title" +
        t12 + ":\t\tShopping)Tj T*()Tj T*(Priority" + t7 +
        ":\t\tHigh)Tj T*()Tj T*(Comments\t:\t\tWeekly)Tj T*()Tj T*(Keyword[s]\t:\t\tfood)Tj T*()Tj T*("
        "Notes\t:)Tj T*()Tj T*(milk)Tj T*(bread)Tj T*() Tj \rET"
        "\r\nendstream\rendobj\n"
        "11 0 obj<</Length 27 >>stream\r\n1 w\r\n50 725 m\r\n500 725 l\r\nS\r\nendstream\rendobj\n"
        "10 0 obj<</Length 98>>stream\r\n"
        "0 g\r1 i \rBT\r/F1 1 Tf\r0 Tc 0 Tw 0  Ts 100  Tz 0 Tr 1.2 TL 12 0 0 12 50 750 Tm \rT* (Shopping) Tj \rET"
        "\r\nendstream\rendobj\n"
        "8 0 obj<</Length 102>>stream\r\n"
        "0 g\r1 i \rBT\r/F1 1 Tf\r0 Tc 0 Tw 0  Ts 100  Tz 0 Tr 1.2 TL 12 0 0 12 300 468 Tm \rT* (Weekly shop) Tj "
        "\rET\r\nendstream\rendobj\n"
        "7 0 obj<</Length 28 >>stream\r\n2 w\r\n100 470 m\r\n500 470 l\r\nS\r\nendstream\rendobj\n"
        "6 0 obj<</Length 99>>stream\r\n"
        "0 g\r1 i \rBT\r/F1 2 Tf\r0 Tc 0 Tw 0  Ts 100  Tz 0 Tr 1.2 TL 12 0 0 12 100 500 Tm \rT* (Shopping) Tj \rET"
        "\r\nendstream\rendobj\n"
        "xref\r\n0 13\r\n0000000000 65535 f\r\n"
        "0000000010 00000 n\r\n"
        "0000000056 00000 n\r\n"
        "0000000086 00000 n\r\n"
        "0000000194 00000 n\r\n"
        "0000000407 00000 n\r\n"
        "0000001334 00000 n\r\n"
        "0000001257 00000 n\r\n"
        "0000001106 00000 n\r\n"
        "0000000255 00000 n\r\n"
        "0000000959 00000 n\r\n"
        "0000000882 00000 n\r\n"
        "0000000556 00000 n\r\n"
        "trailer\n<</Size 13/Root 1 0 R>>\r\nstartxref\r\n1481\r\n%%EOF\r\n";

    QTemporaryDir dir;
    const std::string first = dir.filePath("first.pdf").toStdString();
    const std::string second = dir.filePath("second.pdf").toStdString();
    ASSERT_TRUE(ExportNoteToPdf(ShoppingNote(), "Shopping", "Weekly shop", first));
    ASSERT_TRUE(ExportNoteToPdf(ShoppingNote(), "Shopping", "Weekly shop", second));
    const std::string bytes = ReadBytes(first);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(ReadBytes(second), bytes) << "no date, time or identifier may differ between runs";

    // A dated note gets its date line between title and priority.
    CNoteRecord dated = ShoppingNote();
    dated.m_bHasDate = 1;
    dated.m_dtDate = CDateTime::FromFields(2026, 12, 24);
    const std::string body = BuildPdfBodyText(dated);
    EXPECT_EQ(body.substr(0, body.find("Priority")), "Title" + t12 + ":\t\tShopping\r\n\r\nDate" +
                                                         std::string(11, '\t') + ":\t\t" +
                                                         CAppContext::FormatDate(dated.m_dtDate) + "\r\n\r\n");
    dated.m_nPriority = 7;
    EXPECT_NE(BuildPdfBodyText(dated).find("Priority" + t7 + ":\t\t\r\n\r\nComments"), std::string::npos);

    SKIP_WITHOUT_PDF_TOOLS();
    ExpectQpdfFindsNoFault(first);
    const std::string text = PdfText(first);
    for (const char* word : {"Shopping", "Weekly shop", "High", "Weekly", "food", "milk", "bread", "Keyword[s]"})
        EXPECT_NE(text.find(word), std::string::npos) << word << " in\n" << text;
}

TEST(PdfWriter, WrapsAfterSpaceElseHyphenElseWhatFits)
{
    // Helvetica at a 14-unit em against 500 units: 35714 thousandths of the em.
    const std::string x60(60, 'x');
    EXPECT_EQ(Wrap(std::string(100, 'x')), (std::vector<std::string>{std::string(71, 'x'), std::string(29, 'x')}))
        << "x is 500 wide: 71 fit";
    EXPECT_EQ(Wrap(x60 + " " + x60), (std::vector<std::string>{x60 + " ", x60}));
    EXPECT_EQ(Wrap(x60 + "-" + x60), (std::vector<std::string>{x60 + "-", x60}));
    const std::string x30(30, 'x');
    EXPECT_EQ(Wrap(x30 + " " + x30 + "-" + x30), (std::vector<std::string>{x30 + " ", x30 + "-" + x30}))
        << "a space that fits wins over a later hyphen";
    EXPECT_EQ(Wrap(std::string(129, '\t')), (std::vector<std::string>{std::string(128, '\t'), "\t"}))
        << "a tab measures as a space";
    EXPECT_EQ(Wrap(""), std::vector<std::string>{""});

    // Non-ASCII text is measured by character and never cut inside one.
    EXPECT_EQ(Wrap(Repeat("\xC3\xA9", 100)), (std::vector<std::string>{Repeat("\xC3\xA9", 64), Repeat("\xC3\xA9", 36)}))
        << "e acute is 556 wide";

    std::vector<std::string> lines;
    CPdfWriter::SplitLines("a\r\n\r\nb\nc\r\n", "\r\n", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"a", "", "b\nc", ""}));
}

TEST(PdfWriter, BreaksPagesAfterFortyThenFortyThreeLines)
{
    // Ten header lines, twenty notes lines, one line that wraps into three,
    // then L21 to L75: wrapped line 41 is L28.
    CNoteRecord note = ShoppingNote();
    note.m_strNotes.clear();
    for (int i = 1; i <= 20; ++i)
        note.m_strNotes += "L" + std::to_string(i) + "\r\n";
    note.m_strNotes += std::string(150, 'x');
    for (int i = 21; i <= 75; ++i)
        note.m_strNotes += "\r\nL" + std::to_string(i);

    QTemporaryDir dir;
    const std::string path = dir.filePath("long.pdf").toStdString();
    ASSERT_TRUE(ExportNoteToPdf(note, "Long", "", path));
    const std::string pdf = ReadBytes(path);

    EXPECT_NE(pdf.find("/Kids [5 0 R 9 0 R 13 0 R 15 0 R ] /Count 4"), std::string::npos);
    EXPECT_NE(pdf.find("trailer\n<</Size 17/Root"), std::string::npos);
    EXPECT_NE(PdfObject(pdf, 13).find("/Contents [14 0 R ]"), std::string::npos);
    EXPECT_NE(PdfObject(pdf, 15).find("/Contents [16 0 R ]"), std::string::npos);
    // Object 16 falls in the second group of the tables, so it comes last.
    EXPECT_LT(PdfObjectAt(pdf, 6), PdfObjectAt(pdf, 16));
    EXPECT_LT(PdfObjectAt(pdf, 15), PdfObjectAt(pdf, 13));
    EXPECT_LT(PdfObjectAt(pdf, 13), PdfObjectAt(pdf, 9));
    EXPECT_LT(PdfObjectAt(pdf, 14), PdfObjectAt(pdf, 12));

    auto lines = [&](int n) {
        std::vector<std::string> out;
        CPdfWriter::SplitLines(Shown(PdfObject(pdf, n)), ")Tj T*(", out);
        EXPECT_EQ(out.back(), "") << "every block ends with an empty shown string";
        out.pop_back();
        return out;
    };
    const auto first = lines(12);
    const auto second = lines(14);
    const auto third = lines(16);
    EXPECT_NE(PdfObject(pdf, 12).find("50 720 Tm"), std::string::npos);
    EXPECT_NE(PdfObject(pdf, 14).find("50 750 Tm"), std::string::npos);
    ASSERT_EQ(first.size(), 40u);
    ASSERT_EQ(second.size(), 43u);
    ASSERT_EQ(third.size(), 5u);
    EXPECT_EQ(first[30], std::string(71, 'x'));
    EXPECT_EQ(first[32], std::string(8, 'x'));
    EXPECT_EQ(first[39], "L27");
    EXPECT_EQ(second[0], "L28");
    EXPECT_EQ(second[42], "L70");
    EXPECT_EQ(third[0], "L71");
    EXPECT_EQ(third[4], "L75");

    SKIP_WITHOUT_PDF_TOOLS();
    ExpectQpdfFindsNoFault(path);
    EXPECT_EQ(PdfText(path, 3, 3).substr(0, 4), "L28\n");
    EXPECT_NE(PdfText(path, 4, 4).find("L75"), std::string::npos);
}

TEST(PdfWriter, EscapesStringsAndWritesMacRoman)
{
    CNoteRecord note = ShoppingNote();
    note.m_strNotes = "(Tuesday) x(y)z\\w\r\n\xC3\xBC\xE2\x82\xAC\xFF";
    QTemporaryDir dir;
    const std::string path = dir.filePath("escapes.pdf").toStdString();
    // Title with parentheses, a backslash and non-ASCII; subtitle unbalanced.
    ASSERT_TRUE(ExportNoteToPdf(note, "a(b)c\\d Caf\xC3\xA9 \xE2\x80\x93 \xC5\x93", ")(", path));
    const std::string pdf = ReadBytes(path);

    EXPECT_EQ(Shown(PdfObject(pdf, 6)), "a\\(b\\)c\\\\d Caf\x8E \xD0 \xCF");
    EXPECT_EQ(Shown(PdfObject(pdf, 10)), Shown(PdfObject(pdf, 6)));
    EXPECT_EQ(Shown(PdfObject(pdf, 8)), "\\)\\(");
    // Body text is escaped as titles are; the euro is drawn in the fallback
    // font, and a broken byte stays "?".
    const std::string body = Shown(PdfObject(pdf, 12));
    const std::string tail = ")Tj T*(\\(Tuesday\\) x\\(y\\)z\\\\w)Tj T*(\x9F) Tj /F2 1 Tf <";
    EXPECT_NE(body.find(tail), std::string::npos) << body;
    EXPECT_EQ(body.substr(body.find(tail) + tail.size() + 4), "> Tj /F1 1 Tf (?)Tj T*(") << body;
    // The length counts the converted, escaped bytes.
    const std::string cover = PdfObject(pdf, 6);
    const size_t content = cover.find("stream\r\n") + 8;
    EXPECT_NE(cover.find("<</Length " + std::to_string(cover.find("\r\nendstream") - content) + ">>"),
              std::string::npos);

    SKIP_WITHOUT_PDF_TOOLS();
    ExpectQpdfFindsNoFault(path);
    const std::string text = PdfText(path);
    EXPECT_NE(text.find("a(b)c\\d Caf\xC3\xA9 \xE2\x80\x93 \xC5\x93"), std::string::npos) << text;
    EXPECT_NE(text.find(")("), std::string::npos) << text;
    EXPECT_NE(text.find("(Tuesday) x(y)z\\w"), std::string::npos) << text;
    EXPECT_NE(text.find("\xC3\xBC\xE2\x82\xAC?"), std::string::npos) << text;
}

TEST(PdfWriter, DrawsEveryScriptInEmbeddedFonts)
{
    if (!QFile::exists(QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")))
        GTEST_SKIP() << "fonts-dejavu-core is not installed";
    const bool bCjk = QFile::exists(QStringLiteral("/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf"));
    std::vector<std::string> lines = {
        "5 \xE2\x82\xAC (Tuesday)",                                                                           // euro
        "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 ja\xC5\xBA\xC5\x84",                   // Polish
        "\xCE\x93\xCE\xB5\xCE\xB9\xCE\xAC \xCF\x83\xCE\xBF\xCF\x85 \xCE\x9A\xCF\x8C\xCF\x83\xCE\xBC\xCE\xB5", // Greek
        "\xD0\xA1\xD1\x8A\xD0\xB5\xD1\x88\xD1\x8C \xD0\xB6\xD0\xB5 \xD0\xB5\xD1\x89\xD1\x91", // Cyrillic
        "Ti\xE1\xBA\xBFng Vi\xE1\xBB\x87t",                                                   // Vietnamese
        "\xD5\x80\xD5\xA1\xD5\xB5\xD5\xA5\xD6\x80\xD5\xA5\xD5\xB6",                           // Armenian
    };
    if (bCjk) {
        lines.push_back("\xE4\xBD\xA0\xE5\xA5\xBD\xE4\xB8\x96\xE7\x95\x8C");             // Chinese
        lines.push_back("\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF"); // Japanese
    }
    CNoteRecord note = ShoppingNote();
    note.m_strNotes.clear();
    for (const std::string& line : lines)
        note.m_strNotes += line + "\r\n";
    QTemporaryDir dir;
    const std::string path = dir.filePath("scripts.pdf").toStdString();
    ASSERT_TRUE(ExportNoteToPdf(note, lines[2], lines[3], path));
    const std::string pdf = ReadBytes(path);
    EXPECT_NE(pdf.find("/Font << /F1 3 0 R /F2 "), std::string::npos) << "every page names the fallback font";
    EXPECT_NE(pdf.find("/Subtype /CIDFontType2"), std::string::npos);

    // Wrapping measures with the font that draws the character: the euro
    // is wider in it than the "?" it used to be.
    EXPECT_EQ(Wrap(Repeat("\xE2\x82\xAC", 100)),
              (std::vector<std::string>{Repeat("\xE2\x82\xAC", 56), Repeat("\xE2\x82\xAC", 44)}))
        << "the euro is 636 wide in DejaVu Sans";

    SKIP_WITHOUT_PDF_TOOLS();
    ExpectQpdfFindsNoFault(path);
    const std::string text = PdfText(path);
    for (const std::string& line : lines)
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
}

TEST(PdfWriter, ReportsWhatCannotBeWritten)
{
    QTemporaryDir dir;
    const std::string blocker = dir.filePath("plain-file").toStdString();
    WriteBytes(blocker, "x");
    EXPECT_FALSE(ExportNoteToPdf(ShoppingNote(), "T", "S", blocker + "/inside.pdf"));
    EXPECT_FALSE(ExportNoteToPdf(ShoppingNote(), "T", "S", dir.path().toStdString())) << "a directory";
    EXPECT_FALSE(ExportNoteToPdf(ShoppingNote(), "T", "S", ""));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"plain-file"}) << "nothing half written";

    // A page tree with no page is still a file that opens.
    CPdfWriter empty;
    const std::string path = dir.filePath("empty.pdf").toStdString();
    ASSERT_TRUE(empty.SaveToFile(path));
    EXPECT_NE(ReadBytes(path).find("/Kids [] /Count 0"), std::string::npos);

    SKIP_WITHOUT_PDF_TOOLS();
    ExpectQpdfFindsNoFault(path);
}
