#include "WordExport.h"

#include "AppContext.h"
#include "AutomationRegistry.h"
#include "AutomationReport.h"
#include "NoteRecord.h"

namespace
{
constexpr const char* pszBlankLine = "\r\n\r\n";

using AutomationReport::ESpelling;
using AutomationReport::RunQuietly;
using AutomationReport::RunStep;
using AutomationReport::SStepReport;

// The character and paragraph formatting of the selection, switched one
// attribute at a time as the layout goes.
struct SFormatting
{
    CDispatchDriver font;
    CDispatchDriver paragraph;

    void Set(const char* pszName, int32_t n) const { font.SetProperty(pszName, CAutoVariant::Int32(n)); }
    void Align(int32_t n) const { paragraph.SetProperty("Alignment", CAutoVariant::Int32(n)); }
    void Grow(double dPoints) const
    {
        const double dSize = font.GetProperty("Size").ToDouble();
        font.SetProperty("Size", CAutoVariant::Real32(static_cast<float>(dSize + dPoints)));
    }
};

std::string DetailsText(const CNoteRecord& note)
{
    return std::string("Priority\t:") + "\t" + PriorityText(note.m_nPriority) + pszBlankLine + "Comments\t:" + "\t" +
           note.m_strComments + pszBlankLine + "Keyword(s)\t:" + "\t" + note.m_strKeywords;
}
} // namespace

CWordExport::CWordExport(const CAutomationRegistry& registry, IAutomationReporter& reporter)
    : m_registry(registry), m_reporter(reporter)
{}

bool CWordExport::CreateServer(bool bVisible)
{
    SServerCreation created = m_registry.Create("word.application");
    if (!created.pApplication) {
        m_strMissingNote = created.strMissingNote;
        return false;
    }
    m_app = CDispatchDriver(std::move(created.pApplication));
    const SStepReport report{m_reporter, ESpelling::dispath, AutomationReport::IDP_WORD_EXPORT_FAILED};
    return RunStep(
        [&] {
            m_app.SetProperty("Visible", CAutoVariant::Bool(bVisible));
            CDispatchDriver documents = m_app.GetObject("Documents");
            const CAutoVariant missing = CAutoVariant::Missing();
            documents.Call("Add", {missing, missing, missing, missing});
        },
        report);
}

bool CWordExport::ExportAllDetails(const CNoteRecord& note)
{
    return Export(note, true);
}

bool CWordExport::ExportNotesOnly(const CNoteRecord& note)
{
    return Export(note, false);
}

bool CWordExport::Export(const CNoteRecord& note, bool bAllDetails)
{
    if (m_app.IsNull())
        return false;
    CDispatchDriver selection;
    const SStepReport report{m_reporter, ESpelling::dispatch, AutomationReport::IDP_WORD_EXPORT_FAILED};
    if (!RunStep([&] { selection = m_app.GetObject("Selection"); }, report))
        return false;

    // A failure while typing is not reported: the document keeps what was
    // typed so far.
    return RunQuietly([&] {
        const SFormatting fmt{selection.GetObject("Font"), selection.GetObject("ParagraphFormat")};
        const auto type = [&](const std::string& strText) {
            selection.Call("TypeText", {CAutoVariant::Text(strText)});
        };

        fmt.Set("Underline", 1);
        fmt.Set("Bold", 1);
        fmt.Align(1);
        fmt.Grow(2);
        type(note.m_strTitle + pszBlankLine);

        fmt.Set("Underline", 0);
        fmt.Align(0);
        fmt.Set("Bold", 0);
        fmt.Grow(-2);

        if (bAllDetails) {
            const std::string strDate = note.m_bHasDate ? CAppContext::FormatDate(note.m_dtDate) : std::string();
            if (!strDate.empty()) {
                fmt.Align(2);
                fmt.Set("Italic", 1);
                type(strDate + pszBlankLine);
            }
            fmt.Set("Underline", 0);
            fmt.Align(0);
            fmt.Set("Bold", 0);
            fmt.Set("Italic", 0);
            type(DetailsText(note) + pszBlankLine);
        }

        fmt.Set("Underline", 1);
        fmt.Set("Bold", 1);
        type(std::string("Notes: ") + pszBlankLine);

        fmt.Set("Underline", 0);
        fmt.Set("Bold", 0);
        fmt.Grow(-1);
        type(note.m_strNotes + pszBlankLine);
        fmt.Grow(1);
    });
}

bool CWordExport::Show(bool bVisible)
{
    if (m_app.IsNull())
        return false;
    const SStepReport report{m_reporter, ESpelling::dispath, AutomationReport::IDP_WORD_EXPORT_FAILED};
    return RunStep([&] { m_app.SetProperty("Visible", CAutoVariant::Bool(bVisible)); }, report);
}
