#include "AppContext.h"
#include "NoteStore.h"
#include "SearchResultsBar.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

namespace
{
// Three results with keys "k0", "k1", "k2", as the store gives them.
void AppendResults(INoteRowSink& sink)
{
    sink.DeleteAllRows();
    for (int i = 0; i < 3; ++i) {
        const SNoteRow row{"Note " + std::to_string(i), i, {}, {}, "Medium"};
        auto pNote = std::make_unique<CNoteRecord>();
        pNote->m_strKey = "k" + std::to_string(i);
        pNote->m_strTitle = row.strTitle;
        sink.AppendRow(row, std::move(pNote));
    }
}
} // namespace

class TestSearchResults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void modelThroughTheStore()
    {
        CSearchResultsModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        // A folder with notes, searched by the store.
        QTemporaryDir dir;
        CAppContext app(dir.path().toStdString());
        CNoteStore store(app);
        store.LoadFolder(dir.path().toStdString());
        for (const char* pszTitle : {"Milk and bread", "Call the plumber", "Buy milk"}) {
            CNoteRecord note;
            note.m_strTitle = pszTitle;
            QVERIFY(store.AddNote(note));
        }
        model.Fill([&](INoteRowSink& sink) { store.SearchNotes(sink, false, "MILK"); });
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(model.GetRowNote(1) && (model.flags(model.index(1, 0)) & Qt::ItemIsSelectable));

        // No hits: the message row alone, which has no note and cannot be selected.
        model.Fill([&](INoteRowSink& sink) { store.SearchNotes(sink, true, "plumber"); });
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(!model.GetRowNote(0));
        QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsSelectable));
        QVERIFY(!model.data(model.index(0, 0), Qt::DecorationRole).isValid());
    }

    void clickingResults()
    {
        CSearchResultsList list;
        list.resize(450 + list.verticalScrollBar()->sizeHint().width() + 2 * list.frameWidth(), 200);
        list.Setup();
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy activated(&list, &CSearchResultsList::ResultActivated);

        // The message row does nothing when clicked.
        list.GetModel().Fill([](INoteRowSink& sink) {
            sink.DeleteAllRows();
            SNoteRow row;
            row.strTitle = "Search is complete. There are no resuls to display.";
            sink.AppendRow(row, nullptr);
        });
        const QPoint ptRow0 = list.visualRect(list.GetModel().index(0, 0)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, ptRow0);
        QCOMPARE(activated.count(), 0);
        QCOMPARE(list.GetSelectionMark(), -1);

        // A real result reports its row, by click and by keyboard.
        list.GetModel().Fill([](INoteRowSink& sink) { AppendResults(sink); });
        QCOMPARE(list.GetSelectionMark(), -1);
        const QPoint ptRow1 = list.visualRect(list.GetModel().index(1, 2)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, ptRow1);
        QVERIFY(activated.count() >= 1);
        QCOMPARE(activated.last().at(0).toInt(), 1);
        QCOMPARE(list.GetSelectionMark(), 1);
        activated.clear();
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.last().at(0).toInt(), 2);
        // Clicking the selected row again reports it again.
        activated.clear();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.GetModel().index(2, 0)).center());
        QCOMPARE(activated.count(), 1);
    }

    void targetRowInTheNotesList()
    {
        std::vector<std::unique_ptr<CNoteRecord>> rows;
        for (const char* pszKey : {"2024010112000010", "2024010112000011", "2024010112000010", "abcDEF10"}) {
            rows.push_back(std::make_unique<CNoteRecord>());
            rows.back()->m_strKey = pszKey;
        }
        rows.push_back(nullptr); // a row without a record
        const auto rowNote = [&](int nRow) { return rows[static_cast<size_t>(nRow)].get(); };
        const int n = static_cast<int>(rows.size());
        // The last matching row wins.
        QCOMPARE(FindResultTargetRow("2024010112000010", n, rowNote, 1), 2);
        // Keys match without regard to case.
        QCOMPARE(FindResultTargetRow("ABCdef10", n, rowNote, 0), 3);
        // No match keeps the present mark.
        QCOMPARE(FindResultTargetRow("2099010112000010", n, rowNote, 1), 1);
        QCOMPARE(FindResultTargetRow("abcDEF1", n, rowNote, 1), 1);
    }
};

QTEST_MAIN(TestSearchResults)
#include "TestSearchResults.moc"
