#include "AppContext.h"
#include "ExchangeTestUtil.h"
#include "HtmlExport.h"
#include "NoteStore.h"
#include "TextExchange.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(TextExport, BothLayouts)
{
    CNoteRecord note = ShoppingNote();
    EXPECT_EQ(BuildNoteTextAll(note), "Title\t\t:\tShopping\r\n\r\n"
                                      "Priority\t:\tHigh\r\n\r\n"
                                      "Comments\t:\tWeekly\r\n\r\n"
                                      "Keyword(s)\t:\tfood\r\n\r\n"
                                      "Notes\t:\r\n\r\nmilk\r\nbread");
    EXPECT_EQ(BuildNoteTextNotesOnly(note), "Title\t:\tShopping\r\n\r\nNotes\t:\r\n\r\nmilk\r\nbread");

    note.m_bHasDate = 1;
    note.m_dtDate = CDateTime::FromFields(2026, 12, 24);
    note.m_nPriority = 5;
    note.m_strNotes.clear();
    const std::string dated = BuildNoteTextAll(note);
    EXPECT_EQ(dated.substr(0, dated.find("Comments")), "Title\t\t:\tShopping\r\n\r\nDate\t\t:\t" +
                                                           CAppContext::FormatDate(note.m_dtDate) +
                                                           "\r\n\r\nPriority\t:\t\r\n\r\n");
    EXPECT_TRUE(dated.ends_with("food\r\n\r\nNotes\t:\r\n\r\n"));

    QTemporaryDir dir;
    const std::string path = dir.filePath("note.txt").toStdString();
    WriteBytes(path, "an older, longer file that must be replaced whole");
    ASSERT_TRUE(WriteExportFile(path, BuildNoteTextNotesOnly(ShoppingNote())));
    EXPECT_EQ(ReadBytes(path), "Title\t:\tShopping\r\n\r\nNotes\t:\r\n\r\nmilk\r\nbread");
}

TEST(HtmlExport, WholePageEscapedWithCharset)
{
    CNoteRecord note = ShoppingNote();
    note.m_strTitle = "Tom & \"Jerry\" <b>";
    note.m_strComments = "<script>alert(1)</script>";
    note.m_strKeywords = "caf\xC3\xA9";
    note.m_strNotes = "a\r\n\r\nb\rc\nd > e";
    const std::string before = note.m_strNotes;
    const std::string title = "Tom &amp; &quot;Jerry&quot; &lt;b&gt;";
    const std::string expected =
        "<HTML><HEAD><meta charset=\"utf-8\"><title>Quillbox :: " + title +
        "</title></HEAD><BODY><table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" style=\"border-collapse: "
        "collapse\" bordercolor=\"#111111\" width=\"100%\" id=\"AutoNumber1\"><tr><td width=\"100%\" colspan=\"3\" "
        "bgcolor=\"#C0C0C0\"><p align=\"center\"><b><font face=\"Verdana\" size=\"2\" color=\"#000080\">" +
        title +
        "</font></b></td></tr><tr><td width=\"100%\" colspan=\"3\"><p align=\"right\"><i><font face=\"Verdana\" "
        "size=\"2\"><BR></font></i></td></tr><tr><td width=\"18%\" align=\"right\"><b><font face=\"Verdana\" "
        "size=\"2\">Priority</font></b></td><td width=\"2%\">&nbsp;</td><td width=\"80%\"><font face=\"Verdana\" "
        "size=\"2\">High</font></td></tr><tr><td width=\"18%\" align=\"right\"><b><font face=\"Verdana\" "
        "size=\"2\">Comments</font></b></td><td width=\"2%\">&nbsp;</td><td width=\"80%\"><font face=\"Verdana\" "
        "size=\"2\">&lt;script&gt;alert(1)&lt;/script&gt;</font></td></tr><tr><td width=\"18%\" "
        "align=\"right\"><b><font face=\"Verdana\" size=\"2\">Keyword(s)</font></b></td><td "
        "width=\"2%\">&nbsp;</td><td width=\"80%\"><font face=\"Verdana\" size=\"2\">caf\xC3\xA9</font></td></tr>"
        "</table><table border=\"0\" cellpadding=\"0\" cellspacing=\"0\" style=\"border-collapse: collapse\" "
        "bordercolor=\"#111111\" width=\"100%\" id=\"AutoNumber2\" height=\"53\"><tr><td width=\"100%\" "
        "height=\"19\" bgcolor=\"#77C9FF\"><p align=\"center\"><b><font face=\"Verdana\" "
        "size=\"2\">Notes</font></b></td></tr><tr><td width=\"100%\" height=\"33\" bgcolor=\"#FFFF99\" "
        "valign=\"top\"><font face=\"Verdana\" size=\"2\">a<BR><BR>b\rc\nd &gt; e</font></td></tr></table></BODY>"
        "</HTML>";
    EXPECT_EQ(BuildNoteHtml(note), expected);
    EXPECT_EQ(note.m_strNotes, before);

    note.m_bHasDate = 1;
    note.m_dtDate = CDateTime::FromFields(2026, 12, 24);
    note.m_nPriority = -1;
    const std::string dated = BuildNoteHtml(note);
    EXPECT_NE(dated.find("size=\"2\">" + CAppContext::FormatDate(note.m_dtDate) + "</font></i>"), std::string::npos);
    EXPECT_NE(dated.find("<td width=\"80%\"><font face=\"Verdana\" size=\"2\"></font></td></tr><tr><td width=\"18%\" "
                         "align=\"right\"><b><font face=\"Verdana\" size=\"2\">Comments"),
              std::string::npos)
        << "an unknown priority leaves its cell empty";
}

TEST(TextImport, AppendsUpToTheFirstZeroByte)
{
    SLoadedStore loaded;
    const QTemporaryDir& dir = loaded.dir;
    const std::string& folder = loaded.folder;
    CNoteStore& store = loaded.store;
    CNoteRecord note = ShoppingNote();
    note.m_strNotes.clear();
    store.UpdateNote(note);
    const std::string noteFile = CAppContext::GetNoteFilePath(store.GetLoadedFolder(), note);
    const std::string savedBefore = ReadBytes(noteFile);

    const std::string empty = dir.filePath("empty.txt").toStdString();
    const std::string zeroFirst = dir.filePath("zero-first.txt").toStdString();
    const std::string withZero = dir.filePath("with-zero.txt").toStdString();
    WriteBytes(empty, "");
    WriteBytes(zeroFirst, std::string("\0abc", 4));
    WriteBytes(withZero, std::string("eggs\r\n\0ham", 10));

    std::string error;
    EXPECT_EQ(ImportTextIntoNote(store, store.GetNote(note.m_strKey), empty, error), EImportResult::empty);
    EXPECT_EQ(ImportTextIntoNote(store, store.GetNote(note.m_strKey), zeroFirst, error), EImportResult::empty);
    EXPECT_EQ(ImportTextIntoNote(store, store.GetNote(note.m_strKey), dir.filePath("missing.txt").toStdString(), error),
              EImportResult::unreadable);
    EXPECT_NE(error.find("missing.txt"), std::string::npos) << error;
    EXPECT_EQ(ReadBytes(noteFile), savedBefore) << "nothing imported, nothing saved";

    EXPECT_EQ(ImportTextIntoNote(store, store.GetNote(note.m_strKey), withZero, error), EImportResult::imported);
    EXPECT_EQ(ImportTextIntoNote(store, store.GetNote(note.m_strKey), withZero, error), EImportResult::imported);
    const std::string twice = "\r\neggs\r\n\r\neggs\r\n";
    EXPECT_EQ(store.GetNote(note.m_strKey).m_strNotes, twice);

    const CNoteRecord saved = SLoadedStore(folder).store.GetNote(note.m_strKey);
    EXPECT_EQ(saved.m_strNotes, twice);
    EXPECT_EQ(saved.m_strTitle, "Shopping") << "only the notes text changes";
    EXPECT_EQ(saved.m_nPriority, 2);

    // A folder that has gone away: the import is read but cannot be saved.
    store.LoadFolder(folder + "/gone");
    EXPECT_EQ(ImportTextIntoNote(store, store.GetNote(note.m_strKey), withZero, error), EImportResult::saveFailed);
    EXPECT_NE(error.find("gone"), std::string::npos) << error;
}

TEST(HtmlExport, OnlyValidUtf8WithoutControlCharacters)
{
    EXPECT_EQ(EscapeHtml("a\xFF"
                         "b\x01"
                         "c\td\r\ne\x7F"
                         "f\x1B"),
              "a\xEF\xBF\xBD"
              "bc\td\r\nef");
    // Broken and overlong sequences, a lone continuation byte, a C1 control;
    // valid text of every length is kept as it is.
    EXPECT_EQ(EscapeHtml("\xC3"
                         "x\xC0\xAF\x80\xC2\x85"
                         "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"),
              "\xEF\xBF\xBDx\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
              "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");

    CNoteRecord note = ShoppingNote();
    note.m_strTitle = "T\xFF\x02";
    note.m_strNotes = "x\x00y\xE9"s;
    const std::string page = BuildNoteHtml(note);
    const QByteArray bytes(page.data(), static_cast<qsizetype>(page.size()));
    EXPECT_EQ(QString::fromUtf8(bytes).toUtf8(), bytes) << "valid UTF-8 throughout";
    EXPECT_EQ(page.find_first_of(std::string("\x00\x01\x02\x7F", 4)), std::string::npos);
    EXPECT_NE(page.find("Quillbox :: T\xEF\xBF\xBD</title>"), std::string::npos);
}
