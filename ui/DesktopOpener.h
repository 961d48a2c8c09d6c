#pragma once

#include "DocumentOpener.h"

#include <functional>

class QStatusBar;
class QString;
class QUrl;

// How documents are opened with the desktop's handler for their type; tests
// replace it. True when the desktop took the document.
using OpenUrlFunction = std::function<bool(const QUrl&)>;
OpenUrlFunction& OpenUrlHook();

// Opens a written file with the desktop's handler for its type. When the
// desktop has none, says so in the status bar, naming the file, so the user
// knows where it is. True when the desktop took it.
bool OpenFileOrSay(const QString& strPath, QStatusBar* pStatus);

// Starts LibreOffice as a program of its own and opens files with the
// desktop's default handler.
class CDesktopOpener : public IDocumentOpener
{
public:
    bool StartProgram(const std::string& strProgram, const std::vector<std::string>& args) override;
    bool OpenWithDefaultHandler(const std::string& strPath) override;
};
