#include "MainFrame.h"
#include "QuillboxApp.h"
#include "Resources.h"

#include <QApplication>
#include <QTimer>

namespace
{
// For start-up timing: ends the program once the main window has painted.
class CQuitAfterFirstPaint : public QObject
{
public:
    explicit CQuitAfterFirstPaint(QWidget* pWindow) : m_pWindow(pWindow) {}

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (!m_bDone && pEvent->type() == QEvent::Paint && pWatched->isWidgetType() &&
            static_cast<QWidget*>(pWatched)->window() == m_pWindow) {
            m_bDone = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return false;
    }

private:
    QWidget* m_pWindow;
    bool m_bDone = false;
};
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillbox"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quillbox"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillbox"));
    QApplication::setWindowIcon(QIcon(QuillboxResources::ImagePath(QuillboxResources::IDR_MAINFRAME)));

    CQuillboxApp theApp(QCoreApplication::applicationDirPath().toStdString());
    std::unique_ptr<CQuitAfterFirstPaint> pQuit;
    if (qEnvironmentVariableIntValue("QUILLBOX_QUIT_AFTER_FIRST_PAINT") == 1) {
        if (!theApp.InitInstance(false))
            return 1;
        pQuit = std::make_unique<CQuitAfterFirstPaint>(theApp.GetMainFrame());
        app.installEventFilter(pQuit.get());
        theApp.GetMainFrame()->ShowMaximized();
    } else if (!theApp.InitInstance()) {
        return 1;
    }
    const int nResult = app.exec();
    if (pQuit)
        app.removeEventFilter(pQuit.get());
    return nResult;
}
