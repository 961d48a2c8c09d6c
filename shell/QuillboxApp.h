#pragma once

#include "AppContext.h"
#include "ErrorReporter.h"
#include "FolderSettingsFile.h"
#include "NoteStore.h"
#include "OfficeLink.h"

#include <memory>
#include <string>

class CMainFrame;
class QLocale;
class QString;
class QWidget;

// Store errors are told to the user where they happen.
class CMessageBoxReporter : public IErrorReporter
{
public:
    void ReportError(const std::string& strMessage) override;
};

// The application object: the program-wide settings, the note store and the
// folder list file beside the main window it creates.
class CQuillboxApp : public CAppContext
{
public:
    explicit CQuillboxApp(const std::string& strExecutableDir);
    ~CQuillboxApp();

    // Reads the preferences, builds the main window and fills the tree.
    // bShow false leaves the window hidden (tests). False when the window
    // could not be made.
    bool InitInstance(bool bShow = true);
    CMainFrame* GetMainFrame() const { return m_pFrame.get(); }
    const std::string& GetExecutableDir() const { return m_strExecutableDir; }

    static void ShowAboutBox(QWidget* pParent);
    // Our own translation and Qt's for the locale's languages, in place of
    // any installed before; none when there is no translation for them.
    static void InstallTranslators(const QLocale& locale);

    // The help file beside the program, else our own help page (which may be
    // missing too).
    QString GetHelpFile() const;

    CNoteStore& GetStore() { return m_store; }
    const CFolderSettingsFile& GetFolderSettings() const { return m_folderSettings; }
    COfficeLink& GetOfficeLink() { return m_office; }

private:
    // A first run of an installed program gets a copy of the sample notes.
    void ProvideSampleNotes() const;

    CMessageBoxReporter m_reporter;
    CNoteStore m_store;
    CFolderSettingsFile m_folderSettings;
    // Outlives the window, whose commands use it.
    COfficeLink m_office;
    std::string m_strExecutableDir;
    std::unique_ptr<CMainFrame> m_pFrame;
};
