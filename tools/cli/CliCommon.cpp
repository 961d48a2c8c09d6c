#include "CliCommon.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <iostream>

std::string SCliArgs::Get(const std::string& name, const std::string& fallback) const
{
    const auto it = options.find(name);
    return it == options.end() ? fallback : it->second;
}

bool ParseCliArgs(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                  const std::set<std::string>& flagOptions, SCliArgs& args, std::string& strError)
{
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& w = words[i];
        if (w.size() > 2 && w.compare(0, 2, "--") == 0) {
            if (flagOptions.count(w)) {
                args.flags.insert(w);
            } else if (valueOptions.count(w)) {
                if (i + 1 >= words.size()) {
                    strError = w + " needs a value";
                    return false;
                }
                args.options[w] = words[++i];
            } else {
                strError = "unknown option " + w;
                return false;
            }
        } else {
            args.positional.push_back(w);
        }
    }
    return true;
}

int ParseCommandArgs(const std::vector<std::string>& words, const std::set<std::string>& valueOptions,
                     const std::set<std::string>& flagOptions, size_t nPositional, SCliArgs& args)
{
    std::string error;
    if (!ParseCliArgs(words, valueOptions, flagOptions, args, error))
        return CliUsage(error);
    if (args.positional.size() != nPositional)
        return CliUsage("wrong number of arguments");
    return EXIT_OK;
}

void CCliReporter::ReportError(const std::string& strMessage)
{
    std::cerr << "quillbox-cli: " << strMessage << '\n';
    m_bFailed = true;
}

SCliSession::SCliSession(const std::string& strFolder)
    : app(QCoreApplication::applicationDirPath().toStdString()), store(app, &reporter)
{
    app.m_strCurrentFolder = strFolder;
    skipped = store.LoadFolder(strFolder);
    for (const std::string& file : skipped)
        std::cerr << "quillbox-cli: skipped the damaged note file " << file << '\n';
}

bool FindCliNote(SCliSession& session, const std::string& strKey, CNoteRecord& note)
{
    if (!session.store.HasNote(strKey)) {
        std::cerr << "quillbox-cli: no note with the key " << strKey << " in " << session.app.m_strCurrentFolder
                  << '\n';
        return false;
    }
    note = session.store.GetNote(strKey);
    return true;
}

std::function<void()>& CliBeforeWriteHook()
{
    static std::function<void()> hook;
    return hook;
}

int CliSaveOutcome(const SStoreResult& saved)
{
    if (saved.eConflict == SStoreResult::EConflict::none)
        return EXIT_OK;
    std::cerr << "quillbox-cli: the note " << saved.strConflictOf << " was "
              << (saved.eConflict == SStoreResult::EConflict::deletedOnDisk ? "deleted" : "changed")
              << " by another program after it was read; that version was kept and this one saved as the new note "
              << saved.strKey << '\n';
    std::cout << saved.strKey << '\n';
    return EXIT_CONFLICT;
}

std::string JsonString(const std::string& s)
{
    // Notes from older files may hold bytes that are not UTF-8; JSON must not.
    const QByteArray valid = QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).toUtf8();
    std::string out = "\"";
    for (char c : valid) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                out += buf;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string JsonDateTime(const CDateTime& dt)
{
    int y, mo, d, h, mi, s;
    if (!dt.GetFields(y, mo, d, h, mi, s))
        return "null";
    char buf[32];
    std::snprintf(buf, sizeof buf, "\"%04d-%02d-%02dT%02d:%02d:%02d\"", y, mo, d, h, mi, s);
    return buf;
}

void WriteNoteJson(std::ostream& out, const CNoteRecord& note)
{
    out << "{\"key\":" << JsonString(note.m_strKey) << ",\"title\":" << JsonString(note.m_strTitle)
        << ",\"comments\":" << JsonString(note.m_strComments) << ",\"keywords\":" << JsonString(note.m_strKeywords)
        << ",\"notes\":" << JsonString(note.m_strNotes) << ",\"icon\":" << note.m_nIcon
        << ",\"date\":" << JsonDateTime(note.m_dtDate) << ",\"hasDate\":" << (note.m_bHasDate ? "true" : "false")
        << ",\"created\":" << JsonDateTime(note.m_dtCreated) << ",\"modified\":" << JsonDateTime(note.m_dtModified)
        << ",\"modifiedAt\":" << JsonString(ModifiedAtText(note.m_nModifiedAt))
        << ",\"priority\":" << JsonString(PriorityText(note.m_nPriority)) << "}";
}

int CliUsage(const std::string& strMessage)
{
    std::cerr << "quillbox-cli: " << strMessage << "\nusage:\n";
    for (const SCliCommand& c : CliCommands())
        std::cerr << "  quillbox-cli " << c.pszUsage << '\n';
    return EXIT_USAGE;
}

int CliFailure(const std::string& strMessage)
{
    std::cerr << "quillbox-cli: " << strMessage << '\n';
    return EXIT_FAILED;
}

const std::vector<SCliCommand>& CliCommands()
{
    static const std::vector<SCliCommand> commands = [] {
        std::vector<SCliCommand> all = StorageCliCommands();
        for (const SCliCommand& c : ExchangeCliCommands())
            all.push_back(c);
        return all;
    }();
    return commands;
}

#ifndef QUILLBOX_CLI_EXCHANGE
std::vector<SCliCommand> ExchangeCliCommands()
{
    return {};
}
#endif
