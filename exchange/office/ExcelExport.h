#pragma once

#include "AutomationObject.h"
#include "AutomationReport.h"

#include <string>

class CAutomationRegistry;
class CNoteRecord;
class IAutomationReporter;

// One note written into the active sheet of a new workbook, for one command.
// Holds the application object until it is destroyed; the workbook stays open.
class CExcelExport
{
public:
    // Dispatch ids of a cell range and its font.
    enum : DispId {
        DISPID_RANGE_FONT = 0x92,
        DISPID_FONT_BOLD = 0x60,
        DISPID_FONT_ITALIC = 0x65,
        DISPID_RANGE_VALUE = 6,
        DISPID_RANGE_ADDCOMMENT = 0x56D,
    };

    CExcelExport(const CAutomationRegistry& registry, IAutomationReporter& reporter);

    // Creates the server, sets its visibility and adds a workbook. False when
    // the server could not be created (nothing is shown) or after a reported
    // failure; a server created before the failure is still held.
    bool CreateServer(bool bVisible);
    bool ExportAllDetails(const CNoteRecord& note);
    bool ExportNotesOnly(const CNoteRecord& note);
    bool Show(bool bVisible);

    bool HasServer() const { return !m_app.IsNull(); }
    // Why no server could be created on this machine, for the status bar.
    const std::string& GetMissingNote() const { return m_strMissingNote; }

private:
    bool ActiveSheet(CDispatchDriver& sheet);
    AutomationReport::SStepReport StepReport() const;

    const CAutomationRegistry& m_registry;
    IAutomationReporter& m_reporter;
    CDispatchDriver m_app;
    std::string m_strMissingNote;
};

// The note text with every CR LF turned into a line feed.
std::string ToLineFeeds(const std::string& strText);
