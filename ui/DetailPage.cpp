#include "DetailPage.h"

#include "AppContext.h"
#include "EditText.h"
#include "Resources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>

namespace
{
QDate ToDate(const CDateTime& dt)
{
    int y, mo, d, h, mi, s;
    if (!dt.GetFields(y, mo, d, h, mi, s))
        return {};
    return QDate(y, mo, d);
}

QLabel* MakeLabel(const char* pszText, QWidget* pBuddy)
{
    auto* pLabel = new QLabel(QCoreApplication::translate("CDetailPage", pszText));
    pLabel->setBuddy(pBuddy);
    pBuddy->setAccessibleName(pLabel->text());
    return pLabel;
}
} // namespace

CDetailPage::CDetailPage(QWidget* pParent)
    : QWidget(pParent), m_pTitle(new QLineEdit), m_pHasDate(new QCheckBox), m_pDate(new QDateEdit),
      m_pPriority(new QComboBox), m_pNotes(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("DetailPage"));
    setWindowTitle(QCoreApplication::translate("CDetailPage", "Detail"));
    m_pTitle->setObjectName(QStringLiteral("TitleEdit"));
    m_pHasDate->setObjectName(QStringLiteral("DateCheck"));
    m_pDate->setObjectName(QStringLiteral("DatePicker"));
    m_pPriority->setObjectName(QStringLiteral("PriorityBox"));
    m_pNotes->setObjectName(QStringLiteral("NotesEdit"));

    m_pDate->setCalendarPopup(true);
    m_pDate->setDisplayFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    m_pDate->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    m_pDate->setAccessibleName(QCoreApplication::translate("CDetailPage", "Date value"));
    m_pHasDate->setAccessibleName(QCoreApplication::translate("CDetailPage", "Date"));
    m_pPriority->addItems({QCoreApplication::translate("CDetailPage", "Low"),
                           QCoreApplication::translate("CDetailPage", "Medium"),
                           QCoreApplication::translate("CDetailPage", "High")});
    m_pNotes->setTabChangesFocus(true);
    m_pNotes->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* pGrid = new QGridLayout(this);
    pGrid->setColumnStretch(2, 1);
    pGrid->addWidget(MakeLabel(QT_TRANSLATE_NOOP("CDetailPage", "Title"), m_pTitle), 0, 0);
    pGrid->addWidget(m_pTitle, 0, 1, 1, 2);
    auto* pDateRow = new QHBoxLayout;
    pDateRow->setContentsMargins(0, 0, 0, 0);
    pDateRow->addWidget(m_pHasDate);
    pDateRow->addWidget(m_pDate);
    pDateRow->addStretch(1);
    auto* pDateLabel = new QLabel(QCoreApplication::translate("CDetailPage", "Date"));
    pDateLabel->setBuddy(m_pHasDate);
    pGrid->addWidget(pDateLabel, 1, 0);
    pGrid->addLayout(pDateRow, 1, 1, 1, 2);
    pGrid->addWidget(MakeLabel(QT_TRANSLATE_NOOP("CDetailPage", "Priority"), m_pPriority), 2, 0);
    pGrid->addWidget(m_pPriority, 2, 1);
    pGrid->addWidget(MakeLabel(QT_TRANSLATE_NOOP("CDetailPage", "Notes"), m_pNotes), 3, 0, 1, 3);
    pGrid->addWidget(m_pNotes, 4, 0, 1, 3);
    pGrid->setRowStretch(4, 1);
    // The title box is as wide as in the dialog's layout: 131 of 291 units.
    m_pTitle->setMinimumWidth(QFontMetrics(font()).averageCharWidth() * 131 / 4);
    m_pDate->setMinimumWidth(QFontMetrics(font()).averageCharWidth() * 82 / 4);

    setTabOrder(m_pTitle, m_pHasDate);
    setTabOrder(m_pHasDate, m_pDate);
    setTabOrder(m_pDate, m_pPriority);
    setTabOrder(m_pPriority, m_pNotes);

    m_pDate->hide();
    connect(m_pHasDate, &QCheckBox::clicked, this, &CDetailPage::OnDateCheck);
}

QString CDetailPage::HeaderTitle()
{
    return QString::fromStdString(CAppContext::LoadStringResource(QuillboxResources::IDS_DETAIL_PAGE_TITLE));
}

QString CDetailPage::HeaderSubTitle()
{
    return QString::fromStdString(CAppContext::LoadStringResource(QuillboxResources::IDS_DETAIL_PAGE_SUBTITLE));
}

void CDetailPage::UpdateData(bool bSave)
{
    if (bSave) {
        m_strTitle = m_pTitle->text().toStdString();
        m_strNotes = FromEditText(m_pNotes->toPlainText());
        m_bHasDate = m_pHasDate->isChecked() ? 1 : 0;
        const QDate date = m_pDate->date();
        if (date != m_dateShown) {
            int y, mo, d, h = 0, mi = 0, s = 0;
            m_dtDate.GetFields(y, mo, d, h, mi, s);
            m_dtDate = CDateTime::FromFields(date.year(), date.month(), date.day(), h, mi, s);
            m_dateShown = date;
        }
        // No entry chosen (a stored priority out of range) keeps the stored value.
        if (m_pPriority->currentIndex() >= 0)
            m_nPriority = m_pPriority->currentIndex();
        return;
    }
    m_pTitle->setText(QString::fromStdString(m_strTitle));
    m_pNotes->setPlainText(ToEditText(m_strNotes));
    m_pHasDate->setChecked(m_bHasDate != 0);
    QDate date = ToDate(m_dtDate);
    if (!date.isValid() || date < m_pDate->minimumDate() || date > m_pDate->maximumDate())
        date = QDate::currentDate();
    m_pDate->setDate(date);
    m_dateShown = m_pDate->date();
    m_pPriority->setCurrentIndex(m_nPriority >= 0 && m_nPriority <= 2 ? m_nPriority : -1);
}

void CDetailPage::OnSetActive()
{
    if (!m_bCreated) {
        m_bCreated = true;
        UpdateData(false);
        m_pDate->hide();
        OnDateCheck();
    }
    emit WizardButtonsWanted(false, true, false);
    UpdateData(false);
    m_pDate->setVisible(m_bHasDate != 0);
}

void CDetailPage::OnKillActive()
{
    if (m_bCreated)
        UpdateData(true);
}

void CDetailPage::OnDateCheck()
{
    UpdateData(true);
    m_pDate->setVisible(m_bHasDate != 0);
}
