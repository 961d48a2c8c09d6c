#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLineEdit;

// "Add / Update Folder": a display name and a directory picked in the
// folder browser.
class CFolderDialog : public QDialog
{
    Q_OBJECT

public:
    enum { IDC_FOLDER_NAME = 1000, IDC_FOLDER_PATH = 1001, IDC_BROWSE = 1002 };

    explicit CFolderDialog(QWidget* pParent = nullptr);

    // Values in before exec(), out after OK.
    QString m_strName;
    QString m_strPath;

    // The folder browser; tests replace it. Returns an empty text on cancel.
    using BrowseFunction = std::function<QString()>;
    static BrowseFunction& BrowseHook();

    // The settings folder itself is never a folder of notes: its parent is.
    static QString ResolveBrowsedPath(const QString& strPath);

    QLineEdit* GetNameEdit() const { return m_pName; }
    QLineEdit* GetPathEdit() const { return m_pPath; }

public slots:
    void OnBrowse();
    void accept() override;

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    QLineEdit* m_pName;
    QLineEdit* m_pPath;
};
