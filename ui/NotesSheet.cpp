#include "NotesSheet.h"

#include "DetailPage.h"
#include "IconPage.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{
// The wizard's band above the page: the header bitmap across its width, the
// page's title and subtitle on its light left part.
class CWizardHeader : public QWidget
{
public:
    CWizardHeader(const QPixmap& header, QLabel* pTitle, QLabel* pSubTitle) : m_header(header)
    {
        setAutoFillBackground(false);
        auto* pLayout = new QVBoxLayout(this);
        pLayout->setContentsMargins(16, 8, 80, 8);
        pLayout->setSpacing(2);
        QFont font = pTitle->font();
        font.setWeight(QFont::Bold);
        pTitle->setFont(font);
        pSubTitle->setIndent(16);
        pSubTitle->setWordWrap(true);
        for (QLabel* pLabel : {pTitle, pSubTitle}) {
            QPalette pal = pLabel->palette();
            pal.setColor(QPalette::WindowText, Qt::black);
            pLabel->setPalette(pal);
        }
        pLayout->addWidget(pTitle);
        pLayout->addWidget(pSubTitle);
        pLayout->addStretch(1);
        setMinimumHeight(m_header.isNull() ? 58 : m_header.height());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        if (!m_header.isNull()) {
            // The logo sits at the bitmap's right end: keep it there, stretch the rest.
            const int nTail = std::min(m_header.width(), 120);
            const int nHead = m_header.width() - nTail;
            painter.drawPixmap(QRect(0, 0, std::max(0, width() - nTail), height()), m_header,
                               QRect(0, 0, nHead, m_header.height()));
            painter.drawPixmap(QRect(std::max(0, width() - nTail), 0, nTail, height()), m_header,
                               QRect(nHead, 0, nTail, m_header.height()));
        }
    }

private:
    QPixmap m_header;
};
} // namespace

CNotesSheet::CNotesSheet(const QString& strCaption, QWidget* pParent, int nSelectPage, const QPixmap& watermark,
                         const QPixmap& header)
    : QDialog(pParent), m_pDetail(new CDetailPage), m_pIcon(new CIconPage), m_watermark(watermark), m_header(header),
      m_nFirstPage(nSelectPage == 1 ? 1 : 0)
{
    setObjectName(QStringLiteral("NotesSheet"));
    setWindowTitle(strCaption);
    setModal(true);
    connect(m_pDetail, &CDetailPage::WizardButtonsWanted, this, &CNotesSheet::SetWizardButtons);
    connect(m_pIcon, &CIconPage::WizardButtonsWanted, this, &CNotesSheet::SetWizardButtons);
}

CNotesSheet::~CNotesSheet() = default;

void CNotesSheet::SetWizardMode()
{
    m_bWizard = true;
}

QPushButton* CNotesSheet::GetButton(int nWhich) const
{
    return nWhich >= 0 && nWhich < 5 ? m_apButtons[nWhich] : nullptr;
}

void CNotesSheet::Build()
{
    if (m_bBuilt)
        return;
    m_bBuilt = true;
    auto* pLayout = new QVBoxLayout(this);
    // Room for the pages' own layout sizes: 297 x 194 dialog units.
    const QFontMetrics metrics(font());
    const QSize szPage(metrics.averageCharWidth() * 297 / 4, metrics.height() * 194 / 8);

    if (!m_bWizard) {
        m_pTabs = new QTabWidget;
        m_pTabs->addTab(m_pDetail, QCoreApplication::translate("CNotesSheet", "Detail"));
        m_pTabs->addTab(m_pIcon, QCoreApplication::translate("CNotesSheet", "Icon"));
        m_pTabs->setMinimumSize(szPage);
        pLayout->addWidget(m_pTabs);
        auto* pButtons = new QDialogButtonBox;
        m_apButtons[btnOK] =
            pButtons->addButton(QCoreApplication::translate("CNotesSheet", "OK"), QDialogButtonBox::AcceptRole);
        m_apButtons[btnCancel] =
            pButtons->addButton(QCoreApplication::translate("CNotesSheet", "Cancel"), QDialogButtonBox::RejectRole);
        m_apButtons[btnOK]->setDefault(true);
        pLayout->addWidget(pButtons);
        connect(pButtons, &QDialogButtonBox::accepted, this, &CNotesSheet::OnOK);
        connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
        connect(m_pTabs, &QTabWidget::currentChanged, this, [this](int nPage) { Activate(nPage); });
        return;
    }

    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    m_pHeaderTitle = new QLabel;
    m_pHeaderSubTitle = new QLabel;
    m_pHeaderTitle->setObjectName(QStringLiteral("HeaderTitle"));
    m_pHeaderSubTitle->setObjectName(QStringLiteral("HeaderSubTitle"));
    m_pHeaderTitle->setTextFormat(Qt::PlainText);
    m_pHeaderSubTitle->setTextFormat(Qt::PlainText);
    pLayout->addWidget(new CWizardHeader(m_header, m_pHeaderTitle, m_pHeaderSubTitle));
    auto* pRule = new QFrame;
    pRule->setFrameShape(QFrame::HLine);
    pRule->setFrameShadow(QFrame::Sunken);
    pLayout->addWidget(pRule);

    m_pStack = new QStackedWidget;
    m_pStack->addWidget(m_pDetail);
    m_pStack->addWidget(m_pIcon);
    m_pStack->setMinimumSize(szPage);
    auto* pPageArea = new QVBoxLayout;
    pPageArea->setContentsMargins(11, 11, 11, 11);
    pPageArea->addWidget(m_pStack);
    pLayout->addLayout(pPageArea, 1);

    auto* pRule2 = new QFrame;
    pRule2->setFrameShape(QFrame::HLine);
    pRule2->setFrameShadow(QFrame::Sunken);
    pLayout->addWidget(pRule2);
    auto* pButtonRow = new QHBoxLayout;
    pButtonRow->setContentsMargins(11, 8, 11, 11);
    pButtonRow->addStretch(1);
    m_apButtons[btnBack] = new QPushButton(QCoreApplication::translate("CNotesSheet", "< Back"));
    m_apButtons[btnNext] = new QPushButton(QCoreApplication::translate("CNotesSheet", "Next >"));
    m_apButtons[btnFinish] = new QPushButton(QCoreApplication::translate("CNotesSheet", "Finish"));
    m_apButtons[btnCancel] = new QPushButton(QCoreApplication::translate("CNotesSheet", "Cancel"));
    for (int i : {btnBack, btnNext, btnFinish, btnCancel}) {
        m_apButtons[i]->setAutoDefault(false);
        pButtonRow->addWidget(m_apButtons[i]);
    }
    pLayout->addLayout(pButtonRow);
    connect(m_apButtons[btnBack], &QPushButton::clicked, this, &CNotesSheet::OnBack);
    connect(m_apButtons[btnNext], &QPushButton::clicked, this, &CNotesSheet::OnNext);
    connect(m_apButtons[btnFinish], &QPushButton::clicked, this, &CNotesSheet::OnFinish);
    connect(m_apButtons[btnCancel], &QPushButton::clicked, this, &QDialog::reject);
}

void CNotesSheet::SetWizardButtons(bool bBack, bool bNext, bool bFinish)
{
    if (!m_bWizard || !m_apButtons[btnBack])
        return;
    m_apButtons[btnBack]->setEnabled(bBack);
    // Next and Finish share their place: the one not wanted gives way.
    m_apButtons[btnNext]->setVisible(!bFinish);
    m_apButtons[btnNext]->setEnabled(bNext);
    m_apButtons[btnFinish]->setVisible(bFinish);
    m_apButtons[btnFinish]->setEnabled(bFinish);
    (bFinish ? m_apButtons[btnFinish] : m_apButtons[btnNext])->setDefault(true);
    (bFinish ? m_apButtons[btnNext] : m_apButtons[btnFinish])->setDefault(false);
}

void CNotesSheet::Activate(int nPage)
{
    if (nPage == m_nActive || nPage < 0 || nPage > 1)
        return;
    if (m_nActive == 0)
        m_pDetail->OnKillActive();
    else if (m_nActive == 1)
        m_pIcon->OnKillActive();
    m_nActive = nPage;
    if (m_bWizard) {
        m_pStack->setCurrentIndex(nPage);
        m_pHeaderTitle->setText(nPage == 0 ? CDetailPage::HeaderTitle() : CIconPage::HeaderTitle());
        m_pHeaderSubTitle->setText(nPage == 0 ? CDetailPage::HeaderSubTitle() : CIconPage::HeaderSubTitle());
    } else if (m_pTabs->currentIndex() != nPage) {
        m_pTabs->setCurrentIndex(nPage);
    }
    if (nPage == 0)
        m_pDetail->OnSetActive();
    else
        m_pIcon->OnSetActive();
    // The wizard starts each page at its first box; a tab switched by keyboard keeps the focus on the tabs.
    if (m_bWizard)
        (nPage == 0 ? static_cast<QWidget*>(m_pDetail->GetTitleEdit()) : m_pIcon->GetCommentsEdit())->setFocus();
}

void CNotesSheet::OnBack()
{
    Activate(0);
}

void CNotesSheet::OnNext()
{
    Activate(1);
}

void CNotesSheet::OnFinish()
{
    m_pDetail->OnKillActive();
    m_pIcon->OnWizardFinish();
    m_nResult = ID_WIZFINISH;
    accept();
}

void CNotesSheet::OnOK()
{
    m_pDetail->OnKillActive();
    m_pIcon->OnOK();
    m_nResult = IDOK;
    accept();
}

void CNotesSheet::CopyIn()
{
    m_pDetail->m_strTitle = m_note.m_strTitle;
    m_pDetail->m_strNotes = m_note.m_strNotes;
    m_pDetail->m_bHasDate = m_note.m_bHasDate;
    m_pDetail->m_dtDate = m_note.m_dtDate;
    m_pDetail->m_nPriority = m_note.m_nPriority;
    m_pIcon->m_strComments = m_note.m_strComments;
    m_pIcon->m_strKeywords = m_note.m_strKeywords;
    m_pIcon->m_nIcon = m_note.m_nIcon;
}

void CNotesSheet::CopyOut()
{
    m_note.m_strTitle = m_pDetail->m_strTitle.empty()
                            ? QCoreApplication::translate("CNotesSheet", "Untitled").toStdString()
                            : m_pDetail->m_strTitle;
    m_note.m_strNotes = m_pDetail->m_strNotes;
    m_note.m_bHasDate = m_pDetail->m_bHasDate;
    m_note.m_dtDate = m_pDetail->m_dtDate;
    m_note.m_nPriority = m_pDetail->m_nPriority;
    m_note.m_strComments = m_pIcon->m_strComments;
    m_note.m_strKeywords = m_pIcon->m_strKeywords;
    m_note.m_nIcon = m_pIcon->m_nIcon;
}

int CNotesSheet::DoModal()
{
    CopyIn();
    Build();
    m_nResult = IDCANCEL;
    m_nActive = -1;
    Activate(m_bWizard ? 0 : m_nFirstPage);
    if (!m_bWizard)
        (m_nActive == 0 ? static_cast<QWidget*>(m_pDetail->GetTitleEdit()) : m_pIcon->GetCommentsEdit())->setFocus();
    adjustSize();
    if (exec() != QDialog::Accepted)
        return IDCANCEL;
    CopyOut();
    return m_nResult;
}
