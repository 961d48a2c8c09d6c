#include "AppContext.h"
#include "NoteStore.h"
#include "NotesHeaderCtrl.h"
#include "NotesListBar.h"
#include "NotesListCtrl.h"
#include "NotesListDelegate.h"
#include "NotesTestUtil.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTableView>

#include <memory>
#include <random>

namespace
{
void Fill(CNotesListModel& model, const std::vector<CNoteRecord>& notes)
{
    model.DeleteAllRows();
    for (const CNoteRecord& note : notes)
        model.AppendRow(SNoteRow{note.m_strTitle, note.m_nIcon, {}, {}, {}}, std::make_unique<CNoteRecord>(note));
    model.SortByTitle();
}

QStringList Titles(const CNotesListModel& model)
{
    QStringList titles;
    for (int i = 0; i < model.rowCount(); ++i)
        titles << model.index(i, 0).data().toString();
    return titles;
}
} // namespace

class TestNotesList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        m_pApp = std::make_unique<CAppContext>(m_dir.path().toStdString());
    }

    void sortsByTitleInOneReset()
    {
        CNotesListModel model(*m_pApp);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);

        Fill(model, {MakeNote("Banana"), MakeNote("cherry"), MakeNote("apple"), MakeNote("BANANA"), MakeNote("Apple"),
                     MakeNote("\xc3\x89"
                              "clair"),
                     MakeNote("\xc3\xa9"
                              "clair"),
                     MakeNote("")});
        QCOMPARE(resets.count(), 1);
        QCOMPARE(inserts.count(), 0);
        QCOMPARE(layouts.count(), 0);
        // Case ties sit together, in either order; apple before Banana.
        QCOMPARE(Titles(model).join(',').toLower(), QString::fromUtf8(",apple,apple,banana,banana,cherry,\xc3\xa9"
                                                                      "clair,\xc3\xa9"
                                                                      "clair"));
        QCOMPARE(model.GetRowNote(5)->m_strTitle, std::string("cherry"));

        // A sort outside a fill moves the persistent indexes with their rows.
        model.AppendRow(SNoteRow{"aardvark", 0, {}, {}, {}}, std::make_unique<CNoteRecord>(MakeNote("aardvark")));
        const QPersistentModelIndex cherry = model.index(5, 0);
        model.SortByTitle();
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("aardvark"));
        QCOMPARE(cherry.row(), 6);
        QCOMPARE(cherry.data().toString(), QStringLiteral("cherry"));

        // A fill nobody closes is closed once control returns to the loop.
        model.DeleteAllRows();
        model.AppendRow(SNoteRow{"x", 0, {}, {}, {}}, std::make_unique<CNoteRecord>(MakeNote("x")));
        QTRY_COMPARE(resets.count(), 2);
        QCOMPARE(model.rowCount(), 1);
    }

    void refillsFromTheStore()
    {
        QTemporaryDir folder;
        CAppContext app(folder.path().toStdString());
        CNoteStore store(app);
        store.LoadFolder(folder.path().toStdString());
        CNoteRecord dated = MakeNote("Zulu", 2, 7);
        dated.m_bHasDate = 1;
        dated.m_dtDate = CDateTime::FromFields(2026, 3, 14, 9, 30, 0);
        store.AddNote(dated);
        store.AddNote(MakeNote("alpha", 5, 3));
        store.AddNote(MakeNote("Mike", 0, 1));

        CNotesListModel model(app);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        model.Refill(store);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(Titles(model), (QStringList{"alpha", "Mike", "Zulu"}));
        // Cells: comments, the date only when the note has one, the priority word.
        QVERIFY(!model.index(2, 2).data().toString().isEmpty());
        QCOMPARE(model.index(1, 2).data().toString(), QString());
        QCOMPARE(model.index(0, 3).data().toString(), QString());
        // The sink's way gives the same rows.
        CNotesListModel viaSink(app);
        store.FillNotesList(viaSink);
        viaSink.SortByTitle();
        QCOMPARE(Titles(viaSink), Titles(model));
    }

    // Rows updated in place after random adds, title changes (moving rows,
    // ties among equal titles included), text changes and removals end in
    // exactly the rows of a fresh refill, and a marked row keeps its note.
    void rowUpdatesMatchARefill()
    {
        QTemporaryDir folder;
        CAppContext app(folder.path().toStdString());
        CNoteStore store(app);
        store.LoadFolder(folder.path().toStdString());
        const std::vector<std::string> titles = {"apple",
                                                 "Apple",
                                                 "APPLE",
                                                 "banana",
                                                 "Banana",
                                                 "cherry",
                                                 "",
                                                 "\xc3\xa9"
                                                 "clair",
                                                 "\xc3\x89"
                                                 "clair",
                                                 "zulu"};
        std::mt19937 random(20261207);
        auto pick = [&random](size_t n) { return static_cast<size_t>(random() % n); };
        for (int i = 0; i < 60; ++i)
            QVERIFY(store.AddNote(MakeNote(titles[pick(titles.size())])));

        CNotesListModel model(app);
        model.Refill(store);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy moves(&model, &QAbstractItemModel::rowsMoved);
        auto keysOf = [&store] {
            std::vector<std::string> keys;
            store.ForEach([&keys](const CNoteRecord& n) { keys.push_back(n.m_strKey); });
            return keys;
        };
        for (int round = 0; round < 40; ++round) {
            std::vector<std::string> keys = keysOf();
            const std::string strMarked = keys[pick(keys.size())];
            const QPersistentModelIndex marked = model.index(model.FindRow(store.GetNote(strMarked)), 0);
            QVERIFY(marked.isValid());
            std::vector<std::string> touched;
            for (int n = 1 + static_cast<int>(pick(6)); n > 0; --n) {
                keys = keysOf();
                const std::string strKey = keys[pick(keys.size())];
                CNoteRecord note = store.GetNote(strKey);
                switch (pick(4)) {
                case 0: {
                    const SStoreResult added = store.AddNote(MakeNote(titles[pick(titles.size())]));
                    QVERIFY(added);
                    touched.push_back(added.strKey);
                    break;
                }
                case 1:
                    note.m_strTitle = titles[pick(titles.size())];
                    QVERIFY(store.UpdateNote(note));
                    touched.push_back(strKey);
                    break;
                case 2:
                    note.m_strNotes += "x";
                    QVERIFY(store.UpdateNote(note));
                    touched.push_back(strKey);
                    break;
                default:
                    if (keys.size() > 2) {
                        QVERIFY(store.DeleteNote(note));
                        touched.push_back(strKey);
                    }
                }
            }
            QVERIFY(model.UpdateRows(store, touched));
            CNotesListModel full(app);
            full.Refill(store);
            QCOMPARE(model.GetRowCount(), full.GetRowCount());
            for (int i = 0; i < full.GetRowCount(); ++i)
                QVERIFY2(model.GetRowNote(i) == full.GetRowNote(i), qPrintable(QString::number(i)));
            if (store.HasNote(strMarked)) {
                QVERIFY(marked.isValid());
                QCOMPARE(model.GetRowNote(marked.row())->m_strKey, strMarked);
                QCOMPARE(model.FindRow(store.GetNote(strMarked)), marked.row());
            }
        }
        QCOMPARE(resets.count(), 0);
        QVERIFY(moves.count() > 0);

        // Too many notes at once, or rows not in order, take a full refill.
        std::vector<std::string> many(CNotesListModel::nMaxRowUpdates + 1, keysOf().front());
        QVERIFY(!model.UpdateRows(store, many));
        QCOMPARE(resets.count(), 1);
        model.AppendSharedRow(std::make_shared<const CNoteRecord>(MakeNote("aaa")));
        QVERIFY(!model.UpdateRows(store, {}));
        QCOMPARE(model.GetRowCount(), store.GetCount());
        QCOMPARE(model.FindRow(MakeNote("aaa")), -1);
    }

    void reportsWhatTheUserDoes()
    {
        CNotesListCtrl list(*m_pApp);
        list.resize(760, 300);
        list.InitColumns(0);
        Fill(list.GetModel(), {MakeNote("one"), MakeNote("three"), MakeNote("two")});
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicks(&list, &CNotesListCtrl::RowClicked);
        QSignalSpy marks(&list, &CNotesListCtrl::SelectionMarkChanged);
        QSignalSpy modify(&list, &CNotesListCtrl::ModifyRequested);

        for (int nMode : {0, 1, 2, 3}) {
            list.SetViewMode(nMode);
            clicks.clear();
            marks.clear();
            QAbstractItemView* pView = list.GetActiveView();
            QWidget* pViewport = pView->viewport();
            const QPoint ptRow2 = pView->visualRect(list.GetModel().index(2, 0)).center();
            QTest::mouseClick(pViewport, Qt::LeftButton, {}, ptRow2);
            QCOMPARE(list.GetSelectionMark(), 2);
            QCOMPARE(marks.count(), 1);
            QCOMPARE(clicks.count(), 1);

            const QPoint ptEmpty(pViewport->width() - 5, pViewport->height() - 5);
            QTest::mouseClick(pViewport, Qt::LeftButton, {}, ptEmpty);
            QCOMPARE(clicks.last().at(0).toInt(), -1);

            QTest::mouseDClick(pViewport, Qt::LeftButton, {}, ptRow2);
            QCOMPARE(modify.count(), nMode + 1);
        }
        // A double click on no row, with nothing marked, asks for nothing.
        list.SetSelectionMark(-1);
        QWidget* pViewport = list.GetActiveView()->viewport();
        QTest::mouseDClick(pViewport, Qt::LeftButton, {}, QPoint(pViewport->width() - 5, pViewport->height() - 5));
        QCOMPARE(list.GetSelectionMark(), -1);
        QCOMPARE(modify.count(), 4);
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CAppContext> m_pApp;
};

QTEST_MAIN(TestNotesList)
#include "TestNotesList.moc"
