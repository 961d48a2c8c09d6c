#include "ExportPdfDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace
{
QString ChoosePdfFile(QWidget* pParent)
{
    QFileDialog dialog(pParent, QCoreApplication::translate("CExportPdfDialog", "Save As"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QCoreApplication::translate("CExportPdfDialog", "PDF Files (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    // Asking before an existing file is replaced is QFileDialog's default.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

CExportPdfDialog::CExportPdfDialog(QWidget* pParent)
    : QDialog(pParent), m_pTitle(new QLineEdit), m_pSubtitle(new QLineEdit), m_pPath(new QLineEdit)
{
    setWindowTitle(QCoreApplication::translate("CExportPdfDialog", "Export to PDF"));
    setObjectName(QStringLiteral("ExportPdfDialog"));
    m_pTitle->setObjectName(QStringLiteral("Title"));
    m_pSubtitle->setObjectName(QStringLiteral("Subtitle"));
    m_pPath->setObjectName(QStringLiteral("DestinationPath"));
    m_pPath->setReadOnly(true);
    m_pTitle->setMinimumWidth(300);

    auto* pTitleLabel = new QLabel(QCoreApplication::translate("CExportPdfDialog", "Title"));
    auto* pSubtitleLabel = new QLabel(QCoreApplication::translate("CExportPdfDialog", "Subtitle"));
    auto* pHint = new QLabel(QCoreApplication::translate("CExportPdfDialog", "(Venue, Date etc.,)"));
    auto* pPathLabel = new QLabel(QCoreApplication::translate("CExportPdfDialog", "Destination Path"));
    pTitleLabel->setBuddy(m_pTitle);
    pSubtitleLabel->setBuddy(m_pSubtitle);
    pPathLabel->setBuddy(m_pPath);
    m_pSubtitle->setAccessibleDescription(pHint->text());
    auto* pBrowse = new QPushButton(QStringLiteral(". . ."));
    pBrowse->setObjectName(QStringLiteral("Browse"));
    pBrowse->setAccessibleName(QCoreApplication::translate("CExportPdfDialog", "Choose the destination PDF file"));
    pBrowse->setAutoDefault(false);
    pBrowse->setMaximumWidth(40);
    auto* pGenerate = new QPushButton(QCoreApplication::translate("CExportPdfDialog", "Generate"));
    pGenerate->setObjectName(QStringLiteral("Generate"));
    pGenerate->setDefault(true);
    auto* pCancel = new QPushButton(QCoreApplication::translate("CExportPdfDialog", "Cancel"));
    pCancel->setAutoDefault(false);

    auto* pSubtitleLabels = new QVBoxLayout;
    pSubtitleLabels->setSpacing(0);
    pSubtitleLabels->addWidget(pSubtitleLabel);
    pSubtitleLabels->addWidget(pHint);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(pTitleLabel, 0, 0);
    pGrid->addWidget(m_pTitle, 0, 1, 1, 2);
    pGrid->addLayout(pSubtitleLabels, 1, 0);
    pGrid->addWidget(m_pSubtitle, 1, 1, 1, 2, Qt::AlignTop);
    pGrid->addWidget(pPathLabel, 2, 0);
    pGrid->addWidget(m_pPath, 2, 1);
    pGrid->addWidget(pBrowse, 2, 2);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pGenerate);
    pButtons->addWidget(pCancel);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addLayout(pButtons);

    setTabOrder(m_pTitle, m_pSubtitle);
    setTabOrder(m_pSubtitle, m_pPath);
    setTabOrder(m_pPath, pBrowse);
    setTabOrder(pBrowse, pGenerate);
    setTabOrder(pGenerate, pCancel);

    connect(pBrowse, &QPushButton::clicked, this, &CExportPdfDialog::OnBrowse);
    connect(pGenerate, &QPushButton::clicked, this, &CExportPdfDialog::accept);
    connect(pCancel, &QPushButton::clicked, this, &CExportPdfDialog::reject);
}

CExportPdfDialog::SaveChooserFunction& CExportPdfDialog::SaveChooserHook()
{
    static SaveChooserFunction fn = ChoosePdfFile;
    return fn;
}

void CExportPdfDialog::showEvent(QShowEvent* pEvent)
{
    if (!pEvent->spontaneous()) {
        m_pTitle->setText(m_strTitle);
        m_pSubtitle->setText(m_strSubtitle);
        m_pPath->setText(m_strPath);
        m_pTitle->setFocus();
    }
    QDialog::showEvent(pEvent);
}

void CExportPdfDialog::OnBrowse()
{
    const QString strChosen = SaveChooserHook()(this);
    if (strChosen.isEmpty())
        return;
    m_pPath->setText(QDir::toNativeSeparators(strChosen));
}

void CExportPdfDialog::accept()
{
    if (m_pPath->text().isEmpty()) {
        QMessageBox::critical(
            this, QStringLiteral("Quillbox"),
            QCoreApplication::translate("CExportPdfDialog", "Please Select the Desitnation PDF File to be saved."));
        return;
    }
    m_strTitle = m_pTitle->text();
    m_strSubtitle = m_pSubtitle->text();
    m_strPath = m_pPath->text();
    QDialog::accept();
}
