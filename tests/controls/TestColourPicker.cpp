#include "ColourGridPopup.h"
#include "ColourPicker.h"

#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

namespace
{
using CP = CColourGridPopup;

// Every notification of a picker, in the order they came.
struct SNotifications
{
    explicit SNotifications(CColourPicker& picker)
    {
        const auto add = [this](int nMessage) {
            return [this, nMessage](const QColor& clr, int nId) { m_items.push_back({nMessage, clr, nId}); };
        };
        QObject::connect(&picker, &CColourPicker::HighlightChanged, &picker, add(2025));
        QObject::connect(&picker, &CColourPicker::PopupOpened, &picker, add(2026));
        QObject::connect(&picker, &CColourPicker::PopupClosed, &picker, add(2027));
        QObject::connect(&picker, &CColourPicker::ColourConfirmed, &picker, add(2028));
        QObject::connect(&picker, &CColourPicker::ColourCancelled, &picker, add(2029));
    }
    struct SItem
    {
        int nMessage;
        QColor clr;
        int nId;
        bool operator==(const SItem& o) const { return nMessage == o.nMessage && clr == o.clr && nId == o.nId; }
    };
    std::vector<SItem> m_items;
};

// A picker in a shown window, as the preferences dialog holds it.
struct SPickerWindow
{
    explicit SPickerWindow(const QColor& clr, QPoint pos = QPoint(100, 100))
    {
        window.setGeometry(QRect(pos, QSize(200, 60)));
        picker = new CColourPicker(1022, &window);
        picker->move(10, 10);
        picker->resize(80, picker->height());
        picker->SetSelectedColour(clr);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("window not exposed");
    }
    CColourGridPopup* Open()
    {
        picker->click();
        return picker->GetPopup();
    }
    QWidget window;
    CColourPicker* picker;
};

} // namespace

class TestColourPicker : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        CP::ColourDialogHook() = [](const QColor&, QWidget*) { return QColor(); };
    }

    void keyboardTable_data()
    {
        QTest::addColumn<int>("nFrom");
        QTest::addColumn<int>("nKey");
        QTest::addColumn<int>("nTo");
        const int none = CP::nNoCell;
        const int custom = CP::nCustomCell;
        const std::vector<std::tuple<const char*, int, int, int>> rows = {
            {"none right", none, Qt::Key_Right, custom},
            {"right to the next row", 7, Qt::Key_Right, 8},
            {"right on 39", 39, Qt::Key_Right, custom},
            {"right on custom", custom, Qt::Key_Right, 0},
            {"left on 0", 0, Qt::Key_Left, custom},
            {"left on custom", custom, Qt::Key_Left, 39},
            {"down from the last row", 35, Qt::Key_Down, custom},
            {"down on custom", custom, Qt::Key_Down, 0},
            {"up from the first row", 3, Qt::Key_Up, custom},
            {"up on custom", custom, Qt::Key_Up, 39},
        };
        for (const auto& [pszName, nFrom, nKey, nTo] : rows)
            QTest::newRow(pszName) << nFrom << nKey << nTo;
    }

    void keyboardTable()
    {
        QFETCH(int, nFrom);
        QFETCH(int, nKey);
        QFETCH(int, nTo);
        SPickerWindow w(QColor(0, 0, 0));
        CColourGridPopup* pPopup = w.Open();
        pPopup->SetHighlightedCell(nFrom);
        QTest::keyClick(pPopup, Qt::Key(nKey));
        QCOMPARE(pPopup->GetHighlightedCell(), nTo);
        // A key the grid does not use changes nothing.
        QTest::keyClick(pPopup, Qt::Key_A);
        QCOMPARE(pPopup->GetHighlightedCell(), nTo);
        QTest::keyClick(pPopup, Qt::Key_Escape);
    }

    void notificationsOnCancel()
    {
        const QColor red(255, 0, 0);
        SPickerWindow w(red);
        SNotifications n(*w.picker);
        CColourGridPopup* pPopup = w.Open();
        QVERIFY(w.picker->IsPopupOpen());
        QTest::keyClick(pPopup, Qt::Key_Right); // the custom cell reports the initial colour
        QTest::keyClick(pPopup, Qt::Key_Right); // cell 0
        QCOMPARE(pPopup->GetSelectedColour(), QColor(0, 0, 0));
        QPointer<CColourGridPopup> pGone(pPopup);
        QTest::keyClick(pPopup, Qt::Key_Escape);
        QCOMPARE(n.m_items.back().nMessage, 2029);
        QCOMPARE(n.m_items.back().clr, red);
        QCOMPARE(w.picker->SelectedColour(), red);
        QVERIFY(!w.picker->IsPopupOpen());
        QVERIFY(!w.picker->GetPopup());
        QTRY_VERIFY(pGone.isNull());
    }

    void moreColours()
    {
        const QColor red(255, 0, 0);
        SPickerWindow w(red);
        SNotifications n(*w.picker);
        const QColor custom(17, 34, 51);
        CP::ColourDialogHook() = [&](const QColor&, QWidget*) { return custom; };
        CColourGridPopup* pPopup = w.Open();
        QTest::keyClick(pPopup, Qt::Key_Up); // "More Colours..."
        QTest::keyClick(pPopup, Qt::Key_Return);
        QCOMPARE(w.picker->SelectedColour(), custom);
        QCOMPARE(n.m_items.back().nMessage, 2025);
        QCOMPARE(n.m_items[n.m_items.size() - 2].nMessage, 2028);
        QCOMPARE(n.m_items[n.m_items.size() - 2].clr, custom);

        // The custom colour marks "More Colours..." next time.
        pPopup = w.Open();
        QCOMPARE(pPopup->GetChosenCell(), int(CP::nCustomCell));
        QTest::keyClick(pPopup, Qt::Key_Escape);
    }

    void switchingAwayCancels()
    {
        SPickerWindow w(QColor(0, 0, 0));
        SNotifications n(*w.picker);
        CColourGridPopup* pPopup = w.Open();
        pPopup->SetHighlightedCell(16);
        emit qApp->applicationStateChanged(Qt::ApplicationInactive);
        QCOMPARE(n.m_items.back().nMessage, 2029);
        QCOMPARE(w.picker->SelectedColour(), QColor(0, 0, 0));
    }
};

QTEST_MAIN(TestColourPicker)
#include "TestColourPicker.moc"
