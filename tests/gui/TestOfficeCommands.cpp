#include "GuiTest.h"
#include "NoteStore.h"
#include "OfficeInstall.h"

#include <QDirIterator>

namespace
{
// Word and Excel are missing, as without LibreOffice, so their commands only
// say so; the mail client is ours over the test's folders, or one that fails
// to start and counts how often it was asked for.
std::shared_ptr<int> RegisterServers(bool bMailClient = true)
{
    auto pTries = std::make_shared<int>(0);
    RegisterServersHook() = [pTries, bMailClient, mailClient = RegisterServersHook()](CAutomationRegistry& registry,
                                                                                      IDocumentOpener& opener) {
        for (const char* pszId : {"word.application", "Excel.application"})
            registry.Register(pszId, [] { return SServerCreation{nullptr, 0x80040154u, "LibreOffice is needed."}; });
        if (bMailClient) {
            mailClient(registry, opener);
        } else {
            registry.Register("Outlook.Application", [pTries] {
                ++*pTries;
                return SServerCreation{nullptr, 0x800401F3u, {}};
            });
        }
    };
    return pTries;
}

// Every item the mail client holds, as its files read.
QString MailItems(const QString& strMailDir)
{
    QString strAll;
    QDirIterator it(strMailDir, {QStringLiteral("*.ics")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.open(QIODevice::ReadOnly))
            strAll += QString::fromUtf8(f.readAll());
    }
    return strAll;
}

} // namespace

class TestOfficeCommands : public CGuiTest
{
    Q_OBJECT

private slots:
    void eachCommandSendsTheNoteAtTheMarkAsSaved()
    {
        RegisterServers();
        SRun run(m_env.ExeDir());
        const QString strDir = m_env.AddNotesFolder(run, {"alpha", "beta"});
        CQuillboxView& view = run.View();
        CCommandController& commands = run.Commands();

        // Every command first saves the text typed into the Notes pane, then
        // sends the note at the mark; a missing server is told in the status bar.
        run.List().SetSelectionMark(1);
        run.frame->GetNotesTextBar()->SetText("typed");
        QVERIFY(commands.ExecuteCommand(ID_EXPORT_WORD_NOTES));
        QCOMPARE(QString::fromStdString(ReadFolder(strDir)["beta"].m_strNotes), QStringLiteral("typed"));
        QCOMPARE(run.frame->statusBar()->currentMessage(), QStringLiteral("LibreOffice is needed."));
        run.List().SetSelectionMark(1);
        run.frame->GetNotesTextBar()->SetText("typed again");
        QVERIFY(commands.ExecuteCommand(ID_EXPORT_OUTLOOK_TASK));
        QCOMPARE(QString::fromStdString(ReadFolder(strDir)["beta"].m_strNotes), QStringLiteral("typed again"));
        const QString strMail = m_env.ExePath(QStringLiteral("mail"));
        QVERIFY(MailItems(strMail).contains(QStringLiteral("SUMMARY:beta")));

        // No note at the mark: nothing reaches any server, and no box opens.
        view.setCurrentItem(view.GetRootItem());
        const QString strBefore = MailItems(strMail);
        for (int nId : {ID_EXPORT_WORD_ALL, ID_EXPORT_WORD_NOTES, ID_EXPORT_EXCEL_ALL, ID_EXPORT_EXCEL_NOTES,
                        ID_EXPORT_OUTLOOK_TASK, ID_EXPORT_OUTLOOK_NOTE, ID_IMPORT_OUTLOOK_NOTES})
            QVERIFY(commands.ExecuteCommand(nId));
        QCOMPARE(MailItems(strMail), strBefore);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void mailClientCommandsAreOffWhenTheConnectionFailed()
    {
        const std::shared_ptr<int> pTries = RegisterServers(false);
        QString strBox;
        std::unique_ptr<SRun> pRun;
        QVERIFY(Answering({AnswerMessage(&strBox)}, [&] { pRun = std::make_unique<SRun>(m_env.ExeDir()); }));
        SRun& run = *pRun;
        QVERIFY(strBox.startsWith(
            QStringLiteral("Unable to Initialize Outlook Automation.\nCreateDispatch() failed w/error 0x800401f3\n")));
        m_env.AddNotesFolder(run, {"alpha", "beta"});
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
        QCOMPARE(*pTries, 1);
    }

    void theTemporaryFolderGoesWithTheProgram()
    {
        std::string strTemp;
        {
            RegisterServers();
            SRun run(m_env.ExeDir());
            strTemp = NewProgramTempFile(".fodt");
            QVERIFY(!strTemp.empty());
            QVERIFY(QFile(QString::fromStdString(strTemp)).open(QIODevice::WriteOnly));
        }
        QVERIFY(!QFileInfo::exists(QFileInfo(QString::fromStdString(strTemp)).path()));
    }
};

QTEST_MAIN(TestOfficeCommands)
#include "TestOfficeCommands.moc"
