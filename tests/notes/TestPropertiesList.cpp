#include "AppContext.h"
#include "NotesTestUtil.h"
#include "PropertiesBar.h"

#include <QAccessible>
#include <QStandardPaths>
#include <QTest>

namespace
{
// The left end of the first pixel of colour clr in row nRow's band, from x0 on; -1 for none.
int FirstPixel(const QImage& image, const QRect& rcRow, const QColor& clr, int x0)
{
    for (int x = x0; x < image.width(); ++x)
        for (int y = rcRow.top(); y < rcRow.bottom(); ++y)
            if ((image.pixel(x, y) & 0xffffff) == (clr.rgb() & 0xffffff))
                return x;
    return -1;
}
} // namespace

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
        const char* const apszLabels[] = {"",
                                          "",
                                          "Comments          ",
                                          "Date                 ",
                                          "Date Created     ",
                                          "Date Modified    ",
                                          "Modify At          "};
        const int anLengths[] = {0, 0, 18, 21, 17, 17, 19};
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
        for (int i = 0; i < 7; ++i) {
            const QString strLabel = list.item(i)->data(CPropertiesList::LabelRole).toString();
            QCOMPARE(strLabel, QString::fromLatin1(apszLabels[i]));
            QCOMPARE(strLabel.size(), anLengths[i]);
            QCOMPARE(list.item(i)->text(), values[i]);
        }
        QCOMPARE(list.item(1)->data(CPropertiesList::IconRole).toInt(), 5);
        // The row keeps the formatted date, but an undated note shows none.
        QVERIFY(!strDate.empty());
        QCOMPARE(list.GetShownValue(3), QString());
        QCOMPARE(list.GetShownValue(4), values[4]);
        QCOMPARE(list.item(3)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Date: "));
        QCOMPARE(list.item(2)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Comments: for Saturday"));
        QCOMPARE(list.item(0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Title: Shopping"));

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

        QAccessibleInterface* pList = QAccessible::queryAccessibleInterface(&list);
        QVERIFY(pList);
        QCOMPARE(pList->text(QAccessible::Name), QStringLiteral("Properties"));
    }

    void drawnInTwoHalves_data()
    {
        QTest::addColumn<int>("nPixelSize");
        QTest::newRow("small font") << 9;
        QTest::newRow("large font") << 20;
    }

    void drawnInTwoHalves()
    {
        QFETCH(int, nPixelSize);
        CPropertiesList list;
        QFont font = list.font();
        font.setPixelSize(nPixelSize);
        list.setFont(font);
        list.InitList();
        list.resize(520, 200);
        CNoteRecord note = MakeNote("Band", 1, 3);
        note.m_strComments = "xyz";
        note.m_bHasDate = 1;
        list.ShowNoteProperties(&note);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QImage image = list.viewport()->grab().toImage();
        const int nMiddle = (list.viewport()->width() - 4) / 2;

        // The pale-yellow band behind a title, the title in navy.
        const QRect rcTitle = list.visualItemRect(list.item(0));
        QCOMPARE(QColor(image.pixel(3, rcTitle.center().y())), QColor(255, 255, 215));
        QVERIFY(CountPixels(image, rcTitle, QColor(0, 0, 128)) > 5);
        // The icon near the middle of its row.
        const QRect rcIcon = list.visualItemRect(list.item(1));
        QVERIFY(CountPixels(image, QRect(nMiddle - 15, rcIcon.top() + 1, 16, 16), QColor(250, 250, 250)) < 16 * 16);
        // Labels in blue in the left half, values in black from the middle on:
        // the values of every row start together.
        QList<int> valueStarts;
        for (int row = 2; row < 7; ++row) {
            const QRect rc = list.visualItemRect(list.item(row));
            const int nLabel = FirstPixel(image, rc, QColor(0, 85, 227), 0);
            QVERIFY2(nLabel >= 10 && nLabel < nMiddle, qPrintable(QString::number(row)));
            const int nValue = FirstPixel(image, rc, Qt::black, 0);
            QVERIFY2(nValue >= nMiddle, qPrintable(QString::number(row)));
            valueStarts << nValue;
        }
        std::sort(valueStarts.begin(), valueStarts.end());
        QVERIFY(valueStarts.last() - valueStarts.first() <= 3);

        // An empty title leaves the row in the list's own grey.
        note.m_strTitle.clear();
        list.ShowNoteProperties(&note);
        const QImage untitled = list.viewport()->grab().toImage();
        QCOMPARE(QColor(untitled.pixel(3, rcTitle.center().y())), CPropertiesList::clrBackground);
    }
};

QTEST_MAIN(TestPropertiesList)
#include "TestPropertiesList.moc"
