#include "AppContext.h"
#include "AutomationRegistry.h"
#include "ErrorReporter.h"
#include "ExcelExport.h"
#include "NoteStore.h"
#include "OfficeExports.h"
#include "OutlookConnection.h"
#include "FakeOfficeServers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace
{
using Log = std::vector<std::string>;

// Shopping, dated 17 September 2005 11:34:44, priority High, comments Weekly,
// keywords food, notes milk and bread on two lines.
CNoteRecord DatedNote()
{
    CNoteRecord n;
    n.m_strKey = "2005091711344410";
    n.m_strTitle = "Shopping";
    n.m_bHasDate = 1;
    n.m_dtDate = CDateTime::FromFields(2005, 9, 17, 11, 34, 44);
    n.m_nPriority = 2;
    n.m_strComments = "Weekly";
    n.m_strKeywords = "food";
    n.m_strNotes = "milk\r\nbread";
    return n;
}

std::string Typed(const std::string& s)
{
    return "Selection.TypeText(text:\"" + s + "\")";
}

struct SWord
{
    std::shared_ptr<CRecorder> rec = std::make_shared<CRecorder>();
    CAutomationRegistry registry;
    CCapturingReporter reporter;
    double dSize = 12;

    SWord()
    {
        rec->Respond = WordResponder(dSize);
        registry.Register("word.application", [this] { return SServerCreation{rec->Make("Application"), 0, {}}; });
    }
};

// What was typed, one entry per TypeText call.
Log TypedTexts(const Log& log)
{
    Log out;
    const std::string strPrefix = "Selection.TypeText(text:\"";
    for (const std::string& s : log)
        if (s.rfind(strPrefix, 0) == 0)
            out.push_back(s.substr(strPrefix.size(), s.size() - strPrefix.size() - 2));
    return out;
}
} // namespace

TEST(WordExportTest, TypesTheNoteAndGivesTheFontSizeBack)
{
    const CNoteRecord note = DatedNote();
    const std::string strDate = CAppContext::FormatDate(note.m_dtDate);
    ASSERT_FALSE(strDate.empty());
    const std::string strDetails = "Priority\t:\tHigh\r\n\r\nComments\t:\tWeekly\r\n\r\nKeyword(s)\t:\tfood\r\n\r\n";
    {
        SWord word;
        EXPECT_EQ(ExportWordAll(&note, word.registry, word.reporter), "");
        EXPECT_EQ(TypedTexts(word.rec->log), (Log{"Shopping\r\n\r\n", strDate + "\r\n\r\n", strDetails,
                                                  "Notes: \r\n\r\n", "milk\r\nbread\r\n\r\n"}));
        EXPECT_TRUE(word.reporter.boxes.empty());
        // The 2 points added to the title and the 1 taken from the notes are given back.
        EXPECT_EQ(word.dSize, 12);
        EXPECT_EQ(word.rec->log.back(), "Application.Visible=bool:true");
    }
    {
        // No date: no date paragraph. A priority out of range: nothing after
        // the tab. Empty notes: the heading and blank lines are still typed.
        CNoteRecord bare = note;
        bare.m_bHasDate = 0;
        bare.m_nPriority = 7;
        bare.m_strNotes.clear();
        SWord word;
        ExportWordAll(&bare, word.registry, word.reporter);
        EXPECT_EQ(
            TypedTexts(word.rec->log),
            (Log{"Shopping\r\n\r\n", "Priority\t:\t\r\n\r\nComments\t:\tWeekly\r\n\r\nKeyword(s)\t:\tfood\r\n\r\n",
                 "Notes: \r\n\r\n", "\r\n\r\n"}));
    }
    {
        SWord word;
        ExportWordNotes(&note, word.registry, word.reporter);
        EXPECT_EQ(TypedTexts(word.rec->log), (Log{"Shopping\r\n\r\n", "Notes: \r\n\r\n", "milk\r\nbread\r\n\r\n"}));
        EXPECT_EQ(word.dSize, 12);
    }
    {
        // No note at the selection mark: nothing at all.
        SWord word;
        ExportWordAll(nullptr, word.registry, word.reporter);
        EXPECT_TRUE(word.rec->log.empty());
    }
}

TEST(WordExportTest, FailuresAreReportedInTheirOwnForms)
{
    const CNoteRecord note = DatedNote();
    {
        // No server: nothing shown, and the status bar learns why.
        CAutomationRegistry registry;
        registry.Register("word.application", [] { return SServerCreation{nullptr, 0x80040154u, "needs Writer"}; });
        CCapturingReporter reporter;
        EXPECT_EQ(ExportWordAll(&note, registry, reporter), "needs Writer");
        EXPECT_TRUE(reporter.boxes.empty());
    }
    {
        // A server exception while setting up uses Word's own misspelt form,
        // and the command still goes on to show the server.
        SWord word;
        word.rec->strFailPrefix = "Documents.Add";
        word.rec->pFailure = std::make_unique<CAutomationException>(CAutomationException::Server(0x1234, "No room"));
        ExportWordNotes(&note, word.registry, word.reporter);
        ASSERT_EQ(word.reporter.boxes.size(), 1u);
        EXPECT_EQ(word.reporter.boxes[0].strText, "COleDispathException. SCODE: 00001234, Description: \"No room\".");
        EXPECT_EQ(word.reporter.boxes[0].strCaption, "COleDispathException");
        EXPECT_FALSE(word.reporter.boxes[0].bStopIcon);
        EXPECT_EQ(word.rec->log.back(), "Application.Visible=bool:true");
    }
    {
        // Taking the selection: the correctly spelt form; nothing is typed.
        SWord word;
        word.rec->strFailPrefix = "Application.Selection";
        word.rec->pFailure = std::make_unique<CAutomationException>(CAutomationException::Server(7, "Busy"));
        ExportWordAll(&note, word.registry, word.reporter);
        ASSERT_EQ(word.reporter.boxes.size(), 1u);
        EXPECT_EQ(word.reporter.boxes[0].strText, "COleDispatchException. SCODE: 00000007, Description: \"Busy\".");
        EXPECT_EQ(word.reporter.boxes[0].strCaption, "COleDispatchException");
        EXPECT_TRUE(TypedTexts(word.rec->log).empty());
    }
    {
        // While typing: not reported, typing stops, the server is still shown.
        SWord word;
        word.rec->strFailPrefix = "Selection.TypeText(text:\"Notes: ";
        word.rec->pFailure = std::make_unique<CAutomationException>(CAutomationException::Server(1, "Full"));
        ExportWordAll(&note, word.registry, word.reporter);
        EXPECT_TRUE(word.reporter.boxes.empty());
        const Log& log = word.rec->log;
        EXPECT_EQ(log[log.size() - 2], Typed("Notes: \r\n\r\n"));
        EXPECT_EQ(log.back(), "Application.Visible=bool:true");
    }
    {
        // Any other failure: message 61450 and the support line, stop icon.
        SWord word;
        const auto respond = word.rec->Respond;
        word.rec->Respond = [respond](CRecorder& r, const CRecorder::SCall& c) -> CAutoVariant {
            if (c.strMember == "Documents")
                throw std::runtime_error("out of memory");
            return respond(r, c);
        };
        ExportWordAll(&note, word.registry, word.reporter);
        ASSERT_EQ(word.reporter.boxes.size(), 1u);
        EXPECT_EQ(word.reporter.boxes[0].strText,
                  "There was a problem exporting the document to MS Word\nFor support, write to "
                  "support@orvantic.example.");
        EXPECT_TRUE(word.reporter.boxes[0].bStopIcon);
        EXPECT_EQ(word.reporter.boxes[0].strCaption, "Quillbox");
    }
}

namespace
{
struct SExcel
{
    std::shared_ptr<CRecorder> rec = std::make_shared<CRecorder>();
    CAutomationRegistry registry;
    CCapturingReporter reporter;

    SExcel()
    {
        rec->Respond = ExcelResponder();
        registry.Register("Excel.application", [this] { return SServerCreation{rec->Make("Application"), 0, {}}; });
    }
};

// The cells written, by name, with the formats set on each.
std::map<std::string, std::string> CellValues(const Log& log)
{
    std::map<std::string, std::string> cells;
    for (const std::string& s : log) {
        const size_t nValue = s.find(").0x6=text:\"");
        if (s.rfind("Range(", 0) == 0 && nValue != std::string::npos)
            cells[s.substr(6, nValue - 6)] = s.substr(nValue + 12, s.size() - nValue - 13);
    }
    return cells;
}
} // namespace

TEST(ExcelExportTest, WritesTheNoteIntoItsCells)
{
    const CNoteRecord note = DatedNote();
    const std::string strDate = CAppContext::FormatDate(note.m_dtDate);
    {
        SExcel excel;
        EXPECT_EQ(ExportExcelAll(&note, excel.registry, excel.reporter), "");
        using Cells = std::map<std::string, std::string>;
        EXPECT_EQ(CellValues(excel.rec->log), (Cells{{"C2", "Shopping"},
                                                     {"E4", strDate},
                                                     {"A6", "Priority"},
                                                     {"B6", "High"},
                                                     {"A8", "Comments"},
                                                     {"B8", "Weekly"},
                                                     {"A10", "Keyword(s)"},
                                                     {"B10", "food"},
                                                     {"A12", "Notes"},
                                                     {"B12", "View Notes"}}));
        // The note text is the comment, with line feeds only.
        const Log& log = excel.rec->log;
        EXPECT_NE(std::find(log.begin(), log.end(), "Range(B12).0x56D(text:\"milk\nbread\")"), log.end());
        EXPECT_EQ(log.back(), "Application.Visible=bool:true");
        EXPECT_TRUE(excel.reporter.boxes.empty());
    }
    {
        // No date: E4 untouched. Priority out of range: an empty B6. Empty
        // notes: A12 still reads Notes, B12 gets nothing.
        CNoteRecord bare = note;
        bare.m_bHasDate = 0;
        bare.m_nPriority = -1;
        bare.m_strNotes.clear();
        SExcel excel;
        ExportExcelAll(&bare, excel.registry, excel.reporter);
        const auto cells = CellValues(excel.rec->log);
        EXPECT_EQ(cells.count("E4") + cells.count("B12"), 0u);
        EXPECT_EQ(cells.at("B6"), "");
        EXPECT_EQ(cells.at("A12"), "Notes");
    }
    {
        // Notes only: C2 and the notes in C4; with empty notes C2 alone.
        SExcel excel;
        ExportExcelNotes(&note, excel.registry, excel.reporter);
        EXPECT_EQ(CellValues(excel.rec->log).at("C4"), "milk\nbread");
        CNoteRecord empty = note;
        empty.m_strNotes.clear();
        SExcel excel2;
        ExportExcelNotes(&empty, excel2.registry, excel2.reporter);
        EXPECT_EQ(CellValues(excel2.rec->log), (std::map<std::string, std::string>{{"C2", "Notes"}}));
    }
    EXPECT_EQ(ToLineFeeds("a\r\nb\rc\n\r\n"), "a\nb\rc\n\n");
}

TEST(ExcelExportTest, FailuresStopWhereTheyHappen)
{
    const CNoteRecord note = DatedNote();
    {
        // In All Details: reported (correctly spelt), writing stops, shown.
        SExcel excel;
        excel.rec->strFailPrefix = "Range(B8).0x6";
        excel.rec->pFailure = std::make_unique<CAutomationException>(CAutomationException::Server(1004, "Locked"));
        ExportExcelAll(&note, excel.registry, excel.reporter);
        ASSERT_EQ(excel.reporter.boxes.size(), 1u);
        EXPECT_EQ(excel.reporter.boxes[0].strText, "COleDispatchException. SCODE: 000003ec, Description: \"Locked\".");
        const Log& log = excel.rec->log;
        EXPECT_EQ(log[log.size() - 2], "Range(B8).0x6=text:\"Weekly\"");
        EXPECT_EQ(log.back(), "Application.Visible=bool:true");
    }
    {
        // Any other failure: message 61452.
        SExcel excel;
        excel.rec->Respond = [](CRecorder&, const CRecorder::SCall&) -> CAutoVariant {
            throw std::runtime_error("broken");
        };
        ExportExcelAll(&note, excel.registry, excel.reporter);
        // Setting up, taking the sheet and showing each fail and say so.
        ASSERT_EQ(excel.reporter.boxes.size(), 3u);
        for (const auto& box : excel.reporter.boxes) {
            EXPECT_EQ(box.strText, "There was a problem exporting the document to MS Excel\nFor support, write to "
                                   "support@orvantic.example.");
            EXPECT_TRUE(box.bStopIcon);
        }
    }
}

namespace
{
using SItem = SMailItem;

// A mail client whose default folders hold the given items, in that order.
struct SOutlook
{
    std::shared_ptr<CRecorder> rec = std::make_shared<CRecorder>();
    CAutomationRegistry registry;
    CCapturingReporter reporter;
    COutlookConnection outlook;
    std::vector<SItem> items;
    size_t nNext = 0;

    SOutlook()
    {
        rec->Respond = MailResponder(items, nNext);
        registry.Register("Outlook.Application", [this] { return SServerCreation{rec->Make("Application"), 0, {}}; });
    }
};

// The dialog without its window: the rows as listed, every row ticked.
template <class T>
std::vector<T> TickAll(CImportList<T>& list)
{
    for (size_t i = 0; i < list.GetCount(); ++i)
        list.SetChecked(i, true);
    return list.Chosen();
}
} // namespace

TEST(OutlookTest, ListsReadEveryItemAndSortRows)
{
    SOutlook o;
    o.outlook.Open(o.registry, o.reporter);
    o.items = {{"write", "b\r\n1", 38612.5, 2}, {"Apply", "", 949998.0, 0}, {"call", "c", 38700.0, 7}};
    CImportList<COutlookTaskEntry> tasks;
    EXPECT_EQ(o.outlook.ListTasks(tasks), 3);
    ASSERT_EQ(tasks.GetCount(), 3u);
    // Sorted by subject, whatever the case; 949998.0 is no date; importance
    // 0 and 2 map through, anything else is Medium.
    EXPECT_EQ(tasks.GetRow(0).strText, "Apply");
    EXPECT_EQ(tasks.GetRow(0).data, (COutlookTaskEntry{"Apply", "", 0, CDateTime(0.0), 0}));
    EXPECT_EQ(tasks.GetRow(1).data, (COutlookTaskEntry{"call", "c", 1, CDateTime(38700.0), 1}));
    EXPECT_EQ(tasks.GetRow(2).data, (COutlookTaskEntry{"write", "b\r\n1", 1, CDateTime(38612.5), 2}));

    // An empty folder: "next" is still asked for once.
    o.rec->log.clear();
    o.items.clear();
    CImportList<std::string> notes;
    EXPECT_EQ(o.outlook.ListNotes(notes), 0);
    EXPECT_EQ(o.rec->log.back(), "Items.0x57()");

    // Note rows: line breaks and tabs become blanks, the data keeps them.
    o.items = {{"", "two\r\nlines\tand\ra\nbreak", 0, 1}};
    o.outlook.ListNotes(notes);
    ASSERT_EQ(notes.GetCount(), 1u);
    EXPECT_EQ(notes.GetRow(0).strText, "two lines and a break");
    EXPECT_EQ(notes.GetRow(0).data, "two\r\nlines\tand\ra\nbreak");
}

TEST(OutlookTest, ImportNotesAppendsChosenTextsInRowOrder)
{
    QTemporaryDir dir;
    CAppContext app(dir.path().toStdString());
    CNoteStore store(app);
    SOutlook o;
    o.outlook.Open(o.registry, o.reporter);
    const std::string strFolder = dir.path().toStdString();
    store.LoadFolder(strFolder);
    const auto chooseAll = [](COutlookConnection& c) -> std::optional<std::vector<std::string>> {
        CImportList<std::string> list;
        c.ListNotes(list);
        return TickAll(list);
    };

    CNoteRecord target = DatedNote();
    target.m_strNotes = "x";
    o.items = {{"", "b", 0, 1}, {"", "a", 0, 1}};
    EXPECT_TRUE(ImportOutlookNotes(o.outlook, o.reporter, &target, strFolder, store, chooseAll));
    EXPECT_EQ(target.m_strNotes, "x\r\na\r\nb\r\n");
    CNoteRecord stored;
    ASSERT_EQ(CNoteStore::ReadNoteFile(CAppContext::GetNoteFilePath(store.GetLoadedFolder(), target), stored),
              CNoteStore::ReadResult::ok);
    EXPECT_EQ(stored.m_strNotes, "x\r\na\r\nb\r\n");

    // One empty note still changes the target: CR LF twice.
    target.m_strNotes = "x";
    o.items = {{"", "", 0, 1}};
    EXPECT_TRUE(ImportOutlookNotes(o.outlook, o.reporter, &target, strFolder, store, chooseAll));
    EXPECT_EQ(target.m_strNotes, "x\r\n\r\n");

    // Nothing ticked, Cancel, no folder, no note: nothing changes.
    target.m_strNotes = "x";
    const NotesChooser none = [](COutlookConnection&) {
        return std::optional<std::vector<std::string>>(std::vector<std::string>());
    };
    const NotesChooser cancel = [](COutlookConnection&) { return std::optional<std::vector<std::string>>(); };
    EXPECT_FALSE(ImportOutlookNotes(o.outlook, o.reporter, &target, strFolder, store, none));
    EXPECT_FALSE(ImportOutlookNotes(o.outlook, o.reporter, &target, strFolder, store, cancel));
    EXPECT_FALSE(ImportOutlookNotes(o.outlook, o.reporter, &target, "", store, chooseAll));
    EXPECT_FALSE(ImportOutlookNotes(o.outlook, o.reporter, nullptr, strFolder, store, chooseAll));
    EXPECT_EQ(target.m_strNotes, "x");
}

TEST(OutlookTest, ImportTasksMakesNewNotesWithoutOverwriting)
{
    QTemporaryDir dir;
    CAppContext app(dir.path().toStdString());
    CNoteStore store(app);
    SOutlook o;
    o.outlook.Open(o.registry, o.reporter);
    const std::string strFolder = dir.path().toStdString();
    store.LoadFolder(strFolder);
    int nCalls = 0;
    const TasksChooser chooseAll = [&](COutlookConnection& c) -> std::optional<std::vector<COutlookTaskEntry>> {
        ++nCalls;
        CImportList<COutlookTaskEntry> list;
        c.ListTasks(list);
        return TickAll(list);
    };

    // No folder selected: refused before the dialog opens.
    EXPECT_FALSE(ImportOutlookTasks(o.outlook, o.reporter, "", store, chooseAll));
    EXPECT_EQ(nCalls, 0);

    // Notes already holding the first counters of this second and the next
    // two must survive the import.
    const CDateTime now = CDateTime::GetCurrentTime();
    std::vector<std::string> taken;
    for (int s = 0; s < 3; ++s)
        for (int c = 0; c < 2; ++c) {
            CNoteRecord n;
            n.m_strKey = MakeNoteKey(CDateTime(now.m_dt + s / 86400.0), c);
            n.m_strTitle = "existing";
            store.WriteNoteFile(n);
            taken.push_back(n.m_strKey);
        }
    store.LoadFolder(strFolder);

    o.items = {{"write", "b\r\n1", 38612.5, 2}, {"Apply", "", 949998.0, 0}, {"call", "c", 38700.25, 7}};
    EXPECT_TRUE(ImportOutlookTasks(o.outlook, o.reporter, strFolder, store, chooseAll));
    EXPECT_EQ(store.GetCount(), 9);
    std::map<std::string, CNoteRecord> imported;
    store.ForEach([&](const CNoteRecord& n) {
        if (n.m_strTitle != "existing")
            imported[n.m_strKey] = n;
    });
    ASSERT_EQ(imported.size(), 3u);
    // Keys count up in the sorted order of the list, past the keys in use.
    std::vector<std::string> titles;
    for (const auto& [key, n] : imported) {
        titles.push_back(n.m_strTitle);
        EXPECT_EQ(std::find(taken.begin(), taken.end(), key), taken.end());
        EXPECT_EQ(key.size(), 16u);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Apply", "call", "write"}));
    for (const std::string& key : taken) {
        CNoteRecord n;
        ASSERT_EQ(CNoteStore::ReadNoteFile(strFolder + "/QB_" + key + ".qbt", n), CNoteStore::ReadResult::ok);
        EXPECT_EQ(n.m_strTitle, "existing");
    }
    const auto& [k0, apply] = *imported.begin();
    EXPECT_EQ(apply.m_bHasDate, 0); // 949998.0: no date, m_dtDate the import time
    const double dtApply = apply.m_dtDate.m_dt;
    EXPECT_GE(dtApply, now.m_dt + 0);
    EXPECT_EQ(apply.m_nPriority, 0);
    const CNoteRecord& call = std::next(imported.begin())->second;
    EXPECT_EQ(call.m_bHasDate, 1);
    EXPECT_EQ(call.m_dtDate, CDateTime(38700.25));
    EXPECT_EQ(call.m_nPriority, 1);
    EXPECT_EQ(call.m_strNotes, "c");
    EXPECT_TRUE(call.m_strComments.empty() && call.m_strKeywords.empty() && call.m_nIcon == 0);

    // Cancel stores nothing and asks for no refresh.
    const TasksChooser cancel = [](COutlookConnection&) { return std::optional<std::vector<COutlookTaskEntry>>(); };
    EXPECT_FALSE(ImportOutlookTasks(o.outlook, o.reporter, strFolder, store, cancel));
    EXPECT_EQ(store.GetCount(), 9);
}

TEST(OutlookTest, AnImportThatCannotWriteSaysSoAndCountsOnlyWhatWasWritten)
{
    struct SCounting : IErrorReporter
    {
        int nReports = 0;
        void ReportError(const std::string&) override { ++nReports; }
    } counting;
    QTemporaryDir dir;
    CAppContext app(dir.path().toStdString());
    CNoteStore store(app, &counting);
    SOutlook o;
    o.outlook.Open(o.registry, o.reporter);
    // A folder whose directory has gone since it was chosen.
    const std::string strFolder = dir.path().toStdString() + "/gone";
    store.LoadFolder(strFolder);
    o.items = {{"one", "1"}, {"two", "2"}, {"three", "3"}};

    const SImportResult tasks = ImportOutlookTasks(o.outlook, o.reporter, strFolder, store, [](COutlookConnection& c) {
        CImportList<COutlookTaskEntry> list;
        c.ListTasks(list);
        return std::optional(TickAll(list));
    });
    EXPECT_TRUE(tasks);
    EXPECT_EQ(tasks.nChosen, 3);
    EXPECT_EQ(tasks.nWritten, 0);
    EXPECT_NE(tasks.strError.find("gone"), std::string::npos);
    // The first failure ends the import: one report, not one per task.
    EXPECT_EQ(counting.nReports, 1);

    CNoteRecord target = DatedNote();
    const SImportResult notes =
        ImportOutlookNotes(o.outlook, o.reporter, &target, strFolder, store, [](COutlookConnection& c) {
            CImportList<std::string> list;
            c.ListNotes(list);
            return std::optional(TickAll(list));
        });
    EXPECT_TRUE(notes);
    EXPECT_EQ(notes.nWritten, 0);
    EXPECT_NE(notes.strError.find("gone"), std::string::npos);
    EXPECT_EQ(counting.nReports, 2);
    EXPECT_TRUE(o.reporter.boxes.empty());

    // Written: counted.
    store.LoadFolder(dir.path().toStdString());
    const SImportResult written =
        ImportOutlookNotes(o.outlook, o.reporter, &target, dir.path().toStdString(), store,
                           [](COutlookConnection&) { return std::optional(std::vector<std::string>{"x"}); });
    EXPECT_EQ(written.nWritten, 1);
    EXPECT_TRUE(written.strError.empty());
}

TEST(ImportListTest, KeepsRowsSortedAndEqualTextsInArrivalOrder)
{
    CImportList<int> list;
    for (const auto& [text, n] :
         std::vector<std::pair<std::string, int>>{{"b", 1}, {"A", 2}, {"b", 3}, {"a", 4}, {"", 5}})
        list.Append(text, n);
    std::vector<int> order;
    for (size_t i = 0; i < list.GetCount(); ++i)
        order.push_back(list.GetRow(i).data);
    EXPECT_EQ(order.front(), 5);
    EXPECT_EQ(order.back(), 3);
    EXPECT_EQ(order[3], 1);
    list.SetChecked(4, true);
    list.SetChecked(0, true);
    EXPECT_EQ(list.Chosen(), (std::vector<int>{5, 3}));
}
