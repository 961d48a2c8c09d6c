#pragma once

#include "FileIo.h"

#include <string>

class CNoteRecord;
class ITextMeasurer;

// The body of a note's PDF: its fields as labelled lines, tabs aligning them.
std::string BuildPdfBodyText(const CNoteRecord& note);

// The note as a PDF: a cover page with the title, a rule and the subtitle,
// then body pages headed by the title.
std::string BuildNotePdf(const CNoteRecord& note, const std::string& strTitle, const std::string& strSubtitle,
                         const ITextMeasurer& measurer);

// Writes BuildNotePdf to the file; says why when it could not be written.
// Wrapping measures with built-in Helvetica widths unless another measurer
// is given.
SFileResult ExportNoteToPdf(const CNoteRecord& note, const std::string& strTitle, const std::string& strSubtitle,
                            const std::string& strPath);
SFileResult ExportNoteToPdf(const CNoteRecord& note, const std::string& strTitle, const std::string& strSubtitle,
                            const std::string& strPath, const ITextMeasurer& measurer);
