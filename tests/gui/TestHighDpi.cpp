// The window on a screen at 200% (QT_SCALE_FACTOR=2, set by the test's
// environment): images drawn at twice the size, pane sizes and folder names
// as at 100%.
#include "GuiTest.h"
#include "FolderTreeDelegate.h"
#include "MainToolBar.h"

class TestHighDpi : public CGuiTest
{
    Q_OBJECT

private slots:
    void windowAtTwiceTheScale()
    {
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
        // A layout saved at 100%: its sizes are device-independent pixels.
        {
            SRun first(m_env.ExeDir());
        }
        {
            QSettings settings = OpenUserSettings();
            // The right-hand column's panes, the Notes List among them.
            for (int nBar = 250; nBar <= 253; ++nBar)
                settings.setValue(QStringLiteral("DetailsBarState-SCBar-%1/sizeVertCX").arg(nBar), 260);
        }
        const QString strDir = m_env.ExePath(QStringLiteral("notes"));
        WriteNotes(strDir, {"first"});
        SRun run(m_env.ExeDir());
        const char* pszLong = "A folder with a rather long name";
        run.AddFolder(pszLong, strDir);
        QApplication::processEvents();

        const int nPane = run.frame->GetNotesListBar()->width();
        QVERIFY2(qAbs(nPane - 260) <= 8, qPrintable(QString::number(nPane)));
        QVERIFY(run.View().width() >= 1000 - 260 - 40);

        // Every image the window shows has its own pixels for the double scale.
        const QPixmap tool = run.frame->GetToolBar()->GetImage(0).pixmap(QSize(16, 16), 2.0);
        QCOMPARE(tool.size(), QSize(32, 32));
        const QPixmap folder = CFolderTreeDelegate::ItemIcon(false).pixmap(QSize(16, 16), 2.0);
        QCOMPARE(folder.size(), QSize(32, 32));
        const QPixmap note = run.List().GetImageList().GetImage(0);
        QCOMPARE(note.devicePixelRatio(), 2.0);
        QCOMPARE(note.deviceIndependentSize().toSize(), QSize(16, 16));

        // The folder's name is drawn whole.
        auto* pDelegate = static_cast<CFolderTreeDelegate*>(run.View().itemDelegate());
        QStyleOptionViewItem option;
        option.initFrom(run.View().viewport());
        const QModelIndex index = run.View().currentIndex();
        option.rect = run.View().visualRect(index);
        QFont bold = run.View().font();
        bold.setBold(true);
        QVERIFY(pDelegate->LabelRect(option, index).width() >= QFontMetrics(bold).horizontalAdvance(QString::fromUtf8(pszLong)));
        QVERIFY(run.View().visualRect(index).right() <= run.View().viewport()->width());
    }
};

QTEST_MAIN(TestHighDpi)
#include "TestHighDpi.moc"
