#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QPixmap>
#include <QTableView>

#include <string>

class QPushButton;

// The rows of a mail-client import list as a model: one column of text
// with a check box and the list's image, the text bold while ticked.
class CImportListModelBase : public QAbstractTableModel
{
public:
    CImportListModelBase(QString strHeading, QPixmap image, QObject* pParent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int nRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int nRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole) const override;

    // Shows the rows of the list as they now are, in one reset.
    void Reload();

protected:
    virtual size_t Count() const = 0;
    virtual const std::string& Text(size_t nRow) const = 0;
    virtual bool IsChecked(size_t nRow) const = 0;
    virtual void SetChecked(size_t nRow, bool bChecked) = 0;
    // The row's text colour; black unless a list says otherwise.
    virtual QColor TextColour(size_t nRow) const;

private:
    QString m_strHeading;
    QPixmap m_image;
};

// The check list both import dialogs show: report view, grid lines, check
// boxes, full-row single selection, one centred column 350 pixels wide.
class CImportCheckList : public QTableView
{
public:
    explicit CImportCheckList(QWidget* pParent = nullptr);
    void SetModel(CImportListModelBase* pModel);
};

// What the two import dialogs share: the layout of resource 171 / 172 and
// the Import and Cancel buttons. Filling happens when the dialog opens,
// before its loop runs, so a mail-client failure reaches the caller.
class CImportDlgBase : public QDialog
{
public:
    // Fills the list with a wait cursor, then runs the dialog.
    int exec() override;
    // Loads the image and fills the list from the mail client, once.
    virtual void OnInitDialog() = 0;

protected:
    CImportDlgBase(const QString& strTitle, CImportCheckList* pList, QWidget* pParent);

    CImportCheckList* m_pList;
    QPushButton* m_pImport;
    QPushButton* m_pCancel;
    bool m_bInitialised = false;
};

// The first image of a 16-pixel strip, white made transparent.
QPixmap ImportListImage(int nBitmapId);
