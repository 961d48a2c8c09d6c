// The Search command, its dialog and the clicks on its results.
#include "GuiTest.h"
#include "NoteSelection.h"
#include "NoteStore.h"
#include "SearchDlg.h"

#include <QCheckBox>
#include <QComboBox>

#include <string>

namespace
{
// Keys counting up from nFirst, so that two folders share no key, and
// keywords.
std::function<void(CNoteRecord&)> Keyed(int nFirst)
{
    return [nKey = nFirst](CNoteRecord& note) mutable {
        note.m_strKey = "20260101000000" + std::to_string(nKey++);
        note.m_strKeywords = "kw-" + note.m_strTitle;
    };
}

// Answers the Search dialog: the folder at nFolder, the text, then Find.
CModalDriver::Step FindIn(int nFolder, const QString& strText, bool bKeywordsOnly = false)
{
    return [=](QWidget* pWidget) {
        auto* pDialog = qobject_cast<CSearchDlg*>(pWidget);
        QVERIFY(pDialog);
        pDialog->GetFolderList()->setCurrentIndex(nFolder);
        pDialog->GetSearchEdit()->setText(strText);
        pDialog->GetKeywordsOnlyCheck()->setChecked(bKeywordsOnly);
        pDialog->findChild<QPushButton*>(QStringLiteral("Find"))->click();
    };
}

} // namespace

class TestSearchCommands : public CGuiTest
{
    Q_OBJECT

private slots:
    // A search elsewhere leaves the list, its mark and the store with the
    // selected folder; a result from there keeps the row. A result from the
    // selected folder selects its row.
    void searchAndClickResults()
    {
        const QString strA = m_env.ExePath(QStringLiteral("a"));
        const QString strB = m_env.ExePath(QStringLiteral("b"));
        WriteNotes(strA, {"apple pie", "cherry pie", "plum cake"}, Keyed(10));
        WriteNotes(strB, {"pie crust", "bread"}, Keyed(20));
        SRun run(m_env.ExeDir());
        CQuillboxView& view = run.View();
        CCommandController& commands = run.Commands();
        const int nFirst = view.GetRootItem()->childCount();
        QTreeWidgetItem* pA = run.AddFolder("A", strA, false);
        run.AddFolder("B", strB, false);
        view.setCurrentItem(pA);
        run.List().SetSelectionMark(1);
        const QStringList titlesA = {"apple pie", "cherry pie", "plum cake"};
        QCOMPARE(run.Titles(), titlesA);
        CSearchResultsList& results = *run.frame->GetSearchResultsList();
        CPropertiesList& properties = *run.frame->GetPropertiesList();

        QVERIFY(RunAnswering(commands, ID_SEARCH, {FindIn(nFirst + 1, QStringLiteral("PIE"))}));
        QCOMPARE(RowTexts(results.GetModel()), QStringList{"pie crust"});
        QVERIFY(!run.frame->GetSearchResultsBar()->isHidden());
        QCOMPARE(run.Titles(), titlesA);
        QCOMPARE(run.List().GetSelectionMark(), 1);

        results.setCurrentIndex(results.GetModel().index(0, 0));
        QCOMPARE(run.List().GetSelectionMark(), 1);
        QCOMPARE(properties.GetShownValue(CPropertiesList::rowTitle), QStringLiteral("cherry pie"));
        QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("Text of cherry pie\r\nsecond line"));

        // The store went back to the selected folder: a change is written
        // there, and a rebuilt list shows its notes.
        run.frame->GetNotesTextBar()->SetText("typed after the search");
        commands.GetNoteSelection().CommitNoteText();
        QCOMPARE(run.Titles(), titlesA);
        QCOMPARE(QDir(strB).entryList({"QB_*.qbt"}, QDir::Files).size(), 2);
        QCOMPARE(ReadFolder(strA)["cherry pie"].m_strNotes, std::string("typed after the search"));

        // In the selected folder, keywords only: a click selects the result's row.
        QVERIFY(RunAnswering(commands, ID_SEARCH, {FindIn(nFirst, QStringLiteral("kw-plum"), true)}));
        QCOMPARE(RowTexts(results.GetModel()), QStringList{"plum cake"});
        ClickRow(results, 0);
        QCOMPARE(run.List().GetSelectionMark(), 2);
        QCOMPARE(properties.GetShownValue(CPropertiesList::rowTitle), QStringLiteral("plum cake"));
        QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("Text of plum cake\r\nsecond line"));
        QCOMPARE(run.frame->GetStatusBar()->currentMessage(), QStringLiteral("1 note(s) found."));
    }

    // "All folders", after the folders: every folder's hits, each naming
    // its folder, the shown folder's store untouched; a hit in another
    // folder opens that folder at its note, typed text saved where it was.
    void searchAllFoldersOpensTheResultsFolder()
    {
        const QString strA = m_env.ExePath(QStringLiteral("a"));
        const QString strB = m_env.ExePath(QStringLiteral("b"));
        WriteNotes(strA, {"zqx apple", "plum"}, Keyed(10));
        WriteNotes(strB, {"bread", "crust zqx"}, Keyed(20));
        SRun run(m_env.ExeDir());
        CQuillboxView& view = run.View();
        const int nFirst = view.GetRootItem()->childCount();
        QTreeWidgetItem* pA = run.AddFolder("A", strA, false);
        run.AddFolder("B", strB, false);
        view.setCurrentItem(pA);
        run.List().SetSelectionMark(1);
        QCOMPARE(run.Titles(), QStringList({"plum", "zqx apple"}));

        QVERIFY(RunAnswering(run.Commands(), ID_SEARCH, {[&](QWidget* pWidget) {
                                 auto* pDialog = qobject_cast<CSearchDlg*>(pWidget);
                                 QVERIFY(pDialog);
                                 QCOMPARE(pDialog->GetFolderList()->count(), nFirst + 3);
                                 QCOMPARE(pDialog->GetFolderList()->itemText(nFirst + 2), QStringLiteral("All folders"));
                                 FindIn(nFirst + 2, QStringLiteral("ZQX"))(pWidget);
                             }}));
        CSearchResultsList& results = *run.frame->GetSearchResultsList();
        QCOMPARE(RowTexts(results.GetModel()), QStringList({"zqx apple", "crust zqx"}));
        QCOMPARE(RowTexts(results.GetModel(), CSearchResultsModel::colFolder), QStringList({"A", "B"}));
        QVERIFY(!results.isColumnHidden(CSearchResultsModel::colFolder));
        QCOMPARE(run.app.GetStore().GetLoadedFolder(), strA.toStdString());
        QCOMPARE(run.app.GetStore().GetCount(), 2);

        run.frame->GetNotesTextBar()->SetText("typed in A");
        // Moving onto a result of another folder opens nothing; a click does.
        results.setCurrentIndex(results.GetModel().index(1, 0));
        QCOMPARE(view.GetSelectedFolderPath(), strA.toStdString());
        ClickRow(results, 1);
        QCOMPARE(view.GetSelectedFolderPath(), strB.toStdString());
        QCOMPARE(run.Titles(), QStringList({"bread", "crust zqx"}));
        QCOMPARE(run.List().GetSelectionMark(), 1);
        QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("Text of crust zqx\r\nsecond line"));
        QCOMPARE(ReadFolder(strA)["zqx apple"].m_strNotes, std::string("typed in A"));

        // The dialog offers the text searched last. A search of one folder
        // names none; a hit whose note has gone opens its folder and says so.
        QString strOffered;
        QVERIFY(RunAnswering(run.Commands(), ID_SEARCH, {[&](QWidget* pWidget) {
                                 strOffered = qobject_cast<CSearchDlg*>(pWidget)->GetSearchEdit()->text();
                                 FindIn(nFirst, QStringLiteral("plum"))(pWidget);
                             }}));
        QCOMPARE(strOffered, QStringLiteral("ZQX"));
        QVERIFY(results.isColumnHidden(CSearchResultsModel::colFolder));
        QVERIFY(QFile::remove(strA + QStringLiteral("/QB_2026010100000011.qbt")));
        ClickRow(results, 0);
        QCOMPARE(view.currentItem(), pA);
        QCOMPARE(run.Titles(), QStringList({"zqx apple"}));
        QCOMPARE(run.frame->GetStatusBar()->currentMessage(),
                 QStringLiteral("The note \"plum\" is no longer in the folder \"A\"."));
    }
};

QTEST_MAIN(TestSearchCommands)
#include "TestSearchCommands.moc"
