#include "AppContext.h"
#include "GuiTestUtil.h"
#include "NoteStore.h"
#include "NotesHeaderCtrl.h"
#include "NotesListBar.h"
#include "NotesListCtrl.h"
#include "NotesListDelegate.h"
#include "NotesTestUtil.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCollator>
#include <QHeaderView>
#include <QMainWindow>
#include <QSignalSpy>
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
} // namespace

class TestNotesList : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_env.InitCase());
        m_pApp = std::make_unique<CAppContext>(m_env.m_settingsDir.path().toStdString());
    }

    void sortsByTitleInOneReset()
    {
        CNotesListModel model(*m_pApp);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);

        Fill(model, {MakeNote("Banana"), MakeNote("cherry"), MakeNote("apple"), MakeNote("BANANA"), MakeNote("Apple"),
                     MakeNote("\u00c9clair"), MakeNote("\u00e9clair"), MakeNote("")});
        QCOMPARE(resets.count(), 1);
        QCOMPARE(inserts.count(), 0);
        QCOMPARE(layouts.count(), 0);
        // Case ties sit together, in either order; apple before Banana.
        QCOMPARE(RowTexts(model).join(',').toLower(),
                 QString::fromUtf8(",apple,apple,banana,banana,cherry,\u00e9clair,\u00e9clair"));
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
        QCOMPARE(RowTexts(model), (QStringList{"alpha", "Mike", "Zulu"}));
        // Cells: comments, the date only when the note has one, the priority word.
        QVERIFY(!model.index(2, 2).data().toString().isEmpty());
        QCOMPARE(model.index(1, 2).data().toString(), QString());
        QCOMPARE(model.index(0, 3).data().toString(), QString());
        // The sink's way gives the same rows.
        CNotesListModel viaSink(app);
        store.FillNotesList(viaSink);
        viaSink.SortByTitle();
        QCOMPARE(RowTexts(viaSink), RowTexts(model));

        // The store keeps the sorted order for the next refill, which only
        // checks it: an order gone wrong (the collation changed, a crafted
        // index) is sorted again, and a changed note has no place in it.
        std::vector<std::shared_ptr<const CNoteRecord>> kept;
        QVERIFY(store.GetListOrder(model.ListOrderId(), kept));
        QCOMPARE(kept.size(), size_t(3));
        QCOMPARE(kept[0]->m_strTitle, std::string("alpha"));
        store.SetListOrder(model.ListOrderId(), {kept[2].get(), kept[1].get(), kept[0].get()});
        model.Refill(store);
        QCOMPARE(RowTexts(model), (QStringList{"alpha", "Mike", "Zulu"}));
        std::vector<std::shared_ptr<const CNoteRecord>> now;
        QVERIFY(store.GetListOrder(model.ListOrderId(), now));
        QCOMPARE(now, kept);
        std::vector<std::shared_ptr<const CNoteRecord>> none;
        QVERIFY(!store.GetListOrder("another order", none));
        CNoteRecord renamed = store.GetNote(kept[1]->m_strKey);
        renamed.m_strTitle = "Able";
        QVERIFY(store.UpdateNote(renamed));
        QVERIFY(!store.GetListOrder(model.ListOrderId(), none));
        model.Refill(store);
        QCOMPARE(RowTexts(model), (QStringList{"Able", "alpha", "Zulu"}));
        // Equal titles go by key there too: two swapped are put back.
        store.AddNote(MakeNote("alpha", 1, 1));
        model.Refill(store);
        QVERIFY(store.GetListOrder(model.ListOrderId(), kept));
        QVERIFY(kept[1]->m_strKey < kept[2]->m_strKey);
        store.SetListOrder(model.ListOrderId(), {kept[0].get(), kept[2].get(), kept[1].get(), kept[3].get()});
        model.Refill(store);
        QCOMPARE(model.GetRowNote(1)->m_strKey, kept[1]->m_strKey);
        QCOMPARE(model.GetRowNote(2)->m_strKey, kept[2]->m_strKey);
        // In order as kept: taken as it is.
        model.Refill(store);
        QCOMPARE(RowTexts(model), (QStringList{"Able", "alpha", "alpha", "Zulu"}));
    }

    void rowUpdatesMatchARefill_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("descending");
        QTest::newRow("by title") << QString() << int(CNotesListModel::colName) << false;
        QTest::newRow("filtered, by title descending") << QStringLiteral("an") << int(CNotesListModel::colName) << true;
        QTest::newRow("by priority descending") << QString() << int(CNotesListModel::colPriority) << true;
        QTest::newRow("filtered, by date descending") << QStringLiteral("e") << int(CNotesListModel::colDate) << true;
        QTest::newRow("filtered, by comments")
            << QString::fromUtf8("\u00e9") << int(CNotesListModel::colComments) << false;
    }

    // Rows updated in place after random adds, title, priority and date
    // changes (moving rows, ties included), text changes and removals end in
    // exactly the rows of a fresh refill under the same filter and order,
    // and a marked row keeps its note.
    void rowUpdatesMatchARefill()
    {
        QFETCH(QString, filter);
        QFETCH(int, column);
        QFETCH(bool, descending);
        QTemporaryDir folder;
        CAppContext app(folder.path().toStdString());
        CNoteStore store(app);
        store.LoadFolder(folder.path().toStdString());
        const std::vector<std::string> titles = {"apple",  "Apple", "APPLE",       "banana",      "Banana",
                                                 "cherry", "",      "\u00e9clair", "\u00c9clair", "zulu"};
        std::mt19937 random(20261207);
        auto pick = [&random](size_t n) { return static_cast<size_t>(random() % n); };
        auto randomNote = [&] {
            CNoteRecord note = MakeNote(titles[pick(titles.size())], static_cast<int>(pick(4)));
            note.m_bHasDate = pick(2);
            note.m_dtDate = CDateTime::FromFields(2026, 1 + static_cast<int>(pick(3)), 1);
            return note;
        };
        for (int i = 0; i < 60; ++i)
            QVERIFY(store.AddNote(randomNote()));

        const CNotesListModel::SSortOrder order{column, descending};
        auto refilled = [&](CNotesListModel& model) {
            model.SetSortOrder(order);
            model.Refill(store);
            model.SetFilter(store, filter.toStdString());
        };
        CNotesListModel model(app);
        refilled(model);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        QSignalSpy moves(&model, &QAbstractItemModel::rowsMoved);
        auto keysOf = [&store] {
            std::vector<std::string> keys;
            store.ForEach([&keys](const CNoteRecord& n) { keys.push_back(n.m_strKey); });
            return keys;
        };
        for (int round = 0; round < 30; ++round) {
            if (model.GetRowCount() == 0)
                QVERIFY(model.UpdateRows(store, {store.AddNote(MakeNote("banana \u00e9 x")).strKey}));
            std::vector<std::string> keys = keysOf();
            const std::string strMarked = model.GetRowNote(static_cast<int>(pick(model.GetRowCount())))->m_strKey;
            const QPersistentModelIndex marked = model.index(model.FindRow(store.GetNote(strMarked)), 0);
            QVERIFY(marked.isValid());
            std::vector<std::string> touched;
            for (int n = 1 + static_cast<int>(pick(6)); n > 0; --n) {
                keys = keysOf();
                const std::string strKey = keys[pick(keys.size())];
                CNoteRecord note = store.GetNote(strKey);
                const CNoteRecord other = randomNote();
                switch (pick(6)) {
                case 0: {
                    const SStoreResult added = store.AddNote(randomNote());
                    QVERIFY(added);
                    touched.push_back(added.strKey);
                    break;
                }
                case 1:
                    note.m_strTitle = other.m_strTitle;
                    break;
                case 2:
                    note.m_strNotes += "x";
                    break;
                case 3:
                    note.m_nPriority = other.m_nPriority;
                    break;
                case 4:
                    note.m_bHasDate = other.m_bHasDate;
                    note.m_dtDate = other.m_dtDate;
                    break;
                default:
                    if (keys.size() > 2) {
                        QVERIFY(store.DeleteNote(note));
                        touched.push_back(strKey);
                    }
                    continue;
                }
                if (touched.empty() || touched.back() != strKey) {
                    QVERIFY(store.UpdateNote(note));
                    touched.push_back(strKey);
                }
            }
            QVERIFY(model.UpdateRows(store, touched));
            CNotesListModel full(app);
            refilled(full);
            QCOMPARE(model.GetRowCount(), full.GetRowCount());
            for (int i = 0; i < full.GetRowCount(); ++i)
                QVERIFY2(model.GetRowNote(i) == full.GetRowNote(i), qPrintable(QString::number(i)));
            const std::shared_ptr<const CNoteRecord> pMarked = store.GetShared(strMarked);
            if (pMarked && (filter.isEmpty() || full.FindRow(*pMarked) >= 0)) {
                QVERIFY(marked.isValid());
                QCOMPARE(model.GetRowNote(marked.row())->m_strKey, strMarked);
                QCOMPARE(model.FindRow(*pMarked), marked.row());
            }
        }
        QCOMPARE(resets.count(), 0);
        // Under a filter few changes may land on shown rows, and the note keys
        // differ from run to run: only the whole list must have moved rows.
        QVERIFY(moves.count() > 0 || !filter.isEmpty());

        // The filter narrows to the notes containing the text in some field,
        // in any case, and the order holds among them.
        CNotesListModel all(app);
        all.SetSortOrder(order);
        all.Refill(store);
        QCollator collator(QLocale(QLocale::English));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        auto compare = [&](const CNoteRecord& a, const CNoteRecord& b) {
            auto value = [column](const CNoteRecord& n) {
                return column == CNotesListModel::colPriority ? n.m_nPriority : n.m_bHasDate ? n.m_dtDate.m_dt : -1.0;
            };
            if (column == CNotesListModel::colName || column == CNotesListModel::colComments) {
                const bool bTitle = column == CNotesListModel::colName;
                return collator.compare(QString::fromStdString(bTitle ? a.m_strTitle : a.m_strComments),
                                        QString::fromStdString(bTitle ? b.m_strTitle : b.m_strComments));
            }
            return value(a) < value(b) ? -1 : value(a) > value(b) ? 1 : 0;
        };
        int nShown = 0;
        for (int i = 0; i < all.GetRowCount(); ++i) {
            const CNoteRecord& note = *all.GetRowNote(i);
            if (i > 0)
                QVERIFY(compare(*all.GetRowNote(i - 1), note) * (descending ? -1 : 1) <= 0);
            const bool bMatch = QString::fromStdString(note.m_strTitle + "|" + note.m_strComments + "|" +
                                                       note.m_strKeywords + "|" + note.m_strNotes)
                                    .toUpper()
                                    .contains(filter.toUpper());
            if (bMatch) {
                QCOMPARE(model.GetRowNote(nShown)->m_strKey, note.m_strKey);
                ++nShown;
            }
        }
        QCOMPARE(model.GetRowCount(), nShown);

        // Too many notes at once, or rows not in order, take a full refill.
        std::vector<std::string> many(CNotesListModel::nMaxRowUpdates + 1, keysOf().front());
        QVERIFY(!model.UpdateRows(store, many));
        QCOMPARE(resets.count(), 1);
        if (!filter.isEmpty())
            return;
        model.AppendSharedRow(std::make_shared<const CNoteRecord>(MakeNote("aaa")));
        QVERIFY(!model.UpdateRows(store, {}));
        QCOMPARE(model.GetRowCount(), store.GetCount());
        QCOMPARE(model.FindRow(MakeNote("aaa")), -1);
    }

    // Titles go by the user's locale: Czech puts "ch" after "h", German
    // puts umlauts beside their base letters; letter case never splits them.
    void titlesFollowTheUsersLocale()
    {
        auto sorted = [this](const QLocale& locale, const std::vector<std::string>& titles) {
            QLocale::setDefault(locale);
            CNotesListModel model(*m_pApp);
            std::vector<CNoteRecord> notes;
            for (const std::string& strTitle : titles)
                notes.push_back(MakeNote(strTitle));
            Fill(model, notes);
            QLocale::setDefault(QLocale::c());
            return RowTexts(model);
        };
        const std::vector<std::string> czech = {"chata", "Hrad", "cukr", "\u010daj", "ink", "d\u016fm"};
        QCOMPARE(sorted(QLocale(QLocale::Czech), czech),
                 QString::fromUtf8("cukr,\u010daj,d\u016fm,Hrad,chata,ink").split(','));
        QCOMPARE(sorted(QLocale(QLocale::German), czech),
                 QString::fromUtf8("\u010daj,chata,cukr,d\u016fm,Hrad,ink").split(','));
        const std::vector<std::string> german = {"Zucker", "\u00d6l", "Apfel", "ofen", "\u00c4pfel", "Birne"};
        const QStringList order = QString::fromUtf8("Apfel,\u00c4pfel,Birne,ofen,\u00d6l,Zucker").split(',');
        QCOMPARE(sorted(QLocale(QLocale::German), german), order);

        // A list big enough to be sorted in two halves comes out as one:
        // titles in that order, equal titles by key.
        std::vector<CNoteRecord> many;
        std::mt19937 random(20261208);
        for (int i = 0; i < 30000; ++i) {
            many.push_back(MakeNote(german[random() % german.size()]));
            many.back().m_strKey = std::to_string(10000000 + random() % 90000000) + std::to_string(i);
        }
        QLocale::setDefault(QLocale(QLocale::German));
        CNotesListModel model(*m_pApp);
        Fill(model, many);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(model.GetRowCount(), 30000);
        for (int i = 1; i < model.GetRowCount(); ++i) {
            const CNoteRecord* a = model.GetRowNote(i - 1);
            const CNoteRecord* b = model.GetRowNote(i);
            const qsizetype ta = order.indexOf(QString::fromStdString(a->m_strTitle));
            const qsizetype tb = order.indexOf(QString::fromStdString(b->m_strTitle));
            QVERIFY2(ta < tb || (ta == tb && a->m_strKey < b->m_strKey), qPrintable(QString::number(i)));
        }
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

    // A header click sorts by its column, a second click turns the order
    // round; each list mode keeps its own order, also for the next start.
    // The mark and the Notes pane's row stay on their notes.
    void headerClicksSortEachModeApart()
    {
        auto list = std::make_unique<CNotesListCtrl>(*m_pApp);
        list->resize(760, 300);
        list->InitColumns(0);
        Fill(list->GetModel(), {MakeNote("one", 2, 1), MakeNote("three", 0, 2), MakeNote("two", 1, 3)});
        list->show();
        QVERIFY(QTest::qWaitForWindowExposed(list.get()));
        list->SetSelectionMark(2);
        list->SetCurrentItem(2);
        QSignalSpy marks(list.get(), &CNotesListCtrl::SelectionMarkChanged);
        QHeaderView* pHeader = list->GetHeader();
        auto clickPriority = [pHeader] {
            const int x = pHeader->sectionViewportPosition(CNotesListModel::colPriority) + 10;
            QTest::mouseClick(pHeader->viewport(), Qt::LeftButton, {}, QPoint(x, pHeader->height() / 2));
        };
        clickPriority();
        QCOMPARE(RowTexts(list->GetModel()), (QStringList{"three", "two", "one"}));
        QCOMPARE(list->GetSelectionMark(), 1);
        QCOMPARE(list->GetCurrentItem(), 1);
        clickPriority();
        QCOMPARE(RowTexts(list->GetModel()), (QStringList{"one", "two", "three"}));
        QCOMPARE(pHeader->sortIndicatorOrder(), Qt::DescendingOrder);
        QCOMPARE(list->GetModel().GetRowNote(list->GetSelectionMark())->m_strTitle, std::string("two"));
        QCOMPARE(marks.count(), 0);

        list->SetViewMode(CNotesListCtrl::modeList);
        QCOMPARE(RowTexts(list->GetModel()), (QStringList{"one", "three", "two"}));
        list->SetViewMode(CNotesListCtrl::modeDetails);
        QCOMPARE(RowTexts(list->GetModel()), (QStringList{"one", "two", "three"}));
        list = std::make_unique<CNotesListCtrl>(*m_pApp);
        list->InitColumns(CNotesListCtrl::modeDetails);
        QVERIFY((list->GetModel().GetSortOrder() == CNotesListModel::SSortOrder{CNotesListModel::colPriority, true}));
        QCOMPARE(list->GetHeader()->sortIndicatorSection(), int(CNotesListModel::colPriority));
    }

private:
    SGuiTestEnvironment m_env;
    std::unique_ptr<CAppContext> m_pApp;
};

QTEST_MAIN(TestNotesList)
#include "TestNotesList.moc"
