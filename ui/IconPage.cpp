#include "IconPage.h"

#include "AppContext.h"
#include "Resources.h"
#include "IconListCtrl.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace
{
QLabel* MakeLabel(const char* pszText, QWidget* pBuddy)
{
    auto* pLabel = new QLabel(QCoreApplication::translate("CIconPage", pszText));
    pLabel->setBuddy(pBuddy);
    pBuddy->setAccessibleName(pLabel->text());
    return pLabel;
}
} // namespace

CIconPage::CIconPage(QWidget* pParent)
    : QWidget(pParent), m_pComments(new QLineEdit), m_pKeywords(new QLineEdit), m_pIcons(new CIconListCtrl)
{
    setObjectName(QStringLiteral("IconPage"));
    setWindowTitle(QCoreApplication::translate("CIconPage", "Icon"));
    m_pComments->setObjectName(QStringLiteral("CommentsEdit"));
    m_pKeywords->setObjectName(QStringLiteral("KeywordsEdit"));

    auto* pGrid = new QGridLayout(this);
    pGrid->setColumnStretch(2, 1);
    pGrid->addWidget(MakeLabel(QT_TRANSLATE_NOOP("CIconPage", "Comments"), m_pComments), 0, 0);
    pGrid->addWidget(m_pComments, 0, 1);
    pGrid->addWidget(MakeLabel(QT_TRANSLATE_NOOP("CIconPage", "Keywords"), m_pKeywords), 1, 0);
    pGrid->addWidget(m_pKeywords, 1, 1);
    pGrid->addWidget(MakeLabel(QT_TRANSLATE_NOOP("CIconPage", "Select Icon"), m_pIcons), 2, 0, 1, 3);
    pGrid->addWidget(m_pIcons, 3, 0, 1, 3);
    pGrid->setRowStretch(3, 1);
    // The edits are as wide as in the dialog's layout: 147 of 297 units.
    const int nEditWidth = QFontMetrics(font()).averageCharWidth() * 147 / 4;
    m_pComments->setMinimumWidth(nEditWidth);
    m_pKeywords->setMinimumWidth(nEditWidth);

    setTabOrder(m_pComments, m_pKeywords);
    setTabOrder(m_pKeywords, m_pIcons);
}

QString CIconPage::HeaderTitle()
{
    return QString::fromStdString(CAppContext::LoadStringResource(QuillboxResources::IDS_ICON_PAGE_TITLE));
}

QString CIconPage::HeaderSubTitle()
{
    return QString::fromStdString(CAppContext::LoadStringResource(QuillboxResources::IDS_ICON_PAGE_SUBTITLE));
}

void CIconPage::UpdateData(bool bSave)
{
    if (bSave) {
        m_strComments = m_pComments->text().toStdString();
        m_strKeywords = m_pKeywords->text().toStdString();
        return;
    }
    m_pComments->setText(QString::fromStdString(m_strComments));
    m_pKeywords->setText(QString::fromStdString(m_strKeywords));
}

void CIconPage::OnSetActive()
{
    if (!m_bCreated) {
        m_bCreated = true;
        UpdateData(false);
        m_pIcons->SetSelectionMark(m_nIcon);
    }
    emit WizardButtonsWanted(true, false, true);
    UpdateData(false);
}

void CIconPage::OnKillActive()
{
    if (m_bCreated)
        UpdateData(true);
}

void CIconPage::TakeIconFromList()
{
    // A note whose icon is out of range shows none selected; it keeps its icon
    // unless the user picks one.
    const int nMark = m_pIcons->GetSelectionMark();
    if (nMark >= 0)
        m_nIcon = nMark;
}

void CIconPage::OnWizardFinish()
{
    OnOK();
}

void CIconPage::OnOK()
{
    if (!m_bCreated)
        return;
    UpdateData(true);
    TakeIconFromList();
}
