#include "GuiTestUtil.h"
#include "ImportNotesDlg.h"
#include "ImportTasksDlg.h"
#include "NoteStore.h"
#include "OfficeInstall.h"
#include "FakeOfficeServers.h"

#include <QPushButton>

#include <algorithm>

namespace
{
using Log = std::vector<std::string>;

bool Contains(const Log& log, const std::string& strLine)
{
    return std::find(log.begin(), log.end(), strLine) != log.end();
}

using SItem = SMailItem;

// Recording servers under the three program ids, answering as the real ones
// do: Word's selection and font, Excel's sheet and cells, and a mail client
// whose default folders hold the items given.
struct SServers
{
    std::shared_ptr<CRecorder> word = std::make_shared<CRecorder>();
    std::shared_ptr<CRecorder> excel = std::make_shared<CRecorder>();
    std::shared_ptr<CRecorder> mail = std::make_shared<CRecorder>();
    std::vector<SItem> items;
    size_t nNext = 0;
    double dWordSize = 12;
    bool bMailClient = true;
    // What creating Word says when LibreOffice Writer is missing; empty: it is there.
    std::string strWordMissing;

    SServers()
    {
        word->Respond = WordResponder(dWordSize);
        excel->Respond = ExcelResponder();
        mail->Respond = MailResponder(items, nNext);
        RegisterServersHook() = [this](CAutomationRegistry& registry, IDocumentOpener&) {
            registry.Register("word.application", [this] {
                if (!strWordMissing.empty())
                    return SServerCreation{nullptr, 0x80040154u, strWordMissing};
                return SServerCreation{word->Make("Application"), 0, {}};
            });
            registry.Register("Excel.application", [this] {
                return SServerCreation{excel->Make("Application"), 0, {}};
            });
            registry.Register("Outlook.Application", [this] {
                if (!bMailClient)
                    return SServerCreation{nullptr, 0x800401F3u, {}};
                return SServerCreation{mail->Make("Application"), 0, {}};
            });
        };
    }
};

// Ticks the rows whose text is in texts (all rows when empty), then presses Import.
CModalDriver::Step TickAndImport(QStringList* pRows, const QStringList& texts = {})
{
    return [pRows, texts](QWidget* pWidget) {
        auto* pDialog = qobject_cast<QDialog*>(pWidget);
        QVERIFY(pDialog);
        auto* pList = pDialog->findChild<CImportCheckList*>();
        QVERIFY(pList);
        // The rows arrive from a worker; Import is offered once they are in.
        QTRY_VERIFY(pDialog->findChild<QPushButton*>(QStringLiteral("Import"))->isEnabled());
        QAbstractItemModel* pModel = pList->model();
        for (int r = 0; r < pModel->rowCount(); ++r) {
            const QString strText = pModel->index(r, 0).data().toString();
            if (pRows)
                *pRows << strText;
            if (texts.isEmpty() || texts.contains(strText))
                pModel->setData(pModel->index(r, 0), Qt::Checked, Qt::CheckStateRole);
        }
        pDialog->accept();
    };
}

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

        // Every command first saves the text typed into the Notes pane.
        run.List().SetSelectionMark(1);
        run.frame->GetNotesTextBar()->SetText("typed");
        QVERIFY(commands.ExecuteCommand(ID_EXPORT_WORD_NOTES));
        QCOMPARE(QString::fromStdString(ReadFolder(strDir).at(1).m_strNotes), QStringLiteral("typed"));
        const Log& word = servers.word->log;
        QVERIFY(Contains(word, "Selection.TypeText(text:\"beta\r\n\r\n\")"));
        QVERIFY(Contains(word, "Selection.TypeText(text:\"typed\r\n\r\n\")"));
        // Saving rebuilt the list, which marks row 0 again; beta is marked anew.
        QCOMPARE(run.List().GetSelectionMark(), 0);
        run.List().SetSelectionMark(1);
        QVERIFY(commands.ExecuteCommand(ID_EXPORT_EXCEL_ALL));
        const Log& excel = servers.excel->log;
        QVERIFY(Contains(excel, "Range(C2).0x6=text:\"beta\""));
        QVERIFY(Contains(excel, "Range(B12).0x56D(text:\"typed\")"));
        servers.mail->log.clear();
        QVERIFY(commands.ExecuteCommand(ID_EXPORT_OUTLOOK_TASK));
        QVERIFY(Contains(servers.mail->log, "Item.0x37=text:\"beta\""));
        QVERIFY(m_env.m_opened.isEmpty());

        // No note at the mark: nothing reaches any server, and no box opens.
        view.setCurrentItem(view.GetRootItem());
        const size_t nWord = word.size(), nExcel = excel.size(), nMail = servers.mail->log.size();
        for (int nId : {ID_EXPORT_WORD_ALL, ID_EXPORT_WORD_NOTES, ID_EXPORT_EXCEL_ALL, ID_EXPORT_EXCEL_NOTES,
                        ID_EXPORT_OUTLOOK_TASK, ID_EXPORT_OUTLOOK_NOTE, ID_IMPORT_OUTLOOK_NOTES})
            QVERIFY(commands.ExecuteCommand(nId));
        QCOMPARE(word.size(), nWord);
        QCOMPARE(excel.size(), nExcel);
        QCOMPARE(servers.mail->log.size(), nMail);
        QVERIFY(!QApplication::activeModalWidget());

        // Closing the window logs off the mail client.
        run.frame->close();
        QCOMPARE(servers.mail->log.back(), std::string("Namespace.0x2106()"));
    }

    void missingWriterIsToldInTheStatusBar()
    {
        SServers servers;
        servers.strWordMissing = "LibreOffice Writer is needed for this export.";
        SRun run(m_env.ExeDir());
        OpenNotesFolder(run);
        QVERIFY(run.Commands().ExecuteCommand(ID_EXPORT_WORD_ALL));
        QCOMPARE(run.frame->statusBar()->currentMessage(),
                 QStringLiteral("LibreOffice Writer is needed for this export."));
        QVERIFY(servers.word->log.empty());
    }

    void importNotesAppendsTheTickedTextsToTheNoteAtTheMark()
    {
        SServers servers;
        servers.items = {{"", "b"}, {"", "two\r\nlines"}, {"", "a"}};
        SRun run(m_env.ExeDir());
        const QString strDir = OpenNotesFolder(run, {"alpha", "beta", "gamma"});
        run.List().SetSelectionMark(1);

        CModalDriver driver;
        QStringList rows;
        driver.Add(TickAndImport(&rows, {"a", "b"}));
        driver.Start();
        QVERIFY(run.Commands().ExecuteCommand(ID_IMPORT_OUTLOOK_NOTES));
        QVERIFY(driver.Done());
        // Listed sorted, on one line; joined in the list's order.
        QCOMPARE(rows, (QStringList{"a", "b", "two lines"}));
        const std::string strExpected = "Text of beta\r\nsecond line\r\na\r\nb\r\n";
        QCOMPARE(ReadFolder(strDir).at(1).m_strNotes, strExpected);
        // The mark stays on the note, and the pane shows its new text.
        QCOMPARE(run.List().GetSelectionMark(), 1);
        QCOMPARE(run.frame->GetNotesTextBar()->GetText(), CNotesTextBar::AsShown(strExpected));
    }

    void importThatCannotWriteReportsIt()
    {
        SServers servers;
        servers.items = {{"one", ""}, {"two", ""}, {"three", ""}};
        SRun run(m_env.ExeDir());
        const QString strDir = m_env.ExePath(QStringLiteral("gone"));
        QVERIFY(QDir().mkpath(strDir));
        run.View().InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Gone", strDir.toStdString()}));
        run.View().setCurrentItem(run.Folder(1));
        // The folder's directory disappears behind the program's back.
        QVERIFY(QDir(strDir).removeRecursively());

        CModalDriver driver;
        QString strBox;
        driver.Add(TickAndImport(nullptr));
        driver.Add(AnswerMessage(&strBox));
        driver.Start();
        QVERIFY(run.Commands().ExecuteCommand(ID_IMPORT_OUTLOOK_TASKS));
        QTRY_VERIFY(driver.Done());
        // One box, not one per task: the import stops at the first failure.
        QVERIFY(strBox.startsWith(QStringLiteral("Unable to save the Notes.")));
        QVERIFY(!QApplication::activeModalWidget());
        const QString strStatus = run.frame->statusBar()->currentMessage();
        QVERIFY2(strStatus.startsWith(QStringLiteral("0 of the 3 chosen tasks were imported.")), qPrintable(strStatus));
        QVERIFY(strStatus.contains(QDir::toNativeSeparators(strDir)) || strStatus.contains(strDir));
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

    // Items of the mail client's folder that cannot be read are counted and
    // named in the status bar; the others are offered and imported.
    void unreadableItemsAreCountedInTheStatusBar()
    {
        const QString strTasks = m_env.ExePath(QStringLiteral("mail/tasks/"));
        QVERIFY(QDir().mkpath(strTasks));
        auto write = [](const QString& strPath, const QByteArray& bytes) {
            QFile f(strPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        };
        write(strTasks + "good.ics", "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VTODO\r\nUID:1\r\nSUMMARY:Buy stamps\r\n"
                                     "END:VTODO\r\nEND:VCALENDAR\r\n");
        write(strTasks + "junk.ics", "not a calendar");
        write(strTasks + "huge.ics", QByteArray((2 << 20), 'x'));
        SRun run(m_env.ExeDir());
        OpenNotesFolder(run, {});
        CModalDriver driver;
        QStringList rows;
        driver.Add(TickAndImport(&rows));
        driver.Start();
        QVERIFY(run.Commands().ExecuteCommand(ID_IMPORT_OUTLOOK_TASKS));
        QVERIFY(driver.Done());
        QCOMPARE(rows, QStringList{"Buy stamps"});
        QCOMPARE(run.List().GetModel().GetRowCount(), 1);
        const QString strStatus = run.frame->statusBar()->currentMessage();
        QVERIFY2(strStatus.startsWith(QStringLiteral("2 mail-client item(s) could not be read")),
                 qPrintable(strStatus));
        QVERIFY2(strStatus.contains(strTasks + "huge.ics") && strStatus.contains(strTasks + "junk.ics"),
                 qPrintable(strStatus));
    }
};

QTEST_MAIN(TestOfficeCommands)
#include "TestOfficeCommands.moc"
