#include "ColourGridPopup.h"
#include "ColourPicker.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

namespace
{
using CP = CColourGridPopup;

// Every notification of a picker, in the order they came: what it was, its
// colour and the picker's id.
struct SNotifications
{
    explicit SNotifications(CColourPicker& picker)
    {
        const auto add = [this](const char* pszWhat) {
            return [this, pszWhat](const QColor& clr, int nId) {
                m_items << QStringLiteral("%1 %2 %3").arg(QLatin1String(pszWhat), clr.name()).arg(nId);
            };
        };
        QObject::connect(&picker, &CColourPicker::HighlightChanged, &picker, add("highlight"));
        QObject::connect(&picker, &CColourPicker::PopupOpened, &picker, add("opened"));
        QObject::connect(&picker, &CColourPicker::PopupClosed, &picker, add("closed"));
        QObject::connect(&picker, &CColourPicker::ColourConfirmed, &picker, add("confirmed"));
        QObject::connect(&picker, &CColourPicker::ColourCancelled, &picker, add("cancelled"));
    }
    QStringList m_items;
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

    // The arrows step through the grid and across its rows' ends; past
    // either end is "More Colours...", and past that the other end.
    void arrowsMoveAndWrap()
    {
        SPickerWindow w(QColor(0, 0, 0));
        CColourGridPopup* pPopup = w.Open();
        const auto press = [pPopup](Qt::Key key) {
            QTest::keyClick(pPopup, key);
            return pPopup->GetHighlightedCell();
        };
        pPopup->SetHighlightedCell(7);
        QCOMPARE(press(Qt::Key_Right), 8);
        pPopup->SetHighlightedCell(35);
        QCOMPARE(press(Qt::Key_Down), int(CP::nCustomCell));
        QCOMPARE(press(Qt::Key_Right), 0);
        QCOMPARE(press(Qt::Key_Left), int(CP::nCustomCell));
        QCOMPARE(press(Qt::Key_Left), 39);
        // A key the grid does not use changes nothing.
        QCOMPARE(press(Qt::Key_A), 39);
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
        QCOMPARE(n.m_items.back(), QStringLiteral("cancelled #ff0000 1022"));
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
        QCOMPARE(n.m_items.at(n.m_items.size() - 2), QStringLiteral("confirmed #112233 1022"));
        QVERIFY(n.m_items.back().startsWith(QStringLiteral("highlight ")));

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
        QCOMPARE(n.m_items.back(), QStringLiteral("cancelled #000000 1022"));
        QCOMPARE(w.picker->SelectedColour(), QColor(0, 0, 0));
    }
};

QTEST_MAIN(TestColourPicker)
#include "TestColourPicker.moc"
