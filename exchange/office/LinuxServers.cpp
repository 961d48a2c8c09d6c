#include "LinuxServers.h"

#include "AutomationRegistry.h"
#include "CalcServer.h"
#include "MailClientSettings.h"
#include "MailServer.h"
#include "OfficeInstall.h"
#include "WriterServer.h"

void RegisterLinuxServers(CAutomationRegistry& registry, IDocumentOpener& opener, const SOfficeInstall& office)
{
    registry.Register("word.application", [office, &opener] { return CreateWriterServer(office, opener); });
    registry.Register("Excel.application", [office, &opener] { return CreateCalcServer(office, opener); });
    registry.Register("Outlook.Application", [&opener] { return CreateMailServer(LoadMailClientFolders(), opener); });
}

void RegisterLinuxServers(CAutomationRegistry& registry, IDocumentOpener& opener)
{
    RegisterLinuxServers(registry, opener, FindLibreOffice());
}
