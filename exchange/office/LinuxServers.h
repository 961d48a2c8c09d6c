#pragma once

class CAutomationRegistry;
class IDocumentOpener;
struct SOfficeInstall;

// Registers our own servers under the office suite's program ids:
// "word.application" (LibreOffice Writer), "Excel.application" (LibreOffice
// Calc) and "Outlook.Application" (the vdir folders of the "Mail Client"
// settings, read each time the server is created). The opener must outlive
// the registry.
void RegisterLinuxServers(CAutomationRegistry& registry, IDocumentOpener& opener, const SOfficeInstall& office);
// The same with LibreOffice looked up on the PATH.
void RegisterLinuxServers(CAutomationRegistry& registry, IDocumentOpener& opener);
