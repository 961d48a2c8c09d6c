#pragma once

#include <QDialog>

#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Search": a text, the folder to look in and whether to look in the
// keywords alone. Values are read out after Find.
class CSearchDlg : public QDialog
{
    Q_OBJECT

public:
    enum { IDC_FIND = 1015, IDC_SEARCH_TEXT = 1016, IDC_KEYWORDS_ONLY = 1017, IDC_FOLDER = 1019 };
    // A folder's display name and directory.
    using SFolder = std::pair<std::string, std::string>;

    // folders in tree order; nInitialFolder is the position of the tree's
    // selected folder among them (-1 for none).
    CSearchDlg(const std::vector<SFolder>& folders, int nInitialFolder, QWidget* pParent = nullptr);

    // Out after Find.
    std::string m_strSearchText;
    bool m_bKeywordsOnly = false;
    int m_nFolderIndex = -1;
    // "All folders", the entry after the folders, was chosen.
    bool IsAllFolders() const { return m_bAllFolders; }
    // The chosen folder's name and directory; empty before Find and for all
    // folders.
    const std::string& GetFolderName() const;
    const std::string& GetFolderPath() const;

    QLineEdit* GetSearchEdit() const { return m_pText; }
    QComboBox* GetFolderList() const { return m_pFolder; }
    QCheckBox* GetKeywordsOnlyCheck() const { return m_pKeywordsOnly; }

public slots:
    // Find: closes only when a folder is chosen.
    void accept() override;

private:
    std::vector<SFolder> m_folders;
    bool m_bAllFolders = false;
    QLineEdit* m_pText;
    QComboBox* m_pFolder;
    QCheckBox* m_pKeywordsOnly;
};
