#pragma once

#include <string>

// Where LibreOffice is and which of its parts are installed.
struct SOfficeInstall
{
    std::string strProgram; // empty when there is none
    bool bWriter = false;
    bool bCalc = false;
};

// soffice or libreoffice on the PATH. Writer and Calc are told by their
// libraries beside the program; a layout without either is taken to hold both.
SOfficeInstall FindLibreOffice();

// The program's own temporary folder, made on first use in TMPDIR or, when
// that cannot be had, in /tmp, and removed at exit; empty when it cannot be
// made, and pError then names where and says why.
std::string ProgramTempDir(std::string* pError = nullptr);
// Removes that folder with what is in it, at exit; a later use makes a new one.
void RemoveProgramTempDir();
// A path in that folder no file of this run has had, ending in strSuffix;
// empty when there is no folder, with pError saying why.
std::string NewProgramTempFile(const std::string& strSuffix, std::string* pError = nullptr);
