#pragma once

#include "DocumentOpener.h"

#include <functional>

class QUrl;

// How documents are opened with the desktop's handler for their type; tests
// replace it. True when the desktop took the document.
using OpenUrlFunction = std::function<bool(const QUrl&)>;
OpenUrlFunction& OpenUrlHook();

// Starts LibreOffice as a program of its own and opens files with the
// desktop's default handler.
class CDesktopOpener : public IDocumentOpener
{
public:
    bool StartProgram(const std::string& strProgram, const std::vector<std::string>& args) override;
    bool OpenWithDefaultHandler(const std::string& strPath) override;
};
