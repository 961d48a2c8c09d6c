#include "ImportNotesDlg.h"

#include "OutlookConnection.h"
#include "Resources.h"

#include <QCoreApplication>

class CImportNotesDlg::CModel : public CImportListModelBase
{
public:
    explicit CModel(QObject* pParent)
        : CImportListModelBase(QCoreApplication::translate("CImportNotesDlg", "    Notes"),
                               ImportListImage(QuillboxResources::IDB_IMPORT_NOTES), pParent)
    {}

    CImportList<std::string> m_rows;

protected:
    size_t Count() const override { return m_rows.GetCount(); }
    const std::string& Text(size_t n) const override { return m_rows.GetRow(n).strText; }
    bool IsChecked(size_t n) const override { return m_rows.GetRow(n).bChecked; }
    void SetChecked(size_t n, bool b) override { m_rows.SetChecked(n, b); }
};

CImportNotesList::CImportNotesList(QWidget* pParent) : CImportCheckList(pParent)
{
    setObjectName(QStringLiteral("ImportNotesList"));
    setAccessibleName(QCoreApplication::translate("CImportNotesDlg", "Notes"));
}

CImportNotesDlg::CImportNotesDlg(COutlookConnection& outlook, QWidget* pParent)
    : CImportDlgBase(QCoreApplication::translate("CImportNotesDlg", "Import Notes From OutLook"), new CImportNotesList,
                     pParent),
      m_outlook(outlook), m_pModel(new CModel(this))
{
    setObjectName(QStringLiteral("ImportNotesDlg"));
    m_pList->SetModel(m_pModel);
}

CImportNotesDlg::~CImportNotesDlg() = default;

void CImportNotesDlg::OnInitDialog()
{
    m_bInitialised = true;
    m_pListed = std::make_shared<CImportList<std::string>>();
    StartListing(
        [&outlook = m_outlook, pRows = m_pListed](const std::atomic<bool>& bStop, std::vector<std::string>& skipped) {
            outlook.ListNotes(*pRows, &skipped, &bStop);
        });
}

void CImportNotesDlg::Listed()
{
    m_pModel->m_rows = std::move(*m_pListed);
    m_pModel->Reload();
}

void CImportNotesDlg::accept()
{
    m_listChosen = m_pModel->m_rows.Chosen();
    m_pModel->m_rows.Clear();
    m_pModel->Reload();
    CImportDlgBase::accept();
}

void CImportNotesDlg::reject()
{
    m_pModel->m_rows.Clear();
    m_pModel->Reload();
    CImportDlgBase::reject();
}
