#pragma once

// The application of the benchmarks that need a QApplication: offscreen
// unless a platform is named, and the run's settings kept apart from the
// user's. RunQtBenchmarks is the main of those with nothing else to do.
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>

// Names the platform before the application is made.
struct SBenchPlatform
{
    SBenchPlatform()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};

class CQtBenchApp : SBenchPlatform
{
public:
    CQtBenchApp(int& argc, char** argv) : m_app(argc, argv)
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Orvantic"));
        QCoreApplication::setApplicationName(QStringLiteral("Quillbox"));
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    }

private:
    QApplication m_app;
    QTemporaryDir m_settingsDir;
};

inline void RunBenchmarks(int& argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}

inline int RunQtBenchmarks(int argc, char** argv, const std::function<void()>& prepare = {})
{
    const CQtBenchApp app(argc, argv);
    if (prepare)
        prepare();
    RunBenchmarks(argc, argv);
    return 0;
}
