#pragma once

#include "FrameWindow.h"
#include "MainToolBar.h"

#include <QMainWindow>
#include <QMenu>
#include <QPointer>

#include <memory>

class CCommandController;
class CNotesListBar;
class CPropertiesBar;
class CQuillboxApp;
class CQuillboxView;
class CSearchResultsBar;
class QLabel;

// The main window: menu, toolbar, status bar, the folder tree and four panes.
// Commands go to the command controller; the frame keeps the layout.
class CMainFrame : public QMainWindow, public IFrameWindow
{
    Q_OBJECT

public:
    static constexpr const char* pszProfile = "DetailsBarState";

    explicit CMainFrame(CQuillboxApp& app);
    ~CMainFrame() override;

    // Builds everything in order; false when a part the window cannot do
    // without fails.
    bool Create();
    // Once, after Create: the folder tree filled, the root selected, the
    // commands following the panes.
    void OnInitialUpdate();

    CQuillboxView* GetView() const { return m_pView; }
    CCommandController* GetController() const { return m_pController.get(); }
    CNotesListBar* GetNotesListBar() const { return m_pNotesListBar; }
    CPropertiesBar* GetPropertiesBar() const { return m_pPropertiesBar; }
    CSearchResultsBar* GetSearchResultsBar() const { return m_pSearchResultsBar; }
    CSizingControlBar* FindBar(int nControlId) const;

    // IFrameWindow
    QWidget* GetWindow() override { return this; }
    CSizingControlBar* GetPane(EPane pane) const override;
    CNotesListCtrl* GetNotesList() const override;
    CNotesTextBar* GetNotesTextBar() const override { return m_pNotesTextBar; }
    CPropertiesList* GetPropertiesList() const override;
    CSearchResultsList* GetSearchResultsList() const override;
    CMainToolBar* GetToolBar() const override { return m_pToolBar; }
    QStatusBar* GetStatusBar() const override { return statusBar(); }
    std::vector<QWidget*> GetFocusPanes() const override;
    void ShowViewsMenu() override;
    void ShowAboutBox() override;
    QString GetHelpFile() const override;

    // Maximised, and filling the screen where no window manager maximises.
    void ShowMaximized();

    QMenu* GetViewsMenu() const { return m_pViewsMenu; }

    // The stored layout, only when every bar it names exists; false when
    // there was none or it was stale.
    bool RestoreLayout();
    void SaveLayout() const;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void CreateToolBar();
    void CreateStatusBar();
    void CreatePanes();
    void FillToolBar();
    void SetTabOrder();

    CQuillboxApp& m_app;
    CQuillboxView* m_pView = nullptr;
    std::unique_ptr<CCommandController> m_pController;
    CNotesTextBar* m_pNotesTextBar = nullptr;
    CNotesListBar* m_pNotesListBar = nullptr;
    CPropertiesBar* m_pPropertiesBar = nullptr;
    CSearchResultsBar* m_pSearchResultsBar = nullptr;
    CMainToolBar* m_pToolBar = nullptr;
    QLabel* m_apIndicators[3] = {nullptr, nullptr, nullptr};
    QPointer<QMenu> m_pViewsMenu;
    bool m_bClosed = false;
    const QEvent* m_pLastLockEvent = nullptr;
    quint64 m_nLastLockStamp = ~quint64(0);
};
