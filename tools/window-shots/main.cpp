// Pictures of the main window for docs/: the sample folder selected in each
// list mode, the filter box in use, the rows sorted by date, the Add Note
// wizard and the Modify Notes sheet opened by their commands. Run by
// tools/window-shots.sh under Xvfb.
//
//   window_shots OUTDIR SAMPLES [NAME]
//
// With NAME only the window is taken, as NAME, in the language of the
// environment's locale; QUILLBOX_SHOTS_DARK=1 shows it under a dark Fusion
// palette (tools/look-shots.sh).
#include "DetailPage.h"
#include "GuiTestUtil.h"
#include "IconPage.h"
#include "NotesSheet.h"

#include <QCursor>
#include <QScrollBar>
#include <QTableView>
#include <QStyleFactory>

#include <cstdio>

namespace
{
QString g_strOut;
bool g_bOk = true;

void Save(QWidget* pWidget, const char* pszName)
{
    const QString strPath = QDir(g_strOut).filePath(QString::fromLatin1(pszName));
    const bool bOk = pWidget->grab().save(strPath);
    std::printf("%s %s\n", bOk ? "wrote" : "FAILED", qPrintable(strPath));
    g_bOk &= bOk;
}

// Runs a command whose sheet is photographed and then cancelled.
void ShootSheet(CCommandController& commands, int nId, const std::function<void(CNotesSheet&)>& shoot)
{
    CModalDriver driver;
    driver.Add([&](QWidget* pWidget) {
        auto* pSheet = qobject_cast<CNotesSheet*>(pWidget);
        if (!pSheet)
            return;
        QTest::qWait(300);
        shoot(*pSheet);
        pSheet->GetButton(CNotesSheet::btnCancel)->click();
    });
    driver.Start();
    commands.ExecuteCommand(nId);
}
QPalette DarkPalette()
{
    QPalette pal;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), disabled(127, 127, 127);
    for (auto [role, clr] : {std::pair{QPalette::Window, window},
                             {QPalette::WindowText, text},
                             {QPalette::Base, base},
                             {QPalette::AlternateBase, window},
                             {QPalette::ToolTipBase, base},
                             {QPalette::ToolTipText, text},
                             {QPalette::Text, text},
                             {QPalette::Button, window},
                             {QPalette::ButtonText, text},
                             {QPalette::Light, QColor(80, 80, 80)},
                             {QPalette::Midlight, QColor(66, 66, 66)},
                             {QPalette::Mid, QColor(40, 40, 40)},
                             {QPalette::Dark, QColor(25, 25, 25)},
                             {QPalette::Highlight, QColor(42, 130, 218)},
                             {QPalette::HighlightedText, QColor(Qt::black)},
                             {QPalette::Link, QColor(42, 130, 218)}})
        pal.setColor(role, clr);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        pal.setColor(QPalette::Disabled, role, disabled);
    return pal;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvantic"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillbox"));
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QCursor::setPos(0, 0);
    g_strOut = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    // A copy of the sample notes beside a fresh program directory.
    const QString strSamples = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QTemporaryDir exeDir;
    const QString strFolder = exeDir.filePath(QStringLiteral("Sample Notes"));
    QDir().mkpath(strFolder);
    for (const QString& strName : QDir(strSamples).entryList({QStringLiteral("QB_*.qbt")}, QDir::Files))
        QFile::copy(QDir(strSamples).filePath(strName), QDir(strFolder).filePath(strName));

    const QString strOnly = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    if (qEnvironmentVariableIntValue("QUILLBOX_SHOTS_DARK") == 1) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(DarkPalette());
    }
    CQuillboxApp::InstallTranslators(QLocale());
    CQuillboxApp quillbox(exeDir.path().toStdString());
    if (!quillbox.InitInstance(false))
        return 1;
    CMainFrame* pFrame = quillbox.GetMainFrame();
    pFrame->resize(1280, 800);
    pFrame->show();
    if (!QTest::qWaitForWindowExposed(pFrame))
        std::printf("main window not exposed\n");
    CQuillboxView& view = *pFrame->GetView();
    CCommandController& commands = *pFrame->GetController();
    QTreeWidgetItem* pFolder = view.GetRootItem()->child(0);
    if (!pFolder)
        return 1;
    view.setCurrentItem(pFolder);
    pFrame->GetNotesList()->SetSelectionMark(1);
    QTest::qWait(300);
    if (!strOnly.isEmpty()) {
        Save(pFrame, qPrintable(strOnly));
        pFrame->close();
        return g_bOk ? 0 : 1;
    }
    Save(pFrame, "screenshot.png");

    static const int anModes[] = {ID_VIEW_DETAILS, ID_VIEW_LIST, ID_VIEW_TILES, ID_VIEW_ICONS};
    static const char* const apszNames[] = {"window-details.png", "window-list.png", "window-tiles.png",
                                            "window-icons.png"};
    for (int i = 0; i < 4; ++i) {
        commands.ExecuteCommand(anModes[i]);
        pFrame->GetNotesList()->SetSelectionMark(1);
        QTest::qWait(300);
        Save(pFrame, apszNames[i]);
    }
    commands.ExecuteCommand(ID_VIEW_DETAILS);
    pFrame->GetNotesList()->SetSelectionMark(1);

    // The filter box in use, then the rows sorted by date, newest first.
    CNotesListCtrl& list = *pFrame->GetNotesList();
    QTest::keyClicks(list.GetFilterBox(), QStringLiteral("meet"));
    QTest::qWait(300);
    Save(pFrame, "window-filter.png");
    list.GetFilterBox()->clear();
    list.SetSortOrder({CNotesListModel::colDate, true});
    // The narrow pane shows the Date column once scrolled to it.
    list.GetDetailsView()->horizontalScrollBar()->setValue(list.GetDetailsView()->horizontalScrollBar()->maximum());
    QTest::qWait(300);
    Save(pFrame, "window-sorted.png");
    list.SetSortOrder({});
    list.GetDetailsView()->horizontalScrollBar()->setValue(0);
    list.SetSelectionMark(1);

    ShootSheet(commands, ID_ADD_NOTE, [](CNotesSheet& sheet) {
        QTest::keyClicks(sheet.GetDetailPage()->GetTitleEdit(), "Call the plumber");
        Save(&sheet, "window-add-note.png");
    });
    ShootSheet(commands, ID_MODIFY_NOTE, [](CNotesSheet& sheet) { Save(&sheet, "window-modify-note.png"); });
    if (QWidget* pProperties = pFrame->GetPane(EPane::properties))
        Save(pProperties, "window-properties.png");
    pFrame->close();
    return g_bOk ? 0 : 1;
}
