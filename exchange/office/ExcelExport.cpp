#include "ExcelExport.h"

#include "AppContext.h"
#include "AutomationRegistry.h"
#include "AutomationReport.h"
#include "NoteRecord.h"

namespace
{
using AutomationReport::RunQuietly;
using AutomationReport::RunStep;

class CCell
{
public:
    CCell(const CDispatchDriver& sheet, const char* pszName)
        : m_range(sheet.GetObject("Range", {CAutoVariant::Text(pszName), CAutoVariant::Missing()}))
    {}

    void Bold() const { Font().SetProperty(CExcelExport::DISPID_FONT_BOLD, CAutoVariant::Int16(-1)); }
    void Italic() const { Font().SetProperty(CExcelExport::DISPID_FONT_ITALIC, CAutoVariant::Int16(-1)); }
    void Value(const std::string& strText) const
    {
        m_range.SetProperty(CExcelExport::DISPID_RANGE_VALUE, CAutoVariant::Text(strText));
    }
    // The comment object the server returns is released at once.
    void Comment(const std::string& strText) const
    {
        m_range.Call(CExcelExport::DISPID_RANGE_ADDCOMMENT, {CAutoVariant::Text(strText)});
    }

private:
    CDispatchDriver Font() const { return m_range.GetObject(CExcelExport::DISPID_RANGE_FONT); }

    CDispatchDriver m_range;
};
} // namespace

std::string ToLineFeeds(const std::string& strText)
{
    std::string out;
    out.reserve(strText.size());
    for (size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n')
            continue;
        out.push_back(strText[i]);
    }
    return out;
}

CExcelExport::CExcelExport(const CAutomationRegistry& registry, IAutomationReporter& reporter)
    : m_registry(registry), m_reporter(reporter)
{}

bool CExcelExport::CreateServer(bool bVisible)
{
    SServerCreation created = m_registry.Create("Excel.application");
    if (!created.pApplication) {
        m_strMissingNote = created.strMissingNote;
        return false;
    }
    m_app = CDispatchDriver(std::move(created.pApplication));
    return RunStep(
        [&] {
            m_app.SetProperty("Visible", CAutoVariant::Bool(bVisible));
            CDispatchDriver workbooks = m_app.GetObject("Workbooks");
            workbooks.Call("Add", {CAutoVariant::Int32(1)});
        },
        StepReport());
}

AutomationReport::SStepReport CExcelExport::StepReport() const
{
    return {m_reporter, AutomationReport::ESpelling::dispatch, AutomationReport::IDP_EXCEL_EXPORT_FAILED};
}

bool CExcelExport::ActiveSheet(CDispatchDriver& sheet)
{
    return RunStep([&] { sheet = m_app.GetObject("ActiveSheet"); }, StepReport());
}

bool CExcelExport::ExportAllDetails(const CNoteRecord& note)
{
    if (m_app.IsNull())
        return false;
    CDispatchDriver sheet;
    if (!ActiveSheet(sheet))
        return false;
    return RunStep(
        [&] {
            const auto labelled = [&](const char* pszLabelCell, const char* pszLabel, const char* pszValueCell,
                                      const std::string& strValue) {
                const CCell label(sheet, pszLabelCell);
                label.Bold();
                label.Value(pszLabel);
                CCell(sheet, pszValueCell).Value(strValue);
            };

            const CCell title(sheet, "C2");
            title.Bold();
            title.Value(note.m_strTitle);
            if (note.m_bHasDate) {
                const CCell date(sheet, "E4");
                date.Italic();
                date.Value(CAppContext::FormatDate(note.m_dtDate));
            }
            labelled("A6", "Priority", "B6", PriorityText(note.m_nPriority));
            labelled("A8", "Comments", "B8", note.m_strComments);
            labelled("A10", "Keyword(s)", "B10", note.m_strKeywords);
            const CCell notes(sheet, "A12");
            notes.Bold();
            notes.Value("Notes");
            if (!note.m_strNotes.empty()) {
                const CCell view(sheet, "B12");
                view.Value("View Notes");
                view.Comment(ToLineFeeds(note.m_strNotes));
            }
        },
        StepReport());
}

bool CExcelExport::ExportNotesOnly(const CNoteRecord& note)
{
    if (m_app.IsNull())
        return false;
    CDispatchDriver sheet;
    if (!ActiveSheet(sheet))
        return false;
    // A failure while writing the cells is not reported: writing stops there.
    return RunQuietly([&] {
        const CCell heading(sheet, "C2");
        heading.Bold();
        heading.Value("Notes");
        if (!note.m_strNotes.empty())
            CCell(sheet, "C4").Value(ToLineFeeds(note.m_strNotes));
    });
}

bool CExcelExport::Show(bool bVisible)
{
    if (m_app.IsNull())
        return false;
    return RunStep([&] { m_app.SetProperty("Visible", CAutoVariant::Bool(bVisible)); }, StepReport());
}
