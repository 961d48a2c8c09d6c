#include "AutomationRegistry.h"
#include "ICalItem.h"
#include "LinuxServers.h"
#include "MailClientSettings.h"
#include "MailServer.h"
#include "NoteRecord.h"
#include "OfficeExports.h"
#include "OfficeInstall.h"
#include "OfficeTestUtil.h"
#include "TestUtil.h"
#include "OutlookConnection.h"
#include "UserSettings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <atomic>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
CNoteRecord Note(const std::string& strTitle, int nPriority, bool bDate)
{
    CNoteRecord n;
    n.m_strTitle = strTitle;
    n.m_strNotes = "first line\r\nsecond, with ; and \\ and \"quotes\"\r\n\r\nlast é";
    n.m_nPriority = nPriority;
    n.m_bHasDate = bDate ? 1 : 0;
    n.m_dtDate = CDateTime::FromFields(2026, 12, 24, 18, 30, 5);
    return n;
}
} // namespace

TEST(MailServerTest, ExportedTasksAndNotesComeBackThroughTheFolders)
{
    SMail mail;
    ASSERT_TRUE(mail.bOpened);
    // Importance 0 / 1 / 2 and one out of range, with and without a date.
    for (const auto& [pszTitle, nPriority, bDate] : {std::tuple("low", 0, true), std::tuple("medium", 1, false),
                                                     std::tuple("high", 2, true), std::tuple("odd", 9, true)}) {
        const CNoteRecord note = Note(pszTitle, nPriority, bDate);
        ExportOutlookTask(mail.outlook, mail.reporter, &note);
    }
    EXPECT_TRUE(mail.reporter.boxes.empty());

    // Each item is one file of its own in the tasks folder, opened for the user.
    const auto files = VdirItemFiles(mail.folders.strTasks);
    ASSERT_EQ(files.size(), 4u);
    ASSERT_EQ(mail.opener.opened.size(), 4u);
    for (const std::string& strPath : mail.opener.opened) {
        EXPECT_EQ(QFileInfo(QString::fromStdString(strPath)).absolutePath().toStdString(), mail.folders.strTasks);
        const std::string strData = ReadBytes(strPath);
        EXPECT_NE(strData.find("BEGIN:VTODO"), std::string::npos);
        EXPECT_NE(strData.find("\r\nUID:"), std::string::npos);
        EXPECT_NE(strData.find("\r\nDTSTAMP:"), std::string::npos);
    }
    EXPECT_NE(ReadBytes(mail.opener.opened[0]).find("PRIORITY:9"), std::string::npos);
    EXPECT_NE(ReadBytes(mail.opener.opened[1]).find("PRIORITY:5"), std::string::npos);
    EXPECT_NE(ReadBytes(mail.opener.opened[2]).find("PRIORITY:1"), std::string::npos);
    for (const char* psz : {"DTSTART:20261224T183005\r\n", "DUE:20261224T183005\r\n"}) {
        EXPECT_NE(ReadBytes(mail.opener.opened[0]).find(psz), std::string::npos) << psz;
        EXPECT_EQ(ReadBytes(mail.opener.opened[1]).find(psz), std::string::npos) << psz;
    }

    const auto tasks = mail.Tasks();
    ASSERT_EQ(tasks.size(), 4u);
    const std::string strBody = Note("", 0, false).m_strNotes;
    const CDateTime date = CDateTime::FromFields(2026, 12, 24, 18, 30, 5);
    EXPECT_EQ(tasks[0], (COutlookTaskEntry{"high", strBody, 1, date, 2}));
    EXPECT_EQ(tasks[1], (COutlookTaskEntry{"low", strBody, 1, date, 0}));
    EXPECT_EQ(tasks[2], (COutlookTaskEntry{"medium", strBody, 0, CDateTime(0.0), 1}));
    EXPECT_EQ(tasks[3], (COutlookTaskEntry{"odd", strBody, 1, date, 1}));

    // Notes go to the notes folder as journal entries and keep their lines.
    const CNoteRecord note = Note("n", 1, false);
    ExportOutlookNote(mail.outlook, mail.reporter, &note);
    ASSERT_EQ(VdirItemFiles(mail.folders.strNotes).size(), 1u);
    const std::string strJournal = ReadBytes(mail.opener.opened.back());
    EXPECT_NE(strJournal.find("BEGIN:VJOURNAL"), std::string::npos);
    EXPECT_NE(strJournal.find("SUMMARY:first line\r\n"), std::string::npos);
    EXPECT_EQ(mail.Notes(), std::vector<std::string>{strBody});
    EXPECT_EQ(mail.Tasks().size(), 4u);

    // A folder that cannot be written to: the user is told, nothing is opened.
    QDir(QString::fromStdString(mail.folders.strNotes)).removeRecursively();
    WriteBytes(mail.folders.strNotes, "in the way");
    const size_t nOpened = mail.opener.opened.size();
    ExportOutlookNote(mail.outlook, mail.reporter, &note);
    ASSERT_EQ(mail.reporter.boxes.size(), 1u);
    // The box names the file, gives the system's reason and ends one sentence once.
    const std::string& strBox = mail.reporter.boxes[0].strText;
    EXPECT_NE(strBox.find(mail.folders.strNotes + "/"), std::string::npos) << strBox;
    EXPECT_NE(strBox.find(": Not a directory."), std::string::npos) << strBox;
    EXPECT_EQ(strBox.find(".."), std::string::npos) << strBox;
    EXPECT_EQ(mail.opener.opened.size(), nOpened);
}

TEST(MailServerTest, HostileItemFilesAreSkippedAndNamed)
{
    SMail mail;
    const std::string strTasks = mail.folders.strTasks;
    // What a shared folder may hold besides items: a link to an endless
    // device, a link to a named pipe nobody writes to, an item far larger than any
    // task, and a file that is no item at all.
    ASSERT_EQ(::symlink("/dev/zero", (strTasks + "/zero.ics").c_str()), 0);
    const std::string strFifo = mail.dir.path().toStdString() + "/fifo";
    ASSERT_EQ(::mkfifo(strFifo.c_str(), 0600), 0);
    ASSERT_EQ(::symlink(strFifo.c_str(), (strTasks + "/pipe.ics").c_str()), 0);
    WriteBytes(strTasks + "/huge.ics", Calendar("BEGIN:VTODO\r\nUID:h\r\nSUMMARY:huge\r\nDESCRIPTION:" +
                                                std::string(nMaxVdirItemBytes, 'x') + "\r\nEND:VTODO\r\n"));
    WriteBytes(strTasks + "/junk.ics", "not a calendar");
    WriteBytes(strTasks + "/ok.ics", Calendar("BEGIN:VTODO\r\nUID:k\r\nSUMMARY:ok\r\nEND:VTODO\r\n"));

    CImportList<COutlookTaskEntry> list;
    std::vector<std::string> skipped;
    EXPECT_EQ(mail.outlook.ListTasks(list, &skipped), 1);
    ASSERT_EQ(list.GetCount(), 1u);
    EXPECT_EQ(list.GetRow(0).strText, "ok");
    // In name order, each naming its file.
    ASSERT_EQ(skipped.size(), 4u) << ::testing::PrintToString(skipped);
    for (const auto& [i, pszName] : {std::pair(0, "/huge.ics"), {1, "/junk.ics"}, {2, "/pipe.ics"}, {3, "/zero.ics"}})
        EXPECT_NE(skipped[i].find(strTasks + pszName), std::string::npos) << skipped[i];
    EXPECT_NE(skipped[0].find("larger than"), std::string::npos) << skipped[0];

    // A set stop flag ends the listing after the first item.
    const std::atomic<bool> bStop{true};
    CImportList<std::string> notes;
    for (const char* pszName : {"a.ics", "b.ics"})
        WriteBytes(mail.folders.strNotes + "/" + pszName,
                   Calendar("BEGIN:VJOURNAL\r\nDESCRIPTION:n\r\nEND:VJOURNAL\r\n"));
    EXPECT_EQ(mail.outlook.ListNotes(notes, nullptr, &bStop), 1);
}

TEST(MailServerTest, ExportedItemsHoldNoRawControlCharacters)
{
    SMail mail;
    CNoteRecord note = Note(std::string("bell\x07 and \x1b[31mescape\x7f") + '\0' + "after", 1, false);
    note.m_strNotes = "tab\tkept\r\nform\x0c feed\x01";
    ExportOutlookTask(mail.outlook, mail.reporter, &note);
    ExportOutlookNote(mail.outlook, mail.reporter, &note);
    ASSERT_EQ(mail.opener.opened.size(), 2u);
    for (const std::string& strPath : mail.opener.opened) {
        const std::string strData = ReadBytes(strPath);
        for (const char c : strData) {
            const auto u = static_cast<unsigned char>(c);
            EXPECT_TRUE((u >= 0x20 && u != 0x7F) || c == '\t' || c == '\r' || c == '\n') << int(u) << " in " << strData;
        }
    }
    // What is left reads back as the text without them.
    const auto tasks = mail.Tasks();
    ASSERT_EQ(tasks.size(), 1u);
    EXPECT_EQ(tasks[0].m_strSubject, "bell and [31mescapeafter");
    EXPECT_EQ(tasks[0].m_strBody, "tab\tkept\r\nform feed");
}

TEST(MailServerTest, FollowsTheVdirRules)
{
    SMail mail;
    const std::string strTasks = mail.folders.strTasks;
    // Other tools' files: a hidden one, temporary ones, one without an
    // extension, a damaged one, an event, a bare VTODO without a UID.
    const std::string strTodo = "BEGIN:VTODO\r\nSUMMARY:hidden\r\nEND:VTODO\r\n";
    WriteBytes(strTasks + "/.hidden.ics", Calendar(strTodo));
    WriteBytes(strTasks + "/a.ics.tmp", Calendar(strTodo));
    WriteBytes(strTasks + "/a.ics~", Calendar(strTodo));
    WriteBytes(strTasks + "/noextension", Calendar(strTodo));
    WriteBytes(strTasks + "/damaged.ics", "BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nSUMMARY;;;:\r\n\x01\xff");
    WriteBytes(strTasks + "/empty.ics", "");
    WriteBytes(strTasks + "/event.ics", Calendar("BEGIN:VEVENT\r\nUID:e\r\nSUMMARY:event\r\nEND:VEVENT\r\n"));
    WriteBytes(strTasks + "/bare.ics", "BEGIN:VTODO\r\nSUMMARY:bare\r\nEND:VTODO\r\n");
    QDir(QString::fromStdString(strTasks)).mkdir(QStringLiteral("folder.ics"));
    // An item with properties of other tools, in other date forms.
    WriteBytes(strTasks + "/known.ics",
               Calendar("BEGIN:VTODO\r\nUID:known-1\r\nSUMMARY:known\r\nDTSTART;VALUE=DATE:20261224\r\nPRIORITY:3\r\n"
                        "CATEGORIES:home\r\nX-OTHER-TOOL;X-PARAM=1:kept\r\nDUE:20261230T120000Z\r\nEND:VTODO\r\n"));

    const auto tasks = mail.Tasks();
    ASSERT_EQ(tasks.size(), 2u);
    EXPECT_EQ(tasks[0].m_strSubject, "bare");
    EXPECT_EQ(tasks[1].m_strSubject, "known");
    EXPECT_EQ(tasks[1].m_dtDate, CDateTime::FromFields(2026, 12, 24));
    EXPECT_EQ(tasks[1].m_nPriority, 2);

    // Changing and showing an item rewrites its own file and keeps what
    // other tools put there; an item without a UID gets one.
    CDispatchDriver ns = mail.outlook.m_namespace;
    const CDispatchDriver folder(ns.Call("GetDefaultFolder", {CAutoVariant::Int32(13)}).ToObject());
    const CDispatchDriver items = folder.GetObject("Items");
    for (CDispatchDriver item(items.Call("GetFirst").ToObject()); !item.IsNull();
         item = CDispatchDriver(items.Call("GetNext").ToObject())) {
        item.SetProperty("Subject", CAutoVariant::Text(item.GetProperty("Subject").ToText() + " changed"));
        item.Call("Display", {CAutoVariant::Bool(false)});
    }
    const std::string strKnown = ReadBytes(strTasks + "/known.ics");
    for (const char* psz : {"UID:known-1", "SUMMARY:known changed", "CATEGORIES:home", "X-OTHER-TOOL;X-PARAM=1:kept",
                            "DUE:20261230T120000Z", "DTSTART;VALUE=DATE:20261224", "PRIORITY:3"})
        EXPECT_NE(strKnown.find(psz), std::string::npos) << psz;
    EXPECT_NE(ReadBytes(strTasks + "/bare.ics").find("UID:"), std::string::npos);
    // Written in place: no new file, nothing left beside them.
    EXPECT_EQ(QDir(QString::fromStdString(strTasks)).entryList(QDir::Files | QDir::Hidden).size(), 9);

    // Priority bands and start-date forms as other tools write them: the
    // edges of each band.
    for (const auto& [pszProp, nImportance] : {std::pair("", 1),
                                               {"PRIORITY:0\r\n", 1},
                                               {"PRIORITY:1\r\n", 2},
                                               {"PRIORITY:4\r\n", 2},
                                               {"PRIORITY:5\r\n", 1},
                                               {"PRIORITY:6\r\n", 0}}) {
        auto p = CICalItem::Parse(Calendar(std::string("BEGIN:VTODO\r\n") + pszProp + "END:VTODO\r\n"),
                                  CICalItem::EKind::task);
        ASSERT_TRUE(p);
        EXPECT_EQ(ImportanceFromPriority(p->GetPriority()), nImportance) << pszProp;
    }
    auto utc =
        CICalItem::Parse(Calendar("BEGIN:VTODO\r\nDTSTART:20261224T120000Z\r\nEND:VTODO\r\n"), CICalItem::EKind::task);
    ASSERT_TRUE(utc && utc->GetDate());
    const QDateTime noon = QDateTime(QDate(2026, 12, 24), QTime(12, 0), Qt::UTC).toLocalTime();
    EXPECT_EQ(*utc->GetDate(), CDateTime::FromFields(noon.date().year(), noon.date().month(), noon.date().day(),
                                                     noon.time().hour(), noon.time().minute()));
    EXPECT_FALSE(CICalItem::Parse("garbage", CICalItem::EKind::task));
    EXPECT_FALSE(CICalItem::Parse(Calendar(strTodo), CICalItem::EKind::note));
}

TEST(MailServerTest, FoldersComeFromTheSettingsAndAreMadeWhenMissing)
{
    OpenUserSettings().remove(QStringLiteral("Mail Client"));
    const SMailClientFolders defaults = LoadMailClientFolders();
    const QString strData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    EXPECT_EQ(defaults.strTasks, (strData + "/Mail Client/Tasks").toStdString());
    EXPECT_EQ(defaults.strNotes, (strData + "/Mail Client/Notes").toStdString());

    QTemporaryDir dir;
    const SMailClientFolders mine{dir.path().toStdString() + "/a/tasks", dir.path().toStdString() + "/b/notes"};
    SaveMailClientFolders(mine);
    CRecordingOpener opener;
    CAutomationRegistry registry;
    RegisterLinuxServers(registry, opener, SOfficeInstall{});
    CCapturingReporter reporter;
    COutlookConnection outlook;
    EXPECT_TRUE(outlook.Open(registry, reporter));
    EXPECT_TRUE(QFileInfo(QString::fromStdString(mine.strTasks)).isDir());
    EXPECT_TRUE(QFileInfo(QString::fromStdString(mine.strNotes)).isDir());
    outlook.Close();

    // A folder that cannot be made: the connection stays off, and says so.
    WriteBytes(dir.path().toStdString() + "/file", "x");
    SaveMailClientFolders({dir.path().toStdString() + "/file/tasks", mine.strNotes});
    EXPECT_FALSE(outlook.Open(registry, reporter));
    ASSERT_EQ(reporter.boxes.size(), 1u);
    EXPECT_NE(reporter.boxes[0].strText.find("w/error 0x80030003"), std::string::npos);
    OpenUserSettings().remove(QStringLiteral("Mail Client"));
}

namespace
{
// todoman with a configuration of its own that reads every list under
// strRoot, "tasks" its default.
struct STodoman
{
    QString strProgram;
    QTemporaryDir home;
    const std::string strHome = home.path().toStdString();

    explicit STodoman(const std::string& strRoot)
    {
        for (const char* psz : {"todo", "todoman"})
            if (strProgram.isEmpty())
                strProgram = QStandardPaths::findExecutable(QString::fromLatin1(psz));
        WriteBytes(strHome + "/config.py", "path = \"" + strRoot +
                                               "/*\"\ndate_format = \"%Y-%m-%d\"\ntime_format = "
                                               "\"%H:%M\"\ndefault_list = \"tasks\"\n");
    }

    SRawRun operator()(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"env", "TODOMAN_CONFIG=" + strHome + "/config.py", "HOME=" + strHome,
                                   "XDG_CACHE_HOME=" + strHome + "/cache", "XDG_DATA_HOME=" + strHome + "/data",
                                   "TZ=UTC", strProgram.toStdString()});
        return RunProgram(args, 60);
    }
};
} // namespace

TEST(MailServerTest, TodomanAndQuillboxReadEachOthersTasks)
{
    SMail mail;
    const STodoman todo(mail.dir.path().toStdString());
    if (todo.strProgram.isEmpty())
        GTEST_SKIP() << "todoman is not installed";

    // A task written by todoman is offered with its subject, date and priority:
    // its start date, or its due date when it has no start.
    const SRawRun made =
        todo({"new", "-l", "tasks", "--start", "2026-12-24", "--due", "2026-12-31", "--priority", "high", "Buy gifts"});
    ASSERT_EQ(made.code, 0) << made.err;
    const SRawRun due = todo({"new", "-l", "tasks", "--due", "2026-12-20", "Post cards"});
    ASSERT_EQ(due.code, 0) << due.err;
    auto tasks = mail.Tasks();
    ASSERT_EQ(tasks.size(), 2u);
    EXPECT_EQ(tasks[0].m_strSubject, "Buy gifts");
    EXPECT_EQ(tasks[0].m_bHasDate, 1);
    EXPECT_EQ(tasks[0].m_dtDate, CDateTime::FromFields(2026, 12, 24));
    EXPECT_EQ(tasks[0].m_nPriority, 2);
    EXPECT_EQ(tasks[1].m_strSubject, "Post cards");
    EXPECT_EQ(tasks[1].m_bHasDate, 1);
    EXPECT_EQ(tasks[1].m_dtDate, CDateTime::FromFields(2026, 12, 20));

    // A task we export is listed by todoman with its summary and date.
    CNoteRecord note;
    note.m_strTitle = "Water the plants";
    note.m_strNotes = "every pot";
    note.m_bHasDate = 1;
    note.m_dtDate = CDateTime::FromFields(2026, 3, 15, 9, 0, 0);
    note.m_nPriority = 0;
    ExportOutlookTask(mail.outlook, mail.reporter, &note);
    // todoman shows the due date (and, seeing it equal to the start, keeps no start of its own).
    const SRawRun listed = todo({"list"});
    EXPECT_EQ(listed.code, 0) << listed.err;
    EXPECT_NE(listed.out.find("2026-03-15 09:00 Water the plants"), std::string::npos) << listed.out;
    const SRawRun porcelain = todo({"--porcelain", "list"});
    EXPECT_NE(porcelain.out.find("\"description\": \"every pot\""), std::string::npos) << porcelain.out;
    EXPECT_NE(porcelain.out.find("\"priority\": 9"), std::string::npos) << porcelain.out;
    // 2026-03-15 09:00 UTC.
    EXPECT_NE(porcelain.out.find("\"due\": 1773565200,"), std::string::npos) << porcelain.out;
}
