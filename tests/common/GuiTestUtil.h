#pragma once

// Helpers shared by the main window's tests: settings kept away from the
// real user's, modal dialogs answered, notes written, a program run.

#include "CommandController.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "DesktopOpener.h"
#include "FolderDialog.h"
#include "FolderRecord.h"
#include "MailClientSettings.h"
#include "MailServer.h"
#include "MainFrame.h"
#include "NotesListBar.h"
#include "NotesListCtrl.h"
#include "NotesTextBar.h"
#include "OfficeLink.h"
#include "PropertiesBar.h"
#include "QuillboxApp.h"
#include "QuillboxView.h"
#include "SearchResultsBar.h"
#include "UserSettings.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
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
#include <map>
#include <functional>
#include <memory>
#include <vector>

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
inline CModalDriver::Step AnswerMessage(QString* pText, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    return [pText, button](QWidget* pWidget) {
        auto* pBox = qobject_cast<QMessageBox*>(pWidget);
        QVERIFY(pBox);
        if (pText)
            *pText = pBox->text();
        pBox->button(button)->click();
    };
}

inline CModalDriver::Step FillFolderDialog(const QString& strName, const QString& strPath, bool bOk = true)
{
    return [strName, strPath, bOk](QWidget* pWidget) {
        auto* pDialog = qobject_cast<CFolderDialog*>(pWidget);
        QVERIFY(pDialog);
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

using ModalSteps = std::vector<CModalDriver::Step>;

// Does action while steps answer the dialogs it opens, in order; true when
// every step found its dialog.
inline bool Answering(const ModalSteps& steps, const std::function<void()>& action)
{
    CModalDriver driver;
    for (const CModalDriver::Step& step : steps)
        driver.Add(step);
    driver.Start();
    action();
    return driver.Done();
}

// Runs a command while steps answer the dialogs it opens; true when the
// command ran and every step found its dialog.
inline bool RunAnswering(CCommandController& commands, int nId, const ModalSteps& steps)
{
    bool bRan = false;
    return Answering(steps, [&] { bRan = commands.ExecuteCommand(nId); }) && bRan;
}

// Writes notes into a directory through the store; shape, if given, fills
// in more of each note, and a key it gives is the note's own.
inline void WriteNotes(const QString& strDir, const QStringList& titles,
                       const std::function<void(CNoteRecord&)>& shape = {})
{
    QDir().mkpath(strDir);
    CAppContext app(strDir.toStdString());
    CNoteStore store(app);
    store.LoadFolder(strDir.toStdString());
    for (const QString& strTitle : titles) {
        CNoteRecord note;
        note.m_strTitle = strTitle.toStdString();
        note.m_strNotes = "Text of " + note.m_strTitle + "\r\nsecond line";
        if (shape)
            shape(note);
        QVERIFY(note.m_strKey.empty() ? store.AddNote(note) : store.UpdateNote(note));
    }
}

// The notes of a directory as they are on disk, by title.
inline std::map<std::string, CNoteRecord> ReadFolder(const QString& strDir)
{
    CAppContext app(strDir.toStdString());
    CNoteStore store(app);
    store.LoadFolder(strDir.toStdString());
    std::map<std::string, CNoteRecord> notes;
    store.ForEach([&](const CNoteRecord& note) { notes[note.m_strTitle] = note; });
    return notes;
}

// A model's texts down one column, row by row.
inline QStringList RowTexts(const QAbstractItemModel& model, int nColumn = 0)
{
    QStringList texts;
    for (int i = 0; i < model.rowCount(); ++i)
        texts << model.index(i, nColumn).data().toString();
    return texts;
}

// Clicks the middle of a view's row.
inline void ClickRow(QAbstractItemView& view, int nRow)
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(nRow, 0)).center());
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
    CCommandController& Commands() const { return *frame->GetController(); }
    CNotesListCtrl& List() const { return *frame->GetNotesList(); }
    QTreeWidgetItem* Folder(int i) const { return View().GetRootItem()->child(i); }
    QStringList Titles() const { return RowTexts(List().GetModel()); }
    // The title of the note at the list's mark; empty with none.
    std::string MarkedTitle() const
    {
        const CNoteRecord* pNote = List().GetModel().GetRowNote(List().GetSelectionMark());
        return pNote ? pNote->m_strTitle : std::string();
    }
    // Binds a folder below the last one and selects it, or leaves the root
    // selected as a new folder does.
    QTreeWidgetItem* AddFolder(const char* pszName, const QString& strDir, bool bSelect = true) const
    {
        View().InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{pszName, strDir.toStdString()}));
        QTreeWidgetItem* pItem = Folder(View().GetRootItem()->childCount() - 1);
        if (bSelect)
            View().setCurrentItem(pItem);
        return pItem;
    }

    CQuillboxApp app;
    CMainFrame* frame = nullptr;
};

// The per-user settings in a temporary directory, a fresh program directory
// for every test, and the browser and desktop opener replaced. Each test
// class calls InitCase from initTestCase and InitTest from init.
struct SGuiTestEnvironment
{
    bool InitCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!m_settingsDir.isValid())
            return false;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        return true;
    }

    bool InitTest()
    {
        QSettings settings = OpenUserSettings();
        if (!settings.fileName().startsWith(m_settingsDir.path()))
            return false;
        settings.clear();
        settings.sync();
        m_pExeDir = std::make_unique<QTemporaryDir>();
        CFolderDialog::BrowseHook() = [] { return QString(); };
        OpenUrlHook() = [this](const QUrl& url) {
            m_opened << url;
            return true;
        };
        m_opened.clear();
        // Deleted notes go to a trash of the test's own.
        qputenv("XDG_DATA_HOME", ExePath(QStringLiteral("data")).toLocal8Bit());
        // The mail client the window opens at start-up keeps its folders in
        // the test's directory; there is no office suite.
        const SMailClientFolders folders{ExePath(QStringLiteral("mail/tasks")).toStdString(),
                                         ExePath(QStringLiteral("mail/notes")).toStdString()};
        RegisterServersHook() = [folders](CAutomationRegistry& registry, IDocumentOpener& opener) {
            registry.Register("Outlook.Application", [folders, &opener] { return CreateMailServer(folders, opener); });
        };
        return m_pExeDir->isValid();
    }

    QString ExeDir() const { return m_pExeDir->path(); }
    QString ExePath(const QString& strName) const { return m_pExeDir->filePath(strName); }
    // Notes of these titles in the test's directory "notes", bound as the
    // folder "Notes" below the run's last folder and selected.
    QString AddNotesFolder(const SRun& run, const QStringList& titles) const
    {
        const QString strDir = ExePath(QStringLiteral("notes"));
        WriteNotes(strDir, titles);
        run.AddFolder("Notes", strDir);
        return strDir;
    }

    QTemporaryDir m_settingsDir;
    std::unique_ptr<QTemporaryDir> m_pExeDir;
    // What the program asked the desktop to open.
    QList<QUrl> m_opened;
};
