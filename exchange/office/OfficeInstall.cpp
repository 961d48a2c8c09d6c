#include "OfficeInstall.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

// Translated where they are shown.
const char* const pszNeedsDesktopOffice =
    QT_TRANSLATE_NOOP("OfficeExports", "Only the headless LibreOffice is installed here, which cannot show the "
                                       "document. Install the package libreoffice-gtk3 (or libreoffice-kf5) to have "
                                       "it shown.");
const char* const pszOpeningInOffice =
    QT_TRANSLATE_NOOP("OfficeExports", "The document is being opened in LibreOffice.");

SOfficeInstall FindLibreOffice()
{
    SOfficeInstall install;
    for (const char* pszName : {"soffice", "libreoffice"}) {
        const QString strPath = QStandardPaths::findExecutable(QString::fromLatin1(pszName));
        if (!strPath.isEmpty()) {
            install.strProgram = strPath.toStdString();
            break;
        }
    }
    if (install.strProgram.empty())
        return install;
    // Debian's soffice is a link into the program folder beside the libraries.
    const QDir dir = QFileInfo(QFileInfo(QString::fromStdString(install.strProgram)).canonicalFilePath()).dir();
    install.bWriter = dir.exists(QStringLiteral("libswlo.so"));
    install.bCalc = dir.exists(QStringLiteral("libsclo.so"));
    // Debian's headless packages carry no plugin for any window system
    // (the X11 one comes with the desktop core, the others with
    // libreoffice-gtk3, -kf5, -qt5).
    install.bDesktop = !dir.entryList({QStringLiteral("libvclplug_*lo.so")}, QDir::Files).isEmpty();
    if (!install.bWriter && !install.bCalc)
        install.bWriter = install.bCalc = install.bDesktop = true;
    return install;
}

namespace
{
std::unique_ptr<QTemporaryDir>& TempDirHolder()
{
    static std::unique_ptr<QTemporaryDir> pDir;
    return pDir;
}
} // namespace

std::string ProgramTempDir(std::string* pError)
{
    std::unique_ptr<QTemporaryDir>& pDir = TempDirHolder();
    if (pDir && pDir->isValid())
        return pDir->path().toStdString();
    // TMPDIR may name a directory that is gone or not ours to write: the
    // system's own comes next.
    QStringList bases;
    if (const QString strEnv = qEnvironmentVariable("TMPDIR"); QDir::isAbsolutePath(strEnv))
        bases << QDir::cleanPath(strEnv);
    if (!bases.contains(QStringLiteral("/tmp")))
        bases << QStringLiteral("/tmp");
    QString strError;
    for (const QString& strBase : bases) {
        pDir = std::make_unique<QTemporaryDir>(strBase + QStringLiteral("/quillbox-XXXXXX"));
        if (pDir->isValid())
            return pDir->path().toStdString();
        strError = QStringLiteral("The temporary folder could not be made in \"%1\": %2.")
                       .arg(QDir::toNativeSeparators(strBase), pDir->errorString());
    }
    pDir.reset();
    if (pError)
        *pError = strError.toStdString();
    return {};
}

void RemoveProgramTempDir()
{
    TempDirHolder().reset();
}

std::string NewProgramTempFile(const std::string& strSuffix, std::string* pError)
{
    // One count for the whole run: a document LibreOffice has not loaded yet
    // is never overwritten by the next export.
    static int nCount = 0;
    const std::string strDir = ProgramTempDir(pError);
    if (strDir.empty())
        return {};
    std::string strPath;
    do
        strPath = strDir + "/note-" + std::to_string(++nCount) + strSuffix;
    while (QFileInfo::exists(QString::fromStdString(strPath)));
    return strPath;
}
