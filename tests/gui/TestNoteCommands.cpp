// Browsing and editing notes in the main window: the commit rules of the
// Notes pane, Add, Modify and Delete Note.
#include "DetailPage.h"
#include "GuiTest.h"
#include "IconPage.h"
#include "NoteStore.h"
#include "NotesSheet.h"

#include <filesystem>

namespace
{
// Every note file dated long ago, so a rewrite shows in its time.
void AgeFiles(const QString& strDir)
{
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(strDir.toStdString()))
        fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - std::chrono::hours(24 * 400));
}

QStringList RewrittenFiles(const QString& strDir)
{
    namespace fs = std::filesystem;
    QStringList names;
    const auto recent = fs::file_time_type::clock::now() - std::chrono::hours(24);
    for (const auto& entry : fs::directory_iterator(strDir.toStdString()))
        if (fs::last_write_time(entry.path()) > recent)
            names << QString::fromStdString(entry.path().filename().string());
    return names;
}

QStringList NoteFiles(const QString& strDir)
{
    return QDir(strDir).entryList({QStringLiteral("QB_*.qbt")}, QDir::Files);
}

// Checks the sheet opens on the note titled strTitle, edits its detail page, presses OK.
CModalDriver::Step EditSheet(const char* pszTitle, std::function<void(CDetailPage*)> edit)
{
    return [strTitle = QString::fromUtf8(pszTitle), edit = std::move(edit)](QWidget* pWidget) {
        auto* pSheet = qobject_cast<CNotesSheet*>(pWidget);
        QVERIFY(pSheet);
        QCOMPARE(pSheet->GetDetailPage()->GetTitleEdit()->text(), strTitle);
        edit(pSheet->GetDetailPage());
        pSheet->GetButton(CNotesSheet::btnOK)->click();
    };
}
} // namespace

class TestNoteCommands : public CGuiTest
{
    Q_OBJECT

private slots:
    void notesPaneSavesOnlyWhatChanged()
    {
        const QString strDir = m_env.ExePath(QStringLiteral("notes"));
        WriteNotes(strDir, {"Banana", "apple", "cherry"});
        AgeFiles(strDir);
        SRun run(m_env.ExeDir());
        CQuillboxView& view = run.View();
        CNotesTextBar& pane = *run.frame->GetNotesTextBar();
        run.AddFolder("Notes", strDir);
        QCOMPARE(run.MarkedTitle(), std::string("apple"));
        QCOMPARE(pane.GetText(), std::string("Text of apple\r\nsecond line"));

        // Showing notes and clicking them with the same text writes nothing.
        ClickRow(*run.List().GetActiveView(), 2);
        QCOMPARE(pane.GetText(), std::string("Text of cherry\r\nsecond line"));
        pane.SetText("Text of cherry\r\nsecond line");
        ClickRow(*run.List().GetActiveView(), 1);
        QCOMPARE(run.List().GetSelectionMark(), 1);
        QCOMPARE(RewrittenFiles(strDir), QStringList());

        // Typed text goes into the note shown when another row is clicked.
        pane.SetText("new banana text");
        ClickRow(*run.List().GetActiveView(), 0);
        QCOMPARE(RewrittenFiles(strDir).size(), 1);
        QCOMPARE(ReadFolder(strDir)["Banana"].m_strNotes, std::string("new banana text"));
        QCOMPARE(run.MarkedTitle(), std::string("apple"));
        QCOMPARE(pane.GetText(), std::string("Text of apple\r\nsecond line"));

        // Losing the focus saves too.
        pane.GetEdit()->setFocus();
        pane.SetText("apple typed, then away");
        view.setFocus();
        QCOMPARE(ReadFolder(strDir)["apple"].m_strNotes, std::string("apple typed, then away"));

        // With the root selected the list is empty and typed text goes nowhere.
        AgeFiles(strDir);
        view.setCurrentItem(view.GetRootItem());
        QCOMPARE(run.List().GetModel().GetRowCount(), 0);
        QCOMPARE(pane.GetText(), std::string());
        pane.GetEdit()->setFocus();
        pane.SetText("typed into nothing");
        view.setFocus();
        view.setCurrentItem(run.Folder(1));
        QCOMPARE(RewrittenFiles(strDir), QStringList());
        QCOMPARE(NoteFiles(strDir).size(), 3);
    }

    void addNoteRunsTheWizard()
    {
        SRun run(m_env.ExeDir());
        CCommandController& commands = run.Commands();
        const QString strDir = m_env.AddNotesFolder(run, {"apple"});
        run.frame->GetNotesTextBar()->SetText("typed before adding");

        // Cancel adds nothing, but the pane was saved first.
        QVERIFY(RunAnswering(commands, ID_ADD_NOTE, {[](QWidget* pWidget) {
                                 qobject_cast<CNotesSheet*>(pWidget)->GetButton(CNotesSheet::btnCancel)->click();
                             }}));
        QCOMPARE(NoteFiles(strDir).size(), 1);
        QCOMPARE(ReadFolder(strDir)["apple"].m_strNotes, std::string("typed before adding"));

        QVERIFY(RunAnswering(commands, ID_ADD_NOTE, {[](QWidget* pWidget) {
                                 auto* pSheet = qobject_cast<CNotesSheet*>(pWidget);
                                 QVERIFY(pSheet);
                                 pSheet->GetDetailPage()->GetTitleEdit()->clear();
                                 pSheet->GetDetailPage()->GetNotesEdit()->setPlainText(QStringLiteral("from the wizard"));
                                 pSheet->GetButton(CNotesSheet::btnNext)->click();
                                 pSheet->GetIconPage()->GetCommentsEdit()->setText(QStringLiteral("a comment"));
                                 pSheet->GetButton(CNotesSheet::btnFinish)->click();
                             }}));
        const CNoteRecord added = ReadFolder(strDir)["Untitled"];
        QCOMPARE(added.m_strNotes, std::string("from the wizard"));
        QCOMPARE(added.m_strComments, std::string("a comment"));
        QVERIFY(NoteFiles(strDir).contains(QStringLiteral("QB_%1.qbt").arg(QString::fromStdString(added.m_strKey))));
        QCOMPARE(run.List().GetModel().GetRowCount(), 2);
    }

    void modifyNoteKeepsWhatTheSheetDidNotShow()
    {
        SRun run(m_env.ExeDir());
        const QString strDir = m_env.AddNotesFolder(run, {"apple", "banana", "cherry"});
        run.List().SetSelectionMark(1);

        QVERIFY(RunAnswering(run.Commands(), ID_MODIFY_NOTE,
                             {EditSheet("banana", [](CDetailPage* pPage) {
                                  pPage->GetTitleEdit()->setText(QStringLiteral("zucchini"));
                              })}));
        std::map<std::string, CNoteRecord> notes = ReadFolder(strDir);
        QCOMPARE(notes.count("banana"), size_t(0));
        QCOMPARE(notes["zucchini"].m_strNotes, std::string("Text of banana\r\nsecond line"));
        QCOMPARE(NoteFiles(strDir).size(), 3);
        // The same row position is marked again; it holds another note now.
        QCOMPARE(run.List().GetSelectionMark(), 1);
        QCOMPARE(run.MarkedTitle(), std::string("cherry"));
    }

    // A row whose note the store no longer holds is changed or deleted by its
    // own record, never as a blank note with an empty key; No deletes nothing.
    void rowWithoutStoredNoteUsesItsOwnRecord()
    {
        SRun run(m_env.ExeDir());
        const QString strDir = m_env.AddNotesFolder(run, {"apple", "banana"});
        CCommandController& commands = run.Commands();
        const std::string strAppleKey = run.List().GetModel().GetRowNote(0)->m_strKey;
        run.app.GetStore().ClearNotes();

        QVERIFY(RunAnswering(commands, ID_MODIFY_NOTE, {EditSheet("apple", [](CDetailPage* pPage) {
                                 pPage->GetNotesEdit()->setPlainText(QStringLiteral("kept by key"));
                             })}));
        QVERIFY(!QFile::exists(strDir + QStringLiteral("/QB_.qbt")));
        QCOMPARE(ReadFolder(strDir)["apple"].m_strKey, strAppleKey);
        QCOMPARE(ReadFolder(strDir)["apple"].m_strNotes, std::string("kept by key"));

        run.app.GetStore().ClearNotes();
        run.List().SetSelectionMark(0);
        QVERIFY(RunAnswering(commands, ID_DELETE_NOTE, {AnswerMessage(nullptr, QMessageBox::No)}));
        QCOMPARE(NoteFiles(strDir).size(), 2);
        QVERIFY(RunAnswering(commands, ID_DELETE_NOTE, {AnswerMessage(nullptr, QMessageBox::Yes)}));
        QCOMPARE(NoteFiles(strDir).size(), 1);
        QCOMPARE(ReadFolder(strDir).count("apple"), size_t(0));
        QCOMPARE(ReadFolder(strDir).count("banana"), size_t(1));
    }

    void deletedNotesGoToTheTrash()
    {
        SRun run(m_env.ExeDir());
        const QString strDir = m_env.AddNotesFolder(run, {"apple", "banana"});
        CCommandController& commands = run.Commands();
        const CModalDriver::Step yes = AnswerMessage(nullptr, QMessageBox::Yes);

        run.List().SetSelectionMark(0);
        QVERIFY(RunAnswering(commands, ID_DELETE_NOTE, {yes}));
        QCOMPARE(ReadFolder(strDir).count("apple"), size_t(0));
        QCOMPARE(ReadFolder(m_env.ExePath(QStringLiteral("data/Trash/files"))).count("apple"), size_t(1));

        // No trash to be had: the note goes only after a second yes.
        QFile blocker(m_env.ExePath(QStringLiteral("blocked")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_DATA_HOME", (blocker.fileName() + QStringLiteral("/data")).toLocal8Bit());
        QString strSecond;
        run.List().SetSelectionMark(0);
        QVERIFY(RunAnswering(commands, ID_DELETE_NOTE, {yes, AnswerMessage(&strSecond, QMessageBox::No)}));
        QVERIFY(strSecond.contains(QStringLiteral("cannot be moved to the trash")));
        QCOMPARE(NoteFiles(strDir).size(), 1);
        QVERIFY(run.frame->statusBar()->currentMessage().contains(QStringLiteral("The trash cannot take")));
        run.List().SetSelectionMark(0);
        QVERIFY(RunAnswering(commands, ID_DELETE_NOTE, {yes, yes}));
        QCOMPARE(NoteFiles(strDir).size(), 0);
    }
};

QTEST_MAIN(TestNoteCommands)
#include "TestNoteCommands.moc"
