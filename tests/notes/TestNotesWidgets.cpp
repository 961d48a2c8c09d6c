// The notes widgets around the list: the editor sheet, the Notes pane and
// the Properties card.
#include "AppContext.h"
#include "DetailPage.h"
#include "IconListCtrl.h"
#include "IconPage.h"
#include "NotesSheet.h"
#include "NotesTestUtil.h"
#include "NotesTextBar.h"
#include "PropertiesBar.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
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

class TestNotesWidgets : public QObject
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

    void showingAndTyping()
    {
        QMainWindow frame;
        auto* pOther = new QLineEdit;
        frame.setCentralWidget(pOther);
        auto* pBar = new CNotesTextBar(&frame, 59421);
        frame.addDockWidget(Qt::RightDockWidgetArea, pBar);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QSignalSpy lost(pBar, &CNotesTextBar::FocusLost);

        // What is shown reads back as unchanged, whatever its line ends, so
        // showing a note never looks like an edit.
        for (const std::string& strText : {std::string("one\r\ntwo"), std::string("a\nb\rc\r\n"), std::string()}) {
            pBar->SetText(strText);
            QCOMPARE(pBar->GetText(), CNotesTextBar::AsShown(strText));
        }
        pBar->SetText("one\r\ntwo");
        QCOMPARE(lost.count(), 0);

        pBar->GetEdit()->setFocus();
        QTest::keyClick(pBar->GetEdit(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(pBar->GetEdit(), Qt::Key_Return);
        QTest::keyClicks(pBar->GetEdit(), "three");
        QCOMPARE(pBar->GetText(), std::string("one\r\ntwo\r\nthree"));
        QCOMPARE(lost.count(), 0);
        pOther->setFocus();
        QTRY_COMPARE(lost.count(), 1);
        // Long lines wrap at the edge.
        QCOMPARE(pBar->GetEdit()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

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

QTEST_MAIN(TestNotesWidgets)
#include "TestNotesWidgets.moc"
