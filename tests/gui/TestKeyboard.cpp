// The window by keyboard alone, as a screen reader follows it.
#include "GuiTest.h"

#include <QAccessible>

namespace
{
// What the accessibility interfaces report as focused, from the window down:
// the focused widget's name, then its focused item's, if any.
QString FocusedObject(QWidget* pWindow)
{
    // Without a bridge (offscreen) no view tells its interface of a reset,
    // which then keeps items of rows gone: the view's is made afresh.
    if (QWidget* pFocus = QApplication::focusWidget())
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(pFocus)));
    QAccessibleInterface* pFocus = QAccessible::queryAccessibleInterface(pWindow);
    while (QAccessibleInterface* pChild = pFocus ? pFocus->focusChild() : nullptr) {
        if (pChild == pFocus)
            break;
        pFocus = pChild;
    }
    if (!pFocus || pFocus->object() == pWindow)
        return {};
    QStringList names(pFocus->text(QAccessible::Name));
    // An item has no object of its own; its view is the widget with the focus.
    for (QAccessibleInterface* pUp = pFocus; !pFocus->object() && pUp; pUp = pUp->parent())
        if (pUp->object()) {
            names.prepend(pUp->text(QAccessible::Name));
            break;
        }
    return names.join(QLatin1Char('/'));
}

// What the window manager does when a window opens or a dialog closes;
// the offscreen platform has none.
void Activate(QWidget* pWindow)
{
    QApplication::setActiveWindow(pWindow);
    QVERIFY(QTest::qWaitForWindowActive(pWindow));
}

// Types into whatever has the focus in a dialog, then presses Enter there.
void TypeAndEnter(QWidget* pDialog, const QString& strText)
{
    Activate(pDialog);
    QWidget* pFocus = QApplication::focusWidget();
    QVERIFY(pFocus && pDialog->isAncestorOf(pFocus));
    if (!strText.isEmpty()) {
        QTest::keyClick(pFocus, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(pFocus, strText);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}
} // namespace

class TestKeyboard : public CGuiTest
{
    Q_OBJECT

private slots:
    // Add, modify, delete, type, search and open a result of another folder,
    // with the focused object checked after every key.
    void keyboardOnlyWalk()
    {
        const QString strA = m_env.ExePath(QStringLiteral("a"));
        const QString strB = m_env.ExePath(QStringLiteral("b"));
        WriteNotes(strA, {"alpha", "beta"});
        WriteNotes(strB, {"crocus", "gamma"});
        SRun run(m_env.ExeDir());
        CQuillboxView& view = run.View();
        QWidget* pFrame = run.frame;
        QTreeWidgetItem* pA = run.AddFolder("A", strA, false);
        run.AddFolder("B", strB, false);
        view.setCurrentItem(pA);
        view.setFocus();
        QVERIFY(QTest::qWaitForWindowActive(pFrame));
        // A dialog closed gives the window back its focus.
        auto focused = [&] {
            if (QApplication::activeWindow() != pFrame)
                Activate(pFrame);
            return FocusedObject(pFrame);
        };
        auto key = [&](int nKey, Qt::KeyboardModifiers modifiers = {}) {
            if (QApplication::activeWindow() != pFrame)
                Activate(pFrame);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(nKey), modifiers);
        };
        // The key, with step answering the dialog it opens.
        auto keyAnswering = [&](const CModalDriver::Step& step, int nKey) {
            return Answering({step}, [&] { key(nKey, Qt::ControlModifier); });
        };
        auto marked = [&] { return QString::fromStdString(run.MarkedTitle()); };
        QCOMPARE(focused(), QStringLiteral("Folders/A"));

        // Tab reaches the list's filter box, then the list; the arrows move
        // its mark, and the panes follow.
        key(Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("Filter notes"));
        key(Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("Notes List/alpha"));
        key(Qt::Key_Down);
        QCOMPARE(focused(), QStringLiteral("Notes List/beta"));
        QCOMPARE(marked(), QStringLiteral("beta"));
        QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("Text of beta\r\nsecond line"));

        // Add: the new note is the one marked afterwards.
        QVERIFY(keyAnswering(
            [](QWidget* pSheet) {
                TypeAndEnter(pSheet, QStringLiteral("delta"));
                TypeAndEnter(pSheet, {});
            },
            Qt::Key_N));
        QCOMPARE(focused(), QStringLiteral("Notes List/delta"));

        // Modify and Delete act on the row the arrows chose.
        key(Qt::Key_Up);
        QCOMPARE(marked(), QStringLiteral("beta"));
        QVERIFY(keyAnswering([](QWidget* pSheet) { TypeAndEnter(pSheet, QStringLiteral("bravo")); }, Qt::Key_Y));
        QCOMPARE(focused(), QStringLiteral("Notes List/bravo"));
        key(Qt::Key_Up);
        QVERIFY(keyAnswering(
            [](QWidget* pBox) {
                Activate(pBox);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Y, Qt::AltModifier);
            },
            Qt::Key_D));
        QTRY_COMPARE(ReadFolder(strA).count("alpha"), size_t(0));
        QCOMPARE(ReadFolder(strA).size(), size_t(2));

        // Tab leaves the Notes pane rather than typing into the note.
        QCOMPARE(focused(), QStringLiteral("Notes List/bravo"));
        key(Qt::Key_Tab);
        QCOMPARE(focused(), QStringLiteral("Notes"));
        key(Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("!"));
        key(Qt::Key_Tab);
        QCOMPARE(focused().section(QLatin1Char('/'), 0, 0), QStringLiteral("Properties"));
        QCOMPARE(ReadFolder(strA)["bravo"].m_strNotes, std::string("Text of beta\r\nsecond line!"));
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), QStringLiteral("Notes"));

        // F6 and Shift+F6 go round the shown panes.
        key(Qt::Key_F6);
        QCOMPARE(focused().section(QLatin1Char('/'), 0, 0), QStringLiteral("Properties"));
        key(Qt::Key_F6);
        QCOMPARE(focused(), QStringLiteral("Folders/A"));
        key(Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(focused().section(QLatin1Char('/'), 0, 0), QStringLiteral("Properties"));

        // Search the other folder; Enter on a result opens it there.
        QVERIFY(keyAnswering(
            [](QWidget* pDialog) {
                Activate(pDialog);
                QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("gamma"));
                for (Qt::Key nKey : {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Return})
                    QTest::keyClick(QApplication::focusWidget(), nKey);
            },
            Qt::Key_F));
        QCOMPARE(run.frame->GetStatusBar()->currentMessage(), QStringLiteral("1 note(s) found."));
        key(Qt::Key_F6);
        QCOMPARE(focused(), QStringLiteral("Search Results/gamma"));
        QCOMPARE(view.currentItem(), run.Folder(1));
        key(Qt::Key_Return);
        QCOMPARE(view.currentItem(), run.Folder(2));
        QCOMPARE(marked(), QStringLiteral("gamma"));
        QCOMPARE(pFrame->windowTitle(), QStringLiteral("B - Quillbox"));
        key(Qt::Key_F6, Qt::ShiftModifier);
        key(Qt::Key_F6, Qt::ShiftModifier);
        key(Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(focused(), QStringLiteral("Notes List/gamma"));
    }

    // Edit's commands act on the text box with the focus, and on nothing
    // else; none of their keys is a key of another command.
    void editCommandsActOnTheFocusedTextField()
    {
        SRun run(m_env.ExeDir());
        m_env.AddNotesFolder(run, {"one"});
        CCommandController& commands = run.Commands();
        QPlainTextEdit* pEdit = run.frame->GetNotesTextBar()->GetEdit();

        run.List().setFocus();
        QVERIFY(!commands.ExecuteCommand(ID_EDIT_SELECT_ALL));
        pEdit->setFocus();
        pEdit->setPlainText(QStringLiteral("abc"));
        QVERIFY(commands.ExecuteCommand(ID_EDIT_SELECT_ALL));
        QVERIFY(commands.ExecuteCommand(ID_EDIT_COPY));
        pEdit->moveCursor(QTextCursor::End);
        QVERIFY(commands.ExecuteCommand(ID_EDIT_PASTE));
        QCOMPARE(pEdit->toPlainText(), QStringLiteral("abcabc"));
        QVERIFY(commands.ExecuteCommand(ID_EDIT_UNDO));
        QCOMPARE(pEdit->toPlainText(), QStringLiteral("abc"));
        QVERIFY(commands.ExecuteCommand(ID_EDIT_REDO));
        QVERIFY(commands.ExecuteCommand(ID_EDIT_SELECT_ALL));
        QVERIFY(commands.ExecuteCommand(ID_EDIT_CUT));
        QVERIFY(pEdit->toPlainText().isEmpty());

        std::map<QString, int> owners;
        for (const SCommandEntry& entry : CommandTable())
            for (QAction* pAction : commands.GetCommands().GetActions(entry.nId))
                for (const QKeySequence& key : pAction->shortcuts()) {
                    const auto [it, bNew] = owners.emplace(key.toString(), entry.nId);
                    QVERIFY2(bNew, qPrintable(key.toString()));
                }
        QCOMPARE(owners[QStringLiteral("Ctrl+Y")], int(ID_MODIFY_NOTE));
        QCOMPARE(owners[QStringLiteral("Ctrl+C")], int(ID_EDIT_COPY));
    }
};

QTEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
