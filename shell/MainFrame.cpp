#include "MainFrame.h"

#include "CommandController.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "MainToolBar.h"
#include "NotesListBar.h"
#include "NotesListCtrl.h"
#include "NotesTextBar.h"
#include "PropertiesBar.h"
#include "QuillboxApp.h"
#include "QuillboxView.h"
#include "Resources.h"
#include "SearchResultsBar.h"
#include "UserSettings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QListView>
#include <QPlainTextEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QTableView>

namespace
{
const char* const apszIndicators[3] = {"CAP", "NUM", "SCRL"};
}

CMainFrame::CMainFrame(CQuillboxApp& app) : m_app(app)
{
    setObjectName(QStringLiteral("MainFrame"));
    // Only the program's name, never a document's.
    setWindowTitle(QStringLiteral("Quillbox"));
}

CMainFrame::~CMainFrame()
{
    qApp->removeEventFilter(this);
    // Tearing down a shown window hides the panes, whose signals must not
    // reach a view that is going away with it.
    for (CSizingControlBar* pBar : findChildren<CSizingControlBar*>())
        disconnect(pBar, nullptr, this, nullptr);
    delete m_pView;
    m_pView = nullptr;
    m_pController.reset();
}

bool CMainFrame::Create()
{
    m_pView = new CQuillboxView(m_app, m_app.GetFolderSettings(), this);
    setCentralWidget(m_pView);
    m_pController = std::make_unique<CCommandController>(m_app, m_app.GetStore(), m_app.GetFolderSettings(), *this,
                                                         *m_pView, m_pView, &m_app.GetOfficeLink());
    CCommandController* pController = m_pController.get();
    connect(m_pView, &CQuillboxView::FolderSelected, pController, &CCommandController::OnFolderSelected);
    connect(m_pView, &CQuillboxView::ExpandedByUser, pController, &CCommandController::UpdateCommandUI);
    connect(m_pView, &CQuillboxView::ContextMenuRequested, pController, &CCommandController::ShowTreeContextMenu);
    m_pController->GetCommands().BuildMenuBar(menuBar());

    CreateToolBar();
    CreateStatusBar();
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowNestedDocks | QMainWindow::AllowTabbedDocks);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    setCorner(Qt::TopRightCorner, Qt::RightDockWidgetArea);
    CreatePanes();
    FillToolBar();
    SetTabOrder();
    return true;
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = new CMainToolBar(this);
    m_pToolBar->LoadToolbarImages(16, QuillboxResources::IDB_TOOLBAR, QuillboxResources::IDB_TOOLBAR,
                                  QColor(192, 192, 192), QColor(192, 192, 192));
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* pStatus = statusBar();
    pStatus->setObjectName(QStringLiteral("StatusBar-59393"));
    // A normal widget: prompts cover it while a command is highlighted.
    auto* pReady = new QLabel(QCoreApplication::translate("CMainFrame", "Ready"));
    pReady->setObjectName(QStringLiteral("StatusReady"));
    pStatus->addWidget(pReady, 1);
    for (int i = 0; i < 3; ++i) {
        m_apIndicators[i] = new QLabel(QString::fromLatin1(apszIndicators[i]));
        m_apIndicators[i]->setObjectName(QStringLiteral("Indicator%1").arg(QString::fromLatin1(apszIndicators[i])));
        m_apIndicators[i]->setAlignment(Qt::AlignCenter);
        m_apIndicators[i]->setMinimumWidth(m_apIndicators[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) +
                                           8);
        // Lock states cannot be read portably: the keys are watched instead, off at start.
        m_apIndicators[i]->setEnabled(false);
        pStatus->addPermanentWidget(m_apIndicators[i]);
    }
    qApp->installEventFilter(this);
}

void CMainFrame::CreatePanes()
{
    m_pNotesTextBar = new CNotesTextBar(this, IDC_NOTES_TEXT_BAR);
    addDockWidget(Qt::RightDockWidgetArea, m_pNotesTextBar);
    m_pNotesTextBar->show();

    m_pPropertiesBar = new CPropertiesBar(this, IDC_PROPERTIES_BAR);
    addDockWidget(Qt::BottomDockWidgetArea, m_pPropertiesBar);
    m_pPropertiesBar->GetList()->InitList();

    m_pSearchResultsBar = new CSearchResultsBar(this, IDC_SEARCH_RESULTS_BAR);
    addDockWidget(Qt::BottomDockWidgetArea, m_pSearchResultsBar, Qt::Horizontal);
    m_pSearchResultsBar->GetList()->Setup();
    // Shown beside Properties, its four columns need room; a stored size wins.
    m_pSearchResultsBar->m_szHorz.setWidth(560);

    m_pNotesListBar = new CNotesListBar(m_app, this, IDC_NOTES_LIST_BAR);
    addDockWidget(Qt::RightDockWidgetArea, m_pNotesListBar);
    // The list above the text of its selected note.
    splitDockWidget(m_pNotesListBar, m_pNotesTextBar, Qt::Vertical);

    for (CSizingControlBar* pBar : std::initializer_list<CSizingControlBar*>{m_pNotesTextBar, m_pPropertiesBar,
                                                                             m_pSearchResultsBar, m_pNotesListBar})
        connect(pBar, &QDockWidget::visibilityChanged, this, [this] {
            if (m_pController)
                m_pController->UpdateCommandUI();
        });

    RestoreLayout();
    CSizingControlBar::ApplySizes(this);
    m_pNotesListBar->GetList()->InitColumns(m_app.m_nListViewSelection);
}

void CMainFrame::FillToolBar()
{
    CCommandActions& commands = m_pController->GetCommands();
    m_pToolBar->clear();
    for (const SToolbarButton& button : ToolbarButtons()) {
        QAction* pAction = commands.GetAction(button.nId);
        pAction->setIcon(m_pToolBar->GetImage(button.nImage));
        pAction->setIconVisibleInMenu(false);
        if (button.nId == ID_VIEWS) {
            auto* pButton = new CDropDownToolButton([this] { ShowViewsMenu(); });
            pButton->setObjectName(QStringLiteral("ViewsButton"));
            pButton->setDefaultAction(pAction);
            pButton->setAutoRaise(true);
            // Like the other buttons, out of the panes' Tab order.
            pButton->setFocusPolicy(Qt::NoFocus);
            m_pToolBar->addWidget(pButton);
        } else {
            m_pToolBar->addAction(pAction);
        }
    }
    // Wherever the stored layout put it, the toolbar starts at the top.
    m_pToolBar->setFloatable(true);
    m_pToolBar->setMovable(true);
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    m_pToolBar->show();
}

std::vector<QWidget*> CMainFrame::GetFocusPanes() const
{
    std::vector<QWidget*> panes;
    for (QWidget* pWidget : std::initializer_list<QWidget*>{m_pView, GetNotesList(),
                                                            m_pNotesTextBar ? m_pNotesTextBar->GetEdit() : nullptr,
                                                            GetPropertiesList(), GetSearchResultsList()})
        if (pWidget)
            panes.push_back(pWidget);
    return panes;
}

void CMainFrame::SetTabOrder()
{
    // Tab follows the panes in reading order; the list's filter box and then
    // both of its views take the list's place, whichever view is shown.
    std::vector<QWidget*> chain;
    for (QWidget* pPane : GetFocusPanes()) {
        if (auto* pList = qobject_cast<CNotesListCtrl*>(pPane)) {
            chain.push_back(pList->GetFilterBox());
            chain.push_back(pList->GetDetailsView());
            chain.push_back(pList->GetItemsView());
        } else {
            chain.push_back(pPane);
        }
    }
    for (size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

CNotesListCtrl* CMainFrame::GetNotesList() const
{
    return m_pNotesListBar ? m_pNotesListBar->GetList() : nullptr;
}

CSizingControlBar* CMainFrame::GetPane(EPane pane) const
{
    switch (pane) {
    case EPane::notesText:
        return m_pNotesTextBar;
    case EPane::notesList:
        return m_pNotesListBar;
    case EPane::properties:
        return m_pPropertiesBar;
    case EPane::searchResults:
        return m_pSearchResultsBar;
    }
    return nullptr;
}

CPropertiesList* CMainFrame::GetPropertiesList() const
{
    return m_pPropertiesBar ? m_pPropertiesBar->GetList() : nullptr;
}

CSearchResultsList* CMainFrame::GetSearchResultsList() const
{
    return m_pSearchResultsBar ? m_pSearchResultsBar->GetList() : nullptr;
}

void CMainFrame::ShowAboutBox()
{
    CQuillboxApp::ShowAboutBox(this);
}

QString CMainFrame::GetHelpFile() const
{
    return m_app.GetHelpFile();
}

CSizingControlBar* CMainFrame::FindBar(int nControlId) const
{
    for (CSizingControlBar* pBar : findChildren<CSizingControlBar*>())
        if (pBar->GetControlId() == nControlId)
            return pBar;
    return nullptr;
}

void CMainFrame::OnInitialUpdate()
{
    m_pView->OnInitialUpdate();
    m_pController->OnInitialUpdate();
}

void CMainFrame::ShowMaximized()
{
    if (const QScreen* pScreen = screen())
        setGeometry(pScreen->availableGeometry());
    showMaximized();
}

void CMainFrame::ShowViewsMenu()
{
    if (m_pViewsMenu)
        m_pViewsMenu->close();
    m_pController->UpdateCommandUI();
    QMenu* pMenu = m_pController->GetCommands().BuildMenu(ViewsMenu(), this);
    pMenu->setObjectName(QStringLiteral("ViewsMenu"));
    pMenu->setAttribute(Qt::WA_DeleteOnClose);
    m_pViewsMenu = pMenu;
    QWidget* pButton = m_pToolBar->findChild<QWidget*>(QStringLiteral("ViewsButton"));
    QPoint pt = pButton ? pButton->mapToGlobal(pButton->rect().bottomLeft() + QPoint(0, 1 - 2)) : QCursor::pos();
    pMenu->popup(pt);
}

bool CMainFrame::RestoreLayout()
{
    QSettings settings = OpenUserSettings();
    settings.beginGroup(QString::fromLatin1(pszProfile));
    const QByteArray layout = settings.value(QStringLiteral("Layout")).toByteArray();
    const QStringList bars = settings.value(QStringLiteral("Bars")).toStringList();
    settings.endGroup();
    if (layout.isEmpty())
        return false;
    for (const QString& strId : bars) {
        bool bOk = false;
        int nId = strId.toInt(&bOk);
        if (!bOk)
            return false;
        nId &= 0xffff;
        if (nId != 0 && !FindBar(nId))
            return false;
    }
    const QString strProfile = QString::fromLatin1(pszProfile);
    for (CSizingControlBar* pBar : std::initializer_list<CSizingControlBar*>{m_pNotesListBar, m_pPropertiesBar,
                                                                             m_pSearchResultsBar, m_pNotesTextBar})
        if (pBar)
            pBar->LoadState(settings, strProfile);
    return restoreState(layout);
}

void CMainFrame::SaveLayout() const
{
    const QString strProfile = QString::fromLatin1(pszProfile);
    if (!m_pNotesListBar)
        return;
    QSettings settings = OpenUserSettings();
    m_pNotesListBar->SaveState(settings, strProfile);
    QStringList bars;
    for (CSizingControlBar* pBar : findChildren<CSizingControlBar*>())
        bars << QString::number(pBar->GetControlId());
    settings.beginGroup(strProfile);
    settings.setValue(QStringLiteral("Bars"), bars);
    settings.setValue(QStringLiteral("Layout"), saveState());
    settings.endGroup();
    settings.sync();
    for (CSizingControlBar* pBar :
         std::initializer_list<CSizingControlBar*>{m_pNotesTextBar, m_pPropertiesBar, m_pSearchResultsBar})
        if (pBar)
            pBar->SaveState(settings, strProfile);
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (m_bClosed) {
        pEvent->accept();
        return;
    }
    // What was typed into the Notes pane is saved before anything closes;
    // the note marked is kept first, since the save refills the list.
    if (m_pController) {
        m_pController->SaveLastSelection();
        m_pController->GetNoteSelection().CommitNoteText();
    }
    SaveLayout();
    if (m_pView) {
        if (const SFileResult saved = m_app.GetFolderSettings().SaveFolderSettings(m_app.m_strSettingsFile, *m_pView);
            !saved)
            QMessageBox::warning(
                this, QStringLiteral("Quillbox"),
                QCoreApplication::translate("CMainFrame",
                                            "The folder list could not be saved to \"%1\". The folders added, "
                                            "changed or removed in this session will be missing at the next start.")
                        .arg(QDir::toNativeSeparators(QString::fromStdString(m_app.m_strSettingsFile))) +
                    QStringLiteral("\n\n") + QString::fromStdString(saved.strError));
        m_app.m_nListViewSelection = m_pController->GetListViewMode();
        m_app.SaveListViewSelection();
        m_pView->FreeFolderItems();
        if (CNotesListCtrl* pList = GetNotesList())
            pList->FreeItemData();
        if (CSearchResultsList* pResults = GetSearchResultsList())
            pResults->FreeItemData();
    }
    m_app.GetOfficeLink().CloseMailClient();
    m_bClosed = true;
    pEvent->accept();
}

bool CMainFrame::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(pEvent)->isAutoRepeat()) {
        const int nKey = static_cast<QKeyEvent*>(pEvent)->key();
        const int nIndex = nKey == Qt::Key_CapsLock     ? 0
                           : nKey == Qt::Key_NumLock    ? 1
                           : nKey == Qt::Key_ScrollLock ? 2
                                                        : -1;
        // One key press passes several objects on its way up; count it once.
        const quint64 nStamp = static_cast<QKeyEvent*>(pEvent)->timestamp();
        if (nIndex >= 0 && pEvent != m_pLastLockEvent && nStamp != m_nLastLockStamp) {
            m_pLastLockEvent = pEvent;
            m_nLastLockStamp = nStamp;
            m_apIndicators[nIndex]->setEnabled(!m_apIndicators[nIndex]->isEnabled());
        }
    }
    return QMainWindow::eventFilter(pWatched, pEvent);
}
