#pragma once

#include <string>
#include <vector>

// How our servers show what they made: the window starts LibreOffice and
// asks the desktop to open files; tests record the requests.
class IDocumentOpener
{
public:
    virtual ~IDocumentOpener() = default;
    // Starts a program detached with the arguments; false when it did not start.
    virtual bool StartProgram(const std::string& strProgram, const std::vector<std::string>& args) = 0;
    // Opens a file with the desktop's default handler; false on failure.
    virtual bool OpenWithDefaultHandler(const std::string& strPath) = 0;
};
