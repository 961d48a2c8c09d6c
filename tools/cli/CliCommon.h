#pragma once

#include "AppContext.h"
#include "ErrorReporter.h"
#include "NoteRecord.h"
#include "NoteStore.h"

#include <functional>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

// EXIT_CONFLICT: the note had been changed by someone else since it was
// read; their file was kept and this version saved as a new note.
enum { EXIT_OK = 0, EXIT_FAILED = 1, EXIT_USAGE = 2, EXIT_CONFLICT = 3 };

// The words after the command name: positional arguments, options with a
// value, and flags.
struct SCliArgs
{
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    std::set<std::string> flags;

    bool Has(const std::string& name) const { return options.count(name) || flags.count(name); }
    std::string Get(const std::string& name, const std::string& fallback = {}) const;
};

// Splits argv; options named in valueOptions take the next word. False with
// strError set on an unknown option or a missing value.
bool ParseCliArgs(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                  const std::set<std::string>& flagOptions, SCliArgs& args, std::string& strError);

// ParseCliArgs for a command that takes exactly nPositional arguments:
// EXIT_OK, or the usage exit status with the problem printed.
int ParseCommandArgs(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                     const std::set<std::string>& flagOptions, size_t nPositional, SCliArgs& args);

// Prints what the store reports and remembers that something failed.
class CCliReporter : public IErrorReporter
{
public:
    void ReportError(const std::string& strMessage) override;
    bool m_bFailed = false;
};

// The context, reporter and store of one command working on one folder.
// A folder argument that names no directory is said so, and nothing is
// loaded: it is not an empty folder.
struct SCliSession
{
    explicit SCliSession(const std::string& strFolder);
    CAppContext app;
    CCliReporter reporter;
    CNoteStore store;
    std::vector<std::string> skipped;
    bool bFolderFound = false;
};

// Finds the note by its key as given or in its escaped form; false (message
// printed) when no note has it.
bool FindCliNote(SCliSession& session, const std::string& strKey, CNoteRecord& note);

// A key as scripts see it: printable ASCII and valid UTF-8 as they are, a
// backslash doubled, every other byte (controls, bytes that are not UTF-8)
// as \xHH. Every command taking a key takes this form back.
std::string EscapeKey(const std::string& strKey);
// The bytes of an escaped key; false when it is not one.
bool UnescapeKey(const std::string& strEscaped, std::string& strKey);

// Runs after a command has read the folder and before it writes a note: a
// test acts there as another program changing the folder meanwhile.
std::function<void()>& CliBeforeWriteHook();
// What a command that rewrote a note tells: EXIT_OK, or, after a conflict,
// the new key on the output, why on the error output, and EXIT_CONFLICT.
int CliSaveOutcome(const SStoreResult& saved);

std::string JsonString(const std::string& s);
std::string JsonDateTime(const CDateTime& dt);
// A note's date as YYYY-MM-DD, exactly four, two and two digits of a real day.
bool ParseCliDate(const std::string& strText, CDateTime& dt);
void WriteNoteJson(std::ostream& out, const CNoteRecord& note);

int CliUsage(const std::string& strMessage);
int CliFailure(const std::string& strMessage);

using CliHandler = int (*)(const std::vector<std::string>& words);
struct SCliCommand
{
    const char* pszName;
    const char* pszUsage;
    CliHandler pfnRun;
};
// Every command, in the order the usage text lists them.
const std::vector<SCliCommand>& CliCommands();
// The commands of each area, gathered by CliCommands.
std::vector<SCliCommand> StorageCliCommands();
std::vector<SCliCommand> ExchangeCliCommands();
