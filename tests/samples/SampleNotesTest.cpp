#include "TestUtil.h"

#include <QDir>

#include <gtest/gtest.h>

namespace
{
SRawRun MakeSamples(const QString& dir)
{
    return RunProgram({QUILLBOX_SAMPLE_NOTES_PATH, dir.toStdString()});
}

std::vector<CNoteRecord> LoadAll(const QString& dir, std::vector<std::string>& skipped)
{
    SLoadedStore loaded(dir.toStdString());
    skipped = loaded.store.LoadFolder(loaded.folder);
    std::vector<CNoteRecord> notes;
    loaded.store.ForEach([&](const CNoteRecord& n) { notes.push_back(n); });
    return notes;
}

bool HasBareLineFeed(const std::string& s)
{
    for (size_t i = 0; i < s.size(); ++i)
        if (s[i] == '\n' && (i == 0 || s[i - 1] != '\r'))
            return true;
    return false;
}
} // namespace

TEST(SampleNotes, WritesAReadableFolderOnce)
{
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("Sample Notes"));
    const SRawRun first = MakeSamples(dir);
    ASSERT_EQ(first.code, 0) << first.err;

    std::vector<std::string> skipped;
    const std::vector<CNoteRecord> notes = LoadAll(dir, skipped);
    EXPECT_TRUE(skipped.empty());
    ASSERT_GE(notes.size(), 6u);
    ASSERT_LE(notes.size(), 8u);
    // Nothing but the notes: no temporary files left behind by the writes.
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(),
              static_cast<qsizetype>(notes.size()));

    for (const CNoteRecord& n : notes)
        EXPECT_FALSE(HasBareLineFeed(n.m_strNotes)) << n.m_strTitle;

    // A rebuild runs the program again over the same folder.
    const SRawRun second = MakeSamples(dir);
    ASSERT_EQ(second.code, 0) << second.err;
    EXPECT_EQ(LoadAll(dir, skipped).size(), notes.size());
    EXPECT_TRUE(skipped.empty());
}

TEST(SampleNotes, FailsWhereItCannotWrite)
{
    QTemporaryDir tmp;
    const QString orphan = tmp.filePath(QStringLiteral("missing/Sample Notes"));
    EXPECT_NE(MakeSamples(orphan).code, 0);
    EXPECT_FALSE(QDir(tmp.filePath(QStringLiteral("missing"))).exists());

    const QString file = tmp.filePath(QStringLiteral("plain file"));
    WriteBytes(file.toStdString(), "");
    const SRawRun onFile = MakeSamples(file);
    EXPECT_NE(onFile.code, 0);
    EXPECT_FALSE(onFile.err.empty());

    // Permissions do not stop root, so this part only counts for other users.
    const QString locked = tmp.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile probe(locked + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly)) {
        const SRawRun onLocked = MakeSamples(locked);
        EXPECT_NE(onLocked.code, 0);
        EXPECT_FALSE(onLocked.err.empty());
    }
    probe.close();
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
