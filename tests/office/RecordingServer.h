#pragma once

#include "AutomationObject.h"
#include "AutomationReport.h"

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A server that writes down every call it receives, one line each:
//   "Selection.Font"             property get
//   "Font.Bold=int32:1"          property put
//   "Selection.TypeText(text:\"a\")"  method
//   "Sheet.Range[text:\"C2\",missing]"  property get with arguments
// Members asked for by name keep their name; members called by dispatch id
// are written as "0x92". What a call returns comes from Respond.
class CRecorder : public std::enable_shared_from_this<CRecorder>
{
public:
    struct SCall
    {
        std::string strObject;
        std::string strMember;
        EInvokeKind kind;
        std::vector<CAutoVariant> args;
    };

    std::vector<std::string> log;
    std::function<CAutoVariant(CRecorder&, const SCall&)> Respond;

    AutomationObjectPtr Make(const std::string& strName);
    CAutoVariant Child(const std::string& strName) { return CAutoVariant::Object(Make(strName)); }

    std::map<std::string, DispId> names;

    static std::string Line(const SCall& call)
    {
        std::string s = call.strObject + "." + call.strMember;
        std::string strArgs;
        for (const CAutoVariant& a : call.args)
            strArgs += (strArgs.empty() ? "" : ",") + a.Describe();
        switch (call.kind) {
        case EInvokeKind::method:
            return s + "(" + strArgs + ")";
        case EInvokeKind::propertyPut:
            return s + "=" + strArgs;
        case EInvokeKind::propertyGet:
            return call.args.empty() ? s : s + "[" + strArgs + "]";
        }
        return s;
    }
};

class CRecordingObject : public IAutomationObject
{
public:
    CRecordingObject(std::shared_ptr<CRecorder> p, std::string strName)
        : m_p(std::move(p)), m_strName(std::move(strName))
    {}

    std::optional<DispId> GetIdOfName(std::string_view strName) override
    {
        auto [it, bNew] = m_p->names.emplace(std::string(strName), 0x10000 + static_cast<DispId>(m_p->names.size()));
        return it->second;
    }

    CAutoVariant Invoke(DispId id, EInvokeKind kind, const std::vector<CAutoVariant>& args) override
    {
        std::string strMember;
        for (const auto& [name, n] : m_p->names)
            if (n == id)
                strMember = name;
        if (strMember.empty()) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "0x%X", static_cast<unsigned>(id));
            strMember = buf;
        }
        const CRecorder::SCall call{m_strName, strMember, kind, args};
        m_p->log.push_back(CRecorder::Line(call));
        return m_p->Respond ? m_p->Respond(*m_p, call) : CAutoVariant();
    }

private:
    std::shared_ptr<CRecorder> m_p;
    std::string m_strName;
};

inline AutomationObjectPtr CRecorder::Make(const std::string& strName)
{
    return std::make_shared<CRecordingObject>(shared_from_this(), strName);
}

// Keeps every box the commands would show.
class CCapturingReporter : public IAutomationReporter
{
public:
    struct SBox
    {
        std::string strText;
        std::string strCaption;
        bool bStopIcon;
    };
    std::vector<SBox> boxes;

    void ReportAutomationFailure(const std::string& strText, const std::string& strCaption, bool bStopIcon) override
    {
        boxes.push_back({strText, strCaption, bStopIcon});
    }
};
