#pragma once

// Where the actions of the command table send their triggers and ask their
// states: the command controller, which checks the rules.
class ICommandRouter
{
public:
    virtual ~ICommandRouter() = default;

    // Runs a command if its enable rule holds; false when refused.
    virtual bool ExecuteCommand(int nId) = 0;
    virtual bool IsCommandEnabled(int nId) const = 0;
    virtual bool IsCommandChecked(int nId) const = 0;
};
