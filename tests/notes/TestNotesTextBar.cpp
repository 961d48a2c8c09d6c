#include <QTest>
class TestNotesTextBar : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(TestNotesTextBar)
#include "TestNotesTextBar.moc"
