#pragma once

#include <QString>

#include <string>

// Where the user left off, kept in the per-user settings: the selected
// folder (its name and directory, since either alone may be shared by two
// folders), the note marked in it, and the last text searched for.
struct SLastSelection
{
    std::string strFolderName;
    std::string strFolderPath;
    std::string strNoteKey;
    // Nothing was ever stored: the program's first start.
    bool bStored = false;

    static SLastSelection Load();
    void Save() const;

    static QString LoadSearchText();
    static void SaveSearchText(const QString& strText);
};
