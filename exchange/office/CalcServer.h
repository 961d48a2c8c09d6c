#pragma once

#include "AutomationRegistry.h"

class IDocumentOpener;
struct SOfficeInstall;

// The spreadsheet server: keeps the cells written into the active sheet and,
// each time it is made visible, writes the workbook as a Flat OpenDocument
// spreadsheet into the program's temporary folder and opens it in
// LibreOffice Calc as a new, untitled document. Creating it fails when Calc
// is not installed.
SServerCreation CreateCalcServer(const SOfficeInstall& office, IDocumentOpener& opener);

// The status-bar line for a machine without Calc.
extern const char* const pszNeedsCalc;
