#include "AppContext.h"
#include "AutomationRegistry.h"
#include "CalcServer.h"
#include "LinuxServers.h"
#include "NoteRecord.h"
#include "OdfText.h"
#include "OfficeExports.h"
#include "OfficeInstall.h"
#include "OfficeTestUtil.h"
#include "RecordingServer.h"
#include "SpreadsheetDocument.h"
#include "WriterServer.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace
{
CNoteRecord Note()
{
    CNoteRecord n;
    n.m_strTitle = "Shopping  list";
    n.m_bHasDate = 1;
    n.m_dtDate = CDateTime::FromFields(2005, 9, 17, 11, 34, 44);
    n.m_nPriority = 2;
    n.m_strComments = "Weekly";
    // Characters XML cannot carry are left out: a control character and U+FFFF.
    n.m_strKeywords = "food & drink <home>\x01\xEF\xBF\xBF";
    n.m_strNotes = "milk\r\nbread\r\n  two eggs";
    return n;
}

std::string ReadFile(const std::string& strPath)
{
    QFile f(QString::fromStdString(strPath));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

// A paragraph of a Flat OpenDocument text as a reader sees it.
struct SPara
{
    std::string strAlign;
    std::string strText;
    // The formats of its spans: "b", "i", "u" and the size, e.g. "bu14pt".
    std::vector<std::string> formats;
};

std::vector<SPara> ReadFlatOdt(const std::string& strXml)
{
    std::map<QString, std::string> styles;
    std::vector<SPara> paras;
    QXmlStreamReader xml(QByteArray::fromStdString(strXml));
    QString strStyle;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isCharacters() && !paras.empty())
                paras.back().strText += xml.text().toString().toStdString();
            continue;
        }
        const auto a = xml.attributes();
        const QStringView name = xml.name();
        if (name == u"style" && xml.namespaceUri() == Odf::style)
            strStyle = a.value(Odf::style, QStringLiteral("name")).toString();
        else if (name == u"paragraph-properties")
            styles[strStyle] = a.value(Odf::fo, QStringLiteral("text-align")).toString().toStdString();
        else if (name == u"text-properties" && !strStyle.isEmpty())
            styles[strStyle] = std::string(a.value(Odf::fo, QStringLiteral("font-weight")) == u"bold" ? "b" : "") +
                               (a.value(Odf::fo, QStringLiteral("font-style")) == u"italic" ? "i" : "") +
                               (a.value(Odf::style, QStringLiteral("text-underline-style")) == u"solid" ? "u" : "") +
                               a.value(Odf::fo, QStringLiteral("font-size")).toString().toStdString();
        else if (name == u"p")
            paras.push_back({styles[a.value(Odf::text, QStringLiteral("style-name")).toString()], {}, {}});
        else if (name == u"span")
            paras.back().formats.push_back(styles[a.value(Odf::text, QStringLiteral("style-name")).toString()]);
        else if (name == u"tab")
            paras.back().strText += '\t';
        else if (name == u"s")
            paras.back().strText += std::string(
                a.hasAttribute(Odf::text, QStringLiteral("c")) ? a.value(Odf::text, QStringLiteral("c")).toInt() : 1,
                ' ');
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return paras;
}

const SOfficeInstall fakeOffice{"/opt/office/soffice", true, true};

bool HaveLibreOffice()
{
    const SOfficeInstall office = FindLibreOffice();
    return !office.strProgram.empty() && office.bWriter && office.bCalc;
}
} // namespace

TEST(WriterServerTest, KeepsTextAndFormattingAndOpensANewDocument)
{
    CRecordingOpener opener;
    CAutomationRegistry registry;
    RegisterLinuxServers(registry, opener, fakeOffice);
    CCapturingReporter reporter;
    const CNoteRecord note = Note();
    EXPECT_EQ(ExportWordAll(&note, registry, reporter), "");
    EXPECT_TRUE(reporter.boxes.empty());

    // Writer is started on a new untitled document from our temporary folder.
    ASSERT_EQ(opener.starts.size(), 1u);
    EXPECT_EQ(opener.starts[0].strProgram, fakeOffice.strProgram);
    ASSERT_EQ(opener.starts[0].args.size(), 2u);
    EXPECT_EQ(opener.starts[0].args[0], "-n");
    const std::string strFile = opener.starts[0].args[1];
    EXPECT_EQ(QFileInfo(QString::fromStdString(strFile)).absolutePath().toStdString(), ProgramTempDir());
    EXPECT_EQ(QFileInfo(QString::fromStdString(strFile)).suffix(), "fodt");

    const std::string strDate = CAppContext::FormatDate(note.m_dtDate);
    const std::vector<SPara> paras = ReadFlatOdt(ReadFile(strFile));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"center", "Shopping  list"},
        {"center", ""},
        {"end", strDate},
        {"end", ""},
        {"start", "Priority\t:\tHigh"},
        {"start", ""},
        {"start", "Comments\t:\tWeekly"},
        {"start", ""},
        {"start", "Keyword(s)\t:\tfood & drink <home>"},
        {"start", ""},
        {"start", "Notes: "},
        {"start", ""},
        {"start", "milk"},
        {"start", "bread"},
        {"start", "  two eggs"},
        {"start", ""},
        {"start", ""},
    };
    ASSERT_EQ(paras.size(), expected.size());
    for (size_t i = 0; i < paras.size(); ++i) {
        EXPECT_EQ(paras[i].strAlign, expected[i].first) << i;
        EXPECT_EQ(paras[i].strText, expected[i].second) << i;
    }
    EXPECT_EQ(paras[0].formats, std::vector<std::string>{"bu14pt"});
    EXPECT_EQ(paras[2].formats, std::vector<std::string>{"i12pt"});
    EXPECT_EQ(paras[4].formats, std::vector<std::string>{"12pt"});
    EXPECT_EQ(paras[10].formats, std::vector<std::string>{"bu12pt"});
    EXPECT_EQ(paras[12].formats, std::vector<std::string>{"11pt"});

    // Each export is a document of its own.
    ExportWordNotes(&note, registry, reporter);
    ASSERT_EQ(opener.starts.size(), 2u);
    EXPECT_NE(opener.starts[1].args[1], strFile);
    EXPECT_EQ(ReadFlatOdt(ReadFile(opener.starts[1].args[1])).size(), 9u);
}

TEST(OfficeServersTest, MissingLibreOfficeShowsNothingAndSaysWhy)
{
    CRecordingOpener opener;
    CCapturingReporter reporter;
    const CNoteRecord note = Note();
    {
        CAutomationRegistry registry;
        RegisterLinuxServers(registry, opener, SOfficeInstall{});
        EXPECT_EQ(ExportWordAll(&note, registry, reporter), pszNeedsWriter);
        EXPECT_EQ(ExportExcelNotes(&note, registry, reporter), pszNeedsCalc);
    }
    {
        // Writer without Calc.
        CAutomationRegistry registry;
        RegisterLinuxServers(registry, opener, SOfficeInstall{"/usr/bin/soffice", true, false});
        EXPECT_EQ(ExportExcelAll(&note, registry, reporter), pszNeedsCalc);
    }
    EXPECT_TRUE(opener.starts.empty());
    EXPECT_TRUE(reporter.boxes.empty());
    {
        // LibreOffice that will not start: the user is told.
        CAutomationRegistry registry;
        RegisterLinuxServers(registry, opener, fakeOffice);
        opener.bSucceed = false;
        ExportWordAll(&note, registry, reporter);
        ASSERT_EQ(reporter.boxes.size(), 1u);
        EXPECT_EQ(reporter.boxes[0].strCaption, "COleDispathException");
        EXPECT_NE(reporter.boxes[0].strText.find("LibreOffice Writer could not be started"), std::string::npos);
    }
    // Nothing on the PATH.
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    EXPECT_TRUE(FindLibreOffice().strProgram.empty());
    qputenv("PATH", path);
}

TEST(CalcServerTest, KeepsCellsWithFormatAndComments)
{
    CRecordingOpener opener;
    CAutomationRegistry registry;
    RegisterLinuxServers(registry, opener, fakeOffice);
    CCapturingReporter reporter;
    const CNoteRecord note = Note();
    ExportExcelAll(&note, registry, reporter);
    EXPECT_TRUE(reporter.boxes.empty());
    ASSERT_EQ(opener.starts.size(), 1u);
    const std::string strFile = opener.starts[0].args[1];
    EXPECT_EQ(QFileInfo(QString::fromStdString(strFile)).suffix(), "fods");
    const std::string strXml = ReadFile(strFile);
    QXmlStreamReader xml(QByteArray::fromStdString(strXml));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError());
    EXPECT_NE(strXml.find("<office:annotation><text:p>milk</text:p><text:p>bread</text:p><text:p><text:s "
                          "text:c=\"2\"/>two eggs</text:p></office:annotation>"),
              std::string::npos);

    // Cell names as the sheet knows them; anything else is refused.
    using A = CSpreadsheetDocument::Address;
    EXPECT_EQ(CSpreadsheetDocument::ParseCellName("b12"), A(11, 1));
    EXPECT_EQ(CSpreadsheetDocument::ParseCellName("XFD1048576"), A(1048575, 16383));
    for (const char* psz : {"", "C", "2", "C0", "C2:D3", "XFE1", "A1048577", "A99999999999999999999", "2C"})
        EXPECT_FALSE(CSpreadsheetDocument::ParseCellName(psz)) << psz;

    // A second comment on a cell and a range of many cells are server errors, not crashes.
    auto server = CreateCalcServer(fakeOffice, opener);
    CDispatchDriver app(server.pApplication);
    app.GetObject("Workbooks").Call("Add", {CAutoVariant::Int32(1)});
    CDispatchDriver sheet = app.GetObject("ActiveSheet");
    CDispatchDriver cell = sheet.GetObject("Range", {CAutoVariant::Text("A1"), CAutoVariant::Missing()});
    cell.Call("AddComment", {CAutoVariant::Text("one")});
    EXPECT_THROW(cell.Call("AddComment", {CAutoVariant::Text("two")}), CAutomationException);
    EXPECT_THROW(sheet.GetObject("Range", {CAutoVariant::Text("A1"), CAutoVariant::Text("B2")}), CAutomationException);
    EXPECT_THROW(cell.SetProperty("Value", CAutoVariant::Int32(3)), CAutomationException);
    CSpreadsheetDocument far;
    far.At(A(1000000, 3)).strValue = "far";
    EXPECT_LT(far.ToFlatOds().size(), 2000u);
}

// The files the servers write, read back by LibreOffice itself.
TEST(OfficeServersTest, LibreOfficeReadsWhatTheServersWrite)
{
    if (!HaveLibreOffice())
        GTEST_SKIP() << "LibreOffice Writer and Calc are not installed";
    CRecordingOpener opener;
    CAutomationRegistry registry;
    RegisterLinuxServers(registry, opener, FindLibreOffice());
    CCapturingReporter reporter;
    const CNoteRecord note = Note();
    ExportWordAll(&note, registry, reporter);
    ExportExcelAll(&note, registry, reporter);
    ASSERT_EQ(opener.starts.size(), 2u);
    EXPECT_TRUE(reporter.boxes.empty());

    // Three conversions side by side: LibreOffice takes seconds to start.
    const std::string& strDoc = opener.starts[0].args[1];
    const std::string& strSheet = opener.starts[1].args[1];
    CConversion text({strDoc}, QStringLiteral("txt:Text (encoded):UTF8,LF,,,"));
    CConversion cells({strSheet}, QStringLiteral("csv"));
    CConversion html({strDoc, strSheet}, QStringLiteral("html"));
    const std::string strDate = CAppContext::FormatDate(note.m_dtDate);
    const std::string strText = text.Read(strDoc);
    EXPECT_EQ(strText, "\xEF\xBB\xBFShopping  list\n\n" + strDate +
                           "\n\nPriority\t:\tHigh\n\nComments\t:\tWeekly\n\nKeyword(s)\t:\tfood & drink "
                           "<home>\n\nNotes: \n\nmilk\nbread\n  two eggs\n\n\n");

    // The formatting as Writer understood it.
    const std::string strHtml = html.Read(strDoc);
    for (const std::string& strPiece :
         {std::string("<p align=\"center\""), std::string("font-size: 14pt\"><u><b>Shopping  list</b></u></font>"),
          std::string("<p align=\"right\""), "font-size: 12pt\"><i>" + strDate + "</i>",
          std::string("font-size: 12pt\">Priority\t:\tHigh</font>"), std::string("<u><b>Notes: </b></u>"),
          std::string("font-size: 11pt\">milk</font>")})
        EXPECT_NE(strHtml.find(strPiece), std::string::npos) << strPiece;
    const std::string strSheetHtml = html.Read(strSheet);
    for (const std::string& strPiece :
         {std::string("<b>Shopping  list</b>"), "<i>" + strDate + "</i>",
          std::string("<b>Priority</b></td>\n\t\t<td align=\"left\">High</td>"),
          std::string("<b>Notes</b></td>\n\t\t<td align=\"left\"><a class=\"comment-indicator\"></a>\n\t\t<comment>"
                      "milk\nbread\n  two eggs</comment>\n\t\tView Notes</td>")})
        EXPECT_NE(strSheetHtml.find(strPiece), std::string::npos) << strPiece;

    const std::string strCsv = cells.Read(strSheet);
    const std::string strExpected = ",,Shopping  list,,\n"
                                    ",,,,\n"
                                    ",,,," +
                                    strDate +
                                    "\n"
                                    ",,,,\n"
                                    "Priority,High,,,\n"
                                    ",,,,\n"
                                    "Comments,Weekly,,,\n"
                                    ",,,,\n"
                                    "Keyword(s),food & drink <home>,,,\n"
                                    ",,,,\n"
                                    "Notes,View Notes,,,\n";
    EXPECT_EQ(strCsv, ",,,,\n" + strExpected);
}

TEST(OfficeServersTest, TemporaryFolderFallsBackWhenTmpdirCannotBeUsed)
{
    const bool bHadTmpdir = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray strOldTmpdir = qgetenv("TMPDIR");
    QTemporaryDir dir;
    ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly));
    // Gone, a plain file, not absolute: each time the system's own is used.
    for (const QString& strTmpdir :
         {dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("file")), QStringLiteral("relative")}) {
        qputenv("TMPDIR", strTmpdir.toLocal8Bit());
        RemoveProgramTempDir();
        std::string strError;
        const std::string strDir = ProgramTempDir(&strError);
        EXPECT_EQ(strDir.rfind("/tmp/quillbox-", 0), 0u) << strDir << " " << strError;
        EXPECT_TRUE(QFileInfo(QString::fromStdString(strDir)).isDir());
        EXPECT_EQ(NewProgramTempFile(".fodt").rfind(strDir + "/", 0), 0u);
    }
    // A usable TMPDIR is still the first choice.
    qputenv("TMPDIR", dir.path().toLocal8Bit());
    RemoveProgramTempDir();
    EXPECT_EQ(ProgramTempDir().rfind(dir.path().toStdString() + "/quillbox-", 0), 0u);
    RemoveProgramTempDir();
    if (bHadTmpdir)
        qputenv("TMPDIR", strOldTmpdir);
    else
        qunsetenv("TMPDIR");
}
