#include <QTest>
class TestNotesSheet : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(TestNotesSheet)
#include "TestNotesSheet.moc"
