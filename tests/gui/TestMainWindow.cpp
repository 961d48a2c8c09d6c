#include "CommandIds.h"
#include "CommandTable.h"
#include "FolderDialog.h"
#include "FolderRecord.h"
#include "MainFrame.h"
#include "MainToolBar.h"
#include "NotesListBar.h"
#include "NotesListCtrl.h"
#include "NotesTextBar.h"
#include "PropertiesBar.h"
#include "QuillboxApp.h"
#include "QuillboxView.h"
#include "SearchResultsBar.h"

#include <QAccessible>
#include <QAction>
#include <QContextMenuEvent>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <functional>
#include <memory>

namespace
{
QSettings AppSettings()
{
    return QSettings(QStringLiteral("Orvantic"), QStringLiteral("Quillbox"));
}

// Answers the modal dialogs a command opens, one step per dialog, in order.
// Steps run from the dialog's own event loop, so a step may itself open the
// next dialog (OK on an incomplete form opens a message box).
class CModalDriver : public QObject
{
public:
    using Step = std::function<void(QWidget*)>;

    void Add(Step step) { m_steps.push_back(std::move(step)); }
    bool Done() const { return m_steps.empty(); }

    // Polls with a fresh single-shot timer each time: a timer never fires
    // again while its own slot is still running a dialog.
    void Start() { Poll(); }

private:
    void Poll()
    {
        QTimer::singleShot(5, this, [this] {
            if (m_steps.empty())
                return;
            QWidget* pModal = QApplication::activeModalWidget();
            if (pModal && pModal != m_pLast) {
                m_pLast = pModal;
                Step step = std::move(m_steps.front());
                m_steps.pop_front();
                Poll();
                step(pModal);
                return;
            }
            Poll();
        });
    }

    std::deque<Step> m_steps;
    QPointer<QWidget> m_pLast;
};

// Records a message box's text and presses one of its buttons.
CModalDriver::Step AnswerMessage(QString* pText, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    return [pText, button](QWidget* pWidget) {
        auto* pBox = qobject_cast<QMessageBox*>(pWidget);
        QVERIFY(pBox);
        if (pText)
            *pText = pBox->text();
        pBox->button(button)->click();
    };
}

CModalDriver::Step FillFolderDialog(const QString& strName, const QString& strPath, bool bOk = true)
{
    return [strName, strPath, bOk](QWidget* pWidget) {
        auto* pDialog = qobject_cast<CFolderDialog*>(pWidget);
        QVERIFY(pDialog);
        QCOMPARE(pDialog->windowTitle(), QStringLiteral("Add / Update Folder"));
        pDialog->GetNameEdit()->setText(strName);
        // The path field is read-only: it is set the way a user sets it.
        CFolderDialog::BrowseHook() = [strPath] { return strPath; };
        pDialog->OnBrowse();
        if (bOk)
            pDialog->accept();
        else
            pDialog->reject();
    };
}

// Writes notes into a directory through the store.
void WriteNotes(const QString& strDir, const QStringList& titles)
{
    QDir().mkpath(strDir);
    CAppContext app(strDir.toStdString());
    CNoteStore store(app);
    app.m_strCurrentFolder = strDir.toStdString();
    for (const QString& strTitle : titles) {
        CNoteRecord note;
        note.m_strTitle = strTitle.toStdString();
        note.m_strNotes = "Text of " + note.m_strTitle + "\r\nsecond line";
        store.AddNote(note);
    }
}

struct SRun
{
    explicit SRun(const QString& strExeDir) : app(strExeDir.toStdString())
    {
        bool bOk = app.InitInstance(false);
        frame = app.GetMainFrame();
        if (bOk) {
            frame->resize(1000, 700);
            frame->show();
            QApplication::setActiveWindow(frame);
            if (!QTest::qWaitForWindowExposed(frame))
                qWarning("main window not exposed");
        }
    }
    ~SRun()
    {
        if (frame)
            frame->close();
    }
    CQuillboxView& View() const { return *frame->GetView(); }
    CNotesListCtrl& List() const { return *frame->GetNotesList(); }
    QTreeWidgetItem* Folder(int i) const { return View().GetRootItem()->child(i); }

    CQuillboxApp app;
    CMainFrame* frame = nullptr;
};

Qt::DockWidgetArea AreaOf(CMainFrame* pFrame, QDockWidget* pBar)
{
    return pFrame->dockWidgetArea(pBar);
}
}

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }

    void init()
    {
        QSettings settings = AppSettings();
        QVERIFY(settings.fileName().startsWith(m_settingsDir.path()));
        settings.clear();
        settings.sync();
        m_pExeDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_pExeDir->isValid());
        CFolderDialog::BrowseHook() = [] { return QString(); };
        CQuillboxApp::OpenUrlHook() = [this](const QUrl& url) {
            m_opened << url;
            return true;
        };
        m_opened.clear();
    }

    void firstStartWithNothingStored()
    {
        SRun run(m_pExeDir->path());
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
        QCOMPARE(run.View().m_fontTree.pixelSize(), 15);

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
        QCOMPARE(run.View().GetCommands().GetAction(ID_SEARCH)->toolTip(), QStringLiteral("Find (Ctrl+F)"));
        QCOMPARE(run.View().GetCommands().GetAction(ID_SEARCH)->statusTip(), QStringLiteral("Find the Specified text"));
        QCOMPARE(pFrame->findChild<QLabel*>(QStringLiteral("StatusReady"))->text(), QStringLiteral("Ready"));
        for (const char* psz : {"CAP", "NUM", "SCRL"})
            QVERIFY(pFrame->findChild<QLabel*>(QStringLiteral("Indicator") + QLatin1String(psz)));

        // Menus: accelerators are shortcuts, never part of the text.
        QStringList menus;
        for (QAction* pMenu : pFrame->menuBar()->actions())
            menus << pMenu->text();
        QCOMPARE(menus, QStringList({"&File", "&Edit", "F&older", "&Notes", "E&xport to", "&Import from", "&View",
                                     "&Tools", "&Help"}));
        QAction* pPrefs = run.View().GetCommands().GetAction(ID_PREFERENCES);
        QCOMPARE(pPrefs->text(), QStringLiteral("&Preferences"));
        QCOMPARE(pPrefs->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+P")));
        for (const SCommandEntry& entry : CommandTable())
            QVERIFY2(!QString::fromLatin1(entry.pszMenuText).contains(QLatin1Char('\t')), entry.pszMenuText);
    }

    void installedProgramCopiesTheSampleNotes()
    {
        // <prefix>/bin/quillbox with <prefix>/share/quillbox/Sample Notes.
        const QString strBin = m_pExeDir->filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(strBin));
        WriteNotes(m_pExeDir->filePath(QStringLiteral("share/quillbox/Sample Notes")), {"Welcome", "Second"});
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

    void folderDialogAddChangeRemove()
    {
        const QString strDirA = m_pExeDir->filePath(QStringLiteral("a"));
        const QString strDirB = m_pExeDir->filePath(QStringLiteral("b"));
        WriteNotes(strDirA, {"alpha", "Beta"});
        WriteNotes(strDirB, {"gamma"});
        SRun run(m_pExeDir->path());
        CQuillboxView& view = run.View();

        // The three refusals keep the dialog open; then a complete form is taken.
        QString strNoName, strNoPath, strNoBoth;
        CModalDriver driver;
        driver.Add([&](QWidget* pWidget) {
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
        });
        driver.Add(AnswerMessage(&strNoBoth));
        driver.Add(AnswerMessage(&strNoPath));
        driver.Add(AnswerMessage(&strNoName));
        driver.Start();
        QVERIFY(view.ExecuteCommand(ID_NEW_FOLDER));
        QVERIFY(driver.Done());
        QCOMPARE(strNoBoth, QStringLiteral("Folder Name & Path cannot be Empty !"));
        QCOMPARE(strNoPath, QStringLiteral("Folder Path cannot be Empty !"));
        QCOMPARE(strNoName, QStringLiteral("Folder Name cannot be Empty !"));

        QTreeWidgetItem* pRoot = view.GetRootItem();
        QCOMPARE(pRoot->childCount(), 2);
        QTreeWidgetItem* pWork = pRoot->child(1);
        QCOMPARE(pWork->text(0), QStringLiteral("Work"));
        QCOMPARE(view.GetFolderRecord(pWork)->m_strPath, QDir::toNativeSeparators(strDirA).toStdString());
        QCOMPARE(view.currentItem(), pRoot);

        // Selecting it loads its notes, sorted by title.
        view.setCurrentItem(pWork);
        QCOMPARE(run.List().GetModel().rowCount(), 2);
        QCOMPARE(run.List().GetModel().GetRowNote(0)->m_strTitle, std::string("alpha"));
        QCOMPARE(run.List().GetSelectionMark(), 0);

        // A cancelled change leaves everything as it was.
        CModalDriver cancel;
        cancel.Add(FillFolderDialog(QStringLiteral("Ignored"), strDirB, false));
        cancel.Start();
        QVERIFY(view.ExecuteCommand(ID_MODIFY_FOLDER));
        QCOMPARE(pWork->text(0), QStringLiteral("Work"));

        // A new path is loaded at once, so later changes go where the list came from.
        CModalDriver modify;
        modify.Add([&](QWidget* pWidget) {
            auto* pDialog = qobject_cast<CFolderDialog*>(pWidget);
            QVERIFY(pDialog);
            QCOMPARE(pDialog->GetNameEdit()->text(), QStringLiteral("Work"));
            QCOMPARE(pDialog->GetPathEdit()->text(), QDir::toNativeSeparators(strDirA));
            QVERIFY(pDialog->GetPathEdit()->isReadOnly());
            FillFolderDialog(QStringLiteral("Home"), strDirB)(pWidget);
        });
        modify.Start();
        QVERIFY(view.ExecuteCommand(ID_MODIFY_FOLDER));
        QCOMPARE(pWork->text(0), QStringLiteral("Home"));
        QCOMPARE(view.currentItem(), pWork);
        QCOMPARE(run.List().GetModel().rowCount(), 1);
        QCOMPARE(run.List().GetModel().GetRowNote(0)->m_strTitle, std::string("gamma"));

        // Remove: No keeps the folder, Yes removes it and touches no file.
        QString strQuestion;
        CModalDriver keep;
        keep.Add(AnswerMessage(&strQuestion, QMessageBox::No));
        keep.Start();
        QVERIFY(view.ExecuteCommand(ID_REMOVE_FOLDER));
        QCOMPARE(pRoot->childCount(), 2);
        QVERIFY(strQuestion.startsWith(QStringLiteral("Are you sure want to remove the Folder \"Home\"?\n\nNote:")));

        CModalDriver remove;
        remove.Add(AnswerMessage(nullptr, QMessageBox::Yes));
        remove.Start();
        QVERIFY(view.ExecuteCommand(ID_REMOVE_FOLDER));
        QCOMPARE(pRoot->childCount(), 1);
        QVERIFY(view.currentItem());
        QCOMPARE(QDir(strDirB).entryList({"*.qbt"}, QDir::Files).size(), 1);
    }

    void browsingTheSettingsFolderTakesItsParent()
    {
        QCOMPARE(CFolderDialog::ResolveBrowsedPath(QStringLiteral("/home/u/notes/Quillbox_Settings File")),
                 QDir::toNativeSeparators(QStringLiteral("/home/u/notes")));
        QCOMPARE(CFolderDialog::ResolveBrowsedPath(QStringLiteral("/home/u/notes/quillbox_settings file")),
                 QStringLiteral("/home/u/notes/quillbox_settings file"));
        QCOMPARE(CFolderDialog::ResolveBrowsedPath(QStringLiteral("/home/u/notes")), QStringLiteral("/home/u/notes"));
    }

    void enableAndCheckRulesEverywhere()
    {
        const QString strDir = m_pExeDir->filePath(QStringLiteral("notes"));
        const QString strEmpty = m_pExeDir->filePath(QStringLiteral("empty"));
        WriteNotes(strDir, {"one"});
        QDir().mkpath(strEmpty);
        SRun run(m_pExeDir->path());
        CQuillboxView& view = run.View();
        view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Notes", strDir.toStdString()}));
        view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Empty", strEmpty.toStdString()}));
        QSignalSpy runs(&view, &CQuillboxView::CommandRun);

        auto enabled = [&](int nId) {
            view.UpdateCommandUI();
            const bool bRule = view.IsCommandEnabled(nId);
            for (QAction* pAction : view.GetCommands().GetActions(nId))
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
        QVERIFY(!view.ExecuteCommand(ID_MODIFY_FOLDER));
        QVERIFY(QTest::qWaitForWindowActive(run.frame));
        for (const char* pszKey : {"Ctrl+M", "Ctrl+R", "Ctrl+F", "Ctrl+N", "Ctrl+Y", "Ctrl+D", "F6", "Shift+F6"})
            QTest::keySequence(run.frame, QKeySequence(QString::fromLatin1(pszKey)));
        QCOMPARE(runs.count(), 0);

        // Export and import commands are never greyed; the pane keys never are either.
        for (int nId : {ID_EXPORT_PDF, ID_EXPORT_HTML, ID_IMPORT_TEXT_FILE, ID_EXPORT_WORD_ALL, ID_NEW_FOLDER})
            QCOMPARE(enabled(nId), 1);
        QCOMPARE(enabled(ID_NEXT_PANE), 0);
        QCOMPARE(enabled(ID_PREV_PANE), 0);

        // An empty folder: folder commands on, note commands off.
        view.setCurrentItem(view.GetRootItem()->child(2));
        for (int nId : folderCommands)
            QCOMPARE(enabled(nId), 1);
        for (int nId : noteCommands)
            QCOMPARE(enabled(nId), 0);

        // A folder with a note: everything on; F6 still refused.
        view.setCurrentItem(view.GetRootItem()->child(1));
        QCOMPARE(run.List().GetSelectionMark(), 0);
        for (int nId : noteCommands)
            QCOMPARE(enabled(nId), 1);
        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("F6")));
        QCOMPARE(runs.count(), 0);

        // A command without its work in this build runs, and says so.
        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Ctrl+Y")));
        QCOMPARE(runs.count(), 1);
        QCOMPARE(runs.at(0).at(0).toInt(), int(ID_MODIFY_NOTE));
        QVERIFY(run.frame->statusBar()->currentMessage().contains(QStringLiteral("not available")));

        // Check rules: panes, list modes, tree state, toolbar and status bar.
        auto checked = [&](int nId) {
            view.UpdateCommandUI();
            return view.GetCommands().GetAction(nId)->isChecked();
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
        view.ExecuteCommand(ID_VIEW_TOOLBAR);
        QVERIFY(!checked(ID_VIEW_TOOLBAR));
        view.ExecuteCommand(ID_VIEW_TOOLBAR);

        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Ctrl+3")));
        QCOMPARE(view.m_nListViewMode, 2);
        QVERIFY(checked(ID_VIEW_TILES) && !checked(ID_VIEW_DETAILS));
        QCOMPARE(run.List().GetSelectionMark(), 0);

        // Collapse All and Expand All leave the folder selected but the list empty.
        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Ctrl+O")));
        QVERIFY(checked(ID_COLLAPSE_ALL) && !checked(ID_EXPAND_ALL));
        QVERIFY(!view.GetRootItem()->isExpanded());
        QCOMPARE(run.List().GetModel().rowCount(), 0);
        QTest::keySequence(run.frame, QKeySequence(QStringLiteral("Ctrl+E")));
        QVERIFY(checked(ID_EXPAND_ALL));
        QVERIFY(view.GetRootItem()->isExpanded());
        QCOMPARE(run.List().GetModel().rowCount(), 0);

        // The Views drop-down shows the modes with the current one checked.
        run.frame->ShowViewsMenu();
        QMenu* pViews = run.frame->GetViewsMenu();
        QVERIFY(pViews && pViews->isVisible());
        QCOMPARE(pViews->actions().size(), 4);
        QVERIFY(pViews->actions().at(2)->isChecked());
        QWidget* pButton = run.frame->GetToolBar()->findChild<QWidget*>(QStringLiteral("ViewsButton"));
        QVERIFY(pButton);
        QCOMPARE(pViews->pos().x(), pButton->mapToGlobal(QPoint(0, 0)).x());
        pViews->close();
    }

    void contextMenuOnlyOverALabel()
    {
        SRun run(m_pExeDir->path());
        CQuillboxView& view = run.View();
        view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Work", m_pExeDir->path().toStdString()}));
        QTreeWidgetItem* pWork = view.GetRootItem()->child(1);
        auto openMenu = [&] {
            for (QMenu* pMenu : view.findChildren<QMenu*>())
                if (pMenu->isVisible())
                    return pMenu;
            return static_cast<QMenu*>(nullptr);
        };

        // Right of the label and on the image: no menu, no change of selection.
        const QRect rcLabel = view.GetLabelRect(pWork);
        QVERIFY(rcLabel.isValid());
        QTest::mousePress(view.viewport(), Qt::RightButton, {}, QPoint(rcLabel.right() + 30, rcLabel.center().y()));
        QCOMPARE(view.currentItem(), view.GetRootItem());
        QVERIFY(!openMenu());
        QTest::mousePress(view.viewport(), Qt::RightButton, {}, QPoint(rcLabel.left() - 8, rcLabel.center().y()));
        QCOMPARE(view.currentItem(), view.GetRootItem());
        QVERIFY(!openMenu());

        // On the label: the folder is selected and its menu opens.
        QTest::mousePress(view.viewport(), Qt::RightButton, {}, rcLabel.center());
        QCOMPARE(view.currentItem(), pWork);
        QMenu* pMenu = openMenu();
        QVERIFY(pMenu);
        QCOMPARE(pMenu->objectName(), QStringLiteral("RightClickMenu1"));
        QStringList texts;
        for (QAction* pAction : pMenu->actions())
            texts << (pAction->isSeparator() ? QStringLiteral("-") : pAction->text());
        QCOMPARE(texts, QStringList({"&New Folder", "-", "&Modify Folder", "&Remove Folder", "-", "&Import From"}));
        QCOMPARE(pMenu->actions().last()->menu()->actions().first()->text(), QStringLiteral("Outlook &Tasks"));
        pMenu->close();

        // The menu key opens the selected item's menu too.
        QContextMenuEvent keyMenu(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        QApplication::sendEvent(view.viewport(), &keyMenu);
        pMenu = openMenu();
        QVERIFY(pMenu);
        QCOMPARE(pMenu->objectName(), QStringLiteral("RightClickMenu1"));
        pMenu->close();

        const QRect rcRoot = view.GetLabelRect(view.GetRootItem());
        QTest::mousePress(view.viewport(), Qt::RightButton, {}, rcRoot.center());
        pMenu = openMenu();
        QVERIFY(pMenu);
        QCOMPARE(pMenu->objectName(), QStringLiteral("RightClickMenu0"));
        QCOMPARE(pMenu->actions().size(), 1);
        pMenu->close();
    }

    void layoutSurvivesARestart()
    {
        {
            SRun run(m_pExeDir->path());
            run.frame->GetPropertiesBar()->hide();
            run.View().ExecuteCommand(ID_VIEW_SEARCH_RESULTS);
            QVERIFY(run.frame->GetSearchResultsBar()->isVisible());
            run.frame->resizeDocks({run.frame->GetNotesListBar()}, {380}, Qt::Horizontal);
            QApplication::processEvents();
            run.View().ExecuteCommand(ID_VIEW_ICONS);
        }
        {
            QSettings settings = AppSettings();
            QVERIFY(settings.contains(QStringLiteral("DetailsBarState/Layout")));
            QVERIFY(settings.value(QStringLiteral("DetailsBarState-SCBar-252/sizeVertCX")).toInt() >= 360);
            QCOMPARE(settings.value(QStringLiteral("Quillbox/ListViewSelection")).toInt(), 3);
            settings.setValue(QStringLiteral("DetailsBarState-SCBar-250/sizeVertCY"), 5);
        }
        {
            SRun run(m_pExeDir->path());
            QVERIFY(run.frame->GetPropertiesBar()->isHidden());
            QVERIFY(run.frame->GetSearchResultsBar()->isHidden());
            QVERIFY(run.frame->GetNotesListBar()->isVisible());
            QVERIFY(run.frame->GetNotesListBar()->width() >= 360);
            QCOMPARE(run.frame->GetNotesTextBar()->m_szVert.height(), 32);
            QCOMPARE(run.View().m_nListViewMode, 3);
            QCOMPARE(run.frame->toolBarArea(run.frame->GetToolBar()), Qt::TopToolBarArea);
        }

        // A layout naming a bar that does not exist is ignored whole.
        {
            QSettings settings = AppSettings();
            settings.setValue(QStringLiteral("DetailsBarState/Bars"), QStringList({"250", "252", "999"}));
            settings.setValue(QStringLiteral("DetailsBarState-SCBar-252/sizeVertCX"), 500);
        }
        {
            SRun run(m_pExeDir->path());
            QVERIFY(run.frame->GetPropertiesBar()->isVisible());
            QCOMPARE(run.frame->GetNotesListBar()->m_szVert.width(), 300);
        }
    }

    void toolbarReturnsToTheTop()
    {
        {
            SRun run(m_pExeDir->path());
            run.frame->addToolBar(Qt::LeftToolBarArea, run.frame->GetToolBar());
            QCOMPARE(run.frame->toolBarArea(run.frame->GetToolBar()), Qt::LeftToolBarArea);
        }
        SRun run(m_pExeDir->path());
        QCOMPARE(run.frame->toolBarArea(run.frame->GetToolBar()), Qt::TopToolBarArea);
    }

    void closeWritesFolderListAndMode()
    {
        const QString strSettingsFile = m_pExeDir->filePath(QStringLiteral("FolderSettings.set"));
        {
            SRun run(m_pExeDir->path());
            QCOMPARE(QString::fromStdString(run.app.m_strSettingsFile), strSettingsFile);
            run.View().InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Extra", "/tmp/extra"}));
            run.View().ExecuteCommand(ID_VIEW_LIST);
        }
        QVERIFY(QFile::exists(strSettingsFile));
        QCOMPARE(AppSettings().value(QStringLiteral("Quillbox/ListViewSelection")).toInt(), 1);
        SRun run(m_pExeDir->path());
        QCOMPARE(run.View().GetRootItem()->childCount(), 2);
        QCOMPARE(run.View().GetRootItem()->child(1)->text(0), QStringLiteral("Extra"));
        QCOMPARE(run.View().m_nListViewMode, 1);
    }

    void unwritableFolderListIsReportedAtClose()
    {
        SRun run(m_pExeDir->path());
        // A directory where the file should be: the save must fail.
        run.app.m_strSettingsFile = m_pExeDir->filePath(QStringLiteral("blocked")).toStdString();
        QVERIFY(QDir().mkpath(QString::fromStdString(run.app.m_strSettingsFile) + QStringLiteral("/x")));
        QString strMessage;
        CModalDriver driver;
        driver.Add(AnswerMessage(&strMessage));
        driver.Start();
        run.frame->close();
        QVERIFY(driver.Done());
        QVERIFY(strMessage.contains(QDir::toNativeSeparators(QString::fromStdString(run.app.m_strSettingsFile))));
    }

    void typedTextIsSavedIntoTheFolderItCameFrom()
    {
        const QString strDirA = m_pExeDir->filePath(QStringLiteral("a"));
        const QString strDirB = m_pExeDir->filePath(QStringLiteral("b"));
        WriteNotes(strDirA, {"first"});
        WriteNotes(strDirB, {"second"});
        SRun run(m_pExeDir->path());
        CQuillboxView& view = run.View();
        view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"A", strDirA.toStdString()}));
        view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"B", strDirB.toStdString()}));
        auto readNotes = [](const QString& strDir) {
            CAppContext app(strDir.toStdString());
            CNoteStore store(app);
            store.LoadFolder(strDir.toStdString());
            std::string strAll;
            store.ForEach([&](const CNoteRecord& note) { strAll += note.m_strNotes; });
            return strAll;
        };

        // Moving to another folder writes the text into the folder left.
        view.setCurrentItem(run.Folder(1));
        QCOMPARE(run.frame->GetNotesTextBar()->GetText(), std::string("Text of first\r\nsecond line"));
        run.frame->GetNotesTextBar()->SetText("changed in A");
        view.setCurrentItem(run.Folder(2));
        QCOMPARE(readNotes(strDirA), std::string("changed in A"));
        QCOMPARE(readNotes(strDirB), std::string("Text of second\r\nsecond line"));

        // Removing the folder with unsaved text writes it there, nothing is lost.
        run.frame->GetNotesTextBar()->SetText("last words for B");
        CModalDriver driver;
        driver.Add(AnswerMessage(nullptr, QMessageBox::Yes));
        driver.Start();
        QVERIFY(view.ExecuteCommand(ID_REMOVE_FOLDER));
        QCOMPARE(view.GetRootItem()->childCount(), 2);
        QCOMPARE(readNotes(strDirB), std::string("last words for B"));
        QCOMPARE(readNotes(strDirA), std::string("changed in A"));
    }

    void helpOpensOurPageWithoutTheHelpFile()
    {
        SRun run(m_pExeDir->path());
        QFile page(m_pExeDir->filePath(QStringLiteral("quillbox-help.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        QVERIFY(run.View().ExecuteCommand(ID_HELP_CONTENTS));
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened.at(0).fileName(), QStringLiteral("quillbox-help.html"));

        QFile chm(m_pExeDir->filePath(QStringLiteral("QuillboxHelp.chm")));
        QVERIFY(chm.open(QIODevice::WriteOnly));
        chm.close();
        QVERIFY(run.View().ExecuteCommand(ID_HELP_CONTENTS));
        QCOMPARE(m_opened.at(1).fileName(), QStringLiteral("QuillboxHelp.chm"));
    }

    void quittingWithoutClosingTheWindow()
    {
        // The start-up timing quits the loop with the window still shown.
        const QString strDir = m_pExeDir->filePath(QStringLiteral("notes"));
        WriteNotes(strDir, {"one", "two"});
        auto pApp = std::make_unique<CQuillboxApp>(m_pExeDir->path().toStdString());
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
        SRun run(m_pExeDir->path());
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
        QAction* pSearch = run.View().GetCommands().GetAction(ID_SEARCH);
        QCOMPARE(pSearch->text(), QStringLiteral("&Search"));
        QCOMPARE(pSearch->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    }

    void aboutBox()
    {
        SRun run(m_pExeDir->path());
        QStringList texts;
        QString strTitle;
        CModalDriver driver;
        driver.Add([&](QWidget* pWidget) {
            strTitle = pWidget->windowTitle();
            for (QLabel* pLabel : pWidget->findChildren<QLabel*>())
                texts << pLabel->text();
            QVERIFY(pWidget->findChild<QLabel*>() && !pWidget->findChildren<QLabel*>().first()->pixmap().isNull());
            qobject_cast<QDialog*>(pWidget)->accept();
        });
        driver.Start();
        QVERIFY(run.View().ExecuteCommand(ID_APP_ABOUT));
        QCOMPARE(strTitle, QStringLiteral("About Quillbox"));
        QVERIFY(texts.contains(QStringLiteral("Version 1.0")));
    }

private:
    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_pExeDir;
    QList<QUrl> m_opened;
};

QTEST_MAIN(TestMainWindow)
#include "TestMainWindow.moc"
