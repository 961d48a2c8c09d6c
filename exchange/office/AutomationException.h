#pragma once

#include <cstdint>
#include <string>

// A failed automation call: either a bare status code from the runtime, or
// an exception raised by the server with its own 16-bit code and text.
class CAutomationException
{
public:
    enum class EKind { status, server };

    static CAutomationException Status(uint32_t scode) { return CAutomationException(EKind::status, scode, 0, {}); }
    static CAutomationException Server(uint16_t wCode, std::string strDescription)
    {
        return CAutomationException(EKind::server, 0x80020009u, wCode, std::move(strDescription));
    }

    EKind m_kind;
    uint32_t m_scode;
    uint16_t m_wCode;
    std::string m_strDescription;

private:
    CAutomationException(EKind kind, uint32_t scode, uint16_t wCode, std::string strDescription)
        : m_kind(kind), m_scode(scode), m_wCode(wCode), m_strDescription(std::move(strDescription))
    {}
};

// Status codes the bridge itself raises.
namespace AutomationStatus
{
constexpr uint32_t typeMismatch = 0x80020005u;
constexpr uint32_t unknownName = 0x80020006u;
constexpr uint32_t memberNotFound = 0x80020003u;
constexpr uint32_t badParamCount = 0x8002000Eu;
constexpr uint32_t classNotRegistered = 0x80040154u;
constexpr uint32_t invalidClassString = 0x800401F3u;
constexpr uint32_t pathNotFound = 0x80030003u;
constexpr uint32_t noInterface = 0x80004002u;
} // namespace AutomationStatus
