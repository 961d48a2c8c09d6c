#include "MainFrame.h"
#include "QuillboxApp.h"

#include <QApplication>
#include <QTimer>

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
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillbox"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quillbox"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quillbox"));

    CQuitAfterFirstPaint quit;
    if (qEnvironmentVariableIntValue("QUILLBOX_QUIT_AFTER_FIRST_PAINT") == 1)
        app.installEventFilter(&quit);
    CQuillboxApp theApp(QCoreApplication::applicationDirPath().toStdString());
    if (!theApp.InitInstance())
        return 1;
    const int nResult = app.exec();
    app.removeEventFilter(&quit);
    return nResult;
}
