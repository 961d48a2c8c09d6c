#pragma once

#include "ImportCheckList.h"
#include "ImportList.h"
#include "OutlookTaskEntry.h"

#include <memory>
#include <vector>

class CAppContext;
class COutlookConnection;

// The check list of the mail client's tasks, one row per subject, each in
// the colour of its priority.
class CImportTasksList : public CImportCheckList
{
public:
    enum { IDC_IMPORT_TASKS_LIST = 1022 };
    explicit CImportTasksList(QWidget* pParent = nullptr);
};

// "Import Task From OutLook": the mail client's tasks, sorted by subject,
// with check boxes; Import keeps the ticked tasks in row order.
class CImportTasksDlg : public CImportDlgBase
{
public:
    // The priority colours are the application's.
    CImportTasksDlg(COutlookConnection& outlook, const CAppContext& app, QWidget* pParent = nullptr);
    ~CImportTasksDlg() override;

    // Loads image 173 and starts filling the list from the default tasks folder.
    void OnInitDialog() override;

    CImportTasksList* GetList() const { return static_cast<CImportTasksList*>(m_pList); }

    std::vector<COutlookTaskEntry> m_listChosen;

    void accept() override;
    void reject() override;

protected:
    void Listed() override;

private:
    class CModel;
    COutlookConnection& m_outlook;
    CModel* m_pModel;
    // Filled by the worker, taken by Listed().
    std::shared_ptr<CImportList<COutlookTaskEntry>> m_pListed;
};
