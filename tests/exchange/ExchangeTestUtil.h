#pragma once

#include "NoteRecord.h"
#include "TestUtil.h"

#include <QStandardPaths>

#include <string>

#include <gtest/gtest.h>

inline bool HavePdfTools()
{
    return !QStandardPaths::findExecutable("qpdf").isEmpty() && !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

// qpdf finds no fault; 3 would be warnings, which we do not accept either.
inline void ExpectQpdfFindsNoFault(const std::string& path)
{
    const SRawRun check = RunProgram({"qpdf", "--check", path});
    EXPECT_EQ(check.code, 0) << path << check.out << check.err;
}

// The text a viewer extracts, pages firstPage to lastPage (0: all).
inline std::string PdfText(const std::string& path, int firstPage = 0, int lastPage = 0)
{
    std::vector<std::string> args = {"pdftotext", "-enc", "UTF-8", path, "-"};
    if (firstPage)
        args.insert(args.begin() + 1, {"-f", std::to_string(firstPage), "-l", std::to_string(lastPage)});
    return RunProgram(args).out;
}

// Shopping, no date, priority High, comments Weekly, keywords food, notes
// milk and bread on two lines.
inline CNoteRecord ShoppingNote()
{
    CNoteRecord n = MakeNote("2026120706000010", "Shopping", "milk\r\nbread");
    n.m_nPriority = 2;
    n.m_strComments = "Weekly";
    n.m_strKeywords = "food";
    return n;
}

// Skips the rest of the test when the PDF tools are not installed.
#define SKIP_WITHOUT_PDF_TOOLS()                                                                                       \
    do {                                                                                                               \
        if (!HavePdfTools())                                                                                           \
            GTEST_SKIP() << "qpdf or pdftotext is not installed";                                                      \
    } while (0)
