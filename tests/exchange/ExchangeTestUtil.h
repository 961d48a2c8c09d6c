#pragma once

#include "NoteRecord.h"
#include "TestUtil.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <string>

struct SToolRun
{
    int code = -1;
    std::string out;
    std::string err;
};

inline SToolRun RunTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

inline bool HavePdfTools()
{
    return !QStandardPaths::findExecutable("qpdf").isEmpty() && !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

// qpdf finds no fault; 3 would be warnings, which we do not accept either.
inline SToolRun QpdfCheck(const std::string& path)
{
    return RunTool("qpdf", {"--check", QString::fromStdString(path)});
}

// The text a viewer extracts, pages firstPage to lastPage (0: all).
inline std::string PdfText(const std::string& path, int firstPage = 0, int lastPage = 0)
{
    QStringList args;
    if (firstPage)
        args << "-f" << QString::number(firstPage) << "-l" << QString::number(lastPage);
    args << "-enc"
         << "UTF-8" << QString::fromStdString(path) << "-";
    return RunTool("pdftotext", args).out;
}

// Shopping, no date, priority High, comments Weekly, keywords food, notes
// milk and bread on two lines.
inline CNoteRecord ShoppingNote()
{
    CNoteRecord n;
    n.m_strKey = "2026120706000010";
    n.m_strTitle = "Shopping";
    n.m_nPriority = 2;
    n.m_strComments = "Weekly";
    n.m_strKeywords = "food";
    n.m_strNotes = "milk\r\nbread";
    return n;
}

// Skips the rest of the test when the PDF tools are not installed.
#define SKIP_WITHOUT_PDF_TOOLS()                                                                                       \
    do {                                                                                                               \
        if (!HavePdfTools())                                                                                           \
            GTEST_SKIP() << "qpdf or pdftotext is not installed";                                                      \
    } while (0)
