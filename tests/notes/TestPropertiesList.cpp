#include "AppContext.h"
#include "NotesTestUtil.h"
#include "PropertiesBar.h"

#include <QAccessible>
#include <QStandardPaths>
#include <QTest>

class TestPropertiesList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void sevenRowsOfANote()
    {
        CPropertiesList list;
        list.InitList();
        list.resize(500, 220);
        CNoteRecord note = MakeNote("Shopping", 1, 5);
        note.m_dtDate = CDateTime::FromFields(2026, 2, 3, 4, 5, 6);
        note.m_bHasDate = 0;
        list.ShowNoteProperties(&note);

        QCOMPARE(list.count(), 7);
        QCOMPARE(list.item(1)->data(CPropertiesList::IconRole).toInt(), 5);
        // The row keeps the formatted date, but an undated note shows none.
        const std::string strDate = CAppContext::FormatDate(note.m_dtDate);
        QVERIFY(!strDate.empty());
        QCOMPARE(list.GetShownValue(3), QString());

        note.m_bHasDate = 1;
        list.ShowNoteProperties(&note);
        QCOMPARE(list.GetShownValue(3), QString::fromStdString(strDate));

        // With no note: one blank row.
        list.ShowNoteProperties(nullptr);
        QCOMPARE(list.count(), 1);
        QCOMPARE(list.item(0)->text(), QString());
        list.ShowNoteProperties(&note);
        list.ClearProperties();
        QCOMPARE(list.count(), 1);
    }
};

QTEST_MAIN(TestPropertiesList)
#include "TestPropertiesList.moc"
