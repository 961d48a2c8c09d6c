#include "DesktopOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

bool CDesktopOpener::StartProgram(const std::string& strProgram, const std::vector<std::string>& args)
{
    QStringList list;
    for (const std::string& s : args)
        list << QString::fromStdString(s);
    return QProcess::startDetached(QString::fromStdString(strProgram), list);
}

bool CDesktopOpener::OpenWithDefaultHandler(const std::string& strPath)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(strPath)));
}
