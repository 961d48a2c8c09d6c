#include "ExchangeTestUtil.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace
{
SToolRun Cli(const QStringList& args)
{
    return RunTool(QStringLiteral(QUILLBOX_CLI_PATH), args);
}
} // namespace

TEST(ExchangeCli, ExportAndImportText)
{
    QTemporaryDir dir;
    const QString d = dir.path();
    const SToolRun added = Cli({"add", d, "--title", "Shopping", "--comments", "Weekly", "--keywords", "food",
                                "--priority", "high", "--notes", "milk\r\nbread"});
    ASSERT_EQ(added.code, 0) << added.err;
    const QString key = QString::fromStdString(added.out).trimmed();

    ASSERT_EQ(Cli({"export", d, key, "--format", "text-notes", "--output", d + "/n.txt"}).code, 0);
    EXPECT_EQ(ReadBytes((d + "/n.txt").toStdString()), "Title\t:\tShopping\r\n\r\nNotes\t:\r\n\r\nmilk\r\nbread");
    ASSERT_EQ(Cli({"export", d, key, "--format", "text-all", "--output", d + "/a.txt"}).code, 0);
    EXPECT_EQ(ReadBytes((d + "/a.txt").toStdString()).substr(0, 40),
              "Title\t\t:\tShopping\r\n\r\nPriority\t:\tHigh\r\n\r\n");
    ASSERT_EQ(Cli({"export", d, key, "--format", "html", "--output", d + "/p.html"}).code, 0);
    const std::string page = ReadBytes((d + "/p.html").toStdString());
    EXPECT_EQ(page.rfind("<HTML><HEAD><meta charset=\"utf-8\"><title>Quillbox :: Shopping</title>", 0), 0u);
    ASSERT_EQ(Cli({"export", d, key, "--format", "pdf", "--output", d + "/default.pdf"}).code, 0);
    ASSERT_EQ(Cli({"export", d, key, "--format", "pdf", "--output", d + "/named.pdf", "--title", "Groceries",
                   "--subtitle", "Saturday"})
                  .code,
              0);
    const std::string named = ReadBytes((d + "/named.pdf").toStdString());
    EXPECT_NE(named.find("100 500 Tm \rT* (Groceries) Tj"), std::string::npos);
    EXPECT_NE(named.find("300 468 Tm \rT* (Saturday) Tj"), std::string::npos);
    EXPECT_NE(ReadBytes((d + "/default.pdf").toStdString()).find("100 500 Tm \rT* (Shopping) Tj"), std::string::npos)
        << "the title defaults to the note's";

    WriteBytes((d + "/plain").toStdString(), "x");
    EXPECT_EQ(Cli({"export", d, key, "--format", "pdf", "--output", d + "/plain/x.pdf"}).code, 1);
    EXPECT_EQ(Cli({"export", d, key, "--format", "html", "--output", d + "/plain/x.html"}).code, 1);
    EXPECT_EQ(Cli({"export", d, "nokey", "--format", "pdf", "--output", d + "/x.pdf"}).code, 1);
    EXPECT_EQ(Cli({"export", d, key, "--format", "doc", "--output", d + "/x.doc"}).code, 2);
    EXPECT_EQ(Cli({"export", d, key, "--format", "pdf"}).code, 2);
    EXPECT_EQ(Cli({"export", d, key, "--format", "html", "--output", d + "/x.html", "--title", "T"}).code, 2);

    WriteBytes((d + "/in.txt").toStdString(), "eggs");
    ASSERT_EQ(Cli({"import-text", d, key, d + "/in.txt"}).code, 0);
    const SToolRun shown = Cli({"show", d, key, "--json"});
    EXPECT_NE(shown.out.find("\"notes\":\"milk\\r\\nbread\\r\\neggs\""), std::string::npos) << shown.out;
    EXPECT_EQ(Cli({"import-text", d, key, d + "/missing.txt"}).code, 1);
    EXPECT_EQ(Cli({"import-text", d, key}).code, 2);

    SKIP_WITHOUT_PDF_TOOLS();
    for (const char* name : {"/default.pdf", "/named.pdf"}) {
        const SToolRun check = QpdfCheck((d + name).toStdString());
        EXPECT_EQ(check.code, 0) << name << check.out << check.err;
    }
    EXPECT_NE(PdfText((d + "/named.pdf").toStdString()).find("Saturday"), std::string::npos);
}
