#pragma once

#include <QWidget>

#include <cstdint>
#include <string>

class CIconListCtrl;
class QLineEdit;

// The editor's second page: comments, keywords and the note's icon.
class CIconPage : public QWidget
{
    Q_OBJECT

public:
    enum { IDD = 132, IDC_COMMENTS = 1006, IDC_KEYWORDS = 1007 };

    explicit CIconPage(QWidget* pParent = nullptr);

    // Fields <-> controls: bSave reads the controls into the fields.
    void UpdateData(bool bSave);
    // The sheet shows the page: made on first use, then filled from the fields.
    void OnSetActive();
    void OnKillActive();
    // The wizard's Finish and the sheet's OK: the fields from the controls,
    // the icon from the list's selection.
    void OnWizardFinish();
    void OnOK();
    bool IsCreated() const { return m_bCreated; }

    static QString HeaderTitle();
    static QString HeaderSubTitle();

    QLineEdit* GetCommentsEdit() const { return m_pComments; }
    QLineEdit* GetKeywordsEdit() const { return m_pKeywords; }
    CIconListCtrl* GetIconList() const { return m_pIcons; }

    std::string m_strComments;
    std::string m_strKeywords;
    int32_t m_nIcon = 0;

signals:
    // Which wizard buttons the page wants: Back and Finish.
    void WizardButtonsWanted(bool bBack, bool bNext, bool bFinish);

private:
    void TakeIconFromList();

    QLineEdit* m_pComments;
    QLineEdit* m_pKeywords;
    CIconListCtrl* m_pIcons;
    bool m_bCreated = false;
};
