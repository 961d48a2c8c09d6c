#include "DesktopOpener.h"

#include <QDesktopServices>
#include <QUrl>

OpenUrlFunction& OpenUrlHook()
{
    static OpenUrlFunction fn = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return fn;
}
