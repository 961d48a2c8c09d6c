#include "AppContext.h"
#include "ColourGridPopup.h"
#include "ColourPicker.h"
#include "ExportPdfDialog.h"
#include "PreferencesDialog.h"
#include "SearchDlg.h"
#include "UserSettings.h"
#include "commands/PreferencesCommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace
{
// Runs step on the next modal widget to open, from inside its event loop.
void OnNextModal(std::function<void(QWidget*)> step, QWidget* pAfter = nullptr)
{
    QTimer::singleShot(5, [step = std::move(step), pAfter]() mutable {
        QWidget* pModal = QApplication::activeModalWidget();
        if (pModal && pModal != pAfter)
            step(pModal);
        else
            OnNextModal(std::move(step), pAfter);
    });
}

QPushButton* ButtonWithText(QWidget* pParent, const QString& strText)
{
    for (auto* pButton : pParent->findChildren<QPushButton*>())
        if (pButton->text() == strText)
            return pButton;
    return nullptr;
}

// Chooses table colour nCell in picker's grid with the keyboard.
void ChooseColour(CColourPicker* pPicker, int nCell)
{
    pPicker->setFocus();
    QTest::keyClick(pPicker, Qt::Key_Space);
    QVERIFY(pPicker->GetPopup());
    pPicker->GetPopup()->SetHighlightedCell(nCell);
    QTest::keyClick(pPicker->GetPopup(), Qt::Key_Return);
}
} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }

    void searchDialog()
    {
        const std::vector<CSearchDlg::SFolder> folders = {
            {"Work", "/notes/work"}, {"Home", "/notes/home"}, {"Archive", "/notes/archive"}};
        CSearchDlg dialog(folders, 1);

        // The folders in tree order, no entry for all of them, the tree's
        // selected folder preselected.
        QComboBox* pFolders = dialog.GetFolderList();
        QCOMPARE(pFolders->currentIndex(), 1);

        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClicks(dialog.GetSearchEdit(), QStringLiteral("Milk"));
        QTest::keyClick(pFolders, Qt::Key_Down);
        QTest::keyClick(dialog.GetKeywordsOnlyCheck(), Qt::Key_Space);

        // Enter is Find.
        QTest::keyClick(dialog.GetSearchEdit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(dialog.m_bKeywordsOnly);
        QCOMPARE(dialog.GetFolderPath(), std::string("/notes/archive"));

        // Escape cancels and gives out nothing.
        CSearchDlg cancelled(folders, 0);
        cancelled.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cancelled));
        QTest::keyClicks(cancelled.GetSearchEdit(), QStringLiteral("x"));
        QTest::keyClick(cancelled.GetSearchEdit(), Qt::Key_Escape);
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QVERIFY(cancelled.GetFolderPath().empty());

        // Without a chosen folder, Find leaves the dialog open.
        CSearchDlg none({}, -1);
        none.show();
        QVERIFY(QTest::qWaitForWindowExposed(&none));
        ButtonWithText(&none, QStringLiteral("Find"))->click();
        QVERIFY(none.isVisible());
        QCOMPARE(none.m_nFolderIndex, -1);
    }

    void pdfDialog()
    {
        CExportPdfDialog dialog;
        dialog.m_strTitle = QStringLiteral("Shopping");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QPushButton* pGenerate = ButtonWithText(&dialog, QStringLiteral("Generate"));
        QVERIFY(pGenerate);
        QTest::keyClicks(dialog.GetSubtitleEdit(), QStringLiteral("Town hall, May"));

        // Generate with no path: a stop message, and the dialog stays.
        bool bStopped = false;
        OnNextModal(
            [&](QWidget* pModal) {
                auto* pBox = qobject_cast<QMessageBox*>(pModal);
                QVERIFY(pBox);
                bStopped = pBox->icon() == QMessageBox::Critical;
                pBox->button(QMessageBox::Ok)->click();
            },
            &dialog);
        pGenerate->click();
        QVERIFY(bStopped);
        QVERIFY(dialog.isVisible());

        // A chosen file fills the path; the typed title and subtitle stay.
        CExportPdfDialog::SaveChooserHook() = [](QWidget*) { return QStringLiteral("/tmp/out.pdf"); };
        dialog.GetTitleEdit()->setText(QStringLiteral("Shopping list"));
        ButtonWithText(&dialog, QStringLiteral(". . ."))->click();
        pGenerate->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.m_strTitle, QStringLiteral("Shopping list"));
        QCOMPARE(dialog.m_strSubtitle, QStringLiteral("Town hall, May"));
        QCOMPARE(dialog.m_strPath, QStringLiteral("/tmp/out.pdf"));
    }

    void colourConversion()
    {
        // 0x00BBGGRR: red in the low byte.
        QCOMPARE(ColourFromColorRef(0x00332211), QColor(0x11, 0x22, 0x33));
        QCOMPARE(ColorRefFromColour(QColor(0x11, 0x22, 0x33)), 0x00332211u);
        // "No colour" both ways; a stray high byte is dropped.
        QVERIFY(!ColourFromColorRef(0xFF000000u).isValid());
        QCOMPARE(ColorRefFromColour(QColor()), 0xFF000000u);
        QCOMPARE(ColourFromColorRef(0x01332211u), QColor(0x11, 0x22, 0x33));
    }

    void preferencesSavedOnOkOnly()
    {
        QTemporaryDir dir;
        CAppContext app(dir.path().toStdString());
        app.LoadPriorityColours();
        int nRepaints = 0;
        const auto repaint = [&] { ++nRepaints; };

        // Cancel after choosing colours: nothing stored, saved or repainted.
        OnNextModal([](QWidget* pModal) {
            auto* pDialog = qobject_cast<CPreferencesDialog*>(pModal);
            QVERIFY(pDialog);
            ChooseColour(pDialog->GetPicker(CPreferencesDialog::IDC_HIGH_COLOUR), 13);
            pDialog->reject();
        });
        QVERIFY(!OnPreferences(app, nullptr, repaint));
        QCOMPARE(app.m_clrHighPriority, 255u);
        QCOMPARE(nRepaints, 0);
        QVERIFY(!OpenUserSettings().contains(QStringLiteral("Task Priority Settings/HighPriorityColour")));

        // OK: the three colours stored as 0x00BBGGRR, saved and shown.
        OnNextModal([](QWidget* pModal) {
            auto* pDialog = qobject_cast<CPreferencesDialog*>(pModal);
            QVERIFY(pDialog);
            ChooseColour(pDialog->GetPicker(CPreferencesDialog::IDC_HIGH_COLOUR), 13);  // 0, 0, 255
            ChooseColour(pDialog->GetPicker(CPreferencesDialog::IDC_MEDIUM_COLOUR), 9); // 255, 104, 32
            ChooseColour(pDialog->GetPicker(CPreferencesDialog::IDC_LOW_COLOUR), 35);   // 152, 251, 152
            QTest::keyClick(pDialog, Qt::Key_Return);
        });
        QVERIFY(OnPreferences(app, nullptr, repaint));
        QCOMPARE(nRepaints, 1);
        QCOMPARE(app.m_clrHighPriority, 0x00FF0000u);
        QCOMPARE(app.m_clrMediumPriority, 0x002068FFu);
        QCOMPARE(app.m_clrLowPriority, 0x0098FB98u);

        OpenUserSettings().clear();
    }

    void preferencesSaveFailureIsReported()
    {
        QTemporaryDir dir;
        CAppContext app(dir.path().toStdString());
        // A settings directory below a plain file cannot be made.
        QFile blocker(dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName());

        QString strMessage;
        OnNextModal([&](QWidget* pModal) {
            auto* pDialog = qobject_cast<CPreferencesDialog*>(pModal);
            QVERIFY(pDialog);
            OnNextModal(
                [&](QWidget* pBox) {
                    auto* pMessage = qobject_cast<QMessageBox*>(pBox);
                    QVERIFY(pMessage);
                    strMessage = pMessage->text();
                    pMessage->button(QMessageBox::Ok)->click();
                },
                pDialog);
            pDialog->accept();
        });
        int nRepaints = 0;
        QVERIFY(OnPreferences(app, nullptr, [&] { ++nRepaints; }));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QVERIFY2(strMessage.startsWith(QStringLiteral("The priority colours could not be saved in \"")),
                 qPrintable(strMessage));
        QVERIFY(strMessage.contains(blocker.fileName()));
        // The colours still apply for this session.
        QCOMPARE(nRepaints, 1);
    }

private:
    QTemporaryDir m_settingsDir;
};

QTEST_MAIN(TestDialogs)
#include "TestDialogs.moc"
