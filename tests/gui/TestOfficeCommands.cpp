#include "GuiTestUtil.h"
#include "ImportNotesDlg.h"
#include "ImportTasksDlg.h"
#include "NoteStore.h"
#include "OfficeInstall.h"
#include "RecordingServer.h"

#include <QScreen>

#include <algorithm>

namespace
{
using Log = std::vector<std::string>;

bool Contains(const Log& log, const std::string& strLine)
{
    return std::find(log.begin(), log.end(), strLine) != log.end();
}

struct SItem
{
    std::string strSubject;
    std::string strBody;
    double dStart = 949998.0;
    int32_t nImportance = 1;
};

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
    bool bMailClient = true;
    // What creating Word says when LibreOffice Writer is missing; empty: it is there.
    std::string strWordMissing;

    SServers()
    {
        word->Respond = [](CRecorder& r, const CRecorder::SCall& c) -> CAutoVariant {
            if (c.strMember == "Documents" || c.strMember == "Selection" || c.strMember == "Font" ||
                c.strMember == "ParagraphFormat")
                return r.Child(c.strMember);
            if (c.strMember == "Add")
                return r.Child("Document");
            if (c.strMember == "Size" && c.kind == EInvokeKind::propertyGet)
                return CAutoVariant::Real32(12.0f);
            return {};
        };
        excel->Respond = [](CRecorder& r, const CRecorder::SCall& c) -> CAutoVariant {
            if (c.strMember == "Workbooks")
                return r.Child("Workbooks");
            if (c.strMember == "Add")
                return r.Child("Workbook");
            if (c.strMember == "ActiveSheet")
                return r.Child("Sheet");
            if (c.strMember == "Range")
                return r.Child("Range(" + c.args[0].ToText() + ")");
            if (c.strMember == "0x92")
                return r.Child("Font");
            if (c.strMember == "0x56D")
                return r.Child("Comment");
            return {};
        };
        mail->Respond = [this](CRecorder& r, const CRecorder::SCall& c) -> CAutoVariant {
            if (c.strMember == "0x110")
                return r.Child("Namespace");
            if (c.strMember == "0x10A")
                return r.Child("Item");
            if (c.strMember == "0x210B")
                return r.Child("Folder");
            if (c.strMember == "0x3100")
                return r.Child("Items");
            if (c.strMember == "0x56")
                nNext = 0;
            if (c.strMember == "0x56" || c.strMember == "0x57")
                return nNext < items.size() ? r.Child("Item" + std::to_string(nNext++)) : CAutoVariant();
            if (c.strObject.size() > 4 && c.strObject.rfind("Item", 0) == 0 && c.kind == EInvokeKind::propertyGet) {
                const SItem& item = items[std::stoul(c.strObject.substr(4))];
                if (c.strMember == "0x37")
                    return CAutoVariant::Text(item.strSubject);
                if (c.strMember == "0x9100")
                    return CAutoVariant::Text(item.strBody);
                if (c.strMember == "0x8104")
                    return CAutoVariant::Date(item.dStart);
                if (c.strMember == "0x17")
                    return CAutoVariant::Int32(item.nImportance);
            }
            return {};
        };
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
        QCOMPARE(word.back(), std::string("Application.Visible=bool:true"));
        QVERIFY(!Contains(word, "Selection.TypeText(text:\"Priority\t:\tMedium\r\n\r\nComments\t:\t\r\n\r\nKeyword(s)"
                                "\t:\t\r\n\r\n\")"));
        // Saving rebuilt the list, which marks row 0 again; beta is marked anew.
        QCOMPARE(run.List().GetSelectionMark(), 0);
        run.List().SetSelectionMark(1);
        servers.word->log.clear();
        QVERIFY(commands.ExecuteCommand(ID_EXPORT_WORD_ALL));
        QVERIFY(Contains(word, "Selection.TypeText(text:\"Priority\t:\tMedium\r\n\r\nComments\t:\t\r\n\r\nKeyword(s)"
                               "\t:\t\r\n\r\n\")"));

        QVERIFY(commands.ExecuteCommand(ID_EXPORT_EXCEL_ALL));
        const Log& excel = servers.excel->log;
        QVERIFY(Contains(excel, "Range(C2).0x6=text:\"beta\""));
        QVERIFY(Contains(excel, "Range(B6).0x6=text:\"Medium\""));
        QVERIFY(Contains(excel, "Range(B12).0x56D(text:\"typed\")"));
        servers.excel->log.clear();
        QVERIFY(commands.ExecuteCommand(ID_EXPORT_EXCEL_NOTES));
        QVERIFY(Contains(excel, "Range(C2).0x6=text:\"Notes\""));
        QVERIFY(Contains(excel, "Range(C4).0x6=text:\"typed\""));
        QCOMPARE(excel.back(), std::string("Application.Visible=bool:true"));

        servers.mail->log.clear();
        QVERIFY(commands.ExecuteCommand(ID_EXPORT_OUTLOOK_TASK));
        QVERIFY(commands.ExecuteCommand(ID_EXPORT_OUTLOOK_NOTE));
        QCOMPARE(servers.mail->log,
                 (Log{"Application.0x10A(int32:3)", "Item.0x37=text:\"beta\"", "Item.0x9100=text:\"typed\"",
                      "Item.0x17=int32:1", "Item.0xF0A6(bool:false)", "Application.0x10A(int32:5)",
                      "Item.0x9100=text:\"typed\"", "Item.0xF0A6(bool:false)"}));
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

        // Cancel changes nothing.
        driver.Add([](QWidget* pWidget) { static_cast<QDialog*>(pWidget)->reject(); });
        driver.Start();
        QVERIFY(run.Commands().ExecuteCommand(ID_IMPORT_OUTLOOK_NOTES));
        QVERIFY(driver.Done());
        QCOMPARE(ReadFolder(strDir).at(1).m_strNotes, strExpected);
    }

    void importTasksAddsNotesAndRefusesTheRoot()
    {
        SServers servers;
        servers.items = {{"write", "b\r\n1", 38612.5, 2}, {"Apply", "", 949998.0, 0}};
        SRun run(m_env.ExeDir());
        CQuillboxView& view = run.View();
        CCommandController& commands = run.Commands();

        // The root: refused before any dialog opens or the mail client is asked.
        QCOMPARE(view.currentItem(), view.GetRootItem());
        QVERIFY(commands.ExecuteCommand(ID_IMPORT_OUTLOOK_TASKS));
        QCOMPARE(servers.mail->log.size(), size_t(1));

        // An empty folder takes the tasks, never overwriting a note.
        const QString strDir = m_env.ExePath(QStringLiteral("empty"));
        QVERIFY(QDir().mkpath(strDir));
        view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Empty", strDir.toStdString()}));
        view.setCurrentItem(run.Folder(1));
        CModalDriver driver;
        QStringList rows;
        driver.Add(TickAndImport(&rows));
        driver.Start();
        QVERIFY(commands.ExecuteCommand(ID_IMPORT_OUTLOOK_TASKS));
        QVERIFY(driver.Done());
        QCOMPARE(rows, (QStringList{"Apply", "write"}));
        std::vector<CNoteRecord> notes = ReadFolder(strDir);
        QCOMPARE(notes.size(), size_t(2));
        QCOMPARE(notes[0].m_strTitle, std::string("Apply"));
        QCOMPARE(notes[0].m_bHasDate, 0);
        QCOMPARE(notes[0].m_nPriority, 0);
        QCOMPARE(notes[1].m_strNotes, std::string("b\r\n1"));
        QCOMPARE(notes[1].m_nPriority, 2);
        QCOMPARE(run.List().GetModel().rowCount(), 2);

        // The same tasks again: two more notes beside the first two.
        driver.Add(TickAndImport(nullptr));
        driver.Start();
        QVERIFY(commands.ExecuteCommand(ID_IMPORT_OUTLOOK_TASKS));
        QVERIFY(driver.Done());
        notes = ReadFolder(strDir);
        QCOMPARE(notes.size(), size_t(4));
        QCOMPARE(run.List().GetModel().rowCount(), 4);
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
        CQuillboxView& view = run.View();
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

    // Pictures for the README, on a real screen: the two import dialogs
    // opened from the window over the vdir mail client, and the window after
    // an import. Only when QUILLBOX_SCREENSHOT_DIR names where they go.
    void screenshots()
    {
        const QString strOut = qEnvironmentVariable("QUILLBOX_SCREENSHOT_DIR");
        if (strOut.isEmpty())
            QSKIP("QUILLBOX_SCREENSHOT_DIR is not set");
        const QString strTasks = m_env.ExePath(QStringLiteral("mail/tasks/"));
        const QString strNotes = m_env.ExePath(QStringLiteral("mail/notes/"));
        QVERIFY(QDir().mkpath(strTasks) && QDir().mkpath(strNotes));
        auto write = [](const QString& strPath, const QByteArray& inner) {
            QFile f(strPath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Test//EN\r\n" + inner + "END:VCALENDAR\r\n");
        };
        write(strTasks + "1.ics", "BEGIN:VTODO\r\nUID:1\r\nSUMMARY:Renew the passport\r\nPRIORITY:1\r\n"
                                  "DESCRIPTION:Photos and the old passport.\r\nDTSTART;VALUE=DATE:20261224\r\n"
                                  "END:VTODO\r\n");
        write(strTasks + "2.ics", "BEGIN:VTODO\r\nUID:2\r\nSUMMARY:Buy stamps\r\nPRIORITY:9\r\nEND:VTODO\r\n");
        write(strTasks + "3.ics", "BEGIN:VTODO\r\nUID:3\r\nSUMMARY:Call the plumber\r\nPRIORITY:5\r\n"
                                  "DESCRIPTION:The kitchen tap drips.\r\nEND:VTODO\r\n");
        write(strTasks + "4.ics", "BEGIN:VTODO\r\nUID:4\r\nSUMMARY:Water the plants\r\nEND:VTODO\r\n");
        write(strNotes + "1.ics", "BEGIN:VJOURNAL\r\nUID:a\r\nDESCRIPTION:Wi-Fi password\\n  is on the router\r\n"
                                  "END:VJOURNAL\r\n");
        write(strNotes + "2.ics", "BEGIN:VJOURNAL\r\nUID:b\r\nDESCRIPTION:Book list: Dune\\, Emma\r\nEND:VJOURNAL\r\n");

        SRun run(m_env.ExeDir());
        run.frame->resize(1100, 720);
        const QString strDir = m_env.ExePath(QStringLiteral("Household"));
        WriteNotes(strDir, {"Garden", "Shopping"});
        run.View().InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Household", strDir.toStdString()}));
        run.View().setCurrentItem(run.Folder(1));
        QTest::qWait(200);

        CMainFrame* pFrame = run.frame;
        auto shot = [&](const QString& strName, const QStringList& ticks) {
            return [=](QWidget* pWidget) {
                auto* pDlg = qobject_cast<QDialog*>(pWidget);
                QVERIFY(pDlg);
                QAbstractItemModel* pModel = pDlg->findChild<CImportCheckList*>()->model();
                for (int r = 0; r < pModel->rowCount(); ++r)
                    if (ticks.contains(pModel->index(r, 0).data().toString()))
                        pModel->setData(pModel->index(r, 0), Qt::Checked, Qt::CheckStateRole);
                pDlg->findChild<CImportCheckList*>()->selectRow(0);
                QTest::qWait(300);
                // The dialog over the window it was opened from, as on the screen.
                const QRect rcFrame = pFrame->frameGeometry();
                QVERIFY(QGuiApplication::primaryScreen()
                            ->grabWindow(0, rcFrame.x(), rcFrame.y(), rcFrame.width(), rcFrame.height())
                            .save(strOut + QLatin1Char('/') + strName));
                pDlg->accept();
            };
        };
        CModalDriver driver;
        driver.Add(shot(QStringLiteral("import-tasks-from-window.png"),
                        {QStringLiteral("Renew the passport"), QStringLiteral("Call the plumber")}));
        driver.Start();
        QVERIFY(run.Commands().ExecuteCommand(ID_IMPORT_OUTLOOK_TASKS));
        QVERIFY(driver.Done());
        run.List().SetSelectionMark(0);
        driver.Add(shot(QStringLiteral("import-notes-from-window.png"),
                        {QStringLiteral("Wi-Fi password   is on the router")}));
        driver.Start();
        QVERIFY(run.Commands().ExecuteCommand(ID_IMPORT_OUTLOOK_NOTES));
        QVERIFY(driver.Done());
        QTest::qWait(300);
        QVERIFY(run.frame->grab().save(strOut + QStringLiteral("/window-after-import.png")));
    }
};

QTEST_MAIN(TestOfficeCommands)
#include "TestOfficeCommands.moc"
