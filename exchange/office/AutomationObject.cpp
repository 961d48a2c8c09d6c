#include "AutomationObject.h"

#include "AutomationException.h"

const AutomationObjectPtr& CDispatchDriver::Checked() const
{
    // Calling through a released object is a runtime failure, never a crash.
    if (!m_p)
        throw CAutomationException::Status(AutomationStatus::noInterface);
    return m_p;
}

DispId CDispatchDriver::IdOf(std::string_view strName) const
{
    const auto id = Checked()->GetIdOfName(strName);
    if (!id)
        throw CAutomationException::Status(AutomationStatus::unknownName);
    return *id;
}

CAutoVariant CDispatchDriver::GetProperty(DispId id, const std::vector<CAutoVariant>& args) const
{
    return Checked()->Invoke(id, EInvokeKind::propertyGet, args);
}

void CDispatchDriver::SetProperty(DispId id, CAutoVariant value) const
{
    Checked()->Invoke(id, EInvokeKind::propertyPut, {std::move(value)});
}

CAutoVariant CDispatchDriver::Call(DispId id, const std::vector<CAutoVariant>& args) const
{
    return Checked()->Invoke(id, EInvokeKind::method, args);
}

CDispatchDriver CDispatchDriver::GetObject(std::string_view strName, const std::vector<CAutoVariant>& args) const
{
    return GetObject(IdOf(strName), args);
}

CDispatchDriver CDispatchDriver::GetObject(DispId id, const std::vector<CAutoVariant>& args) const
{
    CDispatchDriver result(GetProperty(id, args).ToObject());
    if (result.IsNull())
        throw CAutomationException::Status(AutomationStatus::noInterface);
    return result;
}
