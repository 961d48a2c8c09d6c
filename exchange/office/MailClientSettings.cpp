#include "MailClientSettings.h"

#include "UserSettings.h"

#include <QStandardPaths>

namespace
{
constexpr const char* pszTasksKey = "Mail Client/TasksFolder";
constexpr const char* pszNotesKey = "Mail Client/NotesFolder";

std::string Read(const QSettings& settings, const char* pszKey, const char* pszDefaultName)
{
    const QString strValue = settings.value(QString::fromLatin1(pszKey)).toString();
    if (!strValue.isEmpty())
        return strValue.toStdString();
    return (QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/Mail Client/") +
            QString::fromLatin1(pszDefaultName))
        .toStdString();
}
} // namespace

SMailClientFolders LoadMailClientFolders()
{
    const QSettings settings = OpenUserSettings();
    return {Read(settings, pszTasksKey, "Tasks"), Read(settings, pszNotesKey, "Notes")};
}

void SaveMailClientFolders(const SMailClientFolders& folders)
{
    QSettings settings = OpenUserSettings();
    settings.setValue(QString::fromLatin1(pszTasksKey), QString::fromStdString(folders.strTasks));
    settings.setValue(QString::fromLatin1(pszNotesKey), QString::fromStdString(folders.strNotes));
}
