#include "UserSettings.h"

QSettings OpenUserSettings()
{
    return QSettings(QStringLiteral("Orvantic"), QStringLiteral("Quillbox"));
}
