#include "NotesTextBar.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QVBoxLayout>

class TestNotesTextBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

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
        QCOMPARE(pBar->GetText(), std::string("one\r\ntwo"));
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
};

QTEST_MAIN(TestNotesTextBar)
#include "TestNotesTextBar.moc"
