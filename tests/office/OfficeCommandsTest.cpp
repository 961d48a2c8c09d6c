#include "OfficeExports.h"
#include "OfficeTestUtil.h"
#include "TestUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace
{
// The dialog without its window: the rows as listed, every row ticked.
template <class T>
std::optional<std::vector<T>> TickAll(CImportList<T>& list)
{
    for (size_t i = 0; i < list.GetCount(); ++i)
        list.SetChecked(i, true);
    return list.Chosen();
}

std::optional<std::vector<std::string>> ChooseAllNotes(COutlookConnection& c)
{
    CImportList<std::string> list;
    c.ListNotes(list);
    return TickAll(list);
}

std::optional<std::vector<COutlookTaskEntry>> ChooseAllTasks(COutlookConnection& c)
{
    CImportList<COutlookTaskEntry> list;
    c.ListTasks(list);
    return TickAll(list);
}

// Items in the mail client's folders, imported into a loaded folder.
class OutlookTest : public ::testing::Test, protected SLoadedStore
{
protected:
    SMail o;
};
} // namespace

TEST_F(OutlookTest, ImportNotesAppendsChosenTextsInRowOrder)
{
    const NotesChooser chooseAll = ChooseAllNotes;

    CNoteRecord target = MakeNote("2005091711344410", "Shopping");
    target.m_strNotes = "x";
    o.Add("VJOURNAL", "DESCRIPTION:b\r\n");
    o.Add("VJOURNAL", "DESCRIPTION:a\r\n");
    EXPECT_TRUE(ImportOutlookNotes(o.outlook, o.reporter, &target, folder, store, chooseAll));
    EXPECT_EQ(target.m_strNotes, "x\r\na\r\nb\r\n");
    EXPECT_EQ(NoteFileAt(PathOf(target.m_strKey)).m_strNotes, "x\r\na\r\nb\r\n");

    // Nothing ticked, Cancel, no folder, no note: nothing changes.
    target.m_strNotes = "x";
    const NotesChooser none = [](COutlookConnection&) {
        return std::optional<std::vector<std::string>>(std::vector<std::string>());
    };
    const NotesChooser cancel = [](COutlookConnection&) { return std::optional<std::vector<std::string>>(); };
    EXPECT_FALSE(ImportOutlookNotes(o.outlook, o.reporter, &target, folder, store, none));
    EXPECT_FALSE(ImportOutlookNotes(o.outlook, o.reporter, &target, folder, store, cancel));
    EXPECT_FALSE(ImportOutlookNotes(o.outlook, o.reporter, &target, "", store, chooseAll));
    EXPECT_FALSE(ImportOutlookNotes(o.outlook, o.reporter, nullptr, folder, store, chooseAll));
    EXPECT_EQ(target.m_strNotes, "x");
}

TEST_F(OutlookTest, ImportTasksMakesNewNotesWithoutOverwriting)
{
    int nCalls = 0;
    const TasksChooser chooseAll = [&](COutlookConnection& c) {
        ++nCalls;
        return ChooseAllTasks(c);
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
            taken.push_back(MakeNoteKey(CDateTime(now.m_dt + s / 86400.0), c));
            store.WriteNoteFile(MakeNote(taken.back(), "existing"));
        }
    store.LoadFolder(folder);

    o.Add("VTODO", "SUMMARY:write\r\nDESCRIPTION:b\\n1\r\nDTSTART:20050917T120000\r\nPRIORITY:1\r\n");
    o.Add("VTODO", "SUMMARY:Apply\r\nPRIORITY:9\r\n");
    o.Add("VTODO", "SUMMARY:call\r\nDESCRIPTION:c\r\nDTSTART:20051214T060000\r\nPRIORITY:5\r\n");
    EXPECT_TRUE(ImportOutlookTasks(o.outlook, o.reporter, folder, store, chooseAll));
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
    for (const std::string& key : taken)
        EXPECT_EQ(NoteFileAt(PathOf(key)).m_strTitle, "existing");
    const auto& [k0, apply] = *imported.begin();
    EXPECT_EQ(apply.m_bHasDate, 0);
    EXPECT_EQ(apply.m_nPriority, 0);
    const CNoteRecord& call = std::next(imported.begin())->second;
    EXPECT_EQ(call.m_bHasDate, 1);
    EXPECT_EQ(call.m_dtDate, CDateTime::FromFields(2005, 12, 14, 6, 0, 0));
    EXPECT_EQ(call.m_nPriority, 1);
    EXPECT_EQ(call.m_strNotes, "c");

    // Cancel stores nothing and asks for no refresh.
    const TasksChooser cancel = [](COutlookConnection&) { return std::optional<std::vector<COutlookTaskEntry>>(); };
    EXPECT_FALSE(ImportOutlookTasks(o.outlook, o.reporter, folder, store, cancel));
    EXPECT_EQ(store.GetCount(), 9);
}

TEST_F(OutlookTest, AnImportThatCannotWriteSaysSoAndCountsOnlyWhatWasWritten)
{
    // A folder whose directory has gone since it was chosen.
    const std::string gone = folder + "/gone";
    store.LoadFolder(gone);
    for (const char* pszTitle : {"one", "two", "three"})
        o.Add("VTODO", "SUMMARY:" + std::string(pszTitle) + "\r\n");
    o.Add("VJOURNAL", "DESCRIPTION:one\r\n");

    const SImportResult tasks = ImportOutlookTasks(o.outlook, o.reporter, gone, store, ChooseAllTasks);
    EXPECT_TRUE(tasks);
    EXPECT_EQ(tasks.nChosen, 3);
    EXPECT_EQ(tasks.nWritten, 0);
    EXPECT_NE(tasks.strError.find("gone"), std::string::npos);
    // The first failure ends the import: one report, not one per task.
    EXPECT_EQ(reporter.messages.size(), 1u);

    CNoteRecord target = MakeNote("2005091711344410", "Shopping");
    const SImportResult notes = ImportOutlookNotes(o.outlook, o.reporter, &target, gone, store, ChooseAllNotes);
    EXPECT_TRUE(notes);
    EXPECT_EQ(notes.nWritten, 0);
    EXPECT_NE(notes.strError.find("gone"), std::string::npos);
    EXPECT_EQ(reporter.messages.size(), 2u);
    EXPECT_TRUE(o.reporter.boxes.empty());

    // Written: counted.
    store.LoadFolder(folder);
    const SImportResult written =
        ImportOutlookNotes(o.outlook, o.reporter, &target, folder, store,
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
