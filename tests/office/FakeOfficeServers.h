#pragma once

#include "RecordingServer.h"

#include <string>
#include <vector>

// What CRecorder::Respond answers for the mail client, as the real one does.
using Responder = std::function<CAutoVariant(CRecorder&, const CRecorder::SCall&)>;

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
