// The notes list and the panes that follow it; the common start of note commands.
#include "GuiTest.h"
#include "NoteSelection.h"
#include "commands/ExportCommands.h"

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
        run.AddFolder("A", strDirA, false);
        run.AddFolder("B", strDirB, false);

        // Moving to another folder writes the text into the folder left.
        view.setCurrentItem(run.Folder(1));
        QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("Text of first\r\nsecond line"));
        run.frame->GetNotesTextBar()->SetText("changed in A");
        view.setCurrentItem(run.Folder(2));
        QCOMPARE(ReadFolder(strDirA)["first"].m_strNotes, std::string("changed in A"));
        QCOMPARE(ReadFolder(strDirB)["second"].m_strNotes, std::string("Text of second\r\nsecond line"));

        // Removing the folder with unsaved text writes it there, nothing is lost.
        run.frame->GetNotesTextBar()->SetText("last words for B");
        QVERIFY(RunAnswering(commands, ID_REMOVE_FOLDER, {AnswerMessage(nullptr, QMessageBox::Yes)}));
        QCOMPARE(view.GetRootItem()->childCount(), 2);
        QCOMPARE(ReadFolder(strDirB)["second"].m_strNotes, std::string("last words for B"));
        QCOMPARE(ReadFolder(strDirA)["first"].m_strNotes, std::string("changed in A"));
    }

    // The filter box narrows the rows as the user types; the mark, the panes
    // and the commands follow the rows shown, text typed into the Notes pane
    // stays with its note, and a change on disk keeps the filter.
    void filterNarrowsTheRowsTheCommandsActOn()
    {
        SRun run(m_env.ExeDir());
        const QString strDir = m_env.AddNotesFolder(run, {"alpha", "Team MEETING", "gamma", "meeting room", "delta"});
        CNotesListCtrl& list = run.List();
        CNotesTextBar& text = *run.frame->GetNotesTextBar();
        // "gamma" is marked, with typed text, when the filter hides it.
        list.SetSelectionMark(2);
        text.SetText("typed into gamma");
        QTest::keyClicks(list.GetFilterBox(), QStringLiteral("meEt"));
        QCOMPARE(run.Titles(), (QStringList{"meeting room", "Team MEETING"}));
        QCOMPARE(ReadFolder(strDir)["gamma"].m_strNotes, std::string("typed into gamma"));
        QCOMPARE(list.GetSelectionMark(), 0);
        QCOMPARE(text.GetText(), std::string("Text of meeting room\r\nsecond line"));

        // The row the user clicks is the note a command exports.
        ClickRow(*list.GetActiveView(), 1);
        QCOMPARE(text.GetText(), std::string("Text of Team MEETING\r\nsecond line"));
        text.SetText("typed into the meeting");
        const QString strExport = m_env.ExePath(QStringLiteral("export.txt"));
        ExportCommands::FileChooserHook() = [strExport](QWidget*, const ExportCommands::SFileChooser&) {
            return strExport;
        };
        QVERIFY(run.Commands().ExecuteCommand(ID_EXPORT_TEXT_NOTES));
        QFile exported(strExport);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QVERIFY(exported.readAll().endsWith("Team MEETING\r\n\r\nNotes\t:\r\n\r\ntyped into the meeting"));
        QCOMPARE(ReadFolder(strDir)["Team MEETING"].m_strNotes, std::string("typed into the meeting"));

        // Notes written by another program join the filtered rows only when
        // they match; the mark stays on its note.
        list.SetSelectionMark(
            list.GetModel().FindRow(run.app.GetStore().GetNote(ReadFolder(strDir)["Team MEETING"].m_strKey)));
        WriteNotes(strDir, {"another meeting", "unrelated"});
        run.Commands().GetNoteSelection().OnFolderChangedOnDisk();
        QCOMPARE(run.Titles(), (QStringList{"another meeting", "meeting room", "Team MEETING"}));
        QCOMPARE(run.MarkedTitle(), std::string("Team MEETING"));

        // Escape empties the box and every note is back, the mark kept.
        QTest::keyClick(list.GetFilterBox(), Qt::Key_Escape);
        QVERIFY(list.GetFilterBox()->text().isEmpty());
        QCOMPARE(run.Titles().size(), 7);
        QCOMPARE(run.MarkedTitle(), std::string("Team MEETING"));
    }
};

QTEST_MAIN(TestNoteSelection)
#include "TestNoteSelection.moc"
