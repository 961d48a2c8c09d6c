#include "CalcServer.h"

#include "FileIo.h"
#include "DocumentOpener.h"
#include "ExcelExport.h"
#include "OfficeInstall.h"
#include "ServerObject.h"
#include "SpreadsheetDocument.h"

#include <memory>

const char* const pszNeedsCalc = "Export to MS Excel needs LibreOffice Calc, which is not installed.";

namespace
{
enum : DispId {
    DISPID_VISIBLE = 0x22E,
    DISPID_WORKBOOKS = 0x23C,
    DISPID_ACTIVESHEET = 0x133,
    DISPID_ADD = 0xB5,
    DISPID_RANGE = 0xC5,
};

// The code a spreadsheet server raises for a call it cannot carry out.
constexpr uint16_t wCallFailed = 1004;

struct SCalcState
{
    std::string strProgram;
    IDocumentOpener* pOpener = nullptr;
    bool bVisible = false;
    std::shared_ptr<CSpreadsheetDocument> pActive;

    CSpreadsheetDocument& Active() const
    {
        if (!pActive)
            throw CAutomationException::Server(wCallFailed, "There is no active sheet.");
        return *pActive;
    }

    void ShowActive()
    {
        if (!pActive)
            return;
        std::string strError;
        const std::string strPath = NewProgramTempFile(".fods", &strError);
        if (strPath.empty())
            throw CAutomationException::Server(wCallFailed, "The workbook could not be written. " + strError);
        // The write's own text names the file and gives the reason.
        if (const SFileResult written = WriteFileAtomically(strPath, pActive->ToFlatOds()); !written)
            throw CAutomationException::Server(wCallFailed, "The workbook could not be written. " + written.strError);
        if (!pOpener->StartProgram(strProgram, {"-n", strPath}))
            throw CAutomationException::Server(wCallFailed, "LibreOffice Calc could not be started.");
    }
};
using StatePtr = std::shared_ptr<SCalcState>;
using Address = CSpreadsheetDocument::Address;

class CCalcComment : public CServerObject
{
public:
    CCalcComment() : CServerObject({}) {}
    CAutoVariant Invoke(DispId, EInvokeKind, const std::vector<CAutoVariant>&) override { NoMember(); }
};

class CCalcFont : public CServerObject
{
public:
    CCalcFont(std::shared_ptr<CSpreadsheetDocument> pDoc, Address a)
        : CServerObject({{"Bold", CExcelExport::DISPID_FONT_BOLD}, {"Italic", CExcelExport::DISPID_FONT_ITALIC}}),
          m_pDoc(std::move(pDoc)), m_address(a)
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        CSpreadsheetDocument::SCell& cell = m_pDoc->At(m_address);
        bool* pFlag = id == CExcelExport::DISPID_FONT_BOLD     ? &cell.bBold
                      : id == CExcelExport::DISPID_FONT_ITALIC ? &cell.bItalic
                                                               : nullptr;
        if (!pFlag)
            NoMember();
        if (IsGet(kind, args))
            return CAutoVariant::Bool(*pFlag);
        *pFlag = PutValue(kind, args).ToBool();
        return {};
    }

private:
    std::shared_ptr<CSpreadsheetDocument> m_pDoc;
    Address m_address;
};

class CCalcRange : public CServerObject
{
public:
    CCalcRange(std::shared_ptr<CSpreadsheetDocument> pDoc, Address a)
        : CServerObject({{"Font", CExcelExport::DISPID_RANGE_FONT},
                         {"Value", CExcelExport::DISPID_RANGE_VALUE},
                         {"AddComment", CExcelExport::DISPID_RANGE_ADDCOMMENT}}),
          m_pDoc(std::move(pDoc)), m_address(a)
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        switch (id) {
        case CExcelExport::DISPID_RANGE_FONT:
            if (!IsGet(kind, args))
                NoMember();
            return CAutoVariant::Object(std::make_shared<CCalcFont>(m_pDoc, m_address));
        case CExcelExport::DISPID_RANGE_VALUE: {
            if (IsGet(kind, args)) {
                const auto* pCell = m_pDoc->Find(m_address);
                return pCell ? CAutoVariant::Text(pCell->strValue) : CAutoVariant();
            }
            const CAutoVariant& v = PutValue(kind, args);
            m_pDoc->At(m_address).strValue = v.IsEmpty() ? std::string() : v.ToText();
            return {};
        }
        case CExcelExport::DISPID_RANGE_ADDCOMMENT: {
            if (kind != EInvokeKind::method)
                NoMember();
            ExpectArgs(args, 0, 1);
            CSpreadsheetDocument::SCell& cell = m_pDoc->At(m_address);
            // As the spreadsheet does: one comment a cell.
            if (cell.comment)
                throw CAutomationException::Server(wCallFailed, "The cell already has a comment.");
            const CAutoVariant text = Arg(args, 0);
            cell.comment = text.IsEmpty() ? std::string() : text.ToText();
            return CAutoVariant::Object(std::make_shared<CCalcComment>());
        }
        default:
            NoMember();
        }
    }

private:
    std::shared_ptr<CSpreadsheetDocument> m_pDoc;
    Address m_address;
};

class CCalcSheet : public CServerObject
{
public:
    explicit CCalcSheet(std::shared_ptr<CSpreadsheetDocument> pDoc)
        : CServerObject({{"Range", DISPID_RANGE}}), m_pDoc(std::move(pDoc))
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        if (id != DISPID_RANGE || kind == EInvokeKind::propertyPut)
            NoMember();
        ExpectArgs(args, 1, 2);
        const auto a = CSpreadsheetDocument::ParseCellName(args[0].ToText());
        const CAutoVariant second = Arg(args, 1);
        // One cell at a time is all this server keeps apart.
        if (!a || (!second.IsEmpty() && CSpreadsheetDocument::ParseCellName(second.ToText()) != a))
            throw CAutomationException::Server(wCallFailed, "Method 'Range' of object '_Worksheet' failed");
        return CAutoVariant::Object(std::make_shared<CCalcRange>(m_pDoc, *a));
    }

private:
    std::shared_ptr<CSpreadsheetDocument> m_pDoc;
};

class CCalcWorkbook : public CServerObject
{
public:
    CCalcWorkbook() : CServerObject({}) {}
    CAutoVariant Invoke(DispId, EInvokeKind, const std::vector<CAutoVariant>&) override { NoMember(); }
};

class CCalcWorkbooks : public CServerObject
{
public:
    explicit CCalcWorkbooks(StatePtr p) : CServerObject({{"Add", DISPID_ADD}}), m_p(std::move(p)) {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        if (id != DISPID_ADD || kind != EInvokeKind::method)
            NoMember();
        // The template argument only says "a worksheet"; that is all we make.
        ExpectArgs(args, 0, 1);
        m_p->pActive = std::make_shared<CSpreadsheetDocument>();
        return CAutoVariant::Object(std::make_shared<CCalcWorkbook>());
    }

private:
    StatePtr m_p;
};

class CCalcApplication : public CServerObject
{
public:
    explicit CCalcApplication(StatePtr p)
        : CServerObject(
              {{"Visible", DISPID_VISIBLE}, {"Workbooks", DISPID_WORKBOOKS}, {"ActiveSheet", DISPID_ACTIVESHEET}}),
          m_p(std::move(p))
    {}

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        switch (id) {
        case DISPID_VISIBLE: {
            if (IsGet(kind, args))
                return CAutoVariant::Bool(m_p->bVisible);
            const bool bVisible = PutValue(kind, args).ToBool();
            if (bVisible && !m_p->bVisible)
                m_p->ShowActive();
            m_p->bVisible = bVisible;
            return {};
        }
        case DISPID_WORKBOOKS:
            if (!IsGet(kind, args))
                NoMember();
            return CAutoVariant::Object(std::make_shared<CCalcWorkbooks>(m_p));
        case DISPID_ACTIVESHEET:
            if (!IsGet(kind, args))
                NoMember();
            // No workbook, no sheet: the caller gets nothing, as from the spreadsheet.
            if (!m_p->pActive)
                return {};
            return CAutoVariant::Object(std::make_shared<CCalcSheet>(m_p->pActive));
        default:
            NoMember();
        }
    }

private:
    StatePtr m_p;
};
} // namespace

SServerCreation CreateCalcServer(const SOfficeInstall& office, IDocumentOpener& opener)
{
    SServerCreation created;
    if (office.strProgram.empty() || !office.bCalc) {
        created.scode = AutomationStatus::classNotRegistered;
        created.strMissingNote = pszNeedsCalc;
        return created;
    }
    if (!office.bDesktop) {
        created.scode = AutomationStatus::classNotRegistered;
        created.strMissingNote = pszNeedsDesktopOffice;
        return created;
    }
    auto pState = std::make_shared<SCalcState>();
    pState->strProgram = office.strProgram;
    pState->pOpener = &opener;
    created.pApplication = std::make_shared<CCalcApplication>(std::move(pState));
    return created;
}
