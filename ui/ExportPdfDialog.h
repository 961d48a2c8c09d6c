#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLineEdit;

// "Export to PDF": the cover's title and subtitle and the file to write.
// Values go in before exec() and come out after Generate.
class CExportPdfDialog : public QDialog
{
    Q_OBJECT

public:
    enum { IDC_BROWSE = 1002, IDC_TITLE = 1005, IDC_SUBTITLE = 1024, IDC_DESTINATION = 1025 };

    explicit CExportPdfDialog(QWidget* pParent = nullptr);

    QString m_strTitle;
    QString m_strSubtitle;
    QString m_strPath;

    // The save chooser behind ". . ."; tests replace it. Returns the chosen
    // file's full path, or an empty text on cancel.
    using SaveChooserFunction = std::function<QString(QWidget* pParent)>;
    static SaveChooserFunction& SaveChooserHook();

    QLineEdit* GetTitleEdit() const { return m_pTitle; }
    QLineEdit* GetSubtitleEdit() const { return m_pSubtitle; }
    QLineEdit* GetPathEdit() const { return m_pPath; }

public slots:
    void OnBrowse();
    // Generate: refuses an empty destination path.
    void accept() override;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    QLineEdit* m_pTitle;
    QLineEdit* m_pSubtitle;
    QLineEdit* m_pPath;
};
