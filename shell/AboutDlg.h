#pragma once

#include <QDialog>

// "About Quillbox": the program's name, version and icon.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* pParent = nullptr);
};
