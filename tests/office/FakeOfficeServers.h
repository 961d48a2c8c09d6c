#pragma once

#include "RecordingServer.h"

#include <string>
#include <vector>

// What CRecorder::Respond answers for the three servers, as the real ones do.
using Responder = std::function<CAutoVariant(CRecorder&, const CRecorder::SCall&)>;

// Word: the documents, the selection, its font and paragraph format. The
// font size follows what is set, so "switched, not set" shows.
inline Responder WordResponder(double& dSize)
{
    return [&dSize](CRecorder& r, const CRecorder::SCall& c) -> CAutoVariant {
        if (c.strMember == "Documents" || c.strMember == "Selection" || c.strMember == "Font" ||
            c.strMember == "ParagraphFormat")
            return r.Child(c.strMember);
        if (c.strMember == "Add")
            return r.Child("Document");
        if (c.strMember == "Size" && c.kind == EInvokeKind::propertyGet)
            return CAutoVariant::Real32(static_cast<float>(dSize));
        if (c.strMember == "Size")
            dSize = c.args[0].ToDouble();
        return {};
    };
}

// Excel: the workbooks, the active sheet, its ranges by name with their fonts and comments.
inline Responder ExcelResponder()
{
    return [](CRecorder& r, const CRecorder::SCall& c) -> CAutoVariant {
        if (c.strMember == "Workbooks")
            return r.Child("Workbooks");
        if (c.strMember == "Add")
            return r.Child("Workbook");
        if (c.strMember == "ActiveSheet")
            return r.Child("Sheet");
        if (c.strMember == "Range")
            return r.Child("Range(" + c.args[0].ToText() + ")");
        if (c.strMember == "0x92")
            return r.Child("Font" + c.strObject.substr(5));
        if (c.strMember == "0x56D")
            return r.Child("Comment");
        return {};
    };
}

struct SMailItem
{
    std::string strSubject;
    std::string strBody;
    double dStart = 949998.0;
    int32_t nImportance = 1;
};

// A mail client whose default folders hold items, in that order; nNext is
// where the folder's walk stands.
inline Responder MailResponder(const std::vector<SMailItem>& items, size_t& nNext)
{
    return [&items, &nNext](CRecorder& r, const CRecorder::SCall& c) -> CAutoVariant {
        if (c.strMember == "0x110")
            return r.Child("Namespace");
        if (c.strMember == "0x10A")
            return r.Child("Item");
        if (c.strMember == "0x210B")
            return r.Child("Folder");
        if (c.strMember == "0x3100")
            return r.Child("Items");
        if (c.strMember == "0x56")
            nNext = 0;
        if (c.strMember == "0x56" || c.strMember == "0x57")
            return nNext < items.size() ? r.Child("Item" + std::to_string(nNext++)) : CAutoVariant();
        if (c.strObject.size() > 4 && c.strObject.rfind("Item", 0) == 0 && c.kind == EInvokeKind::propertyGet) {
            const SMailItem& item = items[std::stoul(c.strObject.substr(4))];
            if (c.strMember == "0x37")
                return CAutoVariant::Text(item.strSubject);
            if (c.strMember == "0x9100")
                return CAutoVariant::Text(item.strBody);
            if (c.strMember == "0x8104")
                return CAutoVariant::Date(item.dStart);
            if (c.strMember == "0x17")
                return CAutoVariant::Int32(item.nImportance);
        }
        return {};
    };
}
