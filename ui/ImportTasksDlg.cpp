#include "ImportTasksDlg.h"

#include "AppContext.h"
#include "NotesListModel.h"
#include "OutlookConnection.h"
#include "Resources.h"

#include <QCoreApplication>

class CImportTasksDlg::CModel : public CImportListModelBase
{
public:
    CModel(const CAppContext& app, QObject* pParent)
        : CImportListModelBase(QCoreApplication::translate("CImportTasksDlg", "    Tasks"),
                               ImportListImage(QuillboxResources::IDB_IMPORT_TASKS), pParent),
          m_app(app)
    {}

    CImportList<COutlookTaskEntry> m_rows;

protected:
    size_t Count() const override { return m_rows.GetCount(); }
    const std::string& Text(size_t n) const override { return m_rows.GetRow(n).strText; }
    bool IsChecked(size_t n) const override { return m_rows.GetRow(n).bChecked; }
    void SetChecked(size_t n, bool b) override { m_rows.SetChecked(n, b); }
    QColor TextColour(size_t n) const override
    {
        switch (m_rows.GetRow(n).data.m_nPriority) {
        case 0:
            return CNotesListModel::FromColorRef(m_app.m_clrLowPriority);
        case 2:
            return CNotesListModel::FromColorRef(m_app.m_clrHighPriority);
        default:
            return CNotesListModel::FromColorRef(m_app.m_clrMediumPriority);
        }
    }

private:
    const CAppContext& m_app;
};

CImportTasksList::CImportTasksList(QWidget* pParent) : CImportCheckList(pParent)
{
    setObjectName(QStringLiteral("ImportTasksList"));
    setAccessibleName(QCoreApplication::translate("CImportTasksDlg", "Tasks"));
}

CImportTasksDlg::CImportTasksDlg(COutlookConnection& outlook, const CAppContext& app, QWidget* pParent)
    : CImportDlgBase(QCoreApplication::translate("CImportTasksDlg", "Import Task From OutLook"), new CImportTasksList,
                     pParent),
      m_outlook(outlook), m_pModel(new CModel(app, this))
{
    setObjectName(QStringLiteral("ImportTasksDlg"));
    m_pList->SetModel(m_pModel);
}

CImportTasksDlg::~CImportTasksDlg() = default;

void CImportTasksDlg::OnInitDialog()
{
    m_bInitialised = true;
    m_pListed = std::make_shared<CImportList<COutlookTaskEntry>>();
    StartListing(
        [&outlook = m_outlook, pRows = m_pListed](const std::atomic<bool>& bStop, std::vector<std::string>& skipped) {
            outlook.ListTasks(*pRows, &skipped, &bStop);
        });
}

void CImportTasksDlg::Listed()
{
    m_pModel->m_rows = std::move(*m_pListed);
    m_pModel->Reload();
}

void CImportTasksDlg::accept()
{
    m_listChosen = m_pModel->m_rows.Chosen();
    m_pModel->m_rows.Clear();
    m_pModel->Reload();
    CImportDlgBase::accept();
}

void CImportTasksDlg::reject()
{
    m_pModel->m_rows.Clear();
    m_pModel->Reload();
    CImportDlgBase::reject();
}
