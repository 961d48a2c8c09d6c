#include "MailServer.h"

#include "FileIo.h"
#include "DocumentOpener.h"
#include "ICalItem.h"
#include "MailClientSettings.h"
#include "OutlookConnection.h"
#include "ServerObject.h"

#include <QDir>

#include <memory>

namespace
{
using C = COutlookConnection;

constexpr uint16_t wItemFailed = 4096;

struct SMailState
{
    SMailClientFolders folders;
    IDocumentOpener* pOpener = nullptr;
};
using StatePtr = std::shared_ptr<SMailState>;

std::string SafeFileName(const std::string& strUid)
{
    std::string out;
    for (char c : strUid) {
        const bool bSafe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                           c == '_' || c == '@' || c == '.';
        out.push_back(bSafe ? c : '_');
    }
    if (out.empty() || out[0] == '.')
        out.insert(out.begin(), '_');
    return out + ".ics";
}

class CMailItem : public CServerObject
{
public:
    CMailItem(std::unique_ptr<CICalItem> pItem, std::string strDir, std::string strFile, StatePtr p)
        : CServerObject({{"Body", C::DISPID_ITEM_BODY},
                         {"Subject", C::DISPID_ITEM_SUBJECT},
                         {"Importance", C::DISPID_ITEM_IMPORTANCE},
                         {"StartDate", C::DISPID_TASK_STARTDATE},
                         {"Display", C::DISPID_ITEM_DISPLAY}}),
          m_pItem(std::move(pItem)), m_strDir(std::move(strDir)), m_strFile(std::move(strFile)), m_p(std::move(p))
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        const bool bTask = m_pItem->GetKind() == CICalItem::EKind::task;
        switch (id) {
        case C::DISPID_ITEM_BODY:
            if (IsGet(kind, args))
                return CAutoVariant::Text(m_pItem->GetDescription());
            m_pItem->SetDescription(PutValue(kind, args).ToText());
            // A note's subject is its first line, as the mail client shows it.
            if (!bTask)
                m_pItem->SetSummary(FirstLine(m_pItem->GetDescription()));
            return {};
        case C::DISPID_ITEM_SUBJECT:
            if (IsGet(kind, args))
                return CAutoVariant::Text(m_pItem->GetSummary());
            m_pItem->SetSummary(PutValue(kind, args).ToText());
            return {};
        case C::DISPID_ITEM_IMPORTANCE:
            if (!bTask)
                NoMember();
            if (IsGet(kind, args))
                return CAutoVariant::Int32(ImportanceFromPriority(m_pItem->GetPriority()));
            m_pItem->SetPriority(PriorityFromImportance(PutValue(kind, args).ToInt32()));
            return {};
        case C::DISPID_TASK_STARTDATE:
            if (!bTask)
                NoMember();
            if (IsGet(kind, args)) {
                const auto start = m_pItem->GetDate();
                return CAutoVariant::Date(start ? start->m_dt : C::dNoDate);
            } else {
                const double d = PutValue(kind, args).ToDate();
                if (d == C::dNoDate)
                    m_pItem->SetDate(CDateTime(0.0, CDateTime::invalid));
                else
                    m_pItem->SetDate(CDateTime(d));
            }
            return {};
        case C::DISPID_ITEM_DISPLAY:
            if (kind != EInvokeKind::method)
                NoMember();
            ExpectArgs(args, 0, 1);
            Display();
            return {};
        default:
            NoMember();
        }
    }

private:
    static std::string FirstLine(const std::string& s) { return s.substr(0, s.find_first_of("\r\n")); }

    void Display()
    {
        m_pItem->EnsureUid();
        if (m_strFile.empty())
            m_strFile = m_strDir + "/" + SafeFileName(m_pItem->GetUid());
        // The write's own text names the file and gives the reason.
        if (const SFileResult written = WriteFileAtomically(m_strFile, m_pItem->Serialize()); !written)
            throw CAutomationException::Server(wItemFailed, written.strError);
        m_p->pOpener->OpenWithDefaultHandler(m_strFile);
    }

    std::unique_ptr<CICalItem> m_pItem;
    std::string m_strDir;
    std::string m_strFile;
    StatePtr m_p;
};

class CMailItems : public CServerObject, public ISkippedItems
{
public:
    CMailItems(std::string strDir, CICalItem::EKind kind, StatePtr p)
        : CServerObject({{"GetFirst", C::DISPID_ITEMS_GETFIRST}, {"GetNext", C::DISPID_ITEMS_GETNEXT}}),
          m_strDir(std::move(strDir)), m_kind(kind), m_p(std::move(p))
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        if (kind != EInvokeKind::method || (id != C::DISPID_ITEMS_GETFIRST && id != C::DISPID_ITEMS_GETNEXT))
            NoMember();
        ExpectArgs(args, 0, 0);
        if (id == C::DISPID_ITEMS_GETFIRST) {
            m_files = VdirItemFiles(m_strDir);
            m_nNext = 0;
            m_skipped.clear();
        }
        // Files that cannot be taken are passed over and told afterwards.
        while (m_nNext < m_files.size()) {
            const std::string strPath = m_strDir + "/" + m_files[m_nNext++];
            std::string strWhy;
            if (auto pItem = ReadVdirItem(strPath, m_kind, strWhy))
                return CAutoVariant::Object(std::make_shared<CMailItem>(std::move(pItem), m_strDir, strPath, m_p));
            m_skipped.push_back(std::move(strWhy));
        }
        return {};
    }

    std::vector<std::string> SkippedItems() const override { return m_skipped; }

private:
    std::string m_strDir;
    CICalItem::EKind m_kind;
    StatePtr m_p;
    std::vector<std::string> m_files;
    size_t m_nNext = 0;
    std::vector<std::string> m_skipped;
};

class CMailFolder : public CServerObject
{
public:
    CMailFolder(std::string strDir, CICalItem::EKind kind, StatePtr p)
        : CServerObject({{"Items", C::DISPID_FOLDER_ITEMS}}), m_strDir(std::move(strDir)), m_kind(kind),
          m_p(std::move(p))
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        if (id != C::DISPID_FOLDER_ITEMS || !IsGet(kind, args))
            NoMember();
        return CAutoVariant::Object(std::make_shared<CMailItems>(m_strDir, m_kind, m_p));
    }

private:
    std::string m_strDir;
    CICalItem::EKind m_kind;
    StatePtr m_p;
};

class CMailNamespace : public CServerObject
{
public:
    explicit CMailNamespace(StatePtr p)
        : CServerObject({{"GetDefaultFolder", C::DISPID_NS_GETDEFAULTFOLDER}, {"Logoff", C::DISPID_NS_LOGOFF}}),
          m_p(std::move(p))
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        if (kind != EInvokeKind::method)
            NoMember();
        if (id == C::DISPID_NS_LOGOFF) {
            ExpectArgs(args, 0, 0);
            return {};
        }
        if (id != C::DISPID_NS_GETDEFAULTFOLDER)
            NoMember();
        ExpectArgs(args, 1, 1);
        switch (args[0].ToInt32()) {
        case C::FOLDER_TASKS:
            return CAutoVariant::Object(
                std::make_shared<CMailFolder>(m_p->folders.strTasks, CICalItem::EKind::task, m_p));
        case C::FOLDER_NOTES:
            return CAutoVariant::Object(
                std::make_shared<CMailFolder>(m_p->folders.strNotes, CICalItem::EKind::note, m_p));
        default:
            throw CAutomationException::Server(wItemFailed, "This server keeps only tasks and notes.");
        }
    }

private:
    StatePtr m_p;
};

class CMailApplication : public CServerObject
{
public:
    explicit CMailApplication(StatePtr p)
        : CServerObject({{"GetNamespace", C::DISPID_APP_GETNAMESPACE}, {"CreateItem", C::DISPID_APP_CREATEITEM}}),
          m_p(std::move(p))
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        if (kind != EInvokeKind::method)
            NoMember();
        ExpectArgs(args, 1, 1);
        if (id == C::DISPID_APP_GETNAMESPACE) {
            if (args[0].ToText() != "MAPI")
                throw CAutomationException::Server(wItemFailed, "Only the MAPI namespace is offered.");
            return CAutoVariant::Object(std::make_shared<CMailNamespace>(m_p));
        }
        if (id != C::DISPID_APP_CREATEITEM)
            NoMember();
        switch (args[0].ToInt32()) {
        case C::ITEM_TASK:
            return CAutoVariant::Object(std::make_shared<CMailItem>(CICalItem::New(CICalItem::EKind::task),
                                                                    m_p->folders.strTasks, std::string(), m_p));
        case C::ITEM_NOTE:
            return CAutoVariant::Object(std::make_shared<CMailItem>(CICalItem::New(CICalItem::EKind::note),
                                                                    m_p->folders.strNotes, std::string(), m_p));
        default:
            throw CAutomationException::Server(wItemFailed, "This server makes only tasks and notes.");
        }
    }

private:
    StatePtr m_p;
};
} // namespace

std::vector<std::string> VdirItemFiles(const std::string& strDir)
{
    std::vector<std::string> files;
    const QDir dir(QString::fromStdString(strDir));
    // Hidden files are left out by the filter; temporary files end in
    // something other than ".ics".
    for (const QString& strName : dir.entryList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name))
        files.push_back(strName.toStdString());
    return files;
}

std::unique_ptr<CICalItem> ReadVdirItem(const std::string& strPath, CICalItem::EKind kind, std::string& strWhy)
{
    // Non-blocking and regular files only: a FIFO or a link to a device in
    // a shared folder must neither hang nor flood the listing.
    std::string strData;
    if (ReadRegularFile(strPath, nMaxVdirItemBytes, strData, &strWhy) != EReadStatus::ok)
        return nullptr;
    auto pItem = CICalItem::Parse(strData, kind);
    if (!pItem)
        strWhy =
            "\"" + strPath + "\" holds no " + (kind == CICalItem::EKind::task ? "task" : "note") + " that can be read.";
    return pItem;
}

SServerCreation CreateMailServer(const SMailClientFolders& folders, IDocumentOpener& opener)
{
    SServerCreation created;
    for (const std::string* pDir : {&folders.strTasks, &folders.strNotes}) {
        if (pDir->empty() || !QDir().mkpath(QString::fromStdString(*pDir))) {
            created.scode = AutomationStatus::pathNotFound;
            return created;
        }
    }
    auto pState = std::make_shared<SMailState>();
    pState->folders = folders;
    pState->pOpener = &opener;
    created.pApplication = std::make_shared<CMailApplication>(std::move(pState));
    return created;
}
