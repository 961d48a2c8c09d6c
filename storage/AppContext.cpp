#include "AppContext.h"

#include "NoteRecord.h"
#include "Resources.h"
#include "UserSettings.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTime>

#include <type_traits>
#include <unordered_map>

namespace
{
constexpr const char* pszListViewKey = "Quillbox/ListViewSelection";
constexpr const char* pszHighKey = "Task Priority Settings/HighPriorityColour";
constexpr const char* pszMediumKey = "Task Priority Settings/MediumPriorityColour";
constexpr const char* pszLowKey = "Task Priority Settings/LowPriorityColour";

std::string Unescape(const QByteArray& text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            const char e = text[++i];
            out.push_back(e == 'n' ? '\n' : e == 't' ? '\t' : e);
        } else {
            out.push_back(c);
        }
    }
    return out;
}

const std::unordered_map<unsigned, std::string>& StringTable()
{
    static const std::unordered_map<unsigned, std::string> table = [] {
        std::unordered_map<unsigned, std::string> t;
        QFile file(QuillboxResources::StringTablePath());
        if (!file.open(QIODevice::ReadOnly))
            return t;
        for (QByteArray line : file.readAll().split('\n')) {
            if (line.endsWith('\r'))
                line.chop(1);
            const qsizetype tab = line.indexOf('\t');
            if (line.isEmpty() || line.startsWith('#') || tab <= 0)
                continue;
            bool ok = false;
            const unsigned id = line.left(tab).toUInt(&ok);
            if (ok)
                t[id] = Unescape(line.mid(tab + 1));
        }
        return t;
    }();
    return table;
}

// A value that is missing or not a number gives the default.
template <class T>
T ReadNumber(const QSettings& settings, const char* pszKey, T nDefault)
{
    bool ok = false;
    const QVariant v = settings.value(pszKey);
    const T n = static_cast<T>(std::is_signed_v<T> ? v.toLongLong(&ok) : v.toULongLong(&ok));
    return ok ? n : nDefault;
}

// The format without its seconds field and the separator before it: some
// locales' short time (C: "HH:mm:ss") shows seconds.
QString WithoutSeconds(const QString& format)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u's') {
            out += c;
            continue;
        }
        while (i + 1 < format.size() && format[i + 1] == u's')
            ++i;
        // Drop the separator run that led to the seconds ("HH:mm:ss", "h.mm.ss").
        while (!out.isEmpty() && !out.back().isLetter() && out.back() != u'\'')
            out.chop(1);
    }
    return out;
}

bool IsWritableDir(const QString& dir)
{
    const QFileInfo info(dir);
    return info.isDir() && info.isWritable();
}

// <prefix>/bin beside <prefix>/share/quillbox: root may write to /usr/bin, but
// nothing of the user's belongs there, nor would the package remove it.
bool IsInstalled(const QString& dir)
{
    return QFileInfo(dir + QStringLiteral("/../share/quillbox")).isDir();
}
} // namespace

CAppContext::CAppContext(const std::string& strExecutableDir)
{
    QString dir = QString::fromStdString(strExecutableDir);
    if (IsInstalled(dir) || !IsWritableDir(dir)) {
        dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(dir);
    }
    m_strDataDir = QDir::cleanPath(dir).toStdString();
    m_strSettingsFile = m_strDataDir + "/FolderSettings.set";
}

std::string CAppContext::GetDefaultFolderPath() const
{
    return m_strDataDir + "/Sample Notes";
}

int CAppContext::LoadListViewSelection()
{
    QSettings settings = OpenUserSettings();
    m_nListViewSelection = ReadNumber<int32_t>(settings, pszListViewKey, 0);
    return m_nListViewSelection;
}

void CAppContext::SaveListViewSelection() const
{
    QSettings settings = OpenUserSettings();
    settings.setValue(pszListViewKey, m_nListViewSelection);
}

void CAppContext::LoadPriorityColours()
{
    QSettings settings = OpenUserSettings();
    m_clrHighPriority = ReadNumber<uint32_t>(settings, pszHighKey, 255u);
    m_clrMediumPriority = ReadNumber<uint32_t>(settings, pszMediumKey, 0u);
    m_clrLowPriority = ReadNumber<uint32_t>(settings, pszLowKey, 12632256u);
}

std::string CAppContext::SavePriorityColours() const
{
    QSettings settings = OpenUserSettings();
    settings.setValue(pszHighKey, m_clrHighPriority);
    settings.setValue(pszMediumKey, m_clrMediumPriority);
    settings.setValue(pszLowKey, m_clrLowPriority);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return "The priority colours could not be saved in \"" +
               QDir::toNativeSeparators(settings.fileName()).toStdString() + "\".";
    return {};
}

std::string CAppContext::GetNoteFilePath(const std::string& strFolder, const CNoteRecord& note)
{
    return strFolder + "/QB_" + note.m_strKey + ".qbt";
}

std::string CAppContext::FormatDate(const CDateTime& dt)
{
    int y, mo, d, h, mi, s;
    if (!dt.GetFields(y, mo, d, h, mi, s))
        return {};
    return QLocale::system().toString(QDate(y, mo, d), QLocale::ShortFormat).left(99).toStdString();
}

std::string CAppContext::FormatTime(const CDateTime& dt)
{
    return FormatTime(dt, QLocale::system());
}

std::string CAppContext::FormatTime(const CDateTime& dt, const QLocale& locale)
{
    int y, mo, d, h, mi, s;
    if (!dt.GetFields(y, mo, d, h, mi, s))
        return {};
    const QString format = WithoutSeconds(locale.timeFormat(QLocale::ShortFormat));
    return locale.toString(QTime(h, mi, s), format).trimmed().left(99).toStdString();
}

std::string CAppContext::LoadStringResource(unsigned nId)
{
    const auto& table = StringTable();
    const auto it = table.find(nId);
    if (it == table.end())
        return {};
    // Translated under the entry's id, so equal texts may read differently.
    const std::string strId = std::to_string(nId);
    return QCoreApplication::translate("strings", it->second.c_str(), strId.c_str()).toStdString();
}
