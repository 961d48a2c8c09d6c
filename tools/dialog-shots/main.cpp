// Shows each dialog as a user meets it and saves its picture:
//   quillbox-dialog-shots OUTDIR
// Run under a real display server (tools/dialog-shots.sh uses Xvfb), so the
// popup is a real window and the style is a desktop one.
#include "ColourGridPopup.h"
#include "ColourPicker.h"
#include "ExportPdfDialog.h"
#include "NoteRecord.h"
#include "PreferencesDialog.h"
#include "QuillboxApp.h"
#include "SearchDlg.h"
#include "SearchResultsBar.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QStyleFactory>
#include <QTest>
#include <QWindow>

#include <cstdio>

namespace
{
QString g_strOutDir;

bool Save(const QImage& image, const char* pszName)
{
    const QString strPath = QDir(g_strOutDir).filePath(QString::fromLatin1(pszName));
    if (!image.save(strPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(strPath));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(strPath));
    return true;
}

void ShowAndWait(QWidget& w, const QPoint& pos)
{
    w.move(pos);
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        std::fprintf(stderr, "window not exposed\n");
    QTest::qWait(200);
}

// The widgets as the user sees them on the screen, on a plain background.
QImage Compose(std::initializer_list<QWidget*> widgets)
{
    QRect rc;
    for (const QWidget* w : widgets)
        rc |= w->frameGeometry();
    rc.adjust(-12, -12, 12, 12);
    QImage image(rc.size(), QImage::Format_RGB32);
    image.fill(QColor(128, 128, 128));
    QPainter p(&image);
    for (QWidget* w : widgets)
        p.drawPixmap(w->geometry().topLeft() - rc.topLeft(), w->grab());
    return image;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillbox-dialog-shots OUTDIR\n");
        return 2;
    }
    g_strOutDir = QString::fromLocal8Bit(argv[1]);
    // In the language of the environment's locale: LANG=de_DE.UTF-8 shows
    // whether the German texts fit.
    CQuillboxApp::InstallTranslators(QLocale());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    bool bOk = true;

    {
        CPreferencesDialog dialog;
        dialog.SetPriorityColours(QColor(255, 0, 0), QColor(0, 0, 0), QColor(192, 192, 192));
        ShowAndWait(dialog, QPoint(40, 40));
        bOk &= Save(dialog.grab().toImage(), "preferences-dialog.png");

        CColourPicker* pHigh = dialog.GetPicker(CPreferencesDialog::IDC_HIGH_COLOUR);
        pHigh->setFocus();
        pHigh->click();
        CColourGridPopup* pPopup = pHigh->GetPopup();
        QTest::qWait(200);
        // Three cells along from the chosen red, as a user's arrow keys leave it.
        pPopup->SetHighlightedCell(19);
        QTest::qWait(200);
        bOk &= Save(Compose({&dialog, pPopup}), "colour-popup.png");
        QTest::keyClick(pPopup, Qt::Key_Escape);
    }
    {
        const std::vector<CSearchDlg::SFolder> folders = {{"Sample Notes", "/home/user/Sample Notes"},
                                                          {"Work", "/home/user/notes/work"},
                                                          {"Home", "/home/user/notes/home"}};
        CSearchDlg dialog(folders, 1);
        ShowAndWait(dialog, QPoint(40, 40));
        QTest::keyClicks(dialog.GetSearchEdit(), QStringLiteral("invoice"));
        QTest::qWait(100);
        bOk &= Save(dialog.grab().toImage(), "search-dialog.png");
    }
    {
        CExportPdfDialog dialog;
        dialog.m_strTitle = QStringLiteral("Welcome to Quillbox");
        ShowAndWait(dialog, QPoint(40, 40));
        dialog.GetSubtitleEdit()->setText(QStringLiteral("Town hall, 7 December"));
        CExportPdfDialog::SaveChooserHook() = [](QWidget*) {
            return QStringLiteral("/home/user/Documents/welcome.pdf");
        };
        dialog.OnBrowse();
        QTest::qWait(100);
        bOk &= Save(dialog.grab().toImage(), "export-pdf-dialog.png");
    }
    {
        CSearchResultsList list;
        list.resize(900, 150);
        list.Setup();
        list.GetModel().Fill([](INoteRowSink& sink) {
            const char* const apszTitles[] = {"Invoice for the roof", "Invoices to file", "Old invoice template"};
            const char* const apszComments[] = {"Send by Friday", "", "From 2023"};
            const char* const apszPriorities[] = {"High", "Medium", "Low"};
            for (int i = 0; i < 3; ++i) {
                SNoteRow row;
                row.strTitle = apszTitles[i];
                row.strComments = apszComments[i];
                row.strPriority = apszPriorities[i];
                row.strDate = i == 0 ? "12/12/26" : "";
                row.nIcon = 20 + i * 7;
                auto pNote = std::make_unique<CNoteRecord>();
                pNote->m_strTitle = row.strTitle;
                sink.AppendRow(row, std::move(pNote));
            }
        });
        ShowAndWait(list, QPoint(40, 40));
        bOk &= Save(list.grab().toImage(), "search-results.png");
    }
    return bOk ? 0 : 1;
}
