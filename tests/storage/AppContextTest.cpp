#include "AppContext.h"
#include "NoteRecord.h"

#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(AppContext, PathsAndPreferences)
{
    QSettings("Orvantic", "Quillbox").clear();
    QTemporaryDir dir;
    CAppContext app(dir.path().toStdString());
    EXPECT_EQ(app.m_strSettingsFile, dir.path().toStdString() + "/FolderSettings.set");
    EXPECT_EQ(app.GetDefaultFolderPath(), dir.path().toStdString() + "/Sample Notes");

    // A directory that cannot be written falls back to the per-user data directory.
    CAppContext installed(dir.path().toStdString() + "/not-there");
    EXPECT_EQ(QString::fromStdString(installed.GetDataDir()),
              QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    // So does an installed program (<prefix>/bin beside <prefix>/share/quillbox)
    // whose directory is writable, as /usr/bin is for root.
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin") && QDir(prefix.path()).mkpath("share/quillbox"));
    CAppContext asRoot(prefix.filePath("bin").toStdString());
    EXPECT_EQ(asRoot.GetDataDir(), installed.GetDataDir());
    EXPECT_EQ(asRoot.m_strSettingsFile, installed.GetDataDir() + "/FolderSettings.set");

    EXPECT_EQ(app.LoadListViewSelection(), 0);
    app.LoadPriorityColours();
    EXPECT_EQ(app.m_clrHighPriority, 255u);
    EXPECT_EQ(app.m_clrMediumPriority, 0u);
    EXPECT_EQ(app.m_clrLowPriority, 12632256u);
    app.m_nListViewSelection = 2;
    app.m_clrHighPriority = 0x00112233;
    app.SaveListViewSelection();
    EXPECT_EQ(app.SavePriorityColours(), "");
    CAppContext again(dir.path().toStdString());
    EXPECT_EQ(again.LoadListViewSelection(), 2);
    again.LoadPriorityColours();
    EXPECT_EQ(again.m_clrHighPriority, 0x00112233u);

    QSettings raw("Orvantic", "Quillbox");
    // A value that is not a number reads as its default, like a missing one.
    raw.setValue("Task Priority Settings/LowPriorityColour", "grey");
    raw.setValue("Quillbox/ListViewSelection", "tiles");
    raw.sync();
    EXPECT_EQ(again.LoadListViewSelection(), 0);
    again.LoadPriorityColours();
    EXPECT_EQ(again.m_clrLowPriority, 12632256u);
    raw.clear();
}

// Times never show seconds, whatever the locale; the tests run under
// LC_ALL=C.UTF-8, a plain machine's default.
TEST(AppContext, DatesAndTimes)
{
    const CDateTime dt = CDateTime::FromFields(2005, 9, 17, 11, 34, 44);
    for (const QLocale& locale : {QLocale::c(), QLocale(QStringLiteral("C.UTF-8")), QLocale(QLocale::German)})
        EXPECT_EQ(CAppContext::FormatTime(dt, locale), "11:34") << locale.name().toStdString();
    EXPECT_EQ(CAppContext::FormatTime(dt, QLocale(QLocale::English, QLocale::UnitedStates)).substr(0, 5), "11:34");
    EXPECT_EQ(CAppContext::FormatTime(dt), "11:34");
    EXPECT_EQ(CAppContext::FormatTime(CDateTime(0, CDateTime::invalid)), "");
    EXPECT_EQ(CAppContext::FormatDate(CDateTime(0, CDateTime::invalid)), "");
}
