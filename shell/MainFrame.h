#pragma once

#include <QMainWindow>
#include <QMenu>
#include <QPointer>

class CMainToolBar;
class CNotesListBar;
class CNotesListCtrl;
class CNotesTextBar;
class CPropertiesBar;
class CQuillboxApp;
class CQuillboxView;
class CSearchResultsBar;
class CSizingControlBar;
class QLabel;

// The main window: menu, toolbar, status bar, the folder tree and four panes.
// Commands go to the view; the frame keeps the layout.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr const char* pszProfile = "DetailsBarState";

    explicit CMainFrame(CQuillboxApp& app);
    ~CMainFrame() override;

    // Builds everything in order; false when a part the window cannot do
    // without fails.
    bool Create();

    CQuillboxView* GetView() const { return m_pView; }
    CNotesTextBar* GetNotesTextBar() const { return m_pNotesTextBar; }
    CNotesListBar* GetNotesListBar() const { return m_pNotesListBar; }
    CNotesListCtrl* GetNotesList() const;
    CPropertiesBar* GetPropertiesBar() const { return m_pPropertiesBar; }
    CSearchResultsBar* GetSearchResultsBar() const { return m_pSearchResultsBar; }
    CMainToolBar* GetToolBar() const { return m_pToolBar; }
    CSizingControlBar* FindBar(int nControlId) const;

    // Maximised, and filling the screen where no window manager maximises.
    void ShowMaximized();

    // The "Views" popup under its toolbar button.
    void ShowViewsMenu();
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

    CQuillboxApp& m_app;
    CQuillboxView* m_pView = nullptr;
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
