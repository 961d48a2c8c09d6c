#pragma once

#include "DocumentOpener.h"

// Starts LibreOffice as a program of its own and opens files with the
// desktop's default handler.
class CDesktopOpener : public IDocumentOpener
{
public:
    bool StartProgram(const std::string& strProgram, const std::vector<std::string>& args) override;
    bool OpenWithDefaultHandler(const std::string& strPath) override;
};
