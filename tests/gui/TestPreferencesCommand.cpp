// The Preferences command in the window: the colours saved on OK, and the
// notes list drawn again at once in them.
#include "ColourPicker.h"
#include "GuiTestUtil.h"
#include "PreferencesDialog.h"
#include "UserSettings.h"

#include <QTableView>

namespace
{
// Counts the paint events a widget receives.
class CPaintCounter : public QObject
{
public:
    explicit CPaintCounter(QWidget* pWidget) { pWidget->installEventFilter(this); }
    int m_nPaints = 0;

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::Paint)
            ++m_nPaints;
        return false;
    }
};

CModalDriver::Step SetHighColour(const QColor& clr, bool bOk)
{
    return [clr, bOk](QWidget* pWidget) {
        auto* pDialog = qobject_cast<CPreferencesDialog*>(pWidget);
        QVERIFY(pDialog);
        pDialog->GetPicker(CPreferencesDialog::IDC_HIGH_COLOUR)->SetSelectedColour(clr);
        if (bOk)
            pDialog->accept();
        else
            pDialog->reject();
    };
}
} // namespace

class TestPreferencesCommand : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_env.InitCase()); }
    void init() { QVERIFY(m_env.InitTest()); }

    void savedOnOkAndListRepainted()
    {
        const QString strDir = m_env.ExePath(QStringLiteral("notes"));
        WriteNotes(strDir, {"alpha", "beta"});
        SRun run(m_env.ExeDir());
        run.View().InsertFolderItem(std::make_unique<CFolderRecord>(CFolderRecord{"Notes", strDir.toStdString()}));
        run.View().setCurrentItem(run.Folder(run.View().GetRootItem()->childCount() - 1));
        QWidget* pViewport = run.List().GetDetailsView()->viewport();
        CPaintCounter painted(pViewport);
        QCoreApplication::processEvents();

        const int nPaintsBefore = painted.m_nPaints;
        CModalDriver driver;

        driver.Add(SetHighColour(QColor(0, 0, 255), true));
        driver.Start();
        QVERIFY(run.Commands().ExecuteCommand(ID_PREFERENCES));
        QVERIFY(driver.Done());
        QCOMPARE(run.app.m_clrHighPriority, 0x00FF0000u);
        QCOMPARE(OpenUserSettings().value(QStringLiteral("Task Priority Settings/HighPriorityColour")).toUInt(),
                 0x00FF0000u);
        QTRY_VERIFY(painted.m_nPaints > nPaintsBefore);
    }

private:
    SGuiTestEnvironment m_env;
};

QTEST_MAIN(TestPreferencesCommand)
#include "TestPreferencesCommand.moc"
