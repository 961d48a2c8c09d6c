#pragma once

#include "AutomationRegistry.h"

class IDocumentOpener;
struct SOfficeInstall;

// The word-processor server: keeps the typed text with its formatting and,
// each time it is made visible, writes the open document as a Flat
// OpenDocument text into the program's temporary folder and opens it in
// LibreOffice Writer as a new, untitled document. Creating it fails when
// Writer is not installed.
SServerCreation CreateWriterServer(const SOfficeInstall& office, IDocumentOpener& opener);

// The status-bar line for a machine without Writer.
extern const char* const pszNeedsWriter;
