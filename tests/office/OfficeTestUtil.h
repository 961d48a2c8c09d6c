#pragma once

#include "AutomationRegistry.h"
#include "AutomationReport.h"
#include "DocumentOpener.h"
#include "MailClientSettings.h"
#include "MailServer.h"
#include "OutlookConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <string>
#include <vector>

// Keeps what the servers ask the desktop to open, and opens nothing.
class CRecordingOpener : public IDocumentOpener
{
public:
    struct SStart
    {
        std::string strProgram;
        std::vector<std::string> args;
    };
    std::vector<SStart> starts;
    std::vector<std::string> opened;
    bool bSucceed = true;

    bool StartProgram(const std::string& strProgram, const std::vector<std::string>& args) override
    {
        starts.push_back({strProgram, args});
        return bSucceed;
    }
    bool OpenWithDefaultHandler(const std::string& strPath) override
    {
        opened.push_back(strPath);
        return bSucceed;
    }
};

// Keeps every box the commands would show.
class CCapturingReporter : public IAutomationReporter
{
public:
    struct SBox
    {
        std::string strText;
        std::string strCaption;
        bool bStopIcon;
    };
    std::vector<SBox> boxes;

    void ReportAutomationFailure(const std::string& strText, const std::string& strCaption, bool bStopIcon) override
    {
        boxes.push_back({strText, strCaption, bStopIcon});
    }
};

inline std::string Calendar(const std::string& strInner)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//Test//EN\r\n" + strInner + "END:VCALENDAR\r\n";
}

// A connection to our mail-client server over two folders of a temporary
// directory, into which Add writes items as another program would.
struct SMail
{
    QTemporaryDir dir;
    SMailClientFolders folders{dir.path().toStdString() + "/tasks", dir.path().toStdString() + "/notes"};
    CRecordingOpener opener;
    CAutomationRegistry registry;
    CCapturingReporter reporter;
    COutlookConnection outlook;
    int nItems = 0;

    SMail()
    {
        registry.Register("Outlook.Application", [this] { return CreateMailServer(folders, opener); });
        bOpened = outlook.Open(registry, reporter);
    }
    bool bOpened;

    // strKind is VTODO for a task, VJOURNAL for a note.
    void Add(const std::string& strKind, const std::string& strProperties)
    {
        const std::string strUid = std::to_string(++nItems);
        QFile f(
            QString::fromStdString((strKind == "VTODO" ? folders.strTasks : folders.strNotes) + "/" + strUid + ".ics"));
        if (f.open(QIODevice::WriteOnly))
            f.write(QByteArray::fromStdString(Calendar("BEGIN:" + strKind + "\r\nUID:" + strUid + "\r\n" +
                                                       strProperties + "END:" + strKind + "\r\n")));
    }

    std::vector<COutlookTaskEntry> Tasks() { return Listed<COutlookTaskEntry>(&COutlookConnection::ListTasks); }
    std::vector<std::string> Notes() { return Listed<std::string>(&COutlookConnection::ListNotes); }

    template <class T, class F>
    std::vector<T> Listed(F pfnList)
    {
        CImportList<T> list;
        (outlook.*pfnList)(list, nullptr, nullptr);
        std::vector<T> out;
        for (size_t i = 0; i < list.GetCount(); ++i)
            out.push_back(list.GetRow(i).data);
        return out;
    }
};
