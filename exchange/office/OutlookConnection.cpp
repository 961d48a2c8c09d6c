#include "OutlookConnection.h"

#include "AutomationException.h"
#include "AutomationRegistry.h"
#include "AutomationReport.h"

std::string NoteRowText(const std::string& strBody)
{
    std::string out;
    out.reserve(strBody.size());
    for (size_t i = 0; i < strBody.size(); ++i) {
        const char c = strBody[i];
        if (c == '\r' && i + 1 < strBody.size() && strBody[i + 1] == '\n') {
            out.push_back(' ');
            ++i;
        } else {
            out.push_back(c == '\t' || c == '\n' || c == '\r' ? ' ' : c);
        }
    }
    return out;
}

bool COutlookConnection::Open(const CAutomationRegistry& registry, IAutomationReporter& reporter)
{
    m_bAvailable = 0;
    SServerCreation created = registry.Create("Outlook.Application");
    if (!created.pApplication) {
        reporter.ReportAutomationFailure(AutomationReport::OutlookInitFailureText(created.scode), "Quillbox", true);
        return false;
    }
    m_application = CDispatchDriver(std::move(created.pApplication));
    // A namespace that cannot be had leaves the connection off, reported the
    // same way as a server that cannot be created.
    try {
        m_namespace =
            CDispatchDriver(m_application.Call(DISPID_APP_GETNAMESPACE, {CAutoVariant::Text("MAPI")}).ToObject());
        if (m_namespace.IsNull())
            throw CAutomationException::Status(AutomationStatus::noInterface);
    } catch (const CAutomationException& e) {
        m_application.Release();
        m_namespace.Release();
        reporter.ReportAutomationFailure(AutomationReport::OutlookInitFailureText(e.m_scode), "Quillbox", true);
        return false;
    }
    m_bAvailable = 1;
    return true;
}

void COutlookConnection::Close()
{
    if (!m_bAvailable)
        return;
    try {
        m_namespace.Call(DISPID_NS_LOGOFF);
    } catch (const CAutomationException&) {
        // Closing goes on whatever the server says.
    }
    m_namespace.Release();
    m_application.Release();
    m_bAvailable = 0;
}

void COutlookConnection::ExportNote(const std::string& strText)
{
    CDispatchDriver item(m_application.Call(DISPID_APP_CREATEITEM, {CAutoVariant::Int32(ITEM_NOTE)}).ToObject());
    item.SetProperty(DISPID_ITEM_BODY, CAutoVariant::Text(strText));
    item.Call(DISPID_ITEM_DISPLAY, {CAutoVariant::Bool(false)});
}

void COutlookConnection::ExportTask(const std::string& strTitle, const std::string& strText, int32_t bHasDate,
                                    const CDateTime& dtDate, int32_t nImportance)
{
    CDispatchDriver item(m_application.Call(DISPID_APP_CREATEITEM, {CAutoVariant::Int32(ITEM_TASK)}).ToObject());
    item.SetProperty(DISPID_ITEM_SUBJECT, CAutoVariant::Text(strTitle));
    item.SetProperty(DISPID_ITEM_BODY, CAutoVariant::Text(strText));
    if (bHasDate)
        item.SetProperty(DISPID_TASK_STARTDATE, CAutoVariant::Date(dtDate.m_dt));
    item.SetProperty(DISPID_ITEM_IMPORTANCE, CAutoVariant::Int32(nImportance));
    item.Call(DISPID_ITEM_DISPLAY, {CAutoVariant::Bool(false)});
}

template <class F>
int COutlookConnection::ListFolder(int32_t nFolderKind, F&& addItem, std::vector<std::string>* pSkipped,
                                   const std::atomic<bool>* pStop)
{
    const CDispatchDriver folder(
        m_namespace.Call(DISPID_NS_GETDEFAULTFOLDER, {CAutoVariant::Int32(nFolderKind)}).ToObject());
    const CDispatchDriver items(folder.GetProperty(DISPID_FOLDER_ITEMS).ToObject());
    CDispatchDriver item(items.Call(DISPID_ITEMS_GETFIRST).ToObject());
    int nCount = 0;
    // The first "next" is asked for even when "first" gave nothing.
    do {
        if (!item.IsNull()) {
            ++nCount;
            addItem(item);
        }
        if (pStop && pStop->load())
            break;
        item = CDispatchDriver(items.Call(DISPID_ITEMS_GETNEXT).ToObject());
    } while (!item.IsNull());
    if (pSkipped) {
        pSkipped->clear();
        if (const auto* pReport = dynamic_cast<const ISkippedItems*>(items.Get().get()))
            *pSkipped = pReport->SkippedItems();
    }
    return nCount;
}

int COutlookConnection::ListNotes(CImportList<std::string>& list, std::vector<std::string>* pSkipped,
                                  const std::atomic<bool>* pStop)
{
    return ListFolder(
        FOLDER_NOTES,
        [&](const CDispatchDriver& item) {
            std::string strBody = item.GetProperty(DISPID_ITEM_BODY).ToText();
            std::string strText = NoteRowText(strBody);
            list.Append(std::move(strText), std::move(strBody));
        },
        pSkipped, pStop);
}

int COutlookConnection::ListTasks(CImportList<COutlookTaskEntry>& list, std::vector<std::string>* pSkipped,
                                  const std::atomic<bool>* pStop)
{
    return ListFolder(
        FOLDER_TASKS,
        [&](const CDispatchDriver& item) {
            COutlookTaskEntry entry;
            entry.m_strSubject = item.GetProperty(DISPID_ITEM_SUBJECT).ToText();
            entry.m_strBody = item.GetProperty(DISPID_ITEM_BODY).ToText();
            const double d = item.GetProperty(DISPID_TASK_STARTDATE).ToDate();
            if (d != dNoDate) {
                entry.m_bHasDate = 1;
                entry.m_dtDate = CDateTime(d);
            } else {
                entry.m_bHasDate = 0;
                entry.m_dtDate = CDateTime(0.0);
            }
            const int32_t nImportance = item.GetProperty(DISPID_ITEM_IMPORTANCE).ToInt32();
            entry.m_nPriority = nImportance == IMPORTANCE_LOW ? 0 : nImportance == IMPORTANCE_HIGH ? 2 : 1;
            std::string strText = entry.m_strSubject;
            list.Append(std::move(strText), std::move(entry));
        },
        pSkipped, pStop);
}
