#include "AutomationReport.h"

#include "AppContext.h"
#include "AutomationException.h"

#include <cstdio>
#include <exception>

namespace
{
constexpr const char* pszProgramTitle = "Quillbox";

std::string Hex8(uint32_t n)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%08lx", static_cast<unsigned long>(n));
    return buf;
}

// Fills the first "%08lx" of a message with the code.
std::string FillCode(std::string strText, uint32_t n)
{
    const auto pos = strText.find("%08lx");
    if (pos != std::string::npos)
        strText.replace(pos, 5, Hex8(n));
    return strText;
}
} // namespace

namespace AutomationReport
{
std::string SupportLine()
{
    return "For support, write to support@orvantic.example.";
}

void Report(IAutomationReporter& reporter, const CAutomationException& e, ESpelling spelling)
{
    if (e.m_kind == CAutomationException::EKind::status) {
        reporter.ReportAutomationFailure("COleException. SCODE: " + Hex8(e.m_scode) + ".", "COleException", false);
        return;
    }
    const std::string strName = spelling == ESpelling::dispath ? "COleDispathException" : "COleDispatchException";
    reporter.ReportAutomationFailure(
        strName + ". SCODE: " + Hex8(e.m_wCode) + ", Description: \"" + e.m_strDescription + "\".", strName, false);
}

void ReportOther(IAutomationReporter& reporter, unsigned nMessageId)
{
    reporter.ReportAutomationFailure(CAppContext::LoadStringResource(nMessageId) + "\n" + SupportLine(),
                                     pszProgramTitle, true);
}

std::string OutlookInitFailureText(uint32_t scode)
{
    return FillCode(CAppContext::LoadStringResource(IDP_OUTLOOK_INIT_FAILED), scode) + SupportLine();
}

void ReportMailClientFailure(IAutomationReporter& reporter, const CAutomationException& e)
{
    std::string strText = "The mail client could not complete the command";
    if (e.m_kind == CAutomationException::EKind::server)
        strText += ": " + e.m_strDescription;
    else
        strText += " (error " + Hex8(e.m_scode) + ")";
    // A server's own description may end its sentence already.
    if (strText.back() != '.')
        strText += '.';
    reporter.ReportAutomationFailure(strText, pszProgramTitle, true);
}

namespace
{
bool RunStep(const std::function<void()>& step, const SStepReport* pReport)
{
    try {
        step();
        return true;
    } catch (const CAutomationException& e) {
        if (pReport)
            Report(pReport->reporter, e, pReport->spelling);
    } catch (const std::exception&) {
        if (pReport)
            ReportOther(pReport->reporter, pReport->nOtherId);
    }
    return false;
}
} // namespace

bool RunStep(const std::function<void()>& step, const SStepReport& report)
{
    return RunStep(step, &report);
}

bool RunQuietly(const std::function<void()>& step)
{
    return RunStep(step, nullptr);
}
} // namespace AutomationReport
