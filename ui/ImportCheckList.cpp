#include "ImportCheckList.h"

#include "ImageStrip.h"
#include "Resources.h"
#include "ThemeColours.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QFutureWatcher>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace
{
// Dialog units to pixels, from the dialog font's average character size.
QRect DialogRect(const QWidget* pWidget, int x, int y, int cx, int cy)
{
    const QFontMetrics fm(pWidget->font());
    const int nBaseX = qMax(1, fm.averageCharWidth());
    const int nBaseY = qMax(1, fm.height());
    return QRect(x * nBaseX / 4, y * nBaseY / 8, cx * nBaseX / 4, cy * nBaseY / 8);
}

// rc, widened about its centre when the button's text needs more room (a
// longer translation).
QRect WideEnough(const QPushButton* pButton, QRect rc)
{
    const int nNeeded = pButton->fontMetrics().horizontalAdvance(pButton->text()) +
                        2 * pButton->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, pButton);
    const int nMore = nNeeded - rc.width();
    if (nMore > 0)
        rc.adjust(-nMore / 2, 0, nMore - nMore / 2, 0);
    return rc;
}

constexpr int nColumnWidth = 350;
} // namespace

QPixmap ImportListImage(int nBitmapId)
{
    // The first image of the strip, with white as the transparent colour.
    std::vector<QPixmap> images;
    LoadImageStrip(nBitmapId, 16, images);
    return images.empty() ? QPixmap() : images.front();
}

CImportListModelBase::CImportListModelBase(QString strHeading, QPixmap image, QObject* pParent)
    : QAbstractTableModel(pParent), m_strHeading(std::move(strHeading)), m_image(std::move(image))
{}

int CImportListModelBase::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(Count());
}

int CImportListModelBase::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QColor CImportListModelBase::TextColour(size_t) const
{
    return ThemeColours::Follow(Qt::black, QGuiApplication::palette(), QPalette::Text);
}

QColor CImportListModelBase::RowBackground()
{
    return ThemeColours::Follow(Qt::white, QGuiApplication::palette(), QPalette::Base);
}

QVariant CImportListModelBase::data(const QModelIndex& index, int nRole) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto nRow = static_cast<size_t>(index.row());
    switch (nRole) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return QString::fromStdString(Text(nRow));
    case Qt::CheckStateRole:
        return IsChecked(nRow) ? Qt::Checked : Qt::Unchecked;
    case Qt::DecorationRole:
        return m_image.isNull() ? QVariant() : QVariant(m_image);
    case Qt::FontRole: {
        QFont font;
        font.setWeight(IsChecked(nRow) ? QFont::Bold : QFont::Normal);
        return font;
    }
    case Qt::ForegroundRole:
        return ThemeColours::Readable(TextColour(nRow), RowBackground());
    case Qt::BackgroundRole:
        return RowBackground();
    default:
        return {};
    }
}

bool CImportListModelBase::setData(const QModelIndex& index, const QVariant& value, int nRole)
{
    if (!index.isValid() || index.row() >= rowCount() || nRole != Qt::CheckStateRole)
        return false;
    SetChecked(static_cast<size_t>(index.row()), value.value<Qt::CheckState>() == Qt::Checked);
    // The weight follows the box.
    emit dataChanged(index, index, {Qt::CheckStateRole, Qt::FontRole});
    return true;
}

Qt::ItemFlags CImportListModelBase::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

QVariant CImportListModelBase::headerData(int nSection, Qt::Orientation orientation, int nRole) const
{
    if (orientation != Qt::Horizontal || nSection != 0)
        return {};
    if (nRole == Qt::DisplayRole)
        return m_strHeading;
    if (nRole == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignCenter);
    return {};
}

void CImportListModelBase::Reload()
{
    beginResetModel();
    endResetModel();
}

CImportCheckList::CImportCheckList(QWidget* pParent) : QTableView(pParent)
{
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setIconSize(QSize(16, 16));
}

void CImportCheckList::SetModel(CImportListModelBase* pModel)
{
    setModel(pModel);
    horizontalHeader()->resizeSection(0, nColumnWidth);
}

// What the worker shares with the dialog; the worker holds it too, so
// neither outlives what the other still uses.
struct CImportDlgBase::SJob
{
    std::atomic<bool> bStop{false};
    std::exception_ptr pFailure;
    std::vector<std::string> skipped;
};

CImportDlgBase::CImportDlgBase(const QString& strTitle, CImportCheckList* pList, QWidget* pParent)
    : QDialog(pParent), m_pList(pList),
      m_pImport(new QPushButton(QCoreApplication::translate("CImportDlgBase", "Import"), this)),
      m_pCancel(new QPushButton(QCoreApplication::translate("CImportDlgBase", "Cancel"), this)),
      m_pWatcher(new QFutureWatcher<void>(this))
{
    connect(m_pWatcher, &QFutureWatcher<void>::finished, this, &CImportDlgBase::OnListingFinished);
    setWindowTitle(strTitle);
    m_pImport->setObjectName(QStringLiteral("Import"));
    m_pCancel->setObjectName(QStringLiteral("Cancel"));
    m_pList->setParent(this);
    m_pImport->setDefault(true);
    m_pCancel->setAutoDefault(false);
    setFixedSize(DialogRect(this, 0, 0, 270, 196).size());
    m_pList->setGeometry(DialogRect(this, 7, 7, 252, 144));
    m_pImport->setGeometry(WideEnough(m_pImport, DialogRect(this, 61, 169, 50, 14)));
    m_pCancel->setGeometry(WideEnough(m_pCancel, DialogRect(this, 138, 169, 50, 14)));
    connect(m_pImport, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCancel, &QPushButton::clicked, this, &QDialog::reject);
}

CImportDlgBase::~CImportDlgBase()
{
    // Closed while listing: the worker stops after its current item, and
    // the connection it uses stays until then.
    disconnect(m_pWatcher, nullptr, this, nullptr);
    if (m_pJob)
        m_pJob->bStop = true;
    m_pWatcher->waitForFinished();
}

int CImportDlgBase::exec()
{
    if (!m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    const int nResult = QDialog::exec();
    if (std::exception_ptr pFailure = std::exchange(m_pFailure, nullptr))
        std::rethrow_exception(pFailure);
    return nResult;
}

void CImportDlgBase::done(int nResult)
{
    if (m_pJob)
        m_pJob->bStop = true;
    QDialog::done(nResult);
}

bool CImportDlgBase::IsListing() const
{
    return m_pWatcher->isRunning();
}

void CImportDlgBase::StartListing(ListingJob list)
{
    if (m_pJob)
        m_pJob->bStop = true;
    m_pWatcher->waitForFinished();
    m_pJob = std::make_shared<SJob>();
    m_skipped.clear();
    m_pImport->setEnabled(false);
    m_pList->setCursor(Qt::BusyCursor);
    m_pWatcher->setFuture(QtConcurrent::run([pJob = m_pJob, list = std::move(list)] {
        try {
            list(pJob->bStop, pJob->skipped);
        } catch (...) {
            pJob->pFailure = std::current_exception();
        }
    }));
}

void CImportDlgBase::OnListingFinished()
{
    m_pImport->setEnabled(true);
    m_pList->unsetCursor();
    if (!m_pJob || m_pJob->bStop)
        return;
    if (m_pJob->pFailure) {
        m_pFailure = m_pJob->pFailure;
        reject();
        return;
    }
    m_skipped = std::move(m_pJob->skipped);
    Listed();
}
