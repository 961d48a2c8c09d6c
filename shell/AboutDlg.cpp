#include "AboutDlg.h"

#include "Resources.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("About Quillbox"));
    setObjectName(QStringLiteral("AboutDialog"));

    auto* pIcon = new QLabel;
    pIcon->setPixmap(QPixmap(QuillboxResources::ImagePath(QuillboxResources::IDR_MAINFRAME))
                         .scaled(48, 48, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pIcon->setAccessibleName(QStringLiteral("Quillbox icon"));

    auto* pText = new QVBoxLayout;
    for (const char* pszLine : {"Quillbox", "Version 1.0", "Orvantic", "Support: support@orvantic.example",
                                "Web: https://orvantic.example/quillbox"}) {
        auto* pLabel = new QLabel(QString::fromLatin1(pszLine));
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
