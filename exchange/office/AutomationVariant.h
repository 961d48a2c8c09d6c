#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>

class IAutomationObject;
using AutomationObjectPtr = std::shared_ptr<IAutomationObject>;

// A value passed to or returned by an automation object: 16- and 32-bit
// integers, single and double reals, text, a boolean, an automation date,
// an object, an omitted optional argument, or nothing.
class CAutoVariant
{
public:
    enum class EType { empty, int16, int32, real32, real64, text, boolean, date, object, missing };

    CAutoVariant() = default;

    static CAutoVariant Int16(int16_t n) { return CAutoVariant(EType::int16, n); }
    static CAutoVariant Int32(int32_t n) { return CAutoVariant(EType::int32, n); }
    static CAutoVariant Real32(float f) { return CAutoVariant(EType::real32, f); }
    static CAutoVariant Real64(double d) { return CAutoVariant(EType::real64, d); }
    static CAutoVariant Text(std::string s) { return CAutoVariant(EType::text, std::move(s)); }
    static CAutoVariant Bool(bool b) { return CAutoVariant(EType::boolean, b); }
    // Days since 30 December 1899, the fraction being the time of day.
    static CAutoVariant Date(double dt) { return CAutoVariant(EType::date, dt); }
    static CAutoVariant Object(AutomationObjectPtr p);
    // An optional argument left out.
    static CAutoVariant Missing() { return CAutoVariant(EType::missing, std::monostate()); }

    EType GetType() const { return m_type; }
    bool IsEmpty() const { return m_type == EType::empty; }

    // Conversions as a server receives them; a value of another kind throws
    // a type-mismatch status.
    int32_t ToInt32() const;
    double ToDouble() const;
    bool ToBool() const;
    const std::string& ToText() const;
    double ToDate() const;
    // The object held, or null for empty; anything else throws.
    AutomationObjectPtr ToObject() const;

    // "int32:1", "text:\"a\"", ... for logs and test expectations.
    std::string Describe() const;

private:
    using Value = std::variant<std::monostate, int16_t, int32_t, float, double, std::string, bool, AutomationObjectPtr>;
    template <class T>
    CAutoVariant(EType type, T value) : m_type(type), m_value(std::move(value))
    {}

    EType m_type = EType::empty;
    Value m_value;
};
