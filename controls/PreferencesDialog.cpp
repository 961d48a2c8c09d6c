#include "PreferencesDialog.h"

#include "ColourPicker.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <tuple>

CPreferencesDialog::CPreferencesDialog(QWidget* pParent)
    : QDialog(pParent), m_pHigh(new CColourPicker(IDC_HIGH_COLOUR)), m_pMedium(new CColourPicker(IDC_MEDIUM_COLOUR)),
      m_pLow(new CColourPicker(IDC_LOW_COLOUR))
{
    setWindowTitle(QCoreApplication::translate("CPreferencesDialog", "Preference Settings"));
    setObjectName(QStringLiteral("PreferencesDialog"));

    auto* pGroup = new QGroupBox(QCoreApplication::translate("CPreferencesDialog", "Priority Color"));
    auto* pGrid = new QGridLayout(pGroup);
    pGrid->setColumnMinimumWidth(0, 60);
    pGrid->setColumnStretch(2, 1);
    int nRow = 0;
    for (auto [pPicker, pszLabel, pszName] :
         {std::tuple{m_pHigh, QT_TRANSLATE_NOOP("CPreferencesDialog", "High"), "HighColour"},
          std::tuple{m_pMedium, QT_TRANSLATE_NOOP("CPreferencesDialog", "Medium"), "MediumColour"},
          std::tuple{m_pLow, QT_TRANSLATE_NOOP("CPreferencesDialog", "Low"), "LowColour"}}) {
        auto* pLabel = new QLabel(QCoreApplication::translate("CPreferencesDialog", pszLabel));
        pLabel->setBuddy(pPicker);
        pPicker->setObjectName(QString::fromLatin1(pszName));
        pPicker->setAccessibleName(pLabel->text());
        pPicker->setMinimumWidth(80);
        pGrid->addWidget(pLabel, nRow, 0);
        pGrid->addWidget(pPicker, nRow, 1);
        ++nRow;
    }

    auto* pOk = new QPushButton(QCoreApplication::translate("CPreferencesDialog", "OK"));
    pOk->setDefault(true);
    auto* pCancel = new QPushButton(QCoreApplication::translate("CPreferencesDialog", "Cancel"));
    pCancel->setAutoDefault(false);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    pButtons->addWidget(pCancel);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(pGroup);
    pLayout->addLayout(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_pHigh, m_pMedium);
    setTabOrder(m_pMedium, m_pLow);
    setTabOrder(m_pLow, pOk);
    setTabOrder(pOk, pCancel);

    connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(pCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CPreferencesDialog::SetPriorityColours(const QColor& clrHigh, const QColor& clrMedium, const QColor& clrLow)
{
    m_pHigh->SetSelectedColour(clrHigh);
    m_pMedium->SetSelectedColour(clrMedium);
    m_pLow->SetSelectedColour(clrLow);
}

QColor CPreferencesDialog::GetHighColour() const
{
    return m_pHigh->SelectedColour();
}

QColor CPreferencesDialog::GetMediumColour() const
{
    return m_pMedium->SelectedColour();
}

QColor CPreferencesDialog::GetLowColour() const
{
    return m_pLow->SelectedColour();
}

CColourPicker* CPreferencesDialog::GetPicker(int nControlId) const
{
    switch (nControlId) {
    case IDC_HIGH_COLOUR:
        return m_pHigh;
    case IDC_MEDIUM_COLOUR:
        return m_pMedium;
    case IDC_LOW_COLOUR:
        return m_pLow;
    }
    return nullptr;
}
