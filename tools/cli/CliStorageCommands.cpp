#include "CliCommon.h"

#include "FileIo.h"
#include "FolderSettingsFile.h"
#include "NoteRowList.h"
#include "TextMatch.h"

#include <QCoreApplication>

#include <algorithm>
#include <iostream>
#include <memory>

namespace
{
// The form show --json gives a modification time.
bool IsJsonDateTimeText(const std::string& s)
{
    static const char pattern[] = "dddd-dd-ddTdd:dd:dd";
    if (s.size() != sizeof pattern - 1)
        return false;
    for (size_t i = 0; i < s.size(); ++i)
        if (pattern[i] == 'd' ? (s[i] < '0' || s[i] > '9') : s[i] != pattern[i])
            return false;
    return true;
}

const std::set<std::string> editOptions = {"--title",      "--comments", "--keywords", "--notes",
                                           "--notes-file", "--priority", "--date",     "--icon"};
// A notes text larger than this is not a note.
constexpr size_t nMaxNotesFile = size_t(256) << 20;

void PrintNoteLine(const CNoteRecord& note)
{
    std::cout << EscapeKey(note.m_strKey) << '\t' << note.m_strTitle << '\t' << note.m_strComments << '\t'
              << (note.m_bHasDate ? CAppContext::FormatDate(note.m_dtDate) : std::string()) << '\t'
              << PriorityText(note.m_nPriority) << '\n';
}

const CNoteRecord& NoteOf(const CNoteRecord& note)
{
    return note;
}
const CNoteRecord& NoteOf(const std::shared_ptr<const CNoteRecord>& pNote)
{
    return *pNote;
}

// The notes with their texts, which the store reads for a note listed from
// the folder's index.
template <class T>
void PrintJsonArray(const CNoteStore& store, const std::vector<T>& notes)
{
    std::cout << '[';
    for (size_t i = 0; i < notes.size(); ++i) {
        if (i)
            std::cout << ',';
        const CNoteRecord& note = NoteOf(notes[i]);
        if (note.m_bNotesAside) {
            CNoteRecord copy = note;
            store.ReadNotesText(copy);
            WriteNoteJson(std::cout, copy);
        } else {
            WriteNoteJson(std::cout, note);
        }
    }
    std::cout << "]\n";
}

// Applies the editing options to a note: EXIT_OK, EXIT_USAGE on a bad value
// or EXIT_FAILED when the notes file cannot be read, with strError set.
int ApplyEditValues(const SCliArgs& args, CNoteRecord& note, std::string& strError)
{
    if (args.Has("--notes") && args.Has("--notes-file")) {
        strError = "--notes and --notes-file exclude each other";
        return EXIT_USAGE;
    }
    if (args.Has("--title"))
        note.m_strTitle = args.Get("--title");
    if (args.Has("--comments"))
        note.m_strComments = args.Get("--comments");
    if (args.Has("--keywords"))
        note.m_strKeywords = args.Get("--keywords");
    if (args.Has("--notes"))
        note.m_strNotes = args.Get("--notes");
    if (args.Has("--notes-file")) {
        std::string text;
        if (ReadRegularFile(args.Get("--notes-file"), nMaxNotesFile, text, &strError) != EReadStatus::ok)
            return EXIT_FAILED;
        note.m_strNotes = std::move(text);
    }
    if (args.Has("--priority")) {
        const std::string p = args.Get("--priority");
        if (p == "low")
            note.m_nPriority = 0;
        else if (p == "medium")
            note.m_nPriority = 1;
        else if (p == "high")
            note.m_nPriority = 2;
        else {
            strError = "--priority takes low, medium or high";
            return EXIT_USAGE;
        }
    }
    if (args.Has("--date")) {
        CDateTime dt;
        if (!ParseCliDate(args.Get("--date"), dt)) {
            strError = "--date takes a date as YYYY-MM-DD";
            return EXIT_USAGE;
        }
        note.m_dtDate = dt;
        note.m_bHasDate = 1;
    }
    if (args.Has("--icon")) {
        const std::string s = args.Get("--icon");
        char* end = nullptr;
        const long icon = std::strtol(s.c_str(), &end, 10);
        if (s.empty() || *end || icon < 0 || icon > 218) {
            strError = "--icon takes a number from 0 to 218";
            return EXIT_USAGE;
        }
        note.m_nIcon = static_cast<int32_t>(icon);
    }
    return EXIT_OK;
}

// The same with the message printed.
int ApplyEdits(const SCliArgs& args, CNoteRecord& note)
{
    std::string strError;
    const int rc = ApplyEditValues(args, note, strError);
    if (rc == EXIT_USAGE)
        return CliUsage(strError);
    return rc == EXIT_FAILED ? CliFailure(strError) : EXIT_OK;
}

int RunList(const std::vector<std::string>& words)
{
    SCliArgs args;
    if (int rc = ParseCommandArgs(words, {}, {"--json"}, 1, args))
        return rc;
    SCliSession session(args.positional[0]);
    if (!session.bFolderFound)
        return EXIT_FAILED;
    // The store's records themselves, in the notes list's order, each title's
    // key made once: no copy of any note.
    std::vector<std::pair<std::string, std::shared_ptr<const CNoteRecord>>> keyed;
    keyed.reserve(static_cast<size_t>(session.store.GetCount()));
    session.store.ForEachShared(
        [&](const std::shared_ptr<const CNoteRecord>& p) { keyed.emplace_back(TitleSortKey(p->m_strTitle), p); });
    // Equal titles by key, as the notes list has them.
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second->m_strKey < b.second->m_strKey;
    });
    std::vector<std::shared_ptr<const CNoteRecord>> notes;
    notes.reserve(keyed.size());
    for (auto& entry : keyed)
        notes.push_back(std::move(entry.second));
    if (args.Has("--json"))
        PrintJsonArray(session.store, notes);
    else
        for (const auto& p : notes)
            PrintNoteLine(*p);
    return EXIT_OK;
}

int RunShow(const std::vector<std::string>& words)
{
    SCliArgs args;
    if (int rc = ParseCommandArgs(words, {}, {"--json"}, 2, args))
        return rc;
    SCliSession session(args.positional[0]);
    CNoteRecord note;
    if (!FindCliNote(session, args.positional[1], note))
        return EXIT_FAILED;
    if (args.Has("--json")) {
        WriteNoteJson(std::cout, note);
        std::cout << '\n';
        return EXIT_OK;
    }
    std::cout << "Key:\t" << EscapeKey(note.m_strKey) << "\nTitle:\t" << note.m_strTitle << "\nComments:\t"
              << note.m_strComments << "\nKeywords:\t" << note.m_strKeywords << "\nDate:\t"
              << (note.m_bHasDate ? CAppContext::FormatDate(note.m_dtDate) : std::string()) << "\nPriority:\t"
              << PriorityText(note.m_nPriority) << "\nIcon:\t" << note.m_nIcon << "\nCreated:\t"
              << CAppContext::FormatDate(note.m_dtCreated) << ' ' << CAppContext::FormatTime(note.m_dtCreated)
              << "\nModified:\t" << CAppContext::FormatDate(note.m_dtModified) << ' '
              << CAppContext::FormatTime(note.m_dtModified) << "\nModified at:\t" << ModifiedAtText(note.m_nModifiedAt)
              << "\nNotes:\n"
              << note.m_strNotes << '\n';
    return EXIT_OK;
}

int RunAdd(const std::vector<std::string>& words)
{
    SCliArgs args;
    if (int rc = ParseCommandArgs(words, editOptions, {}, 1, args))
        return rc;
    CNoteRecord note;
    if (int rc = ApplyEdits(args, note))
        return rc;
    SCliSession session(args.positional[0]);
    if (!session.bFolderFound)
        return EXIT_FAILED;
    const SStoreResult added = session.store.AddNote(note);
    if (!added)
        return CliFailure(added.strError);
    std::cout << EscapeKey(added.strKey) << '\n';
    return EXIT_OK;
}

int RunUpdate(const std::vector<std::string>& words)
{
    SCliArgs args;
    std::set<std::string> options = editOptions;
    options.insert("--if-modified");
    if (int rc = ParseCommandArgs(words, options, {}, 2, args))
        return rc;
    const std::string expected = args.Get("--if-modified");
    if (args.Has("--if-modified") && !IsJsonDateTimeText(expected))
        return CliUsage("--if-modified takes the modification time as show --json prints it (YYYY-MM-DDTHH:MM:SS)");
    SCliSession session(args.positional[0]);
    CNoteRecord note;
    if (!FindCliNote(session, args.positional[1], note))
        return EXIT_FAILED;
    const std::string key = note.m_strKey;
    if (int rc = ApplyEdits(args, note))
        return rc;
    // The store's own check at the write catches any change made after this.
    const std::string modified = JsonDateTime(note.m_dtModified);
    if (args.Has("--if-modified") && modified != "\"" + expected + "\"") {
        std::cerr << "quillbox-cli: the note " << EscapeKey(key) << " was modified at " << modified << ", not \""
                  << expected << "\"; it was left as it is\n";
        return EXIT_CONFLICT;
    }
    if (CliBeforeWriteHook())
        CliBeforeWriteHook()();
    const SStoreResult updated = session.store.UpdateNote(note);
    if (!updated)
        return CliFailure(updated.strError);
    if (updated.eConflict != SStoreResult::EConflict::none)
        return CliSaveOutcome(updated);
    // A key that could not name a file has been replaced: say which it is now.
    if (updated.strKey != key)
        std::cout << EscapeKey(updated.strKey) << '\n';
    return EXIT_OK;
}

int RunDelete(const std::vector<std::string>& words)
{
    SCliArgs args;
    if (int rc = ParseCommandArgs(words, {}, {}, 2, args))
        return rc;
    SCliSession session(args.positional[0]);
    CNoteRecord note;
    if (!FindCliNote(session, args.positional[1], note))
        return EXIT_FAILED;
    if (CliBeforeWriteHook())
        CliBeforeWriteHook()();
    const SStoreResult deleted = session.store.DeleteNote(note);
    if (deleted.eConflict != SStoreResult::EConflict::none) {
        std::cerr << "quillbox-cli: " << deleted.strError << '\n';
        return EXIT_CONFLICT;
    }
    // The store has reported why any other delete failed.
    return deleted ? EXIT_OK : EXIT_FAILED;
}

int RunSearch(const std::vector<std::string>& words)
{
    SCliArgs args;
    if (int rc = ParseCommandArgs(words, {}, {"--json", "--keywords-only"}, 2, args))
        return rc;
    SCliSession session(args.positional[0]);
    if (!session.bFolderFound)
        return EXIT_FAILED;
    CNoteRowList results;
    session.store.SearchNotes(results, args.Has("--keywords-only"), args.positional[1]);
    if (args.Has("--json")) {
        std::vector<CNoteRecord> notes;
        for (const auto& [row, rec] : results.m_rows)
            if (rec)
                notes.push_back(*rec);
        PrintJsonArray(session.store, notes);
        return EXIT_OK;
    }
    for (const auto& [row, rec] : results.m_rows) {
        if (rec)
            PrintNoteLine(*rec);
        else
            std::cout << row.strTitle << '\n';
    }
    return EXIT_OK;
}

int RunFolders(const std::vector<std::string>& words)
{
    SCliArgs args;
    if (int rc = ParseCommandArgs(words, {"--settings"}, {"--json"}, 0, args))
        return rc;
    CAppContext app(QCoreApplication::applicationDirPath().toStdString());
    const SFolderSettings read = CFolderSettingsFile().LoadFolderSettings(args.Get("--settings", app.m_strSettingsFile),
                                                                          app.GetDefaultFolderPath());
    if (args.Has("--json")) {
        std::cout << '[';
        for (size_t i = 0; i < read.folders.size(); ++i)
            std::cout << (i ? "," : "") << "{\"name\":" << JsonString(read.folders[i].m_strName)
                      << ",\"path\":" << JsonString(read.folders[i].m_strPath) << '}';
        std::cout << "]\n";
    } else {
        for (const CFolderRecord& f : read.folders)
            std::cout << f.m_strName << '\t' << f.m_strPath << '\n';
    }
    return read.strError.empty() ? EXIT_OK : CliFailure(read.strError);
}
} // namespace

std::vector<SCliCommand> StorageCliCommands()
{
    return {
        {"list", "list DIR [--json]", RunList},
        {"show", "show DIR KEY [--json]", RunShow},
        {"add",
         "add DIR [--title T] [--comments C] [--keywords K] [--notes TEXT | --notes-file F] "
         "[--priority low|medium|high] [--date YYYY-MM-DD] [--icon N]",
         RunAdd},
        {"update", "update DIR KEY [same options as add] [--if-modified YYYY-MM-DDTHH:MM:SS]", RunUpdate},
        {"delete", "delete DIR KEY", RunDelete},
        {"search", "search DIR TEXT [--keywords-only] [--json]", RunSearch},
        {"folders", "folders [--settings FILE] [--json]", RunFolders},
    };
}
