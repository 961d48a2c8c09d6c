#include "AppContext.h"
#include "AutomationRegistry.h"
#include "ErrorReporter.h"
#include "NoteStore.h"
#include "OfficeExports.h"
#include "OutlookConnection.h"
#include "FakeOfficeServers.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace
{
using SItem = SMailItem;

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
    EXPECT_EQ(apply.m_nPriority, 0);
    const CNoteRecord& call = std::next(imported.begin())->second;
    EXPECT_EQ(call.m_bHasDate, 1);
    EXPECT_EQ(call.m_dtDate, CDateTime(38700.25));
    EXPECT_EQ(call.m_nPriority, 1);
    EXPECT_EQ(call.m_strNotes, "c");

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
