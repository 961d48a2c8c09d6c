#pragma once

#include "AutomationReport.h"
#include "DocumentOpener.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

// Keeps every box the commands would show.
class CCapturingReporter : public IAutomationReporter
{
public:
    struct SBox
    {
        std::string strText;
        std::string strCaption;
        bool bStopIcon;
    };
    std::vector<SBox> boxes;

    void ReportAutomationFailure(const std::string& strText, const std::string& strCaption, bool bStopIcon) override
    {
        boxes.push_back({strText, strCaption, bStopIcon});
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
    if (!env.isEmpty()) {
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

// Files converted by LibreOffice, headless, with a profile of its own so
// that several conversions run side by side. Starts at once; Read waits.
class CConversion
{
public:
    CConversion(const std::vector<std::string>& files, const QString& strFilter) : m_strFilter(strFilter)
    {
        QStringList args = {QStringLiteral("-env:UserInstallation=file://") + m_profile.path(),
                            QStringLiteral("--headless"),
                            QStringLiteral("--norestore"),
                            QStringLiteral("--convert-to"),
                            strFilter,
                            QStringLiteral("--outdir"),
                            m_out.path()};
        for (const std::string& f : files)
            args << QString::fromStdString(f);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_profile.path());
        m_process.setProcessEnvironment(env);
        m_process.start(QStandardPaths::findExecutable(QStringLiteral("soffice")), args);
    }
    ~CConversion()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    // The converted form of strFile; empty when LibreOffice made none.
    std::string Read(const std::string& strFile)
    {
        if (m_process.state() != QProcess::NotRunning && !m_process.waitForFinished(240000))
            m_process.kill();
        const QString strBase = QFileInfo(QString::fromStdString(strFile)).completeBaseName();
        QFile f(m_out.path() + QLatin1Char('/') + strBase + QLatin1Char('.') +
                m_strFilter.section(QLatin1Char(':'), 0, 0));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }

private:
    QString m_strFilter;
    QTemporaryDir m_profile;
    QTemporaryDir m_out;
    QProcess m_process;
};
