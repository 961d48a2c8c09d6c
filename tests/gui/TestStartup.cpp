// The first start, an installed program's start, quitting with the window shown, and what assistive tools see.
#include "GuiTestUtil.h"

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_env.InitCase()); }
    void init() { QVERIFY(m_env.InitTest()); }

    void firstStartWithNothingStored()
    {
        SRun run(m_env.m_pExeDir->path());
        CMainFrame* pFrame = run.frame;
        QVERIFY(pFrame);
        QCOMPARE(pFrame->windowTitle(), QStringLiteral("Quillbox"));

        // The default folder under the root, the root selected, the list empty.
        QTreeWidgetItem* pRoot = run.View().GetRootItem();
        QCOMPARE(pRoot->text(0), QStringLiteral("Quillbox"));
        QCOMPARE(pRoot->childCount(), 1);
        QCOMPARE(pRoot->child(0)->text(0), QStringLiteral("Sample Notes"));
        QVERIFY(pRoot->font(0).bold() && pRoot->child(0)->font(0).bold());
        QCOMPARE(run.View().currentItem(), pRoot);
        QCOMPARE(run.List().GetModel().rowCount(), 0);
        QCOMPARE(pFrame->GetPropertiesBar()->GetList()->count(), 1); // one blank row
        QCOMPARE(run.View().GetTreeFont().pixelSize(), 15);

        QCOMPARE(AreaOf(pFrame, pFrame->GetNotesTextBar()), Qt::RightDockWidgetArea);
        QCOMPARE(AreaOf(pFrame, pFrame->GetNotesListBar()), Qt::RightDockWidgetArea);
        QCOMPARE(AreaOf(pFrame, pFrame->GetPropertiesBar()), Qt::BottomDockWidgetArea);
        QCOMPARE(AreaOf(pFrame, pFrame->GetSearchResultsBar()), Qt::BottomDockWidgetArea);
        QVERIFY(pFrame->GetNotesTextBar()->isVisible());
        QVERIFY(pFrame->GetNotesListBar()->isVisible());
        QVERIFY(pFrame->GetPropertiesBar()->isVisible());
        QVERIFY(pFrame->GetSearchResultsBar()->isHidden());
        QCOMPARE(pFrame->GetNotesTextBar()->windowTitle(), QStringLiteral("Notes"));
        QCOMPARE(pFrame->GetNotesListBar()->windowTitle(), QStringLiteral("Notes List"));
        QCOMPARE(pFrame->GetPropertiesBar()->windowTitle(), QStringLiteral("Properties"));
        QCOMPARE(pFrame->GetSearchResultsBar()->windowTitle(), QStringLiteral("Search Results"));
        QCOMPARE(pFrame->GetNotesListBar()->GetControlId(), 252);

        // Toolbar: 16 buttons in order, docked at the top; status bar texts.
        QList<QAction*> buttons = pFrame->GetToolBar()->actions();
        QCOMPARE(buttons.size(), 16);
        for (int i = 0; i < 16; ++i) {
            auto* pButton = qobject_cast<QToolButton*>(pFrame->GetToolBar()->widgetForAction(buttons[i]));
            QVERIFY(pButton);
            QAction* pAction = pButton->defaultAction();
            QCOMPARE(pAction->data().toInt(), ToolbarButtons()[static_cast<size_t>(i)].nId);
        }
        QCOMPARE(pFrame->toolBarArea(pFrame->GetToolBar()), Qt::TopToolBarArea);
        QCOMPARE(run.Commands().GetCommands().GetAction(ID_SEARCH)->toolTip(), QStringLiteral("Find (Ctrl+F)"));
        QCOMPARE(run.Commands().GetCommands().GetAction(ID_SEARCH)->statusTip(), QStringLiteral("Find the Specified text"));
        QCOMPARE(pFrame->findChild<QLabel*>(QStringLiteral("StatusReady"))->text(), QStringLiteral("Ready"));
        for (const char* psz : {"CAP", "NUM", "SCRL"})
            QVERIFY(pFrame->findChild<QLabel*>(QStringLiteral("Indicator") + QLatin1String(psz)));

        // Menus: accelerators are shortcuts, never part of the text.
        QStringList menus;
        for (QAction* pMenu : pFrame->menuBar()->actions())
            menus << pMenu->text();
        QCOMPARE(menus, QStringList({"&File", "&Edit", "F&older", "&Notes", "E&xport to", "&Import from", "&View",
                                     "&Tools", "&Help"}));
        QAction* pPrefs = run.Commands().GetCommands().GetAction(ID_PREFERENCES);
        QCOMPARE(pPrefs->text(), QStringLiteral("&Preferences"));
        QCOMPARE(pPrefs->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+P")));
        for (const SCommandEntry& entry : CommandTable())
            QVERIFY2(!QString::fromLatin1(entry.pszMenuText).contains(QLatin1Char('\t')), entry.pszMenuText);
    }

    void installedProgramCopiesTheSampleNotes()
    {
        // <prefix>/bin/quillbox with <prefix>/share/quillbox/Sample Notes.
        const QString strBin = m_env.m_pExeDir->filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(strBin));
        WriteNotes(m_env.m_pExeDir->filePath(QStringLiteral("share/quillbox/Sample Notes")), {"Welcome", "Second"});
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
        // The start-up timing quits the loop with the window still shown.
        const QString strDir = m_env.m_pExeDir->filePath(QStringLiteral("notes"));
        WriteNotes(strDir, {"one", "two"});
        auto pApp = std::make_unique<CQuillboxApp>(m_env.m_pExeDir->path().toStdString());
        QVERIFY(pApp->InitInstance(false));
        pApp->GetMainFrame()->show();
        pApp->GetMainFrame()->GetView()->InsertFolderItem(
            std::make_unique<CFolderRecord>(CFolderRecord{"Notes", strDir.toStdString()}));
        pApp->GetMainFrame()->GetView()->setCurrentItem(pApp->GetMainFrame()->GetView()->GetRootItem()->child(1));
        QCOMPARE(pApp->GetMainFrame()->GetNotesList()->GetModel().rowCount(), 2);
        pApp.reset();
    }

    void whatTheAccessibilityBusSees()
    {
        SRun run(m_env.m_pExeDir->path());
        auto name = [](QObject* pObject) {
            QAccessibleInterface* pInterface = QAccessible::queryAccessibleInterface(pObject);
            return pInterface ? pInterface->text(QAccessible::Name) : QString();
        };
        // Every toolbar button says what it does.
        for (QAction* pAction : run.frame->GetToolBar()->actions()) {
            QWidget* pButton = run.frame->GetToolBar()->widgetForAction(pAction);
            QVERIFY(pButton);
            QVERIFY2(!name(pButton).isEmpty(), qPrintable(pButton->objectName()));
        }
        // The painted tree still reports its labels.
        QAccessibleInterface* pTree = QAccessible::queryAccessibleInterface(&run.View());
        QVERIFY(pTree);
        QStringList labels;
        for (int i = 0; i < pTree->childCount(); ++i)
            if (QAccessibleInterface* pChild = pTree->child(i); pChild && pChild->role() == QAccessible::TreeItem)
                labels << pChild->text(QAccessible::Name);
        QVERIFY(labels.contains(QStringLiteral("Quillbox")));
        QVERIFY(labels.contains(QStringLiteral("Sample Notes")));
        QCOMPARE(name(run.frame->GetNotesList()), QStringLiteral("Notes List"));
        QCOMPARE(name(run.frame->GetNotesTextBar()->GetEdit()), QStringLiteral("Notes"));
        // Menu items carry their keys as shortcuts.
        QAction* pSearch = run.Commands().GetCommands().GetAction(ID_SEARCH);
        QCOMPARE(pSearch->text(), QStringLiteral("&Search"));
        QCOMPARE(pSearch->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    }

private:
    SGuiTestEnvironment m_env;
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
