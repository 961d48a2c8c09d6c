#pragma once

#include "DocumentOpener.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>
#include <vector>

// Keeps what the servers ask the desktop to open, and opens nothing.
class CRecordingOpener : public IDocumentOpener
{
public:
    struct SStart
    {
        std::string strProgram;
        std::vector<std::string> args;
    };
    std::vector<SStart> starts;
    std::vector<std::string> opened;
    bool bSucceed = true;

    bool StartProgram(const std::string& strProgram, const std::vector<std::string>& args) override
    {
        starts.push_back({strProgram, args});
        return bSucceed;
    }
    bool OpenWithDefaultHandler(const std::string& strPath) override
    {
        opened.push_back(strPath);
        return bSucceed;
    }
};

struct SRun
{
    int code = -1;
    std::string out;
    std::string err;
};

inline SRun Run(const QString& program, const QStringList& args, const QStringList& env = {}, int msTimeout = 180000)
{
    QProcess p;
    if (!env.isEmpty())
    {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        for (const QString& kv : env)
            e.insert(kv.section(QLatin1Char('='), 0, 0), kv.section(QLatin1Char('='), 1));
        p.setProcessEnvironment(e);
    }
    p.start(program, args);
    if (!p.waitForFinished(msTimeout))
        p.kill();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

// Converts a file with LibreOffice, headless, with a profile of its own in
// profileDir; returns the path of the result, empty on failure.
inline std::string ConvertWithLibreOffice(const std::string& strFile, const QString& strFilter,
                                          const QString& strOutDir, const QString& strProfileDir)
{
    const QString strOffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    const SRun r = Run(strOffice,
                       {QStringLiteral("-env:UserInstallation=file://") + strProfileDir, QStringLiteral("--headless"),
                        QStringLiteral("--norestore"), QStringLiteral("--convert-to"), strFilter,
                        QStringLiteral("--outdir"), strOutDir, QString::fromStdString(strFile)},
                       {QStringLiteral("HOME=") + strProfileDir});
    const QString strBase = QFileInfo(QString::fromStdString(strFile)).completeBaseName();
    const QString strExt = strFilter.section(QLatin1Char(':'), 0, 0);
    const QString strOut = strOutDir + QLatin1Char('/') + strBase + QLatin1Char('.') + strExt;
    return r.code == 0 && QFileInfo::exists(strOut) ? strOut.toStdString() : std::string();
}
