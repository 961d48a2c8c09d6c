#include "QuillboxApp.h"

#include "AboutDlg.h"
#include "MainFrame.h"
#include "QuillboxView.h"
#include "Resources.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

#include <memory>

void CMessageBoxReporter::ReportError(const std::string& strMessage)
{
    QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Quillbox"), QString::fromStdString(strMessage));
}

CQuillboxApp::CQuillboxApp(const std::string& strExecutableDir)
    : CAppContext(strExecutableDir), m_store(*this, &m_reporter), m_strExecutableDir(strExecutableDir)
{}

CQuillboxApp::~CQuillboxApp()
{
    m_pFrame.reset();
}

void CQuillboxApp::InstallTranslators(const QLocale& locale)
{
    static std::unique_ptr<QTranslator> apInstalled[2];
    const QString astrNames[2] = {QStringLiteral("qtbase"), QStringLiteral("quillbox")};
    const QString astrDirs[2] = {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/translations")};
    for (int i = 0; i < 2; ++i) {
        if (apInstalled[i])
            QCoreApplication::removeTranslator(apInstalled[i].get());
        apInstalled[i] = std::make_unique<QTranslator>();
        if (!apInstalled[i]->load(locale, astrNames[i], QStringLiteral("_"), astrDirs[i]) ||
            !QCoreApplication::installTranslator(apInstalled[i].get()))
            apInstalled[i].reset();
    }
}

bool CQuillboxApp::InitInstance(bool bShow)
{
    // Every window of the program, dialogs included, carries the program icon.
    QApplication::setWindowIcon(QIcon(QuillboxResources::ImagePath(QuillboxResources::IDR_MAINFRAME)));
    LoadListViewSelection();
    LoadPriorityColours();
    // A failure is reported once; the mail-client commands stay disabled.
    m_office.OpenMailClient();
    ProvideSampleNotes();
    m_pFrame = std::make_unique<CMainFrame>(*this);
    if (!m_pFrame->Create()) {
        m_pFrame.reset();
        return false;
    }
    m_pFrame->OnInitialUpdate();
    if (bShow) {
        m_pFrame->ShowMaximized();
        m_pFrame->repaint();
    }
    return true;
}

void CQuillboxApp::ShowAboutBox(QWidget* pParent)
{
    CAboutDlg dlg(pParent);
    dlg.exec();
}

QString CQuillboxApp::GetHelpFile() const
{
    const QDir dir(QString::fromStdString(m_strExecutableDir));
    const QString strChm = dir.filePath(QStringLiteral("QuillboxHelp.chm"));
    if (QFileInfo::exists(strChm))
        return strChm;
    const QString strPage = dir.filePath(QStringLiteral("quillbox-help.html"));
    // Installed layout: <prefix>/bin/quillbox and <prefix>/share/quillbox/quillbox-help.html.
    const QString strInstalled = dir.filePath(QStringLiteral("../share/quillbox/quillbox-help.html"));
    return !QFileInfo::exists(strPage) && QFileInfo::exists(strInstalled) ? QDir::cleanPath(strInstalled) : strPage;
}

void CQuillboxApp::ProvideSampleNotes() const
{
    const QString strTarget = QString::fromStdString(GetDefaultFolderPath());
    if (QFileInfo::exists(QString::fromStdString(m_strSettingsFile)) || QFileInfo::exists(strTarget))
        return;
    // Installed layout: <prefix>/bin/quillbox and <prefix>/share/quillbox/Sample Notes.
    const QDir source(QString::fromStdString(m_strExecutableDir) + QStringLiteral("/../share/quillbox/Sample Notes"));
    if (!source.exists() || !QDir().mkpath(strTarget))
        return;
    for (const QString& strName : source.entryList({QStringLiteral("QB_*.qbt")}, QDir::Files))
        QFile::copy(source.filePath(strName), strTarget + QLatin1Char('/') + strName);
}
