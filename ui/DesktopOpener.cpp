#include "DesktopOpener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QStatusBar>
#include <QProcess>
#include <QStringList>
#include <QUrl>

OpenUrlFunction& OpenUrlHook()
{
    static OpenUrlFunction fn = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return fn;
}

bool OpenFileOrSay(const QString& strPath, QStatusBar* pStatus)
{
    if (OpenUrlHook()(QUrl::fromLocalFile(strPath)))
        return true;
    if (pStatus)
        pStatus->showMessage(
            QCoreApplication::translate("DesktopOpener", "No program on this desktop opens \"%1\"; the file is there.")
                .arg(QDir::toNativeSeparators(strPath)));
    return false;
}

bool CDesktopOpener::StartProgram(const std::string& strProgram, const std::vector<std::string>& args)
{
    QStringList list;
    for (const std::string& s : args)
        list << QString::fromStdString(s);
    return QProcess::startDetached(QString::fromStdString(strProgram), list);
}

bool CDesktopOpener::OpenWithDefaultHandler(const std::string& strPath)
{
    return OpenUrlHook()(QUrl::fromLocalFile(QString::fromStdString(strPath)));
}
