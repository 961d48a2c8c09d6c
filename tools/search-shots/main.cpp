// A search as the user makes it in the main window, pictured twice: the
// Search dialog over the window, and the window with the results pane filled.
//   quillbox-search-shots OUTDIR
// Run under a real display server (tools/search-shots.sh uses Xvfb).
#include "CommandController.h"
#include "CommandIds.h"
#include "FolderRecord.h"
#include "MainFrame.h"
#include "NoteStore.h"
#include "QuillboxApp.h"
#include "QuillboxView.h"
#include "SearchDlg.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace
{
struct SSample
{
    const char* pszTitle;
    const char* pszComments;
    const char* pszKeywords;
    const char* pszNotes;
    int nPriority;
    int nIcon;
};

const SSample aSamples[] = {
    {"Invoice for the roof", "Send by Friday", "invoice house", "Roofer's invoice, 1,240 in total.", 2, 20},
    {"Invoices to file", "", "invoice paperwork", "Electricity, water, the car service.", 1, 27},
    {"Old invoice template", "From 2023", "template", "The invoice layout we used last year.", 0, 34},
    {"Shopping", "Weekly", "food", "Milk, bread, apples.", 1, 5},
    {"Dentist", "Tuesday 9:30", "health", "Bring the insurance card.", 2, 12},
    {"Holiday ideas", "Summer", "travel", "Coast walk, a week in the hills.", 0, 40},
};

void WriteSamples(const QString& strDir)
{
    QDir().mkpath(strDir);
    CAppContext app(strDir.toStdString());
    CNoteStore store(app);
    store.LoadFolder(strDir.toStdString());
    for (const SSample& s : aSamples) {
        CNoteRecord note;
        note.m_strTitle = s.pszTitle;
        note.m_strComments = s.pszComments;
        note.m_strKeywords = s.pszKeywords;
        note.m_strNotes = s.pszNotes;
        note.m_nPriority = s.nPriority;
        note.m_nIcon = s.nIcon;
        store.AddNote(note);
    }
}

bool Save(const QImage& image, const QString& strDir, const char* pszName)
{
    const QString strPath = QDir(strDir).filePath(QString::fromLatin1(pszName));
    if (!image.save(strPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(strPath));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(strPath));
    return true;
}

// The window with the dialog where the screen shows it.
QImage WindowWithDialog(QWidget& frame, QWidget& dialog)
{
    QImage image = frame.grab().toImage();
    QPainter p(&image);
    p.drawPixmap(dialog.frameGeometry().topLeft() - frame.frameGeometry().topLeft(), dialog.grab());
    return image;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillbox-search-shots OUTDIR\n");
        return 2;
    }
    const QString strOutDir = QString::fromLocal8Bit(argv[1]);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.filePath(QStringLiteral("settings")));
    const QString strNotes = home.filePath(QStringLiteral("Household"));
    WriteSamples(strNotes);
    WriteSamples(home.filePath(QStringLiteral("Work")));

    CQuillboxApp app(home.filePath(QStringLiteral("bin")).toStdString());
    QDir().mkpath(home.filePath(QStringLiteral("bin")));
    if (!app.InitInstance(false))
        return 1;
    CMainFrame& frame = *app.GetMainFrame();
    frame.resize(1100, 720);
    frame.move(0, 0);
    frame.show();
    if (!QTest::qWaitForWindowExposed(&frame))
        std::fprintf(stderr, "window not exposed\n");
    CQuillboxView& view = *frame.GetView();
    CCommandController& commands = *frame.GetController();
    view.InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Household", strNotes.toStdString()}));
    view.InsertFolderItem(
        std::make_unique<CFolderRecord>(CFolderRecord{"Work", home.filePath(QStringLiteral("Work")).toStdString()}));
    view.setCurrentItem(view.GetRootItem()->child(view.GetRootItem()->childCount() - 2));
    QTest::qWait(300);

    bool bOk = true;
    QTimer::singleShot(300, [&] {
        auto* pDialog = qobject_cast<CSearchDlg*>(QApplication::activeModalWidget());
        if (!pDialog) {
            bOk = false;
            return;
        }
        QTest::keyClicks(pDialog->GetSearchEdit(), QStringLiteral("invoice"));
        QTest::qWait(200);
        bOk &= Save(WindowWithDialog(frame, *pDialog), strOutDir, "window-search-dialog.png");
        pDialog->findChild<QPushButton*>(QStringLiteral("Find"))->click();
    });
    commands.ExecuteCommand(ID_SEARCH);
    QTest::qWait(400);
    bOk &= Save(frame.grab().toImage(), strOutDir, "window-search-results.png");
    frame.close();
    return bOk ? 0 : 1;
}
