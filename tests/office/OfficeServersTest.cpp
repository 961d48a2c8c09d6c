#include "AppContext.h"
#include "AutomationException.h"
#include "AutomationRegistry.h"
#include "CalcServer.h"
#include "LinuxServers.h"
#include "NoteRecord.h"
#include "OfficeExports.h"
#include "OfficeInstall.h"
#include "OfficeTestUtil.h"
#include "SpreadsheetDocument.h"
#include "TestUtil.h"
#include "WriterServer.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

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

const SOfficeInstall fakeOffice{"/opt/office/soffice", true, true, true};

// A file converted by LibreOffice, headless, with a profile of its own so
// that conversions run side by side; Read waits for it.
struct SConversion
{
    SConversion(const std::string& strFileIn, const std::string& strFilter) : strFile(strFileIn)
    {
        pid = StartRaw({"env", "HOME=" + strProfile, "soffice", "-env:UserInstallation=file://" + strProfile,
                        "--headless", "--norestore", "--convert-to", strFilter, "--outdir", strProfile, strFile},
                       strProfile + "/run");
    }
    ~SConversion() { FinishRaw(pid, strProfile + "/run", 0); }
    std::string Read(const std::string& strExtension)
    {
        FinishRaw(pid, strProfile + "/run", 240);
        return ReadBytes(strProfile + "/" +
                         QFileInfo(QString::fromStdString(strFile)).completeBaseName().toStdString() + "." +
                         strExtension);
    }

    std::string strFile;
    QTemporaryDir profile;
    const std::string strProfile = profile.path().toStdString();
    pid_t pid;
};

bool HaveLibreOffice()
{
    const SOfficeInstall office = FindLibreOffice();
    return !office.strProgram.empty() && office.bWriter && office.bCalc;
}
} // namespace

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
    {
        // Only the headless LibreOffice: it would never show the document.
        CAutomationRegistry registry;
        RegisterLinuxServers(registry, opener, SOfficeInstall{"/usr/bin/soffice", true, true, false});
        EXPECT_EQ(ExportWordNotes(&note, registry, reporter), pszNeedsDesktopOffice);
        EXPECT_EQ(ExportExcelAll(&note, registry, reporter), pszNeedsDesktopOffice);
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
    {
        // A desktop LibreOffice: the status bar says the document is on its way.
        CAutomationRegistry registry;
        RegisterLinuxServers(registry, opener, fakeOffice);
        opener.bSucceed = true;
        const size_t nStarted = opener.starts.size();
        EXPECT_EQ(ExportWordAll(&note, registry, reporter), pszOpeningInOffice);
        EXPECT_EQ(opener.starts.size(), nStarted + 1);
    }
    // Nothing on the PATH.
    QTemporaryDir empty;
    const CScopedEnv path("PATH", empty.path().toStdString());
    EXPECT_TRUE(FindLibreOffice().strProgram.empty());
    // Debian's layout: the program on the PATH links into the folder of its
    // libraries, where a desktop LibreOffice has its window-system plugins.
    const std::string program = empty.path().toStdString() + "/program/";
    QDir().mkpath(QString::fromStdString(program));
    for (const char* psz : {"soffice", "libswlo.so", "libsclo.so"})
        WriteBytes(program + psz, "");
    ::chmod((program + "soffice").c_str(), 0500);
    ::symlink((program + "soffice").c_str(), (empty.path().toStdString() + "/soffice").c_str());
    const SOfficeInstall headless = FindLibreOffice();
    EXPECT_TRUE(headless.bWriter && headless.bCalc);
    EXPECT_FALSE(headless.bDesktop);
    WriteBytes(program + "libvclplug_gtk3lo.so", "");
    EXPECT_TRUE(FindLibreOffice().bDesktop);
}

TEST(CalcServerTest, BadCellsAndRangesAreServerErrorsNotCrashes)
{
    CRecordingOpener opener;
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
    // The recording opener shows nothing: the headless LibreOffice does here.
    SOfficeInstall office = FindLibreOffice();
    office.bDesktop = true;
    RegisterLinuxServers(registry, opener, office);
    CCapturingReporter reporter;
    const CNoteRecord note = Note();
    ExportWordAll(&note, registry, reporter);
    ExportExcelAll(&note, registry, reporter);
    ASSERT_EQ(opener.starts.size(), 2u);
    EXPECT_TRUE(reporter.boxes.empty());

    // Two conversions side by side: LibreOffice takes seconds to start.
    const std::string& strDoc = opener.starts[0].args[1];
    const std::string& strSheet = opener.starts[1].args[1];
    SConversion text(strDoc, "txt:Text (encoded):UTF8,LF,,,");
    SConversion cells(strSheet, "csv");
    const std::string strDate = CAppContext::FormatDate(note.m_dtDate);
    EXPECT_EQ(text.Read("txt"), "\xEF\xBB\xBFShopping  list\n\n" + strDate +
                                    "\n\nPriority\t:\tHigh\n\nComments\t:\tWeekly\n\nKeyword(s)\t:\tfood & drink "
                                    "<home>\n\nNotes: \n\nmilk\nbread\n  two eggs\n\n\n");
    EXPECT_EQ(cells.Read("csv"), ",,,,\n,,Shopping  list,,\n,,,,\n,,,," + strDate +
                                     "\n,,,,\nPriority,High,,,\n,,,,\nComments,Weekly,,,\n,,,,\n"
                                     "Keyword(s),food & drink <home>,,,\n,,,,\nNotes,View Notes,,,\n");
}

TEST(OfficeServersTest, TemporaryFolderFallsBackWhenTmpdirCannotBeUsed)
{
    QTemporaryDir dir;
    CScopedEnv tmpdir("TMPDIR", "");
    ASSERT_TRUE(QFile(dir.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly));
    // Gone, a plain file, not absolute: each time the system's own is used.
    for (const QString& strTmpdir :
         {dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("file")), QStringLiteral("relative")}) {
        tmpdir.Set(strTmpdir.toStdString());
        RemoveProgramTempDir();
        std::string strError;
        const std::string strDir = ProgramTempDir(&strError);
        EXPECT_EQ(strDir.rfind("/tmp/quillbox-", 0), 0u) << strDir << " " << strError;
        EXPECT_TRUE(QFileInfo(QString::fromStdString(strDir)).isDir());
        EXPECT_EQ(NewProgramTempFile(".fodt").rfind(strDir + "/", 0), 0u);
    }
    // A usable TMPDIR is still the first choice.
    tmpdir.Set(dir.path().toStdString());
    RemoveProgramTempDir();
    EXPECT_EQ(ProgramTempDir().rfind(dir.path().toStdString() + "/quillbox-", 0), 0u);
    RemoveProgramTempDir();
}
