#include "OfficeLink.h"

#include "LinuxServers.h"
#include "OfficeInstall.h"

RegisterServersFunction& RegisterServersHook()
{
    static RegisterServersFunction hook = [](CAutomationRegistry& registry, IDocumentOpener& opener) {
        RegisterLinuxServers(registry, opener);
    };
    return hook;
}

COfficeLink::COfficeLink()
{
    if (const RegisterServersFunction& registerServers = RegisterServersHook())
        registerServers(m_registry, m_opener);
}

COfficeLink::~COfficeLink()
{
    CloseMailClient();
    // The documents made for LibreOffice go with the program.
    RemoveProgramTempDir();
}

bool COfficeLink::OpenMailClient()
{
    return m_outlook.Open(m_registry, m_reporter);
}

void COfficeLink::CloseMailClient()
{
    m_outlook.Close();
}
