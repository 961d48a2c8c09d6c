// The text, HTML and PDF exports, the text import, and what the user is told
// when a file cannot be written or the desktop cannot open it.
#include "ExportPdfDialog.h"
#include "GuiTest.h"
#include "HtmlExport.h"
#include "NoteStore.h"
#include "PdfExport.h"
#include "TextExchange.h"
#include "TextMeasurer.h"
#include "commands/ExportCommands.h"

class TestExportCommands : public CGuiTest
{
    Q_OBJECT

    // Answers the PDF dialog: a subtitle, the chosen file, Generate; tells
    // the title it offered.
    CModalDriver::Step AnswerPdfDialog(QString* pTitle = nullptr)
    {
        return [this, pTitle](QWidget* pWidget) {
            auto* pDialog = qobject_cast<CExportPdfDialog*>(pWidget);
            QVERIFY(pDialog);
            if (pTitle)
                *pTitle = pDialog->GetTitleEdit()->text();
            pDialog->GetSubtitleEdit()->setText(QStringLiteral("Kitchen, Monday"));
            CExportPdfDialog::SaveChooserHook() = [this](QWidget*) { return m_strChosen; };
            pDialog->OnBrowse();
            pDialog->accept();
        };
    }

private slots:
    void init()
    {
        QVERIFY(m_env.InitTest());
        m_choosers.clear();
        m_strChosen.clear();
        ExportCommands::FileChooserHook() = [this](QWidget*, const ExportCommands::SFileChooser& chooser) {
            m_choosers.push_back(chooser);
            return m_strChosen;
        };
        m_strDir = m_env.ExePath(QStringLiteral("notes"));
        WriteNotes(m_strDir, {"alpha", "beta", "gamma"});
        m_pRun = std::make_unique<SRun>(m_env.ExeDir());
        m_pFolder = m_pRun->AddFolder("Notes", m_strDir);
    }

    void cleanup() { m_pRun.reset(); }

    // Each export writes the bytes its writer defines, of the note marked
    // when the command started with the text just typed, though saving the
    // text moved the mark; then the desktop opens the file.
    void exportsWriteTheStartingNote_data()
    {
        QTest::addColumn<int>("nCommand");
        QTest::addColumn<QString>("strName");
        QTest::newRow("text all") << int(ID_EXPORT_TEXT_ALL) << "all.txt";
        QTest::newRow("text notes") << int(ID_EXPORT_TEXT_NOTES) << "notes.txt";
        QTest::newRow("html") << int(ID_EXPORT_HTML) << "page.html";
        QTest::newRow("pdf") << int(ID_EXPORT_PDF) << "doc.pdf";
    }

    void exportsWriteTheStartingNote()
    {
        QFETCH(int, nCommand);
        QFETCH(QString, strName);
        m_pRun->List().SetSelectionMark(1);
        m_pRun->frame->GetNotesTextBar()->SetText("typed (into) beta\r\nline two");
        m_strChosen = m_env.ExePath(strName);

        QString strPdfTitle;
        const bool bPdf = nCommand == ID_EXPORT_PDF;
        QVERIFY(RunAnswering(m_pRun->Commands(), nCommand,
                             bPdf ? ModalSteps{AnswerPdfDialog(&strPdfTitle)} : ModalSteps{}));

        // The note as the command saved it, though saving moved the mark.
        CNoteRecord beta = m_pRun->app.GetStore().GetNote(m_pRun->List().GetModel().GetRowNote(1)->m_strKey);
        QCOMPARE(beta.m_strNotes, std::string("typed (into) beta\r\nline two"));
        QCOMPARE(m_pRun->List().GetSelectionMark(), 0);

        std::string strExpected;
        if (nCommand == ID_EXPORT_TEXT_ALL)
            strExpected = BuildNoteTextAll(beta);
        else if (nCommand == ID_EXPORT_TEXT_NOTES)
            strExpected = BuildNoteTextNotesOnly(beta);
        else if (nCommand == ID_EXPORT_HTML)
            strExpected = BuildNoteHtml(beta);
        else
            strExpected = BuildNotePdf(beta, "beta", "Kitchen, Monday", CHelveticaMeasurer());
        QFile written(m_strChosen);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray::fromStdString(strExpected));
        if (nCommand == ID_EXPORT_PDF) {
            QCOMPARE(strPdfTitle, QStringLiteral("beta"));
            QVERIFY(m_choosers.empty());
        } else {
            QCOMPARE(m_choosers.size(), size_t(1));
            QVERIFY(m_choosers[0].bSave);
        }
        QCOMPARE(m_env.m_opened, QList<QUrl>{QUrl::fromLocalFile(m_strChosen)});
    }

    // No note at the mark, or a cancelled chooser: nothing asked, written or opened.
    void nothingWithoutANoteOrAFile()
    {
        m_pRun->View().setCurrentItem(m_pRun->View().GetRootItem());
        m_strChosen = m_env.ExePath(QStringLiteral("out.txt"));
        for (int nCommand :
             {ID_EXPORT_TEXT_ALL, ID_EXPORT_TEXT_NOTES, ID_EXPORT_HTML, ID_EXPORT_PDF, ID_IMPORT_TEXT_FILE})
            QVERIFY(m_pRun->Commands().ExecuteCommand(nCommand));
        QVERIFY(m_choosers.empty());

        m_pRun->View().setCurrentItem(m_pFolder);
        m_strChosen.clear();
        QVERIFY(m_pRun->Commands().ExecuteCommand(ID_EXPORT_HTML));
        QVERIFY(m_pRun->Commands().ExecuteCommand(ID_IMPORT_TEXT_FILE));
        QCOMPARE(m_choosers.size(), size_t(2));
        QVERIFY(m_env.m_opened.isEmpty());
        QCOMPARE(QDir(m_env.ExeDir()).entryList({"*.txt", "*.html"}, QDir::Files), QStringList());
    }

    // Import appends CR LF and the file to the notes text and saves it.
    void importAppendsAndSaves()
    {
        const QString strImport = m_env.ExePath(QStringLiteral("in.txt"));
        QFile file(strImport);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("imported\r\nmore") == 14);
        file.close();
        m_strChosen = strImport;
        m_pRun->List().SetSelectionMark(2);
        QVERIFY(m_pRun->Commands().ExecuteCommand(ID_IMPORT_TEXT_FILE));
        QVERIFY(!m_choosers.at(0).bSave);

        const std::string strExpected = "Text of gamma\r\nsecond line\r\nimported\r\nmore";
        QCOMPARE(ReadFolder(m_strDir)["gamma"].m_strNotes, strExpected);
        // The list shows the saved text, so typing on cannot undo it.
        QCOMPARE(m_pRun->List().GetModel().GetRowNote(2)->m_strNotes, strExpected);
    }

    // A file that cannot be written: an error box naming it, nothing opened.
    void unwritableExportIsReported()
    {
        const QString strMissingDir = m_env.ExePath(QStringLiteral("no-such-dir/out.txt"));
        for (int nCommand : {ID_EXPORT_TEXT_ALL, ID_EXPORT_PDF}) {
            m_strChosen = strMissingDir;
            QString strMessage;
            ModalSteps steps{AnswerMessage(&strMessage)};
            if (nCommand == ID_EXPORT_PDF)
                steps.insert(steps.begin(), AnswerPdfDialog());
            QVERIFY(RunAnswering(m_pRun->Commands(), nCommand, steps));
            QVERIFY2(strMessage.contains(strMissingDir), qPrintable(strMessage));
            QVERIFY(m_env.m_opened.isEmpty());
        }
    }

    // The desktop has no program for the file: the status bar names it.
    void noDesktopHandlerIsSaid()
    {
        OpenUrlHook() = [](const QUrl&) { return false; };
        m_strChosen = m_env.ExePath(QStringLiteral("page.html"));
        QVERIFY(m_pRun->Commands().ExecuteCommand(ID_EXPORT_HTML));
        QVERIFY(QFile::exists(m_strChosen));
        QVERIFY(m_pRun->frame->statusBar()->currentMessage().contains(m_strChosen));
    }

private:
    std::unique_ptr<SRun> m_pRun;
    QString m_strDir;
    QTreeWidgetItem* m_pFolder = nullptr;
    std::vector<ExportCommands::SFileChooser> m_choosers;
    QString m_strChosen;
};

QTEST_MAIN(TestExportCommands)
#include "TestExportCommands.moc"
