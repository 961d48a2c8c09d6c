#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName("Orvantic");
    QCoreApplication::setApplicationName("Quillbox");
    // Keeps every test away from the real user's settings.
    QStandardPaths::setTestModeEnabled(true);
    // And quillbox-cli, which tests run, from the user's cache, where it
    // keeps its folder indexes.
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
