#include "MainFrame.h"
#include "QuillboxApp.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QLocale>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace
{
// For start-up timing: ends the program once the main window has painted.
class CQuitAfterFirstPaint : public QObject
{
public:
protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (!m_bDone && pEvent->type() == QEvent::Paint && pWatched->isWidgetType() &&
            qobject_cast<CMainFrame*>(static_cast<QWidget*>(pWatched)->window())) {
            m_bDone = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    bool m_bDone = false;
};
} // namespace

int main(int argc, char** argv)
{
    // Answered before QApplication exists, so it needs no display.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0)
            return std::printf("quillbox %s\n", QUILLBOX_VERSION) < 0 || std::fflush(stdout) != 0 ? 1 : 0;

    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillbox"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quillbox"));
    QGuiApplication::setDesktopFileName(QStringLiteral("com.orvantic.Quillbox"));

    CQuitAfterFirstPaint quit;
    if (qEnvironmentVariableIntValue("QUILLBOX_QUIT_AFTER_FIRST_PAINT") == 1)
        app.installEventFilter(&quit);
    CQuillboxApp::InstallTranslators(QLocale());
    CQuillboxApp theApp(QCoreApplication::applicationDirPath().toStdString());
    // Folder indexes belong to this user and this machine, and are never
    // carried along with the folders.
    theApp.m_strIndexDir = QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                             QStringLiteral("/folder-index"))
                               .toStdString();
    if (!theApp.InitInstance())
        return 1;
    const int nResult = app.exec();
    app.removeEventFilter(&quit);
    return nResult;
}
