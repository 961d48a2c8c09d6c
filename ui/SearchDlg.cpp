#include "SearchDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSearchDlg::CSearchDlg(const std::vector<SFolder>& folders, int nInitialFolder, QWidget* pParent)
    : QDialog(pParent), m_folders(folders), m_pText(new QLineEdit), m_pFolder(new QComboBox),
      m_pKeywordsOnly(new QCheckBox(QCoreApplication::translate("CSearchDlg", "Search in Keyword only")))
{
    setWindowTitle(QCoreApplication::translate("CSearchDlg", "Search"));
    setObjectName(QStringLiteral("SearchDialog"));
    m_pText->setObjectName(QStringLiteral("FindWhat"));
    m_pFolder->setObjectName(QStringLiteral("SearchFolder"));
    m_pKeywordsOnly->setObjectName(QStringLiteral("KeywordsOnly"));
    m_pText->setMinimumWidth(230);

    for (const SFolder& folder : m_folders)
        m_pFolder->addItem(QString::fromStdString(folder.first));
    if (!m_folders.empty())
        m_pFolder->addItem(tr("All folders"));
    m_pFolder->setCurrentIndex(nInitialFolder >= 0 && nInitialFolder < m_pFolder->count() ? nInitialFolder : -1);

    auto* pTextLabel = new QLabel(QCoreApplication::translate("CSearchDlg", "Find what"));
    auto* pFolderLabel = new QLabel(QCoreApplication::translate("CSearchDlg", "Search in Folder"));
    pTextLabel->setBuddy(m_pText);
    pFolderLabel->setBuddy(m_pFolder);
    auto* pFind = new QPushButton(QCoreApplication::translate("CSearchDlg", "Find"));
    pFind->setObjectName(QStringLiteral("Find"));
    pFind->setDefault(true);
    auto* pCancel = new QPushButton(QCoreApplication::translate("CSearchDlg", "Cancel"));
    pCancel->setAutoDefault(false);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(pTextLabel, 0, 0);
    pGrid->addWidget(m_pText, 0, 1);
    pGrid->addWidget(pFolderLabel, 1, 0);
    pGrid->addWidget(m_pFolder, 1, 1);
    pGrid->addWidget(m_pKeywordsOnly, 2, 1, Qt::AlignRight);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pFind);
    pButtons->addSpacing(30);
    pButtons->addWidget(pCancel);
    pButtons->addStretch();
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_pText, m_pFolder);
    setTabOrder(m_pFolder, m_pKeywordsOnly);
    setTabOrder(m_pKeywordsOnly, pFind);
    setTabOrder(pFind, pCancel);
    m_pText->setFocus();

    connect(pFind, &QPushButton::clicked, this, &CSearchDlg::accept);
    connect(pCancel, &QPushButton::clicked, this, &CSearchDlg::reject);
}

const std::string& CSearchDlg::GetFolderName() const
{
    static const std::string strNone;
    return m_nFolderIndex >= 0 ? m_folders[static_cast<size_t>(m_nFolderIndex)].first : strNone;
}

const std::string& CSearchDlg::GetFolderPath() const
{
    static const std::string strNone;
    return m_nFolderIndex >= 0 ? m_folders[static_cast<size_t>(m_nFolderIndex)].second : strNone;
}

void CSearchDlg::accept()
{
    const int nIndex = m_pFolder->currentIndex();
    const bool bAll = !m_folders.empty() && nIndex == static_cast<int>(m_folders.size());
    if (!bAll && (nIndex < 0 || nIndex >= static_cast<int>(m_folders.size())))
        return;
    m_strSearchText = m_pText->text().toStdString();
    m_bKeywordsOnly = m_pKeywordsOnly->isChecked();
    m_bAllFolders = bAll;
    m_nFolderIndex = bAll ? -1 : nIndex;
    QDialog::accept();
}
