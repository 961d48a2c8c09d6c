#include "ColourGridPopup.h"
#include "ColourPicker.h"
#include "ExportPdfDialog.h"
#include "GuiTest.h"
#include "PreferencesDialog.h"
#include "SearchDlg.h"
#include "UserSettings.h"
#include "commands/PreferencesCommands.h"

#include <QCheckBox>
#include <QComboBox>

namespace
{
// Answers the preferences dialog: each picker given chooses its table colour
// with the keyboard, then OK or Cancel.
CModalDriver::Step ChooseColours(std::vector<std::pair<int, int>> pickersAndCells, bool bOk)
{
    return [=](QWidget* pModal) {
        auto* pDialog = qobject_cast<CPreferencesDialog*>(pModal);
        QVERIFY(pDialog);
        for (const auto& [nPicker, nCell] : pickersAndCells) {
            CColourPicker* pPicker = pDialog->GetPicker(nPicker);
            pPicker->setFocus();
            QTest::keyClick(pPicker, Qt::Key_Space);
            QVERIFY(pPicker->GetPopup());
            pPicker->GetPopup()->SetHighlightedCell(nCell);
            QTest::keyClick(pPicker->GetPopup(), Qt::Key_Return);
        }
        if (bOk)
            QTest::keyClick(pDialog, Qt::Key_Return);
        else
            pDialog->reject();
    };
}
} // namespace

class TestDialogs : public CGuiTest
{
    Q_OBJECT

private slots:
    void searchDialog()
    {
        const std::vector<CSearchDlg::SFolder> folders = {
            {"Work", "/notes/work"}, {"Home", "/notes/home"}, {"Archive", "/notes/archive"}};
        CSearchDlg dialog(folders, 1);

        // The folders in tree order, the tree's selected folder preselected.
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
        none.findChild<QPushButton*>(QStringLiteral("Find"))->click();
        QVERIFY(none.isVisible());
        QCOMPARE(none.m_nFolderIndex, -1);
    }

    void pdfDialog()
    {
        CExportPdfDialog dialog;
        dialog.m_strTitle = QStringLiteral("Shopping");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* pGenerate = dialog.findChild<QPushButton*>(QStringLiteral("Generate"));
        QTest::keyClicks(dialog.GetSubtitleEdit(), QStringLiteral("Town hall, May"));

        // Generate with no path: a stop message, and the dialog stays.
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        const CModalDriver::Step stop = [&](QWidget* pModal) {
            icon = qobject_cast<QMessageBox*>(pModal)->icon();
            AnswerMessage(nullptr)(pModal);
        };
        QVERIFY(Answering({stop}, [&] { pGenerate->click(); }));
        QCOMPARE(icon, QMessageBox::Critical);
        QVERIFY(dialog.isVisible());

        // A chosen file fills the path; the typed title and subtitle stay.
        CExportPdfDialog::SaveChooserHook() = [](QWidget*) { return QStringLiteral("/tmp/out.pdf"); };
        dialog.GetTitleEdit()->setText(QStringLiteral("Shopping list"));
        dialog.findChild<QPushButton*>(QStringLiteral("Browse"))->click();
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
        CAppContext app(m_env.ExeDir().toStdString());
        app.LoadPriorityColours();
        int nRepaints = 0;
        bool bOk = true;
        const auto preferences = [&] { bOk = OnPreferences(app, nullptr, [&] { ++nRepaints; }); };

        // Cancel after choosing colours: nothing stored, saved or repainted.
        QVERIFY(Answering({ChooseColours({{CPreferencesDialog::IDC_HIGH_COLOUR, 13}}, false)}, preferences));
        QVERIFY(!bOk);
        QCOMPARE(app.m_clrHighPriority, 255u);
        QCOMPARE(nRepaints, 0);
        QVERIFY(!OpenUserSettings().contains(QStringLiteral("Task Priority Settings/HighPriorityColour")));

        // OK: the three colours stored as 0x00BBGGRR, saved and shown.
        QVERIFY(Answering({ChooseColours({{CPreferencesDialog::IDC_HIGH_COLOUR, 13},  // 0, 0, 255
                                          {CPreferencesDialog::IDC_MEDIUM_COLOUR, 9}, // 255, 104, 32
                                          {CPreferencesDialog::IDC_LOW_COLOUR, 35}},  // 152, 251, 152
                                         true)},
                          preferences));
        QVERIFY(bOk);
        QCOMPARE(nRepaints, 1);
        QCOMPARE(app.m_clrHighPriority, 0x00FF0000u);
        QCOMPARE(app.m_clrMediumPriority, 0x002068FFu);
        QCOMPARE(app.m_clrLowPriority, 0x0098FB98u);
    }

    void preferencesSaveFailureIsReported()
    {
        CAppContext app(m_env.ExeDir().toStdString());
        // A settings directory below a plain file cannot be made.
        const QString strBlocker = m_env.ExePath(QStringLiteral("blocker"));
        QVERIFY(QFile(strBlocker).open(QIODevice::WriteOnly));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, strBlocker);

        QString strMessage;
        int nRepaints = 0;
        bool bOk = false;
        const bool bAnswered = Answering({ChooseColours({}, true), AnswerMessage(&strMessage)},
                                         [&] { bOk = OnPreferences(app, nullptr, [&] { ++nRepaints; }); });
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_env.m_settingsDir.path());
        QVERIFY(bAnswered && bOk);
        QVERIFY2(strMessage.startsWith(QStringLiteral("The priority colours could not be saved in \"")),
                 qPrintable(strMessage));
        QVERIFY(strMessage.contains(strBlocker));
        // The colours still apply for this session.
        QCOMPARE(nRepaints, 1);
    }
};
QTEST_MAIN(TestDialogs)
#include "TestDialogs.moc"
