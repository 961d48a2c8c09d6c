// Another machine writing into the shown folder through a sync tool, acted
// out against the real window: what it writes is shown, and nothing typed
// here is ever lost or written over its changes.
#include "FileIo.h"
#include "GuiTestUtil.h"
#include "NoteSelection.h"
#include "NoteStore.h"
#include "TestUtil.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <functional>
#include <set>
#include <utility>

#include <stdio.h>
#include <unistd.h>

namespace
{
using TitlesAndTexts = std::multiset<std::pair<std::string, std::string>>;

// The notes of a directory as a fresh load sees them.
TitlesAndTexts OnDisk(const QString& strDir)
{
    CAppContext app(strDir.toStdString());
    CNoteStore store(app);
    store.LoadFolder(strDir.toStdString());
    TitlesAndTexts notes;
    store.ForEach([&](const CNoteRecord& n) { notes.emplace(n.m_strTitle, n.m_strNotes); });
    return notes;
}

// The other machine changes a note and its sync tool delivers the file the
// usual way: a whole new file renamed over the old one.
void ChangeElsewhere(const QString& strDir, const std::string& strTitle,
                     const std::function<void(CNoteRecord&)>& change)
{
    CNoteRecord note = ReadFolder(strDir)[strTitle];
    QVERIFY(!note.m_strKey.empty());
    change(note);
    CAppContext app(strDir.toStdString());
    QVERIFY(WriteFileAtomically(CAppContext::GetNoteFilePath(strDir.toStdString(), note),
                                CNoteStore(app).NoteFileBytes(note)));
}

// The file of the note of that title, as the program names it.
QString NoteFile(const QString& strDir, const std::string& strTitle)
{
    return strDir + QStringLiteral("/QB_%1.qbt").arg(QString::fromStdString(ReadFolder(strDir)[strTitle].m_strKey));
}
} // namespace

class TestFolderSync : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_env.InitCase()); }
    void init() { QVERIFY(m_env.InitTest()); }

    // A note replaced by rename while it is shown: its new text and title
    // appear, and the mark follows it to its new place in the order.
    void noteReplacedByRenameIsShown()
    {
        SRun run(m_env.ExeDir());
        const QString strDir = m_env.AddNotesFolder(run, {"alpha", "beta", "gamma"});
        run.List().SetSelectionMark(1);
        QCOMPARE(run.MarkedTitle(), std::string("beta"));
        ChangeElsewhere(strDir, "beta", [](CNoteRecord& n) {
            n.m_strTitle = "zeta";
            n.m_strNotes = "from the laptop";
        });
        QTRY_COMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("from the laptop"));
        QCOMPARE(run.Titles(), QStringList({"alpha", "gamma", "zeta"}));
        QCOMPARE(run.List().GetSelectionMark(), 2);
        QCOMPARE(run.List().GetCurrentItem(), 2);
    }

    // A sync bringing 1,000 notes at once: one refresh lists them all.
    void thousandFilesAreOneRefresh()
    {
        const QString strDir = m_env.ExePath(QStringLiteral("synced"));
        const QString strStaging = m_env.ExePath(QStringLiteral("staging"));
        WriteNotes(strDir, {"already here"});
        QDir().mkpath(strStaging);
        SRun run(m_env.ExeDir());
        run.AddFolder("Synced", strDir);
        QSignalSpy refreshes(&run.Commands().GetNoteSelection().GetFolderWatcher(), &CFolderWatcher::FolderChanged);

        CAppContext app(strStaging.toStdString());
        CNoteStore store(app);
        const std::string strFrom = strStaging.toStdString() + "/", strTo = strDir.toStdString() + "/";
        std::vector<std::string> names;
        for (int i = 0; i < 1000; ++i) {
            CNoteRecord note;
            note.m_strKey = "20261207" + std::to_string(10000000 + i);
            note.m_strTitle = "arrived " + std::to_string(i);
            names.push_back("QB_" + note.m_strKey + ".qbt");
            WriteBytes(strFrom + names.back(), store.NoteFileBytes(note));
        }
        for (const std::string& name : names)
            QCOMPARE(::rename((strFrom + name).c_str(), (strTo + name).c_str()), 0);
        QTRY_COMPARE_WITH_TIMEOUT(run.List().GetModel().GetRowCount(), 1001, 10000);
        QTest::qWait(CFolderWatcher::nMaxDelayMs + 500);
        QCOMPARE(refreshes.count(), 1);
        QCOMPARE(run.MarkedTitle(), std::string("already here"));
    }

    // The shown note deleted on disk while the pane holds typed text: the
    // note leaves the list, the text stays and is saved as a new note.
    void shownNoteDeletedKeepsTypedText()
    {
        SRun run(m_env.ExeDir());
        const QString strDir = m_env.AddNotesFolder(run, {"alpha", "beta"});
        QCOMPARE(run.MarkedTitle(), std::string("alpha"));
        run.frame->GetNotesTextBar()->SetText("words typed here");
        QVERIFY(QFile::remove(NoteFile(strDir, "alpha")));
        QTRY_VERIFY(!run.Titles().contains(QStringLiteral("alpha")));
        QCOMPARE(run.Titles(), QStringList({"alpha (conflict copy)", "beta"}));
        QCOMPARE(run.MarkedTitle(), std::string("alpha (conflict copy)"));
        QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("words typed here"));
        QVERIFY(run.frame->statusBar()->currentMessage().contains(QStringLiteral("deleted by another program")));
        QCOMPARE(OnDisk(strDir), (TitlesAndTexts{{"alpha (conflict copy)", "words typed here"},
                                                 {"beta", "Text of beta\r\nsecond line"}}));
    }

    // Text typed while the same note changed on disk, then committed: both
    // versions are on disk, whether the change was shown first or not.
    void typedTextMeetsAChangeOnDisk()
    {
        SRun run(m_env.ExeDir());
        const QString strDir = m_env.AddNotesFolder(run, {"alpha"});
        CNoteSelection& selection = run.Commands().GetNoteSelection();
        QSignalSpy refreshes(&selection.GetFolderWatcher(), &CFolderWatcher::FolderChanged);
        CNotesTextBar* pPane = run.frame->GetNotesTextBar();

        // The change arrives and is taken in; the typed text stays.
        pPane->SetText("typed here");
        ChangeElsewhere(strDir, "alpha", [](CNoteRecord& n) { n.m_strNotes = "from the laptop"; });
        QTRY_COMPARE(refreshes.count(), 1);
        QCOMPARE(pPane->GetText(), std::string("typed here"));
        QCOMPARE(run.List().GetModel().GetRowNote(0)->m_strNotes, std::string("from the laptop"));
        selection.CommitNoteText();
        QVERIFY(run.frame->statusBar()->currentMessage().contains(QStringLiteral("changed by another program")));
        QCOMPARE(OnDisk(strDir),
                 (TitlesAndTexts{{"alpha", "from the laptop"}, {"alpha (conflict copy)", "typed here"}}));
        QCOMPARE(run.Titles(), QStringList({"alpha", "alpha (conflict copy)"}));
        // A picture of the window at this point, when asked for.
        if (const QString strShots = qEnvironmentVariable("QUILLBOX_SHOT_DIR"); !strShots.isEmpty())
            QVERIFY(run.frame->grab().save(strShots + QStringLiteral("/conflict-copy.png")));

        // The change arrives and the commit comes before the window saw it.
        QCOMPARE(run.MarkedTitle(), std::string("alpha"));
        pPane->SetText("typed again");
        ChangeElsewhere(strDir, "alpha", [](CNoteRecord& n) { n.m_strNotes = "from the phone"; });
        selection.CommitNoteText();
        QCOMPARE(OnDisk(strDir), (TitlesAndTexts{{"alpha", "from the phone"},
                                                 {"alpha (conflict copy)", "typed here"},
                                                 {"alpha (conflict copy)", "typed again"}}));
        QCOMPARE(run.List().GetModel().GetRowCount(), 3);
    }

    // A few notes added, renamed across the marked one, removed and changed
    // on disk: only their rows change, the rows end as a fresh refill would
    // have them (equal titles included), and the mark, the Notes pane and
    // the Properties pane stay with the marked note.
    void fewChangesTouchOnlyTheirRows()
    {
        SRun run(m_env.ExeDir());
        const QString strDir =
            m_env.AddNotesFolder(run, {"apple", "Apple", "banana", "cherry", "cherry", "kiwi", "mango", "zucchini"});
        CNotesListModel& model = run.List().GetModel();
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        run.List().SetSelectionMark(5);
        QCOMPARE(run.MarkedTitle(), std::string("kiwi"));
        CNotesTextBar* pPane = run.frame->GetNotesTextBar();
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

        ChangeElsewhere(strDir, "zucchini", [](CNoteRecord& n) { n.m_strTitle = "apple"; });
        ChangeElsewhere(strDir, "banana", [](CNoteRecord& n) { n.m_strTitle = "papaya"; });
        ChangeElsewhere(strDir, "kiwi", [](CNoteRecord& n) { n.m_strNotes = "kiwi from the laptop"; });
        QVERIFY(QFile::remove(NoteFile(strDir, "mango")));
        WriteNotes(strDir, {"Cherry", "aardvark"});
        QTRY_VERIFY(run.Titles().contains(QStringLiteral("aardvark")) &&
                    !run.Titles().contains(QStringLiteral("mango")));
        QCOMPARE(resets.count(), 0);

        CNotesListModel full(run.app);
        full.Refill(run.app.GetStore());
        QCOMPARE(model.GetRowCount(), full.GetRowCount());
        for (int i = 0; i < full.GetRowCount(); ++i)
            QVERIFY(model.GetRowNote(i) == full.GetRowNote(i));
        QCOMPARE(run.Titles().mid(0, 4).join(',').toLower(), QStringLiteral("aardvark,apple,apple,apple"));
        QCOMPARE(run.MarkedTitle(), std::string("kiwi"));
        QCOMPARE(run.List().GetCurrentItem(), run.List().GetSelectionMark());
        QCOMPARE(pPane->GetText(), std::string("kiwi from the laptop"));
        QCOMPARE(run.frame->GetPropertiesList()->item(0)->text(), QStringLiteral("kiwi"));

        // Typed text stays while another note moves past the mark.
        pPane->SetText("typed on kiwi");
        ChangeElsewhere(strDir, "papaya", [](CNoteRecord& n) { n.m_strTitle = "aaa"; });
        QTRY_COMPARE(run.Titles().first(), QStringLiteral("aaa"));
        QCOMPARE(resets.count(), 0);
        QCOMPARE(run.MarkedTitle(), std::string("kiwi"));
        QCOMPARE(pPane->GetText(), std::string("typed on kiwi"));
    }

    // The folder's directory removed and made again (a share remounted, a
    // sync tool recreating it): nothing listed while it is gone, and the
    // status bar says so; once back, its notes are listed and later changes
    // are followed again.
    void directoryRemovedAndMadeAgain()
    {
        SRun run(m_env.ExeDir());
        const QString strDir = m_env.AddNotesFolder(run, {"alpha", "beta"});
        QCOMPARE(run.Titles(), QStringList({"alpha", "beta"}));

        QVERIFY(QDir(strDir).removeRecursively());
        QTRY_COMPARE(run.List().GetModel().GetRowCount(), 0);
        QCOMPARE(run.frame->statusBar()->currentMessage(),
                 QStringLiteral("The folder's directory %1 is missing.").arg(strDir));
        QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string());

        WriteNotes(strDir, {"gamma"});
        QTRY_COMPARE_WITH_TIMEOUT(run.Titles(), QStringList({"gamma"}), 5000);
        QVERIFY(run.frame->statusBar()->currentMessage().isEmpty());
        ChangeElsewhere(strDir, "gamma", [](CNoteRecord& n) { n.m_strTitle = "delta"; });
        QTRY_COMPARE(run.Titles(), QStringList({"delta"}));
        WriteNotes(strDir, {"epsilon"});
        QTRY_COMPARE(run.Titles(), QStringList({"delta", "epsilon"}));
    }

    // The damaged-file message follows the count and goes with the last
    // damaged file.
    void damagedMessageFollowsTheFiles()
    {
        const QString strDir = m_env.ExePath(QStringLiteral("synced"));
        WriteNotes(strDir, {"alpha"});
        const std::string strDamaged = strDir.toStdString() + "/QB_2026120712000000.qbt";
        WriteBytes(strDamaged, "QB");
        SRun run(m_env.ExeDir());
        run.AddFolder("Synced", strDir);
        QTRY_VERIFY(run.frame->statusBar()->currentMessage().startsWith(QStringLiteral("1 damaged note file")));
        WriteBytes(strDir.toStdString() + "/QB_2026120712000001.qbt", "QB");
        QTRY_VERIFY(run.frame->statusBar()->currentMessage().startsWith(QStringLiteral("2 damaged note file")));
        QCOMPARE(::unlink(strDamaged.c_str()), 0);
        QTRY_VERIFY(run.frame->statusBar()->currentMessage().startsWith(QStringLiteral("1 damaged note file")));
        QCOMPARE(::unlink((strDir.toStdString() + "/QB_2026120712000001.qbt").c_str()), 0);
        QTRY_VERIFY(run.frame->statusBar()->currentMessage().isEmpty());
        QCOMPARE(run.Titles(), QStringList({"alpha"}));
    }

    // A folder with an index is listed from it at once; its files are
    // checked behind, and what changed while the program was closed comes
    // in through the row updates, the mark and typed text staying. Text
    // typed on a note shown from the index never replaces its changed file.
    void folderListedFromIndexThenChecked()
    {
        const QString strDir = m_env.ExePath(QStringLiteral("synced"));
        const std::string strCache = m_env.ExePath(QStringLiteral("cache")).toStdString();
        WriteNotes(strDir, {"alpha", "beta", "gamma"});
        {
            SRun run(m_env.ExeDir());
            run.app.m_strIndexDir = strCache;
            run.AddFolder("Synced", strDir);
        }
        ChangeElsewhere(strDir, "beta", [](CNoteRecord& n) { n.m_strNotes = "from the laptop"; });
        WriteNotes(strDir, {"delta"});

        SRun run(m_env.ExeDir());
        run.app.m_strIndexDir = strCache;
        CNoteSelection& selection = run.Commands().GetNoteSelection();
        QSignalSpy checked(&selection, &CNoteSelection::FolderChecked);
        run.AddFolder("Synced", strDir);
        QCOMPARE(run.Titles(), QStringList({"alpha", "beta", "gamma"}));
        QVERIFY(selection.IsCheckingFolder());
        CNotesTextBar* pPane = run.frame->GetNotesTextBar();
        // Typed on a note listed from the index, its text read on demand.
        run.List().SetSelectionMark(0);
        QCOMPARE(pPane->GetText(), std::string("Text of alpha\r\nsecond line"));
        pPane->SetText("alpha typed");
        selection.CommitNoteText();
        run.List().SetSelectionMark(1);
        QCOMPARE(pPane->GetText(), std::string("Text of beta\r\nsecond line"));
        pPane->SetText("typed here");

        QVERIFY(checked.wait());
        QCOMPARE(run.Titles(), QStringList({"alpha", "beta", "delta", "gamma"}));
        QCOMPARE(run.MarkedTitle(), std::string("beta"));
        QCOMPARE(run.List().GetModel().GetRowNote(1)->m_strNotes, std::string("from the laptop"));
        QCOMPARE(pPane->GetText(), std::string("typed here"));
        selection.CommitNoteText();
        QCOMPARE(OnDisk(strDir), (TitlesAndTexts{{"alpha", "alpha typed"},
                                                 {"beta", "from the laptop"},
                                                 {"beta (conflict copy)", "typed here"},
                                                 {"delta", "Text of delta\r\nsecond line"},
                                                 {"gamma", "Text of gamma\r\nsecond line"}}));
    }

private:
    SGuiTestEnvironment m_env;
};

QTEST_MAIN(TestFolderSync)
#include "TestFolderSync.moc"
