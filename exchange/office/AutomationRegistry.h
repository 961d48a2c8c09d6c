#pragma once

#include "AutomationObject.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>

// What creating a server gave: the application object, or a status code and,
// for the status bar, why the server is missing on this machine.
struct SServerCreation
{
    AutomationObjectPtr pApplication;
    uint32_t scode = 0;
    std::string strMissingNote;
};

// Creates servers from their program ids ("word.application", ...); ids
// compare without regard to case.
class CAutomationRegistry
{
public:
    using Factory = std::function<SServerCreation()>;

    void Register(const std::string& strProgId, Factory factory);
    // An unknown id fails with the class-string status.
    SServerCreation Create(const std::string& strProgId) const;

private:
    static std::string Fold(const std::string& s);

    std::map<std::string, Factory> m_factories;
};
