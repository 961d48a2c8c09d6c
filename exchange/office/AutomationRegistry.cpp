#include "AutomationRegistry.h"

#include "AutomationException.h"

#include <cctype>

std::string CAutomationRegistry::Fold(const std::string& s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

void CAutomationRegistry::Register(const std::string& strProgId, Factory factory)
{
    m_factories[Fold(strProgId)] = std::move(factory);
}

SServerCreation CAutomationRegistry::Create(const std::string& strProgId) const
{
    const auto it = m_factories.find(Fold(strProgId));
    if (it == m_factories.end()) {
        SServerCreation failed;
        failed.scode = AutomationStatus::invalidClassString;
        return failed;
    }
    SServerCreation created = it->second();
    if (!created.pApplication && created.scode == 0)
        created.scode = AutomationStatus::classNotRegistered;
    return created;
}
