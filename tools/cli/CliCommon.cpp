#include "CliCommon.h"

#include "FileIo.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <iostream>

#include <sys/stat.h>

namespace
{
// The length of the UTF-8 character at i when it is a valid one that is no
// control (C1 controls are as unwelcome as C0 ones), else 0.
size_t Utf8Length(const std::string& s, size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80)
        return 1;
    size_t n = 0;
    uint32_t cp = 0;
    if (b >= 0xC2 && b <= 0xDF)
        n = 2, cp = b & 0x1F;
    else if (b >= 0xE0 && b <= 0xEF)
        n = 3, cp = b & 0x0F;
    else if (b >= 0xF0 && b <= 0xF4)
        n = 4, cp = b & 0x07;
    else
        return 0;
    if (i + n > s.size())
        return 0;
    for (size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    const uint32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) || cp < 0xA0)
        return 0;
    return n;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

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
    struct stat st
    {};
    if (strFolder.empty()) {
        std::cerr << "quillbox-cli: no folder was given\n";
        return;
    }
    if (::stat(strFolder.c_str(), &st) != 0) {
        std::cerr << "quillbox-cli: " << FileErrorText("Cannot open the folder", strFolder, errno) << '\n';
        return;
    }
    if (!S_ISDIR(st.st_mode)) {
        std::cerr << "quillbox-cli: \"" << strFolder << "\" is not a folder.\n";
        return;
    }
    bFolderFound = true;
    // The window's folder indexes, under the same rule: what the files no
    // longer agree with is read from them.
    app.m_strIndexDir = QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                                          QStringLiteral("/folder-index"))
                            .toStdString();
    skipped = store.LoadFolderChecked(strFolder);
    for (const std::string& file : skipped)
        std::cerr << "quillbox-cli: skipped the damaged note file " << file << '\n';
}

bool FindCliNote(SCliSession& session, const std::string& strKey, CNoteRecord& note)
{
    if (!session.bFolderFound)
        return false;
    std::string raw;
    const std::string* pKey = &strKey;
    if (!session.store.HasNote(strKey) && UnescapeKey(strKey, raw))
        pKey = &raw;
    if (!session.store.HasNote(*pKey)) {
        std::cerr << "quillbox-cli: no note with the key " << EscapeKey(strKey) << " in "
                  << session.store.GetLoadedFolder() << '\n';
        return false;
    }
    note = session.store.GetNote(*pKey);
    return true;
}

std::string EscapeKey(const std::string& strKey)
{
    static const char hex[] = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < strKey.size();) {
        const auto b = static_cast<unsigned char>(strKey[i]);
        const size_t n = Utf8Length(strKey, i);
        if (b == '\\') {
            out += "\\\\";
        } else if ((b >= 0x20 && b < 0x7F) || n > 1) {
            out.append(strKey, i, std::max<size_t>(n, 1));
            i += std::max<size_t>(n, 1);
            continue;
        } else {
            out += "\\x";
            out += hex[b >> 4];
            out += hex[b & 15];
        }
        ++i;
    }
    return out;
}

bool UnescapeKey(const std::string& strEscaped, std::string& strKey)
{
    strKey.clear();
    for (size_t i = 0; i < strEscaped.size(); ++i) {
        if (strEscaped[i] != '\\') {
            strKey += strEscaped[i];
            continue;
        }
        if (i + 1 < strEscaped.size() && strEscaped[i + 1] == '\\') {
            strKey += '\\';
            ++i;
            continue;
        }
        int hi = 0, lo = 0;
        if (i + 3 >= strEscaped.size())
            return false;
        if (strEscaped[i + 1] != 'x' || (hi = HexValue(strEscaped[i + 2])) < 0 ||
            (lo = HexValue(strEscaped[i + 3])) < 0)
            return false;
        strKey += static_cast<char>(hi * 16 + lo);
        i += 3;
    }
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
    std::cerr << "quillbox-cli: the note " << EscapeKey(saved.strConflictOf) << " was "
              << (saved.eConflict == SStoreResult::EConflict::deletedOnDisk ? "deleted" : "changed")
              << " by another program after it was read; that version was kept and this one saved as the new note "
              << EscapeKey(saved.strKey) << '\n';
    std::cout << EscapeKey(saved.strKey) << '\n';
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
    out << "{\"key\":" << JsonString(note.m_strKey) << ",\"keyEscaped\":" << JsonString(EscapeKey(note.m_strKey))
        << ",\"title\":" << JsonString(note.m_strTitle) << ",\"comments\":" << JsonString(note.m_strComments)
        << ",\"keywords\":" << JsonString(note.m_strKeywords) << ",\"notes\":" << JsonString(note.m_strNotes)
        << ",\"icon\":" << note.m_nIcon << ",\"date\":" << (note.m_bHasDate ? JsonDateTime(note.m_dtDate) : "null")
        << ",\"hasDate\":" << (note.m_bHasDate ? "true" : "false") << ",\"created\":" << JsonDateTime(note.m_dtCreated)
        << ",\"modified\":" << JsonDateTime(note.m_dtModified)
        << ",\"modifiedAt\":" << JsonString(ModifiedAtText(note.m_nModifiedAt))
        << ",\"priority\":" << JsonString(PriorityText(note.m_nPriority)) << "}";
}

bool ParseCliDate(const std::string& strText, CDateTime& dt)
{
    if (strText.size() != 10 || strText[4] != '-' || strText[7] != '-')
        return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (strText[i] < '0' || strText[i] > '9')
            return false;
    dt = CDateTime::FromFields(std::stoi(strText.substr(0, 4)), std::stoi(strText.substr(5, 2)),
                               std::stoi(strText.substr(8, 2)));
    return dt.IsValid();
}

int CliUsage(const std::string& strMessage)
{
    std::cerr << "quillbox-cli: " << strMessage << "\nusage:\n";
    for (const SCliCommand& c : CliCommands())
        std::cerr << "  quillbox-cli " << c.pszUsage << '\n';
    std::cerr << "DIR is an existing folder directory. A KEY is printed, and taken back, with a backslash as \\\\\n"
                 "and every control character or byte that is not UTF-8 as \\xHH (--json: \"keyEscaped\").\n"
                 "--output - writes the export to standard output.\n";
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
