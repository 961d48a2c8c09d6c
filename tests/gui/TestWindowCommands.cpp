// The enable and check rules, the pane and mode toggles, Help and About.
#include "GuiTest.h"

class TestWindowCommands : public CGuiTest
{
    Q_OBJECT

private slots:
    void enableAndCheckRulesEverywhere()
    {
        const QString strDir = m_env.m_pExeDir->filePath(QStringLiteral("notes"));
        const QString strEmpty = m_env.m_pExeDir->filePath(QStringLiteral("empty"));
        WriteNotes(strDir, {"one"});
        QDir().mkpath(strEmpty);
        SRun run(m_env.m_pExeDir->path());
        CQuillboxView& view = run.View();
        CCommandController& commands = run.Commands();
        view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Notes", strDir.toStdString()}));
        view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Empty", strEmpty.toStdString()}));
        QSignalSpy runs(&commands, &CCommandController::CommandRun);

        auto enabled = [&](int nId) {
            commands.UpdateCommandUI();
            const bool bRule = commands.IsCommandEnabled(nId);
            for (QAction* pAction : commands.GetCommands().GetActions(nId))
                if (pAction->isEnabled() != bRule)
                    return -1;
            return bRule ? 1 : 0;
        };
        const int folderCommands[] = {ID_SEARCH, ID_MODIFY_FOLDER, ID_REMOVE_FOLDER, ID_ADD_NOTE};
        const int noteCommands[] = {ID_MODIFY_NOTE, ID_DELETE_NOTE};

        // Root selected: folder and note commands are off, and their keys do nothing.
        QCOMPARE(view.currentItem(), view.GetRootItem());
        for (int nId : folderCommands)
            QCOMPARE(enabled(nId), 0);
        for (int nId : noteCommands)
            QCOMPARE(enabled(nId), 0);
        QVERIFY(!commands.ExecuteCommand(ID_MODIFY_FOLDER));
        QVERIFY(QTest::qWaitForWindowActive(run.frame));
        for (const char* pszKey : {"Ctrl+M", "Ctrl+R", "Ctrl+F", "Ctrl+N", "Ctrl+Y", "Ctrl+D"})
            QTest::keySequence(run.frame, QKeySequence(QString::fromLatin1(pszKey)));
        QCOMPARE(runs.count(), 0);

        // Export and import commands are never greyed; the pane keys never are either.
        for (int nId : {ID_EXPORT_PDF, ID_EXPORT_HTML, ID_IMPORT_TEXT_FILE, ID_EXPORT_WORD_ALL, ID_NEW_FOLDER})
            QCOMPARE(enabled(nId), 1);
        QCOMPARE(enabled(ID_NEXT_PANE), 1);
        QCOMPARE(enabled(ID_PREV_PANE), 1);

        // An empty folder: folder commands on, note commands off.
        view.setCurrentItem(view.GetRootItem()->child(2));
        for (int nId : folderCommands)
            QCOMPARE(enabled(nId), 1);
        for (int nId : noteCommands)
            QCOMPARE(enabled(nId), 0);

        // A folder with a note: everything on.
        view.setCurrentItem(view.GetRootItem()->child(1));
        QCOMPARE(run.List().GetSelectionMark(), 0);
        for (int nId : noteCommands)
            QCOMPARE(enabled(nId), 1);

        // Its key runs the command once its rule holds: the sheet opens.
        const CModalDriver::Step reject = [](QWidget* pWidget) { static_cast<QDialog*>(pWidget)->reject(); };
        QVERIFY(Answering({reject}, [&] { QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Ctrl+Y"))); }));
        QCOMPARE(runs.count(), 1);
        QCOMPARE(runs.at(0).at(0).toInt(), int(ID_MODIFY_NOTE));
        QApplication::setActiveWindow(run.frame);
        QVERIFY(QTest::qWaitForWindowActive(run.frame));

        // Check rules: panes, list modes, tree state, toolbar and status bar.
        auto checked = [&](int nId) {
            commands.UpdateCommandUI();
            return commands.GetCommands().GetAction(nId)->isChecked();
        };
        QVERIFY(checked(ID_VIEW_NOTES_WINDOW) && checked(ID_VIEW_DETAIL_WINDOW) && checked(ID_VIEW_SUMMARY_WINDOW));
        QVERIFY(!checked(ID_VIEW_SEARCH_RESULTS));
        QVERIFY(checked(ID_VIEW_TOOLBAR) && checked(ID_VIEW_STATUS_BAR));
        QVERIFY(checked(ID_VIEW_DETAILS) && !checked(ID_VIEW_TILES));
        QVERIFY(checked(ID_EXPAND_ALL) && !checked(ID_COLLAPSE_ALL));

        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Alt+2")));
        QVERIFY(run.frame->GetPropertiesBar()->isHidden());
        QVERIFY(!checked(ID_VIEW_SUMMARY_WINDOW));
        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Alt+2")));
        QVERIFY(checked(ID_VIEW_SUMMARY_WINDOW));
        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Alt+3")));
        QVERIFY(checked(ID_VIEW_SEARCH_RESULTS));

        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Ctrl+3")));
        QCOMPARE(commands.GetListViewMode(), CNotesListCtrl::modeTiles);
        QVERIFY(checked(ID_VIEW_TILES) && !checked(ID_VIEW_DETAILS));
        QCOMPARE(run.List().GetSelectionMark(), 0);

        // Another mode shows the same note marked.
        WriteNotes(strDir, {"two"});
        view.setCurrentItem(view.GetRootItem()->child(2));
        view.setCurrentItem(view.GetRootItem()->child(1));
        run.List().SetSelectionMark(1);
        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Ctrl+2")));
        QCOMPARE(run.List().GetSelectionMark(), 1);
        QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("Text of two\r\nsecond line"));

        // Collapse All and Expand All leave the folder selected but the list empty.
        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Ctrl+O")));
        QVERIFY(checked(ID_COLLAPSE_ALL) && !checked(ID_EXPAND_ALL));
        QVERIFY(!view.GetRootItem()->isExpanded());
        QCOMPARE(run.List().GetModel().rowCount(), 0);
        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Ctrl+E")));
        QVERIFY(checked(ID_EXPAND_ALL));
        QVERIFY(view.GetRootItem()->isExpanded());
        QCOMPARE(run.List().GetModel().rowCount(), 0);
    }

    void helpOpensOurPageWithoutTheHelpFile()
    {
        SRun run(m_env.m_pExeDir->path());
        QVERIFY(QFile(m_env.ExePath(QStringLiteral("quillbox-help.html"))).open(QIODevice::WriteOnly));
        QVERIFY(run.Commands().ExecuteCommand(ID_HELP_CONTENTS));
        QCOMPARE(m_env.m_opened.size(), 1);
        QCOMPARE(m_env.m_opened.at(0).fileName(), QStringLiteral("quillbox-help.html"));

        QVERIFY(QFile(m_env.ExePath(QStringLiteral("QuillboxHelp.chm"))).open(QIODevice::WriteOnly));
        QVERIFY(run.Commands().ExecuteCommand(ID_HELP_CONTENTS));
        QCOMPARE(m_env.m_opened.at(1).fileName(), QStringLiteral("QuillboxHelp.chm"));

        // An installed program opens the page shared beside its bin directory.
        QTemporaryDir prefix;
        QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")) &&
                QDir(prefix.path()).mkpath(QStringLiteral("share/quillbox")));
        const QString strPage = prefix.filePath(QStringLiteral("share/quillbox/quillbox-help.html"));
        QVERIFY(QFile(strPage).open(QIODevice::WriteOnly));
        SRun installed(prefix.filePath(QStringLiteral("bin")));
        QVERIFY(installed.Commands().ExecuteCommand(ID_HELP_CONTENTS));
        QCOMPARE(m_env.m_opened.at(2).toLocalFile(), strPage);
    }
};

QTEST_MAIN(TestWindowCommands)
#include "TestWindowCommands.moc"
