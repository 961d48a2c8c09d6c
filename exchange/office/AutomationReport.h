#pragma once

#include "Resources.h"

#include <cstdint>
#include <functional>
#include <string>

class CAutomationException;

// Where office and mail-client failures are shown. The window shows a
// message box; tests keep the texts.
class IAutomationReporter
{
public:
    virtual ~IAutomationReporter() = default;
    // An ownerless box brought to the foreground, with a stop icon or none.
    virtual void ReportAutomationFailure(const std::string& strText, const std::string& strCaption, bool bStopIcon) = 0;
};

namespace AutomationReport
{
// Which spelling a server exception is reported with: Word's creation and
// show steps have always said "COleDispathException".
enum class ESpelling { dispatch, dispath };

using QuillboxResources::IDP_EXCEL_EXPORT_FAILED;
using QuillboxResources::IDP_OUTLOOK_INIT_FAILED;
using QuillboxResources::IDP_WORD_EXPORT_FAILED;

// The line naming the support contact that follows the numbered messages.
std::string SupportLine();

// The status-code form or the server-exception form, as the exception is.
void Report(IAutomationReporter& reporter, const CAutomationException& e, ESpelling spelling);
// The stop-icon message nMessageId followed by the support line.
void ReportOther(IAutomationReporter& reporter, unsigned nMessageId);
// Message 61451 for the status code, followed by the support line.
std::string OutlookInitFailureText(uint32_t scode);
// A mail-client call that failed during a command.
void ReportMailClientFailure(IAutomationReporter& reporter, const CAutomationException& e);

// How an export step's failure is told: a server exception in the given
// spelling, anything else as the stop-icon message nOtherId.
struct SStepReport
{
    IAutomationReporter& reporter;
    ESpelling spelling;
    unsigned nOtherId;
};

// Runs one step of an export's conversation with its server and says
// whether it ran to its end; a failure is told as report says.
bool RunStep(const std::function<void()>& step, const SStepReport& report);
// The same for a step whose failure is passed over in silence.
bool RunQuietly(const std::function<void()>& step);
} // namespace AutomationReport
