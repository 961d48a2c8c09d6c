#pragma once

#include "AutomationReport.h"

// Office and mail-client failures in ownerless message boxes brought to the
// foreground.
class CAutomationMessageBox : public IAutomationReporter
{
public:
    void ReportAutomationFailure(const std::string& strText, const std::string& strCaption, bool bStopIcon) override;
};
