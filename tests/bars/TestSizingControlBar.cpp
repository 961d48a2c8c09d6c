#include "SizingControlBar.h"

#include <QMainWindow>
#include <QtTest>

class TestSizingControlBar : public QObject
{
    Q_OBJECT
private slots:
    void placeholder() {}
};

QTEST_MAIN(TestSizingControlBar)
#include "TestSizingControlBar.moc"
