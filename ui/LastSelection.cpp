#include "LastSelection.h"

#include "UserSettings.h"

namespace
{
constexpr const char* pszFolderNameKey = "Last Selection/FolderName";
constexpr const char* pszFolderPathKey = "Last Selection/FolderPath";
constexpr const char* pszNoteKeyKey = "Last Selection/NoteKey";
constexpr const char* pszSearchTextKey = "Last Selection/SearchText";

QString Key(const char* pszKey)
{
    return QString::fromLatin1(pszKey);
}
} // namespace

SLastSelection SLastSelection::Load()
{
    const QSettings settings = OpenUserSettings();
    SLastSelection last;
    last.bStored = settings.contains(Key(pszFolderPathKey));
    last.strFolderName = settings.value(Key(pszFolderNameKey)).toString().toStdString();
    last.strFolderPath = settings.value(Key(pszFolderPathKey)).toString().toStdString();
    last.strNoteKey = settings.value(Key(pszNoteKeyKey)).toString().toStdString();
    return last;
}

void SLastSelection::Save() const
{
    QSettings settings = OpenUserSettings();
    settings.setValue(Key(pszFolderNameKey), QString::fromStdString(strFolderName));
    settings.setValue(Key(pszFolderPathKey), QString::fromStdString(strFolderPath));
    settings.setValue(Key(pszNoteKeyKey), QString::fromStdString(strNoteKey));
}

QString SLastSelection::LoadSearchText()
{
    return OpenUserSettings().value(Key(pszSearchTextKey)).toString();
}

void SLastSelection::SaveSearchText(const QString& strText)
{
    OpenUserSettings().setValue(Key(pszSearchTextKey), strText);
}
