#include "ExchangeTestUtil.h"
#include "FileIo.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

TEST(ExchangeCli, ExportAndImportText)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    const std::string key = CliAdd(d, {"--title", "Shopping", "--comments", "Weekly", "--keywords", "food",
                                       "--priority", "high", "--notes", "milk\r\nbread"});

    // The file an export writes, given its format, file name and options.
    const auto exported = [&](const std::string& strFormat, const std::string& strName,
                              std::vector<std::string> options = {}) {
        options.insert(options.begin(), {"export", d, key, "--format", strFormat, "--output", d + strName});
        EXPECT_EQ(Cli(options).code, 0) << strFormat;
        return ReadBytes(d + strName);
    };
    EXPECT_EQ(exported("text-notes", "/n.txt"), "Title\t:\tShopping\r\n\r\nNotes\t:\r\n\r\nmilk\r\nbread");
    EXPECT_EQ(exported("text-all", "/a.txt").substr(0, 40), "Title\t\t:\tShopping\r\n\r\nPriority\t:\tHigh\r\n\r\n");
    EXPECT_EQ(
        exported("html", "/p.html").rfind("<HTML><HEAD><meta charset=\"utf-8\"><title>Quillbox :: Shopping</title>", 0),
        0u);
    const std::string named = exported("pdf", "/named.pdf", {"--title", "Groceries", "--subtitle", "Saturday"});
    EXPECT_NE(named.find("100 500 Tm \rT* (Groceries) Tj"), std::string::npos);
    EXPECT_NE(named.find("300 468 Tm \rT* (Saturday) Tj"), std::string::npos);
    EXPECT_NE(exported("pdf", "/default.pdf").find("100 500 Tm \rT* (Shopping) Tj"), std::string::npos)
        << "the title defaults to the note's";

    WriteBytes(d + "/plain", "x");
    EXPECT_EQ(Cli({"export", d, key, "--format", "pdf", "--output", d + "/plain/x.pdf"}).code, 1);
    EXPECT_EQ(Cli({"export", d, "nokey", "--format", "pdf", "--output", d + "/x.pdf"}).code, 1);
    EXPECT_EQ(Cli({"export", d, key, "--format", "doc", "--output", d + "/x.doc"}).code, 2);
    EXPECT_EQ(Cli({"export", d, key, "--format", "pdf"}).code, 2);
    EXPECT_EQ(Cli({"export", d, key, "--format", "html", "--output", d + "/x.html", "--title", "T"}).code, 2);

    // A successful import is for the race and conflict tests to check.
    EXPECT_EQ(Cli({"import-text", d, key, d + "/missing.txt"}).code, 1);
    EXPECT_EQ(Cli({"import-text", d, key}).code, 2);

    SKIP_WITHOUT_PDF_TOOLS();
    for (const char* name : {"/default.pdf", "/named.pdf"})
        ExpectQpdfFindsNoFault(d + name);
    EXPECT_NE(PdfText(d + "/named.pdf").find("Saturday"), std::string::npos);
}

namespace
{
// A folder with one note, exported as notes-only text by the tests below.
class ExportOutput : public ::testing::Test
{
protected:
    void SetUp() override { m_key = CliAdd(Dir(), {"--title", "Shopping", "--notes", "milk"}); }
    std::string Dir() const { return m_dir.path().toStdString(); }
    SRawRun Export(const std::string& strOutput)
    {
        return Cli({"export", Dir(), m_key, "--format", "text-notes", "--output", strOutput}, 10);
    }

    QTemporaryDir m_dir;
    std::string m_key;
    const std::string m_text = "Title\t:\tShopping\r\n\r\nNotes\t:\r\n\r\nmilk";
};
} // namespace

TEST_F(ExportOutput, FilesBesideTheTargetAreTheUsers)
{
    const std::string target = Dir() + "/report.txt";
    WriteBytes(target, "old");
    // A file of the user's beside it, named as our temporary files once were.
    WriteBytes(target + ".Ab3xYz", "the user's");
    AgeFile(target + ".Ab3xYz", nStaleTempSeconds + 5);
    const std::string ours = target + pszTempMark + "Ab3xYz";
    WriteBytes(ours, "left by a crash");
    AgeFile(ours, nStaleTempSeconds + 5);
    ASSERT_EQ(Export(target).code, 0);
    EXPECT_EQ(ReadBytes(target), m_text);
    EXPECT_EQ(ReadBytes(target + ".Ab3xYz"), "the user's");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(ours)));
}

TEST_F(ExportOutput, LinksPipesAndFoldersAreNotReplaced)
{
    // A link stays a link; what it points to gets the export, even when it
    // does not exist yet.
    ASSERT_TRUE(QDir().mkpath(m_dir.path() + "/real"));
    WriteBytes(Dir() + "/real/target.txt", "old");
    ASSERT_EQ(::symlink("real/target.txt", (Dir() + "/link.txt").c_str()), 0);
    ASSERT_EQ(::symlink("real/new.txt", (Dir() + "/dangling.txt").c_str()), 0);
    for (const char* pszLink : {"/link.txt", "/dangling.txt"}) {
        ASSERT_EQ(Export(Dir() + pszLink).code, 0) << pszLink;
        EXPECT_TRUE(std::filesystem::is_symlink(Dir() + pszLink)) << pszLink;
        EXPECT_EQ(ReadBytes(Dir() + pszLink), m_text) << pszLink;
    }
    EXPECT_EQ(SortedEntries(Dir() + "/real"), (std::vector<std::string>{"new.txt", "target.txt"}));

    const SRawRun folder = Export(Dir() + "/real");
    EXPECT_EQ(folder.code, 1);
    EXPECT_NE(folder.err.find("is a folder"), std::string::npos) << folder.err;

    // A pipe with a reader gets the bytes; one with none fails at once.
    const std::string fifo = Dir() + "/fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const SRawRun noReader = Export(fifo);
    EXPECT_EQ(noReader.code, 1);
    EXPECT_NE(noReader.err.find("no program is reading"), std::string::npos) << noReader.err;
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_EQ(Export(fifo).code, 0);
    char buf[256];
    const ssize_t n = ::read(reader, buf, sizeof buf);
    ::close(reader);
    EXPECT_EQ(std::string(buf, static_cast<size_t>(std::max<ssize_t>(n, 0))), m_text);
    EXPECT_TRUE(std::filesystem::is_fifo(std::filesystem::symlink_status(fifo)));

    // Standard output, as "-" or through a link like /dev/stdout (a private
    // one, so a fault never replaces the machine's), into a pipe.
    const std::string stdoutLink = Dir() + "/stdout";
    ASSERT_EQ(::symlink("/proc/self/fd/1", stdoutLink.c_str()), 0);
    for (const std::string& output : {std::string("-"), stdoutLink}) {
        const SRawRun piped = Cli({"export", Dir(), m_key, "--format", "text-notes", "--output", output});
        EXPECT_EQ(piped.code, 0) << output << piped.err;
        EXPECT_EQ(piped.out, m_text) << output;
    }
}

TEST_F(ExportOutput, DevicesAreWrittenIntoAndEveryWriteChecked)
{
    // Private nodes of the full and null devices, so a fault never replaces
    // the machine's own.
    const std::string full = Dir() + "/full";
    const std::string null = Dir() + "/null";
    if (::mknod(full.c_str(), S_IFCHR | 0600, makedev(1, 7)) != 0 ||
        ::mknod(null.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making device nodes needs root";
    const SRawRun toFull = Export(full);
    EXPECT_EQ(toFull.code, 1);
    EXPECT_NE(toFull.err.find("No space left on device"), std::string::npos) << toFull.err;
    EXPECT_TRUE(std::filesystem::is_character_file(std::filesystem::symlink_status(full)));
    EXPECT_EQ(Export(null).code, 0);
    EXPECT_TRUE(std::filesystem::is_character_file(std::filesystem::symlink_status(null)));
}
