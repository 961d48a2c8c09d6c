#pragma once

#include <string>

// Storage shows no boxes: what the user must be told goes through this.
class IErrorReporter
{
public:
    virtual ~IErrorReporter() = default;
    virtual void ReportError(const std::string& strMessage) = 0;
};
