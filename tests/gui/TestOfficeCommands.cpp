#include "GuiTestUtil.h"
#include "NoteStore.h"
#include "OfficeInstall.h"
#include "FakeOfficeServers.h"

#include <algorithm>

namespace
{
using Log = std::vector<std::string>;

bool Contains(const Log& log, const std::string& strLine)
{
    return std::find(log.begin(), log.end(), strLine) != log.end();
}

using SItem = SMailItem;

// A recording mail client whose default folders hold the items given; Word
// and Excel are missing, as without LibreOffice, so their commands only say so.
struct SServers
{
    std::shared_ptr<CRecorder> mail = std::make_shared<CRecorder>();
    std::vector<SItem> items;
    size_t nNext = 0;
    bool bMailClient = true;

    SServers()
    {
        mail->Respond = MailResponder(items, nNext);
        RegisterServersHook() = [this](CAutomationRegistry& registry, IDocumentOpener&) {
            for (const char* pszId : {"word.application", "Excel.application"})
                registry.Register(pszId, [] {
                    return SServerCreation{nullptr, 0x80040154u, "LibreOffice is needed."};
                });
            registry.Register("Outlook.Application", [this] {
                if (!bMailClient)
                    return SServerCreation{nullptr, 0x800401F3u, {}};
                return SServerCreation{mail->Make("Application"), 0, {}};
            });
        };
    }
};

std::vector<CNoteRecord> ReadFolder(const QString& strDir)
{
    CAppContext app(strDir.toStdString());
    CNoteStore store(app);
    store.LoadFolder(strDir.toStdString());
    std::vector<CNoteRecord> notes;
    store.ForEach([&](const CNoteRecord& n) { notes.push_back(n); });
    std::sort(notes.begin(), notes.end(),
              [](const CNoteRecord& a, const CNoteRecord& b) { return a.m_strTitle < b.m_strTitle; });
    return notes;
}
} // namespace

class TestOfficeCommands : public QObject
{
    Q_OBJECT

    SGuiTestEnvironment m_env;

    // The window on a folder "Notes" holding alpha and beta, the folder selected.
    QString OpenNotesFolder(SRun& run, const QStringList& titles = {"alpha", "beta"})
    {
        const QString strDir = m_env.ExePath(QStringLiteral("notes"));
        WriteNotes(strDir, titles);
        run.View().InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Notes", strDir.toStdString()}));
        run.View().setCurrentItem(run.Folder(1));
        return strDir;
    }

private slots:
    void initTestCase() { QVERIFY(m_env.InitCase()); }
    void init() { QVERIFY(m_env.InitTest()); }

    void eachCommandSendsTheNoteAtTheMarkAsSaved()
    {
        SServers servers;
        SRun run(m_env.ExeDir());
        const QString strDir = OpenNotesFolder(run);
        CQuillboxView& view = run.View();
        CCommandController& commands = run.Commands();
        // The mail client was opened at start-up.
        QCOMPARE(servers.mail->log, Log{"Application.0x110(text:\"MAPI\")"});

        // Every command first saves the text typed into the Notes pane, then
        // sends the note at the mark; a missing server is told in the status bar.
        run.List().SetSelectionMark(1);
        run.frame->GetNotesTextBar()->SetText("typed");
        QVERIFY(commands.ExecuteCommand(ID_EXPORT_WORD_NOTES));
        QCOMPARE(QString::fromStdString(ReadFolder(strDir).at(1).m_strNotes), QStringLiteral("typed"));
        QCOMPARE(run.frame->statusBar()->currentMessage(), QStringLiteral("LibreOffice is needed."));
        // Saving rebuilt the list, which marks row 0 again; beta is marked anew.
        QCOMPARE(run.List().GetSelectionMark(), 0);
        run.List().SetSelectionMark(1);
        run.frame->GetNotesTextBar()->SetText("typed again");
        servers.mail->log.clear();
        QVERIFY(commands.ExecuteCommand(ID_EXPORT_OUTLOOK_TASK));
        QCOMPARE(QString::fromStdString(ReadFolder(strDir).at(1).m_strNotes), QStringLiteral("typed again"));
        QVERIFY(Contains(servers.mail->log, "Item.0x37=text:\"beta\""));
        QVERIFY(m_env.m_opened.isEmpty());

        // No note at the mark: nothing reaches any server, and no box opens.
        view.setCurrentItem(view.GetRootItem());
        const size_t nMail = servers.mail->log.size();
        for (int nId : {ID_EXPORT_WORD_ALL, ID_EXPORT_WORD_NOTES, ID_EXPORT_EXCEL_ALL, ID_EXPORT_EXCEL_NOTES,
                        ID_EXPORT_OUTLOOK_TASK, ID_EXPORT_OUTLOOK_NOTE, ID_IMPORT_OUTLOOK_NOTES})
            QVERIFY(commands.ExecuteCommand(nId));
        QCOMPARE(servers.mail->log.size(), nMail);
        QVERIFY(!QApplication::activeModalWidget());

        // Closing the window logs off the mail client.
        run.frame->close();
        QCOMPARE(servers.mail->log.back(), std::string("Namespace.0x2106()"));
    }

    void mailClientCommandsAreOffWhenTheConnectionFailed()
    {
        SServers servers;
        servers.bMailClient = false;
        CModalDriver driver;
        QString strBox;
        driver.Add(AnswerMessage(&strBox));
        driver.Start();
        SRun run(m_env.ExeDir());
        QVERIFY(driver.Done());
        QVERIFY(strBox.startsWith(
            QStringLiteral("Unable to Initialize Outlook Automation.\nCreateDispatch() failed w/error 0x800401f3\n")));
        OpenNotesFolder(run);
        CCommandController& commands = run.Commands();
        commands.UpdateCommandUI();
        for (int nId :
             {ID_EXPORT_OUTLOOK_TASK, ID_EXPORT_OUTLOOK_NOTE, ID_IMPORT_OUTLOOK_TASKS, ID_IMPORT_OUTLOOK_NOTES}) {
            for (QAction* pAction : commands.GetCommands().GetActions(nId))
                QVERIFY(!pAction->isEnabled());
            QVERIFY(!commands.ExecuteCommand(nId));
        }
        // The office exports are still there.
        QVERIFY(commands.IsCommandEnabled(ID_EXPORT_WORD_ALL) && commands.IsCommandEnabled(ID_EXPORT_EXCEL_NOTES));
        // Reported once: closing does not try the mail client again.
        run.frame->close();
        QVERIFY(servers.mail->log.empty());
    }

    void theTemporaryFolderGoesWithTheProgram()
    {
        std::string strTemp;
        {
            SServers servers;
            SRun run(m_env.ExeDir());
            strTemp = NewProgramTempFile(".fodt");
            QVERIFY(!strTemp.empty());
            QFile file(QString::fromStdString(strTemp));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QVERIFY(!QFileInfo::exists(QFileInfo(QString::fromStdString(strTemp)).path()));
    }
};

QTEST_MAIN(TestOfficeCommands)
#include "TestOfficeCommands.moc"
