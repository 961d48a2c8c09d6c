#include "FolderDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace
{
QString BrowseForDirectory()
{
    return QFileDialog::getExistingDirectory(nullptr,
                                             QCoreApplication::translate("CFolderDialog", "Select Directory Path "));
}
} // namespace

CFolderDialog::CFolderDialog(QWidget* pParent) : QDialog(pParent), m_pName(new QLineEdit), m_pPath(new QLineEdit)
{
    setWindowTitle(QCoreApplication::translate("CFolderDialog", "Add / Update Folder"));
    setObjectName(QStringLiteral("FolderDialog"));
    m_pName->setObjectName(QStringLiteral("FolderName"));
    m_pPath->setObjectName(QStringLiteral("FolderPath"));
    m_pPath->setReadOnly(true);
    m_pName->setMinimumWidth(320);

    auto* pNameLabel = new QLabel(QCoreApplication::translate("CFolderDialog", "Folder Name"));
    auto* pPathLabel = new QLabel(QCoreApplication::translate("CFolderDialog", "Folder Path"));
    pNameLabel->setBuddy(m_pName);
    pPathLabel->setBuddy(m_pPath);
    auto* pBrowse = new QPushButton(QStringLiteral("..."));
    pBrowse->setObjectName(QStringLiteral("Browse"));
    pBrowse->setAccessibleName(QCoreApplication::translate("CFolderDialog", "Browse for the folder path"));
    pBrowse->setAutoDefault(false);
    pBrowse->setMaximumWidth(32);
    auto* pOk = new QPushButton(QCoreApplication::translate("CFolderDialog", "OK"));
    pOk->setDefault(true);
    auto* pCancel = new QPushButton(QCoreApplication::translate("CFolderDialog", "Cancel"));
    pCancel->setAutoDefault(false);

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(pNameLabel, 0, 0);
    pGrid->addWidget(m_pName, 0, 1);
    pGrid->addWidget(pPathLabel, 1, 0);
    pGrid->addWidget(m_pPath, 1, 1);
    pGrid->addWidget(pBrowse, 1, 2);
    auto* pButtons = new QHBoxLayout;
    pButtons->addStretch();
    pButtons->addWidget(pOk);
    pButtons->addWidget(pCancel);
    pButtons->addStretch();
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addLayout(pButtons);

    connect(pBrowse, &QPushButton::clicked, this, &CFolderDialog::OnBrowse);
    connect(pOk, &QPushButton::clicked, this, &CFolderDialog::accept);
    connect(pCancel, &QPushButton::clicked, this, &CFolderDialog::reject);
}

CFolderDialog::BrowseFunction& CFolderDialog::BrowseHook()
{
    static BrowseFunction fn = BrowseForDirectory;
    return fn;
}

QString CFolderDialog::ResolveBrowsedPath(const QString& strPath)
{
    const QString strNative = QDir::fromNativeSeparators(strPath);
    const int nSlash = strNative.lastIndexOf(QLatin1Char('/'));
    if (nSlash >= 0 && strNative.mid(nSlash + 1) == QLatin1String("Quillbox_Settings File"))
        return QDir::toNativeSeparators(strNative.left(nSlash));
    return strPath;
}

void CFolderDialog::showEvent(QShowEvent* pEvent)
{
    m_pName->setText(m_strName);
    m_pPath->setText(m_strPath);
    QDialog::showEvent(pEvent);
}

void CFolderDialog::OnBrowse()
{
    const QString strChosen = BrowseHook()();
    if (strChosen.isEmpty())
        return;
    m_pPath->setText(ResolveBrowsedPath(QDir::toNativeSeparators(strChosen)));
}

void CFolderDialog::accept()
{
    const QString strName = m_pName->text();
    const QString strPath = m_pPath->text();
    const char* pszProblem = nullptr;
    if (strName.isEmpty() && strPath.isEmpty())
        pszProblem = QT_TRANSLATE_NOOP("CFolderDialog", "Folder Name & Path cannot be Empty !");
    else if (strName.isEmpty())
        pszProblem = QT_TRANSLATE_NOOP("CFolderDialog", "Folder Name cannot be Empty !");
    else if (strPath.isEmpty())
        pszProblem = QT_TRANSLATE_NOOP("CFolderDialog", "Folder Path cannot be Empty !");
    if (pszProblem) {
        QMessageBox::warning(this, QStringLiteral("Quillbox"),
                             QCoreApplication::translate("CFolderDialog", pszProblem));
        return;
    }
    m_strName = strName;
    m_strPath = strPath;
    QDialog::accept();
}
