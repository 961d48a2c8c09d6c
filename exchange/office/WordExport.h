#pragma once

#include "AutomationObject.h"

#include <string>

class CAutomationRegistry;
class CNoteRecord;
class IAutomationReporter;

// One note typed into a new word-processor document, for one command. Holds
// the application object until it is destroyed; the document stays open.
class CWordExport
{
public:
    CWordExport(const CAutomationRegistry& registry, IAutomationReporter& reporter);

    // Creates the server, sets its visibility and adds a new document. False
    // when the server could not be created (nothing is shown) or after a
    // reported failure; a server created before the failure is still held.
    bool CreateServer(bool bVisible);
    // Title, date, priority, comments, keywords and notes.
    bool ExportAllDetails(const CNoteRecord& note);
    // Title and notes.
    bool ExportNotesOnly(const CNoteRecord& note);
    bool Show(bool bVisible);

    bool HasServer() const { return !m_app.IsNull(); }
    // Why no server could be created on this machine, for the status bar;
    // empty when it was created or nothing is known.
    const std::string& GetMissingNote() const { return m_strMissingNote; }

private:
    bool Export(const CNoteRecord& note, bool bAllDetails);

    const CAutomationRegistry& m_registry;
    IAutomationReporter& m_reporter;
    CDispatchDriver m_app;
    std::string m_strMissingNote;
};
