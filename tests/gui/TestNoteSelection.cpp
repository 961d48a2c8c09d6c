// The notes list and the panes that follow it; the common start of note commands.
#include "GuiTest.h"
#include "NoteSelection.h"
#include "NoteStore.h"

#include <optional>

class TestNoteSelection : public CGuiTest
{
    Q_OBJECT

private slots:
    void typedTextIsSavedIntoTheFolderItCameFrom()
    {
        const QString strDirA = m_env.m_pExeDir->filePath(QStringLiteral("a"));
        const QString strDirB = m_env.m_pExeDir->filePath(QStringLiteral("b"));
        WriteNotes(strDirA, {"first"});
        WriteNotes(strDirB, {"second"});
        SRun run(m_env.m_pExeDir->path());
        CQuillboxView& view = run.View();
        CCommandController& commands = run.Commands();
        view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"A", strDirA.toStdString()}));
        view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"B", strDirB.toStdString()}));

        // Moving to another folder writes the text into the folder left.
        view.setCurrentItem(run.Folder(1));
        QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("Text of first\r\nsecond line"));
        run.frame->GetNotesTextBar()->SetText("changed in A");
        view.setCurrentItem(run.Folder(2));
        QCOMPARE(ReadFolder(strDirA)["first"].m_strNotes, std::string("changed in A"));
        QCOMPARE(ReadFolder(strDirB)["second"].m_strNotes, std::string("Text of second\r\nsecond line"));

        // Removing the folder with unsaved text writes it there, nothing is lost.
        run.frame->GetNotesTextBar()->SetText("last words for B");
        CModalDriver driver;
        driver.Add(AnswerMessage(nullptr, QMessageBox::Yes));
        driver.Start();
        QVERIFY(commands.ExecuteCommand(ID_REMOVE_FOLDER));
        QCOMPARE(view.GetRootItem()->childCount(), 2);
        QCOMPARE(ReadFolder(strDirB)["second"].m_strNotes, std::string("last words for B"));
        QCOMPARE(ReadFolder(strDirA)["first"].m_strNotes, std::string("changed in A"));
    }

    // A note command works on the note it started on, with the text just
    // saved, even when saving moved the list's mark to another row.
    void commandNoteIsTheOneMarkedAtTheStart()
    {
        const QString strDir = m_env.ExePath(QStringLiteral("notes"));
        WriteNotes(strDir, {"alpha", "beta"});
        SRun run(m_env.ExeDir());
        CNoteSelection& selection = run.Commands().GetNoteSelection();
        QVERIFY(!selection.TakeCommandNote());

        run.View().InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Notes", strDir.toStdString()}));
        run.View().setCurrentItem(run.Folder(1));
        run.List().SetSelectionMark(1);
        run.frame->GetNotesTextBar()->SetText("typed into beta");
        const std::optional<CNoteSelection::SCommandNote> target = selection.TakeCommandNote();
        QVERIFY(target);
        QCOMPARE(target->nRow, 1);
        QCOMPARE(target->note.m_strTitle, std::string("beta"));
        QCOMPARE(target->note.m_strNotes, std::string("typed into beta"));
        QCOMPARE(run.List().GetSelectionMark(), 0);

        CNoteStore store(run.app);
        store.LoadFolder(strDir.toStdString());
        QCOMPARE(store.GetNote(target->note.m_strKey).m_strNotes, std::string("typed into beta"));
    }
};

QTEST_MAIN(TestNoteSelection)
#include "TestNoteSelection.moc"
