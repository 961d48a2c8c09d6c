// The first start, an installed program's start, quitting with the window shown, and what assistive tools see.
#include "GuiTest.h"

class TestStartup : public CGuiTest
{
    Q_OBJECT

private slots:
    void firstStartWithNothingStored()
    {
        SRun run(m_env.m_pExeDir->path());
        CMainFrame* pFrame = run.frame;
        QVERIFY(pFrame);

        // The default folder under the root, and selected.
        QTreeWidgetItem* pRoot = run.View().GetRootItem();
        QCOMPARE(pRoot->childCount(), 1);
        QCOMPARE(pRoot->child(0)->text(0), QStringLiteral("Sample Notes"));
        QCOMPARE(run.View().currentItem(), pRoot->child(0));
        QCOMPARE(pFrame->windowTitle(), QStringLiteral("Sample Notes - Quillbox"));
    }

    // The folder and note selected at the last close are selected again,
    // the root too; a folder of the same directory is not taken for another.
    void startsWhereTheUserLeft()
    {
        std::string strKey;
        {
            SRun run(m_env.ExeDir());
            run.AddFolder("Same", m_env.ExePath(QStringLiteral("notes")), false);
            m_env.AddNotesFolder(run, {"one", "two", "three"});
            run.List().SetSelectionMark(2);
            strKey = run.List().GetModel().GetRowNote(2)->m_strKey;
            // Text typed last is saved, and its note stays the one to select.
            run.frame->GetNotesTextBar()->SetText("typed before closing");
        }
        {
            SRun run(m_env.ExeDir());
            QCOMPARE(run.View().currentItem(), run.Folder(2));
            QCOMPARE(run.List().GetModel().GetRowNote(run.List().GetSelectionMark())->m_strKey, strKey);
            QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("typed before closing"));
            run.View().setCurrentItem(run.View().GetRootItem());
        }
        SRun run(m_env.ExeDir());
        QCOMPARE(run.View().currentItem(), run.View().GetRootItem());
        QCOMPARE(run.frame->windowTitle(), QStringLiteral("Quillbox"));
    }

    void installedProgramCopiesTheSampleNotes()
    {
        // <prefix>/bin/quillbox with <prefix>/share/quillbox/Sample Notes.
        const QString strBin = m_env.m_pExeDir->filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(strBin));
        WriteNotes(m_env.m_pExeDir->filePath(QStringLiteral("share/quillbox/Sample Notes")), {"Welcome", "Second"});
        // The copy goes to the per-user data directory, which outlives the test.
        const QString strData = QString::fromStdString(CAppContext(strBin.toStdString()).GetDataDir());
        QVERIFY(strData.contains(QStringLiteral("/.qttest/")));
        QVERIFY(QDir(strData).removeRecursively());
        {
            SRun run(strBin);
            run.View().setCurrentItem(run.Folder(0));
            QCOMPARE(run.List().GetModel().rowCount(), 2);
            QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("Text of Second\r\nsecond line"));
        }
        // Later starts keep the user's copy as it is.
        QDir sample(QString::fromStdString(CAppContext(strBin.toStdString()).GetDefaultFolderPath()));
        const QStringList files = sample.entryList({"*.qbt"}, QDir::Files);
        QCOMPARE(files.size(), 2);
        QVERIFY(sample.remove(files.first()));
        SRun run(strBin);
        run.View().setCurrentItem(run.Folder(0));
        QCOMPARE(run.List().GetModel().rowCount(), 1);
    }

    void quittingWithoutClosingTheWindow()
    {
        // The start-up timing quits the loop with the window still shown:
        // the program goes without the window closing first.
        SRun run(m_env.ExeDir());
        m_env.AddNotesFolder(run, {"one", "two"});
        QCOMPARE(run.List().GetModel().rowCount(), 2);
        run.frame = nullptr;
    }
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
