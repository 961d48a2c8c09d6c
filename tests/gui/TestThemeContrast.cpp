// Every text the main window paints stands out from what is behind it, under
// a light and a dark palette.
#include "GuiTest.h"
#include "TextPairRecorder.h"
#include "ThemeColours.h"

#include <QStyleFactory>

namespace
{
QPalette DarkPalette()
{
    QPalette pal;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230);
    pal.setColor(QPalette::Window, window);
    pal.setColor(QPalette::WindowText, text);
    pal.setColor(QPalette::Base, base);
    pal.setColor(QPalette::AlternateBase, window);
    pal.setColor(QPalette::ToolTipBase, base);
    pal.setColor(QPalette::ToolTipText, text);
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    pal.setColor(QPalette::Button, window);
    pal.setColor(QPalette::ButtonText, text);
    pal.setColor(QPalette::BrightText, Qt::red);
    pal.setColor(QPalette::Light, QColor(80, 80, 80));
    pal.setColor(QPalette::Midlight, QColor(66, 66, 66));
    pal.setColor(QPalette::Mid, QColor(40, 40, 40));
    pal.setColor(QPalette::Dark, QColor(25, 25, 25));
    pal.setColor(QPalette::Shadow, Qt::black);
    pal.setColor(QPalette::Link, QColor(42, 130, 218));
    pal.setColor(QPalette::Highlight, QColor(42, 130, 218));
    pal.setColor(QPalette::HighlightedText, Qt::black);
    return pal;
}

} // namespace

class TestThemeContrast : public CGuiTest
{
    Q_OBJECT

private slots:
    void paintedTextsAreReadable_data()
    {
        QTest::addColumn<QPalette>("palette");
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QTest::newRow("light") << QApplication::style()->standardPalette();
        QTest::newRow("dark") << DarkPalette();
    }

    void paintedTextsAreReadable()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        const QString strDir = m_env.ExePath(QStringLiteral("notes"));
        // A note of each priority, and one of a priority there is none of.
        WriteNotes(strDir, {"Priority 0", "Priority 1", "Priority 2", "Priority 7"}, [](CNoteRecord& note) {
            note.m_nPriority = note.m_strTitle.back() - '0';
            note.m_strComments = "Said about it";
            note.m_bHasDate = true;
        });
        SRun run(m_env.ExeDir());
        QTreeWidgetItem* pNotes = run.AddFolder("Notes", strDir, false);
        run.AddFolder("Other", strDir, false);
        run.View().setCurrentItem(pNotes);
        run.List().SetSelectionMark(1);
        run.Commands().ExecuteCommand(ID_VIEW_SEARCH_RESULTS);
        run.frame->GetSearchResultsBar()->GetList()->GetModel().Fill([](INoteRowSink& sink) {
            SNoteRow row;
            row.strTitle = "Found";
            row.strComments = "Said about it";
            row.strPriority = "High";
            sink.AppendRow(row, std::make_unique<CNoteRecord>());
        });

        QStringList failures;
        int nTexts = 0;
        for (int nMode : {ID_VIEW_DETAILS, ID_VIEW_TILES}) {
            run.Commands().ExecuteCommand(nMode);
            QApplication::processEvents();
            CTextPairRecorder recorder(run.frame->size());
            for (const STextPair& pair : recorder.Record(*run.frame)) {
                ++nTexts;
                const double dRatio = ThemeColours::Contrast(pair.clrText, pair.clrBack);
                if (dRatio < ThemeColours::dMinContrast)
                    failures << QStringLiteral("\"%1\" %2 on %3: %4")
                                    .arg(pair.strText, pair.clrText.name(), pair.clrBack.name())
                                    .arg(dRatio, 0, 'f', 2);
            }
        }
        // The tree, the list's rows and header, the panes and the results.
        QVERIFY2(nTexts > 20, qPrintable(QString::number(nTexts)));
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestThemeContrast)
#include "TestThemeContrast.moc"
