#include <QTest>
class TestPropertiesList : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(TestPropertiesList)
#include "TestPropertiesList.moc"
