#pragma once

#include <QDockWidget>
#include <QPointer>
#include <QSize>
#include <QString>

class QMainWindow;
class QSettings;
class QFrame;
class CSCBClientArea;

// A docking pane that keeps a size of its own for each situation (docked at
// the top or bottom, docked at the left or right, floating), each with a
// lower bound, and persists them per profile.
//
// Use from the frame, in this order: create the bars, addDockWidget each,
// LoadState each (from the settings the frame opens), QMainWindow::restoreState, then ApplySizes(frame). Qt's own
// dock state holds placement; the sizes loaded here win over its pixel sizes.
class CSizingControlBar : public QDockWidget
{
    Q_OBJECT

public:
    // Sizing-edge flags.
    enum {
        SCBS_EDGELEFT = 1,
        SCBS_EDGERIGHT = 2,
        SCBS_EDGETOP = 4,
        SCBS_EDGEBOTTOM = 8,
        SCBS_EDGEALL = 15,
        SCBS_SHOWEDGES = 16,
        SCBS_SIZECHILD = 32
    };

    // The object name is "SCBar-<id>", so QMainWindow::saveState keys the bar by its id.
    CSizingControlBar(const QString& strTitle, QMainWindow* pFrame, int nControlId);
    ~CSizingControlBar() override;

    int GetControlId() const { return m_nControlId; }

    // The one child that fills the client area (with SCBS_SIZECHILD).
    void SetChild(QWidget* pChild);
    QWidget* GetChild() const { return m_pChild; }

    void SetSCBStyle(int nFlags);
    int GetSCBStyle() const { return m_dwSCBStyle; }

    // Settings section "<profile>-SCBar-<id>" of the caller's settings, values
    // "sizeHorzCX" ... "sizeFloatCY"; a stored value below its minimum is raised to it.
    void LoadState(QSettings& settings, const QString& strProfile);
    // Writes the six sizes, the current situation's one taken from the bar as
    // it is now, except the sides that only made room for a pane being shown
    // or hidden: those keep the size the user gave them.
    void SaveState(QSettings& settings, const QString& strProfile) const;
    static QString StateSection(const QString& strProfile, int nControlId);

    bool IsFloating() const;
    bool IsHorzDocked() const;
    bool IsVertDocked() const;

    // The stored size and the minimum for the situation the bar is in now.
    QSize GetSituationSize() const;
    QSize GetSituationMinimum() const;

    // Pushes the stored sizes into the frame's dock layout (resizeDocks for
    // docked bars, resize for floating ones). Before the frame is shown this
    // waits for the show; a bar hidden now gets its size when first shown.
    void ApplySize();
    static void ApplySizes(QMainWindow* pFrame);

    QSize m_szHorz{120, 120};
    QSize m_szVert{300, 300};
    QSize m_szFloat{200, 200};
    QSize m_szMinHorz{33, 32};
    QSize m_szMinVert{33, 32};
    QSize m_szMinFloat{37, 32};
    int m_nEdgeWidth = 5;

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    bool event(QEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

    // Called whenever the bar was docked elsewhere, floated or docked again.
    virtual void OnSituationChanged();
    // Thickness of the title bar across the bar, so the client hint plus it gives the bar size.
    virtual int TitleThickness() const;

    QMainWindow* GetFrame() const;

    int m_nControlId;
    int m_dwSCBStyle = 0;

private:
    friend class CSCBClientArea;
    static void ApplySizesNow(QMainWindow* pFrame, const QList<CSizingControlBar*>& bars);
    QSize& SituationSlot();
    // The largest depth kept by a visible bar sharing this bar's dock row.
    int RowDepth(int nOwnDepth) const;
    // Lays the frame out at once after this bar was shown or hidden; the
    // other bars' kept sizes do not follow the room they give or take.
    void LayOutHoldingNeighbours(bool bShown);

    QPointer<QMainWindow> m_pFrame;
    CSCBClientArea* m_pClient = nullptr;
    QPointer<QWidget> m_pChild;
    bool m_bWasFloating = false;
    // Loaded sizes not yet pushed to the layout; until then the layout's
    // interim sizes must not overwrite them.
    bool m_bSizePending = false;
    // Above 0 while a neighbour is shown or hidden: resizes are not the user's.
    int m_nHeld = 0;
    // The sides resized that way since the user last sized them.
    Qt::Orientations m_heldSides;
};

class CSCBTitleBar;

// Adds a gripper and an 11 x 11 close button while docked.
class CSizingControlBarG : public CSizingControlBar
{
    Q_OBJECT

public:
    CSizingControlBarG(const QString& strTitle, QMainWindow* pFrame, int nControlId);

    bool HasGripper() const { return !IsFloating(); }

    static constexpr int nGripperDepth = 12;

protected:
    void OnSituationChanged() override;
    int TitleThickness() const override;

private:
    CSCBTitleBar* m_pTitleBar = nullptr;
};
