#include "SizingControlBar.h"

#include <QAbstractButton>
#include <QMainWindow>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <memory>

namespace
{

const QString kProfile = QStringLiteral("DetailsBarState");

// A frame with a central widget, shown offscreen at a fixed size.
struct Frame
{
    Frame()
    {
        window.setCentralWidget(new QWidget);
        window.resize(900, 700);
    }
    void Show()
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
    }
    // The Notes, Properties and Search Results bars, docked right, bottom, bottom.
    std::array<CSizingControlBarG*, 3> AddBars()
    {
        std::array<CSizingControlBarG*, 3> bars{new CSizingControlBarG("Notes", &window, 250),
                                                new CSizingControlBarG("Properties", &window, 253),
                                                new CSizingControlBarG("Search Results", &window, 254)};
        window.addDockWidget(Qt::RightDockWidgetArea, bars[0]);
        window.addDockWidget(Qt::BottomDockWidgetArea, bars[1]);
        window.addDockWidget(Qt::BottomDockWidgetArea, bars[2]);
        return bars;
    }
    QMainWindow window;
};

} // namespace

class TestSizingControlBar : public QObject
{
    Q_OBJECT

    // The bars keep their sizes in the settings they are given: a file of
    // the test function's own.
    QSettings Settings() const
    {
        return QSettings(m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + ".ini"),
                         QSettings::IniFormat);
    }

private slots:
    void loadStateRaisesToMinimumAndKeepsMissing()
    {
        QSettings settings = Settings();
        settings.beginGroup(CSizingControlBar::StateSection(kProfile, 252));
        settings.setValue("sizeHorzCX", 5);
        settings.setValue("sizeHorzCY", 400);
        settings.setValue("sizeVertCY", -20);
        settings.setValue("sizeFloatCX", 36);
        settings.setValue("sizeFloatCY", 32);
        // sizeVertCX missing
        settings.endGroup();
        Frame frame;
        CSizingControlBarG bar("Notes List", &frame.window, 252);
        bar.LoadState(settings, kProfile);
        QCOMPARE(bar.m_szHorz, QSize(33, 400));
        QCOMPARE(bar.m_szVert, QSize(300, 32));
        QCOMPARE(bar.m_szFloat, QSize(37, 32));
    }

    // Loaded sizes win over the pixel sizes in Qt's restored dock state, reach
    // a bar hidden at start when it is shown, and what the user leaves is saved.
    void sizesAppliedAndCaptured()
    {
        QByteArray layout;
        {
            Frame first;
            const auto [pRight, pBottom, pHidden] = first.AddBars();
            first.Show();
            first.window.resizeDocks({pRight, pBottom}, {200, 90}, Qt::Horizontal);
            first.window.resizeDocks({pBottom}, {90}, Qt::Vertical);
            layout = first.window.saveState();
        }
        QSettings settings = Settings();
        settings.setValue(CSizingControlBar::StateSection(kProfile, 250) + "/sizeVertCX", 260);
        settings.setValue(CSizingControlBar::StateSection(kProfile, 253) + "/sizeHorzCY", 150);
        settings.setValue(CSizingControlBar::StateSection(kProfile, 254) + "/sizeHorzCY", 170);
        Frame frame;
        const auto bars = frame.AddBars();
        const auto [pRight, pBottom, pHidden] = bars;
        for (CSizingControlBar* pBar : bars)
            pBar->LoadState(settings, kProfile);
        QVERIFY(frame.window.restoreState(layout));
        pHidden->hide();
        CSizingControlBar::ApplySizes(&frame.window);
        frame.Show();
        QCoreApplication::processEvents();
        QCOMPARE(pRight->width(), 260);
        QCOMPARE(pBottom->height(), 150);

        pHidden->show();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(pHidden->height(), 170);

        frame.window.resizeDocks({pRight}, {310}, Qt::Horizontal);
        QCoreApplication::processEvents();
        QCOMPARE(pRight->width(), 310);
        // Docked elsewhere, the bar still remembers its size at the side.
        frame.window.addDockWidget(Qt::TopDockWidgetArea, pRight);
        QCoreApplication::processEvents();
        QCOMPARE(pRight->m_szVert.width(), 310);
        pRight->SaveState(settings, kProfile);
        QCOMPARE(settings.value(CSizingControlBar::StateSection(kProfile, 250) + "/sizeVertCX").toInt(), 310);
    }

    // Closing hides the bar and keeps it, so its owner can show it again.
    void closeHidesAndKeepsTheBar()
    {
        Frame frame;
        QPointer<CSizingControlBarG> pBar = new CSizingControlBarG("Notes", &frame.window, 250);
        frame.window.addDockWidget(Qt::RightDockWidgetArea, pBar);
        frame.Show();
        QAbstractButton* pClose = pBar->findChild<QAbstractButton*>(QStringLiteral("SCBarClose"));
        QVERIFY(pClose);
        QTest::mouseClick(pClose, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!pBar.isNull() && pBar->isHidden());
        pBar->show();
        pBar->setFloating(true);
        QVERIFY(!pBar->close());
        QVERIFY(!pBar.isNull() && pBar->isHidden());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestSizingControlBar)
#include "TestSizingControlBar.moc"
