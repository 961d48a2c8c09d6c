#pragma once

#include <string>

// A folder: a display name bound to a directory.
class CFolderRecord
{
public:
    std::string m_strName;
    std::string m_strPath;
};
