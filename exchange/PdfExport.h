#pragma once

#include <string>

class CNoteRecord;
class ITextMeasurer;

// The body of a note's PDF: its fields as labelled lines, tabs aligning them.
std::string BuildPdfBodyText(const CNoteRecord& note);

// Writes the note as a PDF: a cover page with the title, a rule and the
// subtitle, then body pages headed by the title. False when the file could
// not be written. Wrapping measures with built-in Helvetica widths unless
// another measurer is given.
bool ExportNoteToPdf(const CNoteRecord& note, const std::string& strTitle, const std::string& strSubtitle,
                     const std::string& strPath);
bool ExportNoteToPdf(const CNoteRecord& note, const std::string& strTitle, const std::string& strSubtitle,
                     const std::string& strPath, const ITextMeasurer& measurer);
