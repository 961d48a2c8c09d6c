#include "PdfExport.h"

#include "AppContext.h"
#include "NoteRecord.h"
#include "PdfWriter.h"
#include "TextMeasurer.h"

std::string BuildPdfBodyText(const CNoteRecord& note)
{
    std::string text = "Title\t\t\t\t\t\t\t\t\t\t\t\t:\t\t" + note.m_strTitle + "\r\n\r\n";
    if (note.m_bHasDate)
        text += "Date\t\t\t\t\t\t\t\t\t\t\t:\t\t" + CAppContext::FormatDate(note.m_dtDate) + "\r\n\r\n";
    text += std::string("Priority\t\t\t\t\t\t\t:\t\t") + PriorityText(note.m_nPriority) + "\r\n\r\n";
    text += "Comments\t:\t\t" + note.m_strComments + "\r\n\r\n";
    text += "Keyword[s]\t:\t\t" + note.m_strKeywords + "\r\n\r\n";
    text.reserve(text.size() + 11 + note.m_strNotes.size());
    text += "Notes\t:\r\n\r\n";
    text += note.m_strNotes;
    return text;
}

bool ExportNoteToPdf(const CNoteRecord& note, const std::string& strTitle, const std::string& strSubtitle,
                     const std::string& strPath)
{
    return ExportNoteToPdf(note, strTitle, strSubtitle, strPath, CHelveticaMeasurer());
}

bool ExportNoteToPdf(const CNoteRecord& note, const std::string& strTitle, const std::string& strSubtitle,
                     const std::string& strPath, const ITextMeasurer& measurer)
{
    CPdfWriter pdf;
    pdf.NewPage();
    pdf.AddText(strTitle, 100, 500, 2);
    pdf.AddLine(100, 470, 500, 470, 2);
    pdf.AddText(strSubtitle, 300, 468, 1);
    pdf.NewPage();
    pdf.AddText(strTitle, 50, 750, 1);
    pdf.AddLine(50, 725, 500, 725, 1);
    pdf.AddTextBlock(BuildPdfBodyText(note), 50, 720, 1, 8, measurer);
    return pdf.SaveToFile(strPath);
}
