#include "DetailPage.h"
#include "IconListCtrl.h"
#include "IconPage.h"
#include "NotesSheet.h"
#include "NotesTestUtil.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

namespace
{
// Runs step on the sheet once its modal loop is up.
void WhenShown(CNotesSheet& sheet, std::function<void()> step)
{
    QTimer::singleShot(0, &sheet, [&sheet, step = std::move(step)] {
        QTRY_VERIFY(sheet.isVisible());
        QApplication::setActiveWindow(&sheet);
        step();
        // Whatever the step left open is closed, so a failed check cannot hang the run.
        if (sheet.isVisible())
            sheet.reject();
    });
}

} // namespace

class TestNotesSheet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void tabbedSheetKeepsWhatItDidNotShow()
    {
        CNoteRecord note = MakeNote("Old title", 2, 57);
        note.m_strKeywords = "k1 k2";
        note.m_dtDate = CDateTime(38612.4827, CDateTime::valid); // not a whole second
        note.m_nModifiedAt = 2;
        CNotesSheet sheet(QStringLiteral("Modify Notes"));
        sheet.m_note = note;
        WhenShown(sheet, [&] {
            sheet.GetDetailPage()->GetTitleEdit()->setText(QString());
            QTest::keyClicks(sheet.GetDetailPage()->GetTitleEdit(), "New title");
            sheet.GetButton(CNotesSheet::btnOK)->click();
        });
        QCOMPARE(sheet.DoModal(), int(CNotesSheet::IDOK));
        CNoteRecord expected = note;
        expected.m_strTitle = "New title";
        QCOMPARE(sheet.m_note, expected);

        // Cancel changes nothing, whatever was typed.
        CNotesSheet cancelled(QStringLiteral("Modify Notes"));
        cancelled.m_note = note;
        WhenShown(cancelled, [&] {
            QTest::keyClicks(cancelled.GetDetailPage()->GetTitleEdit(), "x");
            cancelled.GetTabs()->setCurrentIndex(1);
            cancelled.GetIconPage()->GetIconList()->SetSelectionMark(3);
            cancelled.GetButton(CNotesSheet::btnCancel)->click();
        });
        QCOMPARE(cancelled.DoModal(), int(CNotesSheet::IDCANCEL));
        QCOMPARE(cancelled.m_note, note);
    }

    void iconPageShowsTheNotesIcon()
    {
        CNoteRecord note = MakeNote("Iconic", 1, 200);
        note.m_nPriority = 9; // out of range: no entry chosen, and kept
        CNotesSheet sheet(QStringLiteral("Modify Notes"));
        sheet.m_note = note;
        WhenShown(sheet, [&] {
            QCOMPARE(sheet.GetDetailPage()->GetPriorityBox()->currentIndex(), -1);
            sheet.GetTabs()->setCurrentIndex(1);
            CIconListCtrl* pIcons = sheet.GetIconPage()->GetIconList();
            QCOMPARE(pIcons->GetSelectionMark(), 200);
            QTest::keyClicks(sheet.GetIconPage()->GetKeywordsEdit(), " more");
            sheet.GetButton(CNotesSheet::btnOK)->click();
        });
        QCOMPARE(sheet.DoModal(), int(CNotesSheet::IDOK));
        QCOMPARE(sheet.m_note.m_nIcon, 200);
        QCOMPARE(sheet.m_note.m_nPriority, 9);
        QCOMPARE(sheet.m_note.m_strKeywords, std::string(" more"));
    }

    void datePickerFollowsTheBox()
    {
        CNoteRecord note = MakeNote("Dated");
        note.m_dtDate = CDateTime::FromFields(2025, 6, 30, 17, 45, 10);
        CNotesSheet sheet(QStringLiteral("Modify Notes"));
        sheet.m_note = note;
        WhenShown(sheet, [&] {
            CDetailPage* pPage = sheet.GetDetailPage();
            QVERIFY(!pPage->GetDateCheck()->isChecked());
            QVERIFY(!pPage->GetDatePicker()->isVisible());
            QCOMPARE(pPage->GetDatePicker()->date(), QDate(2025, 6, 30));
            QTest::mouseClick(pPage->GetDateCheck(), Qt::LeftButton, {}, pPage->GetDateCheck()->rect().center());
            QVERIFY(pPage->GetDatePicker()->isVisible());
            pPage->GetDatePicker()->setDate(QDate(2026, 1, 2));
            sheet.GetButton(CNotesSheet::btnOK)->click();
        });
        QCOMPARE(sheet.DoModal(), int(CNotesSheet::IDOK));
        QCOMPARE(sheet.m_note.m_bHasDate, 1);
        // The new day at the time of day the note had.
        QCOMPARE(sheet.m_note.m_dtDate, CDateTime::FromFields(2026, 1, 2, 17, 45, 10));

        // A cleared box keeps the date's value untouched.
        CNotesSheet cleared(QStringLiteral("Modify Notes"));
        note.m_bHasDate = 1;
        cleared.m_note = note;
        WhenShown(cleared, [&] {
            QVERIFY(cleared.GetDetailPage()->GetDatePicker()->isVisible());
            cleared.GetDetailPage()->GetDateCheck()->click();
            QVERIFY(!cleared.GetDetailPage()->GetDatePicker()->isVisible());
            cleared.GetButton(CNotesSheet::btnOK)->click();
        });
        QCOMPARE(cleared.DoModal(), int(CNotesSheet::IDOK));
        QCOMPARE(cleared.m_note.m_bHasDate, 0);
        QCOMPARE(cleared.m_note.m_dtDate, note.m_dtDate);
    }
};

QTEST_MAIN(TestNotesSheet)
#include "TestNotesSheet.moc"
