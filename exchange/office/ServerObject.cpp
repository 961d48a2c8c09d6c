#include "ServerObject.h"

#include <cctype>

std::optional<DispId> CServerObject::GetIdOfName(std::string_view strName)
{
    for (const auto& [name, id] : m_members) {
        if (name.size() != strName.size())
            continue;
        bool bSame = true;
        for (size_t i = 0; i < name.size() && bSame; ++i)
            bSame = std::tolower(static_cast<unsigned char>(name[i])) ==
                    std::tolower(static_cast<unsigned char>(strName[i]));
        if (bSame)
            return id;
    }
    return std::nullopt;
}

void CServerObject::ExpectArgs(const std::vector<CAutoVariant>& args, size_t nMin, size_t nMax)
{
    if (args.size() < nMin || args.size() > nMax)
        throw CAutomationException::Status(AutomationStatus::badParamCount);
}

CAutoVariant CServerObject::Arg(const std::vector<CAutoVariant>& args, size_t i)
{
    if (i >= args.size() || args[i].GetType() == CAutoVariant::EType::missing)
        return {};
    return args[i];
}

void CServerObject::NoMember()
{
    throw CAutomationException::Status(AutomationStatus::memberNotFound);
}

bool CServerObject::IsGet(EInvokeKind kind, const std::vector<CAutoVariant>& args)
{
    if (kind == EInvokeKind::propertyGet) {
        ExpectArgs(args, 0, 0);
        return true;
    }
    if (kind != EInvokeKind::propertyPut)
        NoMember();
    return false;
}

const CAutoVariant& CServerObject::PutValue(EInvokeKind kind, const std::vector<CAutoVariant>& args)
{
    if (kind != EInvokeKind::propertyPut)
        NoMember();
    ExpectArgs(args, 1, 1);
    return args[0];
}
