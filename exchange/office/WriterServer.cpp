#include "WriterServer.h"

#include "FileIo.h"
#include "DocumentOpener.h"
#include "OfficeInstall.h"
#include "ServerObject.h"
#include "TextDocument.h"

#include <memory>

const char* const pszNeedsWriter = "Export to MS Word needs LibreOffice Writer, which is not installed.";

namespace
{
enum : DispId {
    DISPID_VISIBLE = 1,
    DISPID_DOCUMENTS,
    DISPID_SELECTION,
    DISPID_ADD,
    DISPID_FONT,
    DISPID_PARAGRAPHFORMAT,
    DISPID_TYPETEXT,
    DISPID_UNDERLINE,
    DISPID_BOLD,
    DISPID_ITALIC,
    DISPID_SIZE,
    DISPID_ALIGNMENT,
};

struct SWriterState
{
    std::string strProgram;
    IDocumentOpener* pOpener = nullptr;
    bool bVisible = false;
    std::shared_ptr<CTextDocument> pActive;

    CTextDocument& Active() const
    {
        if (!pActive)
            throw CAutomationException::Server(4248, "This command is not available because no document is open.");
        return *pActive;
    }

    void ShowActive()
    {
        if (!pActive)
            return;
        std::string strError;
        const std::string strPath = NewProgramTempFile(".fodt", &strError);
        if (strPath.empty())
            throw CAutomationException::Server(5152, "The document could not be written. " + strError);
        // The write's own text names the file and gives the reason.
        if (const SFileResult written = WriteFileAtomically(strPath, pActive->ToFlatOdt()); !written)
            throw CAutomationException::Server(5152, "The document could not be written. " + written.strError);
        if (!pOpener->StartProgram(strProgram, {"-n", strPath}))
            throw CAutomationException::Server(5153, "LibreOffice Writer could not be started.");
    }
};
using StatePtr = std::shared_ptr<SWriterState>;

class CWriterFont : public CServerObject
{
public:
    explicit CWriterFont(StatePtr p)
        : CServerObject({{"Underline", DISPID_UNDERLINE},
                         {"Bold", DISPID_BOLD},
                         {"Italic", DISPID_ITALIC},
                         {"Size", DISPID_SIZE}}),
          m_p(std::move(p))
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        CTextDocument::SCharFormat& f = m_p->Active().Format();
        bool* pFlag = id == DISPID_UNDERLINE ? &f.bUnderline
                      : id == DISPID_BOLD    ? &f.bBold
                      : id == DISPID_ITALIC  ? &f.bItalic
                                             : nullptr;
        if (pFlag) {
            if (IsGet(kind, args))
                return CAutoVariant::Int32(*pFlag ? 1 : 0);
            *pFlag = PutValue(kind, args).ToInt32() != 0;
            return {};
        }
        if (id != DISPID_SIZE)
            NoMember();
        if (IsGet(kind, args))
            return CAutoVariant::Real32(static_cast<float>(f.dSize));
        const double d = PutValue(kind, args).ToDouble();
        if (!(d >= 1.0 && d <= 1638.0))
            throw CAutomationException::Server(6137, "The requested member of the collection does not exist.");
        f.dSize = d;
        return {};
    }

private:
    StatePtr m_p;
};

class CWriterParagraphFormat : public CServerObject
{
public:
    explicit CWriterParagraphFormat(StatePtr p) : CServerObject({{"Alignment", DISPID_ALIGNMENT}}), m_p(std::move(p)) {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        if (id != DISPID_ALIGNMENT)
            NoMember();
        CTextDocument& doc = m_p->Active();
        if (IsGet(kind, args))
            return CAutoVariant::Int32(doc.GetAlignment());
        const int32_t n = PutValue(kind, args).ToInt32();
        doc.SetAlignment(n >= 0 && n <= 2 ? n : 0);
        return {};
    }

private:
    StatePtr m_p;
};

class CWriterSelection : public CServerObject
{
public:
    explicit CWriterSelection(StatePtr p)
        : CServerObject(
              {{"Font", DISPID_FONT}, {"ParagraphFormat", DISPID_PARAGRAPHFORMAT}, {"TypeText", DISPID_TYPETEXT}}),
          m_p(std::move(p))
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        switch (id) {
        case DISPID_FONT:
            if (!IsGet(kind, args))
                NoMember();
            return CAutoVariant::Object(std::make_shared<CWriterFont>(m_p));
        case DISPID_PARAGRAPHFORMAT:
            if (!IsGet(kind, args))
                NoMember();
            return CAutoVariant::Object(std::make_shared<CWriterParagraphFormat>(m_p));
        case DISPID_TYPETEXT:
            if (kind != EInvokeKind::method)
                NoMember();
            ExpectArgs(args, 1, 1);
            m_p->Active().TypeText(args[0].ToText());
            return {};
        default:
            NoMember();
        }
    }

private:
    StatePtr m_p;
};

class CWriterDocument : public CServerObject
{
public:
    CWriterDocument() : CServerObject({}) {}
    CAutoVariant Invoke(DispId, EInvokeKind, const std::vector<CAutoVariant>&) override { NoMember(); }
};

class CWriterDocuments : public CServerObject
{
public:
    explicit CWriterDocuments(StatePtr p) : CServerObject({{"Add", DISPID_ADD}}), m_p(std::move(p)) {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        if (id != DISPID_ADD || kind != EInvokeKind::method)
            NoMember();
        // Template, as-template, document type and visibility: all optional,
        // and a new blank document is all this server makes.
        ExpectArgs(args, 0, 4);
        m_p->pActive = std::make_shared<CTextDocument>();
        return CAutoVariant::Object(std::make_shared<CWriterDocument>());
    }

private:
    StatePtr m_p;
};

class CWriterApplication : public CServerObject
{
public:
    explicit CWriterApplication(StatePtr p)
        : CServerObject(
              {{"Visible", DISPID_VISIBLE}, {"Documents", DISPID_DOCUMENTS}, {"Selection", DISPID_SELECTION}}),
          m_p(std::move(p))
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        switch (id) {
        case DISPID_VISIBLE: {
            if (IsGet(kind, args))
                return CAutoVariant::Bool(m_p->bVisible);
            const bool bVisible = PutValue(kind, args).ToBool();
            // Showing the server is showing its document in Writer.
            if (bVisible && !m_p->bVisible)
                m_p->ShowActive();
            m_p->bVisible = bVisible;
            return {};
        }
        case DISPID_DOCUMENTS:
            if (!IsGet(kind, args))
                NoMember();
            return CAutoVariant::Object(std::make_shared<CWriterDocuments>(m_p));
        case DISPID_SELECTION:
            if (!IsGet(kind, args))
                NoMember();
            m_p->Active();
            return CAutoVariant::Object(std::make_shared<CWriterSelection>(m_p));
        default:
            NoMember();
        }
    }

private:
    StatePtr m_p;
};
} // namespace

SServerCreation CreateWriterServer(const SOfficeInstall& office, IDocumentOpener& opener)
{
    SServerCreation created;
    if (office.strProgram.empty() || !office.bWriter) {
        created.scode = AutomationStatus::classNotRegistered;
        created.strMissingNote = pszNeedsWriter;
        return created;
    }
    if (!office.bDesktop) {
        created.scode = AutomationStatus::classNotRegistered;
        created.strMissingNote = pszNeedsDesktopOffice;
        return created;
    }
    auto pState = std::make_shared<SWriterState>();
    pState->strProgram = office.strProgram;
    pState->pOpener = &opener;
    created.pApplication = std::make_shared<CWriterApplication>(std::move(pState));
    return created;
}
