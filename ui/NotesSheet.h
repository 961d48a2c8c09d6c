#pragma once

#include "NoteRecord.h"

#include <QDialog>
#include <QPixmap>

class CDetailPage;
class CIconPage;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabWidget;

// The note editor: a tabbed sheet ("Detail", "Icon", OK and Cancel) or, after
// SetWizardMode, a two-step wizard with a header. Lives for one command.
class CNotesSheet : public QDialog
{
    Q_OBJECT

public:
    enum { IDOK = 1, IDCANCEL = 2, ID_WIZFINISH = 12325 };

    // Either bitmap may be null.
    CNotesSheet(const QString& strCaption, QWidget* pParent = nullptr, int nSelectPage = 0,
                const QPixmap& watermark = {}, const QPixmap& header = {});
    ~CNotesSheet() override;

    void SetWizardMode();
    bool IsWizard() const { return m_bWizard; }

    // Copies m_note into the pages, runs the sheet and, on OK or Finish,
    // copies the pages back (an empty title becomes "Untitled"). Returns
    // IDOK, ID_WIZFINISH or IDCANCEL.
    int DoModal();

    // The wizard's buttons; only those wanted by the page on show are enabled.
    void SetWizardButtons(bool bBack, bool bNext, bool bFinish);
    int GetActiveIndex() const { return m_nActive; }

    CDetailPage* GetDetailPage() const { return m_pDetail; }
    CIconPage* GetIconPage() const { return m_pIcon; }
    QTabWidget* GetTabs() const { return m_pTabs; }
    QPushButton* GetButton(int nWhich) const;
    enum { btnOK, btnCancel, btnBack, btnNext, btnFinish };

    CNoteRecord m_note;

private:
    void Build();
    void Activate(int nPage);
    void OnBack();
    void OnNext();
    void OnFinish();
    void OnOK();
    void CopyIn();
    void CopyOut();

    CDetailPage* m_pDetail;
    CIconPage* m_pIcon;
    QPixmap m_watermark;
    QPixmap m_header;
    bool m_bWizard = false;
    bool m_bBuilt = false;
    int m_nActive = -1;
    int m_nFirstPage = 0;
    int m_nResult = IDCANCEL;
    QTabWidget* m_pTabs = nullptr;
    QStackedWidget* m_pStack = nullptr;
    QLabel* m_pHeaderTitle = nullptr;
    QLabel* m_pHeaderSubTitle = nullptr;
    QPushButton* m_apButtons[5] = {};
};
