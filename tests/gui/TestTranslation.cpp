// The window in German: menus, prompts and every dialog's texts, none cut.
#include "GuiTest.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

namespace
{
// The width a widget's text needs: a push button's text and its margins
// (its size hint adds the style's least button width), the size hint else.
int NeededWidth(QWidget* pWidget, const QString& strText)
{
    if (qobject_cast<QPushButton*>(pWidget))
        return pWidget->fontMetrics().horizontalAdvance(QString(strText).remove(QLatin1Char('&'))) +
               2 * pWidget->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, pWidget);
    return pWidget->sizeHint().width();
}

// The texts of a dialog's labels, buttons and group boxes narrower than
// their texts need.
QStringList CutTexts(QWidget* pDialog)
{
    QStringList cut;
    for (QWidget* pWidget : pDialog->findChildren<QWidget*>()) {
        QString strText;
        if (auto* pLabel = qobject_cast<QLabel*>(pWidget); pLabel && !pLabel->wordWrap())
            strText = pLabel->text();
        else if (auto* pButton = qobject_cast<QAbstractButton*>(pWidget))
            strText = pButton->text();
        else if (auto* pGroup = qobject_cast<QGroupBox*>(pWidget))
            strText = pGroup->title();
        if (pWidget->isVisible() && !strText.isEmpty() && pWidget->width() < NeededWidth(pWidget, strText))
            cut << QStringLiteral("%1: \"%2\" %3 < %4")
                       .arg(pDialog->windowTitle(), strText)
                       .arg(pWidget->width())
                       .arg(NeededWidth(pWidget, strText));
    }
    return cut;
}
} // namespace

class TestTranslation : public CGuiTest
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { CQuillboxApp::InstallTranslators(QLocale::c()); }

    void windowAndDialogsInGerman()
    {
        CQuillboxApp::InstallTranslators(QLocale(QLocale::German, QLocale::Germany));
        SRun run(m_env.ExeDir());
        m_env.AddNotesFolder(run, {"Einkauf"});

        QStringList menus;
        for (QAction* pAction : run.frame->menuBar()->actions())
            menus << pAction->text();
        QCOMPARE(menus, QStringList({"&Datei", "&Bearbeiten", "&Ordner", "&Notizen", "E&xportieren nach",
                                     "&Importieren aus", "&Ansicht", "&Extras", "&Hilfe"}));
        // The string table's prompts and tooltips, translated under their ids.
        QAction* pAdd = run.Commands().GetCommands().GetAction(ID_ADD_NOTE);
        QCOMPARE(pAdd->text(), QStringLiteral("Notiz &hinzufügen"));
        QCOMPARE(pAdd->statusTip(), QStringLiteral("Fügt eine neue Notiz hinzu"));
        QCOMPARE(pAdd->toolTip(), QStringLiteral("Notiz hinzufügen (Strg+N)"));
        QCOMPARE(run.frame->GetPropertiesBar()->windowTitle(), QStringLiteral("Eigenschaften"));

        QStringList cut;
        for (int nId : {ID_NEW_FOLDER, ID_MODIFY_FOLDER, ID_SEARCH, ID_ADD_NOTE, ID_MODIFY_NOTE, ID_EXPORT_PDF,
                        ID_IMPORT_OUTLOOK_TASKS, ID_IMPORT_OUTLOOK_NOTES, ID_PREFERENCES, ID_APP_ABOUT}) {
            const CModalDriver::Step look = [&](QWidget* pDialog) {
                cut << CutTexts(pDialog);
                static_cast<QDialog*>(pDialog)->reject();
            };
            QVERIFY2(RunAnswering(run.Commands(), nId, {look}), qPrintable(QString::number(nId)));
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslation)
#include "TestTranslation.moc"
