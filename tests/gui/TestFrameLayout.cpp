// The panes' layout and sizes across restarts, and what closing the window writes.
#include "GuiTest.h"

class TestFrameLayout : public CGuiTest
{
    Q_OBJECT

private slots:
    void layoutSurvivesARestart()
    {
        {
            SRun run(m_env.m_pExeDir->path());
            run.frame->GetPropertiesBar()->hide();
            run.Commands().ExecuteCommand(ID_VIEW_SEARCH_RESULTS);
            QVERIFY(run.frame->GetSearchResultsBar()->isVisible());
            run.frame->resizeDocks({run.frame->GetNotesListBar()}, {380}, Qt::Horizontal);
            QApplication::processEvents();
            run.Commands().ExecuteCommand(ID_VIEW_ICONS);
            run.View().InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Extra", "/tmp/extra"}));
        }
        QVERIFY(QFile::exists(m_env.m_pExeDir->filePath(QStringLiteral("FolderSettings.set"))));
        {
            QSettings settings = OpenUserSettings();
            QVERIFY(settings.contains(QStringLiteral("DetailsBarState/Layout")));
            QVERIFY(settings.value(QStringLiteral("DetailsBarState-SCBar-252/sizeVertCX")).toInt() >= 360);
            QCOMPARE(settings.value(QStringLiteral("Quillbox/ListViewSelection")).toInt(), 3);
            settings.setValue(QStringLiteral("DetailsBarState-SCBar-250/sizeVertCY"), 5);
        }
        {
            SRun run(m_env.m_pExeDir->path());
            QVERIFY(run.frame->GetPropertiesBar()->isHidden());
            QVERIFY(run.frame->GetSearchResultsBar()->isHidden());
            QVERIFY(run.frame->GetNotesListBar()->isVisible());
            QVERIFY(run.frame->GetNotesListBar()->width() >= 360);
            QCOMPARE(run.frame->GetNotesTextBar()->m_szVert.height(), 32);
            QCOMPARE(run.Commands().GetListViewMode(), CNotesListCtrl::modeIcons);
            QCOMPARE(run.View().GetRootItem()->child(1)->text(0), QStringLiteral("Extra"));
            QCOMPARE(run.frame->toolBarArea(run.frame->GetToolBar()), Qt::TopToolBarArea);
        }

        // A layout naming a bar that does not exist is ignored whole.
        {
            QSettings settings = OpenUserSettings();
            settings.setValue(QStringLiteral("DetailsBarState/Bars"), QStringList({"250", "252", "999"}));
            settings.setValue(QStringLiteral("DetailsBarState-SCBar-252/sizeVertCX"), 500);
        }
        {
            SRun run(m_env.m_pExeDir->path());
            QVERIFY(run.frame->GetPropertiesBar()->isVisible());
            QCOMPARE(run.frame->GetNotesListBar()->m_szVert.width(), 300);
        }
    }

    // A row's length is shared with its neighbours; its depth is each pane's own.
    void showingAPaneKeepsItsNeighboursSize()
    {
        {
            SRun run(m_env.m_pExeDir->path());
            // The Properties pane deeper than the results pane's default depth.
            CPropertiesBar* pProperties = run.frame->GetPropertiesBar();
            run.frame->resizeDocks({pProperties}, {260}, Qt::Vertical);
            QTRY_COMPARE(pProperties->height(), 260);
            QCOMPARE(pProperties->m_szHorz.height(), 260);
            for (int i = 0; i < 3; ++i) {
                QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Alt+3")));
                QApplication::processEvents();
                QCOMPARE(run.frame->GetSearchResultsBar()->isVisible(), i != 1);
                QCOMPARE(pProperties->m_szHorz.height(), 260);
                QCOMPARE(pProperties->height(), 260);
            }
            QCOMPARE(run.frame->GetSearchResultsBar()->height(), 260);
        }
        QCOMPARE(OpenUserSettings().value(QStringLiteral("DetailsBarState-SCBar-253/sizeHorzCY")).toInt(), 260);
        SRun run(m_env.m_pExeDir->path());
        QCOMPARE(run.frame->GetPropertiesBar()->m_szHorz.height(), 260);
        QTRY_COMPARE(run.frame->GetPropertiesBar()->height(), 260);
    }

    void unwritableFolderListIsReportedAtClose()
    {
        SRun run(m_env.m_pExeDir->path());
        // A directory where the file should be: the save must fail.
        run.app.m_strSettingsFile = m_env.m_pExeDir->filePath(QStringLiteral("blocked")).toStdString();
        QVERIFY(QDir().mkpath(QString::fromStdString(run.app.m_strSettingsFile) + QStringLiteral("/x")));
        QString strMessage;
        QVERIFY(Answering({AnswerMessage(&strMessage)}, [&] { run.frame->close(); }));
        QVERIFY(strMessage.contains(QDir::toNativeSeparators(QString::fromStdString(run.app.m_strSettingsFile))));
    }
};

QTEST_MAIN(TestFrameLayout)
#include "TestFrameLayout.moc"
