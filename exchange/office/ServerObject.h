#pragma once

#include "AutomationException.h"
#include "AutomationObject.h"

#include <initializer_list>
#include <string_view>
#include <utility>
#include <vector>

// Base of the objects our own servers hand out: a fixed table of member
// names and dispatch ids, and the argument checks every member needs.
class CServerObject : public IAutomationObject
{
public:
    std::optional<DispId> GetIdOfName(std::string_view strName) override;

protected:
    using MemberTable = std::vector<std::pair<std::string_view, DispId>>;
    explicit CServerObject(MemberTable members) : m_members(std::move(members)) {}

    // Throws the bad-count status unless nMin <= args.size() <= nMax.
    static void ExpectArgs(const std::vector<CAutoVariant>& args, size_t nMin, size_t nMax);
    // The argument at i, or empty when it is absent or omitted.
    static CAutoVariant Arg(const std::vector<CAutoVariant>& args, size_t i);
    [[noreturn]] static void NoMember();
    // A get takes nothing; a put takes the value alone.
    static bool IsGet(EInvokeKind kind, const std::vector<CAutoVariant>& args);
    static const CAutoVariant& PutValue(EInvokeKind kind, const std::vector<CAutoVariant>& args);

private:
    MemberTable m_members;
};
