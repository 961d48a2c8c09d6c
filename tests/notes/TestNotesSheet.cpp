#include "DetailPage.h"
#include "IconListCtrl.h"
#include "IconPage.h"
#include "NotesSheet.h"
#include "NotesTestUtil.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
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

    void newDateKeepsTheTimeOfDay()
    {
        CNoteRecord note = MakeNote("Dated");
        note.m_dtDate = CDateTime::FromFields(2025, 6, 30, 17, 45, 10);
        CNotesSheet sheet(QStringLiteral("Modify Notes"));
        sheet.m_note = note;
        WhenShown(sheet, [&] {
            CDetailPage* pPage = sheet.GetDetailPage();
            pPage->GetDateCheck()->click();
            pPage->GetDatePicker()->setDate(QDate(2026, 1, 2));
            sheet.GetButton(CNotesSheet::btnOK)->click();
        });
        QCOMPARE(sheet.DoModal(), int(CNotesSheet::IDOK));
        QCOMPARE(sheet.m_note.m_bHasDate, 1);
        // The new day at the time of day the note had.
        QCOMPARE(sheet.m_note.m_dtDate, CDateTime::FromFields(2026, 1, 2, 17, 45, 10));
    }
};

QTEST_MAIN(TestNotesSheet)
#include "TestNotesSheet.moc"
