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
        note.m_strComments = "for Saturday";
        note.m_dtDate = CDateTime::FromFields(2026, 2, 3, 4, 5, 6);
        note.m_bHasDate = 0;
        note.m_dtCreated = CDateTime::FromFields(2025, 12, 24, 18, 30, 0);
        note.m_dtModified = CDateTime::FromFields(2026, 1, 5, 8, 15, 0);
        note.m_nModifiedAt = 1;
        list.ShowNoteProperties(&note);

        QCOMPARE(list.count(), 7);
        const std::string strDate = CAppContext::FormatDate(note.m_dtDate);
        const QString values[] = {"Shopping",
                                  "",
                                  "for Saturday",
                                  QString::fromStdString(strDate),
                                  QString::fromStdString(CAppContext::FormatDate(note.m_dtCreated) + " " +
                                                         CAppContext::FormatTime(note.m_dtCreated)),
                                  QString::fromStdString(CAppContext::FormatDate(note.m_dtModified) + " " +
                                                         CAppContext::FormatTime(note.m_dtModified)),
                                  "Pocket PC"};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(list.item(i)->text(), values[i]);
        QCOMPARE(list.item(1)->data(CPropertiesList::IconRole).toInt(), 5);
        // The row keeps the formatted date, but an undated note shows none.
        QVERIFY(!strDate.empty());
        QCOMPARE(list.GetShownValue(3), QString());
        QCOMPARE(list.GetShownValue(4), values[4]);

        note.m_bHasDate = 1;
        note.m_nModifiedAt = 3;
        list.ShowNoteProperties(&note);
        QCOMPARE(list.GetShownValue(3), QString::fromStdString(strDate));
        QCOMPARE(list.item(6)->text(), QString());

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
