#pragma once

#include "DateTime.h"

#include <cstdint>
#include <string>

class CNoteRecord;
class QLocale;

// The program-wide settings and helpers that need no window. The application
// object owns one; the command-line tool and the tests make their own.
class CAppContext
{
public:
    // strExecutableDir: the directory of the running program. For an installed
    // program, or one whose directory cannot be written to, the folder list file
    // and the default folder live in the per-user data directory instead.
    explicit CAppContext(const std::string& strExecutableDir);

    // Reads "ListViewSelection" (default 0) into m_nListViewSelection and returns it.
    int LoadListViewSelection();
    void SaveListViewSelection() const;
    // High, Medium, Low, in that order, with their defaults when absent.
    void LoadPriorityColours();
    // Returns an empty text when written, else what went wrong.
    std::string SavePriorityColours() const;

    // The folder's directory, the separator, "QB_", the key and ".qbt".
    static std::string GetNoteFilePath(const std::string& strFolder, const CNoteRecord& note);

    // The system locale's short date; the short time, without seconds.
    static std::string FormatDate(const CDateTime& dt);
    static std::string FormatTime(const CDateTime& dt);
    // The same in a given locale.
    static std::string FormatTime(const CDateTime& dt, const QLocale& locale);

    // The text of a string-table entry in the user's language; empty when
    // there is none.
    static std::string LoadStringResource(unsigned nId);

    // Where the folder list file and the default folder live.
    const std::string& GetDataDir() const { return m_strDataDir; }
    // The default folder "Sample Notes" offered when there is no folder list.
    std::string GetDefaultFolderPath() const;

    int32_t m_bSearchBarUsed = 0;
    int32_t m_bTreeCollapsed = 1;
    uint32_t m_clrLowPriority = 12632256;
    uint32_t m_clrMediumPriority = 0;
    uint32_t m_clrHighPriority = 255;
    int32_t m_nListViewSelection = 0;
    const std::string m_strFileHeader = "Quillbox";
    const double m_dFileVersion = 1.0;
    std::string m_strSettingsFile;
    // Where the folder indexes are kept (the user's cache); empty: the notes
    // are always read from their files and no index is written.
    std::string m_strIndexDir;

private:
    std::string m_strDataDir;
};
