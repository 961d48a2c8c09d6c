#pragma once

#include "AutomationMessageBox.h"
#include "AutomationRegistry.h"
#include "DesktopOpener.h"
#include "OutlookConnection.h"

#include <functional>

class IDocumentOpener;

// How the servers come into the registry: our Linux servers, unless tests
// put their own in.
using RegisterServersFunction = std::function<void(CAutomationRegistry&, IDocumentOpener&)>;
RegisterServersFunction& RegisterServersHook();

// What the office and mail-client commands keep for the whole run: the
// servers by program id, the desktop that shows what they make, the box
// their failures go to, and the one mail-client connection.
class COfficeLink
{
public:
    COfficeLink();
    ~COfficeLink();
    COfficeLink(const COfficeLink&) = delete;
    COfficeLink& operator=(const COfficeLink&) = delete;

    // At start-up, once. A failure is reported and leaves the mail-client
    // commands disabled for the run.
    bool OpenMailClient();
    // When the main window closes.
    void CloseMailClient();
    bool IsMailClientAvailable() const { return m_outlook.m_bAvailable != 0; }

    const CAutomationRegistry& GetRegistry() const { return m_registry; }
    IAutomationReporter& GetReporter() { return m_reporter; }
    COutlookConnection& GetOutlook() { return m_outlook; }

private:
    // The registry's servers refer to the opener; the connection holds servers.
    CDesktopOpener m_opener;
    CAutomationMessageBox m_reporter;
    CAutomationRegistry m_registry;
    COutlookConnection m_outlook;
};
