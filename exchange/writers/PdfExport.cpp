#include "PdfExport.h"

#include "AppContext.h"
#include "ExportTarget.h"
#include "NoteDetails.h"
#include "NoteRecord.h"
#include "PdfWriter.h"
#include "TextMeasurer.h"

std::string BuildPdfBodyText(const CNoteRecord& note)
{
    static const SDetailLabels labels = {"Title\t\t\t\t\t\t\t\t\t\t\t\t:\t\t", "Date\t\t\t\t\t\t\t\t\t\t\t:\t\t",
                                         "Priority\t\t\t\t\t\t\t:\t\t", "Comments\t:\t\t", "Keyword[s]\t:\t\t"};
    return ComposeNoteDetails(note, labels);
}

SFileResult ExportNoteToPdf(const CNoteRecord& note, const std::string& strTitle, const std::string& strSubtitle,
                            const std::string& strPath)
{
    return ExportNoteToPdf(note, strTitle, strSubtitle, strPath, CHelveticaMeasurer());
}

SFileResult ExportNoteToPdf(const CNoteRecord& note, const std::string& strTitle, const std::string& strSubtitle,
                            const std::string& strPath, const ITextMeasurer& measurer)
{
    return WriteExportTarget(strPath, BuildNotePdf(note, strTitle, strSubtitle, measurer));
}

std::string BuildNotePdf(const CNoteRecord& note, const std::string& strTitle, const std::string& strSubtitle,
                         const ITextMeasurer& measurer)
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
    return pdf.BuildFile();
}
