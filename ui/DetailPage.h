#pragma once

#include "DateTime.h"

#include <QDate>
#include <QWidget>

#include <cstdint>
#include <string>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;

// The editor's first page: title, optional date, priority and note text.
class CDetailPage : public QWidget
{
    Q_OBJECT

public:
    enum { IDD = 106, IDC_TITLE = 1005, IDC_NOTES = 1008, IDC_HAS_DATE = 1009, IDC_DATE = 1010, IDC_PRIORITY = 1011 };

    explicit CDetailPage(QWidget* pParent = nullptr);

    // Fields <-> controls: bSave reads the controls into the fields.
    void UpdateData(bool bSave);
    // The sheet shows the page: made on first use, then filled from the fields.
    void OnSetActive();
    // The page is left, or the sheet closes with OK or Finish.
    void OnKillActive();
    bool IsCreated() const { return m_bCreated; }

    static QString HeaderTitle();
    static QString HeaderSubTitle();

    QLineEdit* GetTitleEdit() const { return m_pTitle; }
    QCheckBox* GetDateCheck() const { return m_pHasDate; }
    QDateEdit* GetDatePicker() const { return m_pDate; }
    QComboBox* GetPriorityBox() const { return m_pPriority; }
    QPlainTextEdit* GetNotesEdit() const { return m_pNotes; }

    std::string m_strTitle;
    std::string m_strNotes;
    int32_t m_bHasDate = 0;
    CDateTime m_dtDate = CDateTime::GetCurrentTime();
    int32_t m_nPriority = 1;

signals:
    // Which wizard buttons the page wants: only Next.
    void WizardButtonsWanted(bool bBack, bool bNext, bool bFinish);

private:
    // The picker shows only while the box is ticked.
    void OnDateCheck();

    QLineEdit* m_pTitle;
    QCheckBox* m_pHasDate;
    QDateEdit* m_pDate;
    QComboBox* m_pPriority;
    QPlainTextEdit* m_pNotes;
    bool m_bCreated = false;
    // What the picker was given, so an untouched picker gives back the
    // field's exact value, time of day and all.
    QDate m_dateShown;
};
