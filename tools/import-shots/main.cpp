// Pictures for the README, on a real screen: the two mail-client import
// dialogs opened from the window over the vdir mail client, alone and over
// the window, and the window after an import, written where QUILLBOX_SCREENSHOT_DIR says. Run by
// tools/screenshot-import-dialogs.sh under Xvfb.
#include "GuiTestUtil.h"
#include "ImportCheckList.h"

#include <QPushButton>
#include <QScreen>

class ImportShots : public QObject
{
    Q_OBJECT

    SGuiTestEnvironment m_env;

private slots:
    void initTestCase() { QVERIFY(m_env.InitCase()); }
    void init() { QVERIFY(m_env.InitTest()); }

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
        auto shot = [&](const QString& strName, const QString& strDialogName, const QStringList& ticks) {
            return [=](QWidget* pWidget) {
                auto* pDlg = qobject_cast<QDialog*>(pWidget);
                QVERIFY(pDlg);
                // The items are listed behind the dialog; Import waits for them.
                QTRY_VERIFY(pDlg->findChild<QPushButton*>(QStringLiteral("Import"))->isEnabled());
                QAbstractItemModel* pModel = pDlg->findChild<CImportCheckList*>()->model();
                for (int r = 0; r < pModel->rowCount(); ++r)
                    if (ticks.contains(pModel->index(r, 0).data().toString()))
                        pModel->setData(pModel->index(r, 0), Qt::Checked, Qt::CheckStateRole);
                pDlg->findChild<CImportCheckList*>()->selectRow(0);
                QTest::qWait(300);
                QVERIFY(pDlg->grab().save(strOut + QLatin1Char('/') + strDialogName));
                // The dialog over the window it was opened from, as on the screen.
                const QRect rcFrame = pFrame->frameGeometry();
                QVERIFY(QGuiApplication::primaryScreen()
                            ->grabWindow(0, rcFrame.x(), rcFrame.y(), rcFrame.width(), rcFrame.height())
                            .save(strOut + QLatin1Char('/') + strName));
                pDlg->accept();
            };
        };
        CModalDriver driver;
        driver.Add(shot(QStringLiteral("import-tasks-from-window.png"), QStringLiteral("import-tasks-dialog.png"),
                        {QStringLiteral("Renew the passport"), QStringLiteral("Call the plumber")}));
        driver.Start();
        QVERIFY(run.Commands().ExecuteCommand(ID_IMPORT_OUTLOOK_TASKS));
        QVERIFY(driver.Done());
        run.List().SetSelectionMark(0);
        driver.Add(shot(QStringLiteral("import-notes-from-window.png"), QStringLiteral("import-notes-dialog.png"),
                        {QStringLiteral("Wi-Fi password   is on the router")}));
        driver.Start();
        QVERIFY(run.Commands().ExecuteCommand(ID_IMPORT_OUTLOOK_NOTES));
        QVERIFY(driver.Done());
        QTest::qWait(300);
        QVERIFY(run.frame->grab().save(strOut + QStringLiteral("/window-after-import.png")));
    }
};

QTEST_MAIN(ImportShots)
#include "main.moc"
