#pragma once

#include <string>

// Where LibreOffice is and which of its parts are installed.
struct SOfficeInstall
{
    std::string strProgram; // empty when there is none
    bool bWriter = false;
    bool bCalc = false;
    // It can show a window: the headless build alone starts, converts and
    // never shows the document.
    bool bDesktop = false;
};

// soffice or libreoffice on the PATH. Writer and Calc are told by their
// libraries beside the program, a desktop by its window-system plugins
// there; a layout without Writer and Calc libraries is taken to hold both
// and a desktop.
SOfficeInstall FindLibreOffice();

// The status-bar line when only the headless LibreOffice is installed.
extern const char* const pszNeedsDesktopOffice;
// The status-bar line once a document goes to LibreOffice.
extern const char* const pszOpeningInOffice;

// The program's own temporary folder, made on first use in TMPDIR or, when
// that cannot be had, in /tmp, and removed at exit; empty when it cannot be
// made, and pError then names where and says why.
std::string ProgramTempDir(std::string* pError = nullptr);
// Removes that folder with what is in it, at exit; a later use makes a new one.
void RemoveProgramTempDir();
// A path in that folder no file of this run has had, ending in strSuffix;
// empty when there is no folder, with pError saying why.
std::string NewProgramTempFile(const std::string& strSuffix, std::string* pError = nullptr);
