// New, Modify and Remove Folder and the folder dialog.
#include "GuiTest.h"

class TestFolderCommands : public CGuiTest
{
    Q_OBJECT

private slots:
    void folderDialogAddChangeRemove()
    {
        const QString strDirA = m_env.m_pExeDir->filePath(QStringLiteral("a"));
        const QString strDirB = m_env.m_pExeDir->filePath(QStringLiteral("b"));
        WriteNotes(strDirA, {"alpha", "Beta"});
        WriteNotes(strDirB, {"gamma"});
        SRun run(m_env.m_pExeDir->path());
        CQuillboxView& view = run.View();
        CCommandController& commands = run.Commands();

        // The three refusals keep the dialog open; then a complete form is taken.
        const CModalDriver::Step fill = [&](QWidget* pWidget) {
            auto* pDialog = qobject_cast<CFolderDialog*>(pWidget);
            QVERIFY(pDialog);
            pDialog->accept();
            QVERIFY(pDialog->isVisible());
            pDialog->GetNameEdit()->setText(QStringLiteral("Work"));
            pDialog->accept();
            QVERIFY(pDialog->isVisible());
            pDialog->GetNameEdit()->clear();
            CFolderDialog::BrowseHook() = [&] { return strDirA; };
            pDialog->OnBrowse();
            pDialog->accept();
            QVERIFY(pDialog->isVisible());
            pDialog->GetNameEdit()->setText(QStringLiteral("Work"));
            pDialog->accept();
        };
        const CModalDriver::Step ok = AnswerMessage(nullptr);
        QVERIFY(RunAnswering(commands, ID_NEW_FOLDER, {fill, ok, ok, ok}));

        QTreeWidgetItem* pRoot = view.GetRootItem();
        QCOMPARE(pRoot->childCount(), 2);
        QTreeWidgetItem* pWork = pRoot->child(1);
        QCOMPARE(pWork->text(0), QStringLiteral("Work"));
        QCOMPARE(view.GetFolderRecord(pWork)->m_strPath, QDir::toNativeSeparators(strDirA).toStdString());

        // The new folder is selected, its notes listed, sorted by title, and the title says where we are.
        QCOMPARE(view.currentItem(), pWork);
        QCOMPARE(run.frame->windowTitle(), QStringLiteral("Work - Quillbox"));
        QCOMPARE(run.List().GetModel().rowCount(), 2);
        QCOMPARE(run.List().GetModel().GetRowNote(0)->m_strTitle, std::string("alpha"));
        QCOMPARE(run.List().GetSelectionMark(), 0);

        // A cancelled change leaves everything as it was.
        QVERIFY(RunAnswering(commands, ID_MODIFY_FOLDER, {FillFolderDialog(QStringLiteral("Ignored"), strDirB, false)}));
        QCOMPARE(pWork->text(0), QStringLiteral("Work"));

        // A new path is loaded at once, so later changes go where the list came from.
        QVERIFY(RunAnswering(commands, ID_MODIFY_FOLDER, {FillFolderDialog(QStringLiteral("Home"), strDirB)}));
        QCOMPARE(pWork->text(0), QStringLiteral("Home"));
        QCOMPARE(run.frame->windowTitle(), QStringLiteral("Home - Quillbox"));
        QCOMPARE(view.currentItem(), pWork);
        QCOMPARE(run.List().GetModel().rowCount(), 1);
        QCOMPARE(run.List().GetModel().GetRowNote(0)->m_strTitle, std::string("gamma"));

        // Remove: No keeps the folder, Yes removes it and touches no file.
        QVERIFY(RunAnswering(commands, ID_REMOVE_FOLDER, {AnswerMessage(nullptr, QMessageBox::No)}));
        QCOMPARE(pRoot->childCount(), 2);
        QVERIFY(RunAnswering(commands, ID_REMOVE_FOLDER, {AnswerMessage(nullptr, QMessageBox::Yes)}));
        QCOMPARE(pRoot->childCount(), 1);
        QVERIFY(view.currentItem());
        QCOMPARE(QDir(strDirB).entryList({"*.qbt"}, QDir::Files).size(), 1);
        view.setCurrentItem(pRoot);
        QCOMPARE(run.frame->windowTitle(), QStringLiteral("Quillbox"));
    }

    // The folder the folder commands act on always looks selected.
    void clicksBesideTheItemsKeepTheSelectionShown()
    {
        SRun run(m_env.ExeDir());
        CQuillboxView& view = run.View();
        QTreeWidgetItem* pFolder = run.Folder(0);
        view.setCurrentItem(pFolder);
        QVERIFY(pFolder->isSelected());

        // A click, with the slight move of a real one, on the blank space below the items.
        QWidget* pViewport = view.viewport();
        const QPoint ptBlank(pViewport->width() / 2, pViewport->height() - 5);
        QVERIFY(!view.itemAt(ptBlank));
        QTest::mousePress(pViewport, Qt::LeftButton, {}, ptBlank);
        QTest::mouseMove(pViewport, ptBlank + QPoint(3, -2));
        QTest::mouseRelease(pViewport, Qt::LeftButton, {}, ptBlank + QPoint(3, -2));
        // Ctrl with a click on the selected item, and Ctrl+Space, toggle nothing either.
        const QPoint ptItem = view.visualItemRect(pFolder).center();
        QTest::mouseClick(pViewport, Qt::LeftButton, Qt::ControlModifier, ptItem);
        QTest::keyClick(&view, Qt::Key_Space, Qt::ControlModifier);
        QCOMPARE(view.currentItem(), pFolder);
        QVERIFY(pFolder->isSelected());
        QCOMPARE(view.selectedItems().size(), 1);
        QVERIFY(run.Commands().IsCommandEnabled(ID_MODIFY_FOLDER));
    }

    void browsingTheSettingsFolderTakesItsParent()
    {
        QCOMPARE(CFolderDialog::ResolveBrowsedPath(QStringLiteral("/home/u/notes/Quillbox_Settings File")),
                 QDir::toNativeSeparators(QStringLiteral("/home/u/notes")));
        QCOMPARE(CFolderDialog::ResolveBrowsedPath(QStringLiteral("/home/u/notes/quillbox_settings file")),
                 QStringLiteral("/home/u/notes/quillbox_settings file"));
        QCOMPARE(CFolderDialog::ResolveBrowsedPath(QStringLiteral("/home/u/notes")), QStringLiteral("/home/u/notes"));
    }
};

QTEST_MAIN(TestFolderCommands)
#include "TestFolderCommands.moc"
