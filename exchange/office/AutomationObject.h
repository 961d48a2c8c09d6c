#pragma once

#include "AutomationVariant.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

using DispId = int32_t;

enum class EInvokeKind { method, propertyGet, propertyPut };

// An object of an automation server, addressed by member name or dispatch
// id. Holding the shared pointer is holding a reference; dropping it releases.
class IAutomationObject
{
public:
    virtual ~IAutomationObject() = default;

    // The dispatch id of a member; names compare without regard to case.
    virtual std::optional<DispId> GetIdOfName(std::string_view strName) = 0;
    // Runs a property get or put or a method. A put takes the new value as
    // its last argument. Throws CAutomationException on failure.
    virtual CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) = 0;
};

// The caller's side of an object, as the program uses it: members by name or
// id, each failure thrown as CAutomationException.
class CDispatchDriver
{
public:
    CDispatchDriver() = default;
    explicit CDispatchDriver(AutomationObjectPtr p) : m_p(std::move(p)) {}

    bool IsNull() const { return !m_p; }
    const AutomationObjectPtr& Get() const { return m_p; }
    void Release() { m_p.reset(); }

    DispId IdOf(std::string_view strName) const;

    CAutoVariant GetProperty(DispId id, const std::vector<CAutoVariant>& args = {}) const;
    void SetProperty(DispId id, CAutoVariant value) const;
    CAutoVariant Call(DispId id, const std::vector<CAutoVariant>& args = {}) const;

    CAutoVariant GetProperty(std::string_view strName, const std::vector<CAutoVariant>& args = {}) const
    {
        return GetProperty(IdOf(strName), args);
    }
    void SetProperty(std::string_view strName, CAutoVariant value) const
    {
        SetProperty(IdOf(strName), std::move(value));
    }
    CAutoVariant Call(std::string_view strName, const std::vector<CAutoVariant>& args = {}) const
    {
        return Call(IdOf(strName), args);
    }

    // A property or method result that must be an object.
    CDispatchDriver GetObject(std::string_view strName, const std::vector<CAutoVariant>& args = {}) const;
    CDispatchDriver GetObject(DispId id, const std::vector<CAutoVariant>& args = {}) const;

private:
    const AutomationObjectPtr& Checked() const;

    AutomationObjectPtr m_p;
};
