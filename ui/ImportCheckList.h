#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QPixmap>
#include <QTableView>

#include <atomic>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPushButton;
template <class T>
class QFutureWatcher;

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
    // The row's text colour; the palette's text unless a list says otherwise.
    // It is moved as far as needed to stay readable on the row.
    virtual QColor TextColour(size_t nRow) const;
    // White, or the palette's base when the palette is dark.
    static QColor RowBackground();

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
// the Import and Cancel buttons. The list is filled on a worker thread
// while the dialog runs, so a folder of large or odd files never stops the
// window; a mail-client failure ends the dialog and reaches the caller.
class CImportDlgBase : public QDialog
{
public:
    ~CImportDlgBase() override;

    // Starts filling the list, then runs the dialog; throws what the
    // listing threw.
    int exec() override;
    // Ends the dialog and any listing still running.
    void done(int nResult) override;
    // Loads the image and starts filling the list from the mail client, once.
    virtual void OnInitDialog() = 0;

    // Whether the list is still being filled (Import is off meanwhile).
    bool IsListing() const;
    // The items the mail client passed over, one line each naming the item
    // and saying why; known once the listing has ended.
    const std::vector<std::string>& GetSkipped() const { return m_skipped; }

protected:
    CImportDlgBase(const QString& strTitle, CImportCheckList* pList, QWidget* pParent);

    // Runs list on a worker thread; it receives a flag that asks it to stop
    // and the list of items passed over. Listed() then runs on this thread.
    using ListingJob = std::function<void(const std::atomic<bool>& bStop, std::vector<std::string>& skipped)>;
    void StartListing(ListingJob list);
    // Takes the worker's rows into the model.
    virtual void Listed() = 0;

    CImportCheckList* m_pList;
    QPushButton* m_pImport;
    QPushButton* m_pCancel;
    bool m_bInitialised = false;

private:
    struct SJob;
    void OnListingFinished();

    std::shared_ptr<SJob> m_pJob;
    QFutureWatcher<void>* m_pWatcher;
    std::exception_ptr m_pFailure;
    std::vector<std::string> m_skipped;
};

// The first image of a 16-pixel strip, white made transparent.
QPixmap ImportListImage(int nBitmapId);
