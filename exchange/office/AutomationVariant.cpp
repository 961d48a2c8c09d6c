#include "AutomationVariant.h"

#include "AutomationException.h"

#include <cstdio>

namespace
{
[[noreturn]] void Mismatch()
{
    throw CAutomationException::Status(AutomationStatus::typeMismatch);
}
} // namespace

CAutoVariant CAutoVariant::Object(AutomationObjectPtr p)
{
    return p ? CAutoVariant(EType::object, std::move(p)) : CAutoVariant();
}

int32_t CAutoVariant::ToInt32() const
{
    switch (m_type) {
    case EType::int16:
        return std::get<int16_t>(m_value);
    case EType::int32:
        return std::get<int32_t>(m_value);
    case EType::boolean:
        return std::get<bool>(m_value) ? -1 : 0;
    default:
        Mismatch();
    }
}

double CAutoVariant::ToDouble() const
{
    switch (m_type) {
    case EType::int16:
        return std::get<int16_t>(m_value);
    case EType::int32:
        return std::get<int32_t>(m_value);
    case EType::real32:
        return std::get<float>(m_value);
    case EType::real64:
    case EType::date:
        return std::get<double>(m_value);
    default:
        Mismatch();
    }
}

bool CAutoVariant::ToBool() const
{
    switch (m_type) {
    case EType::boolean:
        return std::get<bool>(m_value);
    case EType::int16:
    case EType::int32:
        return ToInt32() != 0;
    default:
        Mismatch();
    }
}

const std::string& CAutoVariant::ToText() const
{
    if (m_type != EType::text)
        Mismatch();
    return std::get<std::string>(m_value);
}

double CAutoVariant::ToDate() const
{
    if (m_type != EType::date && m_type != EType::real64)
        Mismatch();
    return std::get<double>(m_value);
}

AutomationObjectPtr CAutoVariant::ToObject() const
{
    if (m_type == EType::empty)
        return nullptr;
    if (m_type != EType::object)
        Mismatch();
    return std::get<AutomationObjectPtr>(m_value);
}

std::string CAutoVariant::Describe() const
{
    char buf[64];
    switch (m_type) {
    case EType::empty:
        return "empty";
    case EType::missing:
        return "missing";
    case EType::int16:
        return "int16:" + std::to_string(std::get<int16_t>(m_value));
    case EType::int32:
        return "int32:" + std::to_string(std::get<int32_t>(m_value));
    case EType::real32:
        std::snprintf(buf, sizeof buf, "real32:%g", double(std::get<float>(m_value)));
        return buf;
    case EType::real64:
        std::snprintf(buf, sizeof buf, "real64:%.17g", std::get<double>(m_value));
        return buf;
    case EType::date:
        std::snprintf(buf, sizeof buf, "date:%.17g", std::get<double>(m_value));
        return buf;
    case EType::text:
        return "text:\"" + std::get<std::string>(m_value) + "\"";
    case EType::boolean:
        return std::get<bool>(m_value) ? "bool:true" : "bool:false";
    case EType::object:
        return "object";
    }
    return {};
}
