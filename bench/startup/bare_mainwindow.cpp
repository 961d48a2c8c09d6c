// An empty maximised main window: what Qt alone costs before the first paint.
// With QUILLBOX_QUIT_AFTER_FIRST_PAINT=1 it quits as soon as that paint is
// done, as quillbox does, so the two can be timed side by side.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

namespace
{
class CQuitAfterPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint && !m_bQuitting) {
            m_bQuitting = true;
            // Queued, so the paint itself finishes before the loop ends.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(pWatched, pEvent);
    }

private:
    bool m_bQuitting = false;
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Quillbox startup baseline"));
    if (qEnvironmentVariableIntValue("QUILLBOX_QUIT_AFTER_FIRST_PAINT") == 1)
        window.installEventFilter(new CQuitAfterPaint(&window));
    window.showMaximized();
    return app.exec();
}
