#include "AboutDlg.h"

#include "Resources.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QCoreApplication::translate("CAboutDlg", "About Quillbox"));
    setObjectName(QStringLiteral("AboutDialog"));

    auto* pIcon = new QLabel;
    pIcon->setPixmap(QPixmap(QuillboxResources::ImagePath(QuillboxResources::IDR_MAINFRAME))
                         .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pIcon->setAccessibleName(QCoreApplication::translate("CAboutDlg", "Quillbox icon"));

    auto* pText = new QVBoxLayout;
    for (const char* pszLine : {"Quillbox", QT_TRANSLATE_NOOP("CAboutDlg", "Version 1.0"), "Orvantic",
                                QT_TRANSLATE_NOOP("CAboutDlg", "Support: support@orvantic.example"),
                                QT_TRANSLATE_NOOP("CAboutDlg", "Web: https://orvantic.example/quillbox")}) {
        auto* pLabel = new QLabel(QCoreApplication::translate("CAboutDlg", pszLine));
        pLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        pText->addWidget(pLabel);
    }

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* pTop = new QHBoxLayout;
    pTop->addWidget(pIcon, 0, Qt::AlignTop);
    pTop->addLayout(pText);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pTop);
    pLayout->addWidget(pButtons);
    setFixedSize(sizeHint());
}
