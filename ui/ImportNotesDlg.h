#pragma once

#include "ImportCheckList.h"
#include "ImportList.h"

#include <string>
#include <memory>
#include <vector>

class COutlookConnection;

// The check list of the mail client's notes, one row per note's text.
class CImportNotesList : public CImportCheckList
{
public:
    enum { IDC_IMPORT_NOTES_LIST = 1021 };
    explicit CImportNotesList(QWidget* pParent = nullptr);
};

// "Import Notes From OutLook": the mail client's notes, sorted, with check
// boxes; Import keeps the ticked notes' texts in row order.
class CImportNotesDlg : public CImportDlgBase
{
public:
    explicit CImportNotesDlg(COutlookConnection& outlook, QWidget* pParent = nullptr);
    ~CImportNotesDlg() override;

    // Loads image 172 and starts filling the list from the default notes folder.
    void OnInitDialog() override;

    CImportNotesList* GetList() const { return static_cast<CImportNotesList*>(m_pList); }

    std::vector<std::string> m_listChosen;

    void accept() override;
    void reject() override;

protected:
    void Listed() override;

private:
    class CModel;
    COutlookConnection& m_outlook;
    CModel* m_pModel;
    // Filled by the worker, taken by Listed().
    std::shared_ptr<CImportList<std::string>> m_pListed;
};
