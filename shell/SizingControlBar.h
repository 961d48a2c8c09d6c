#pragma once

#include <QDockWidget>
#include <QSize>
#include <QString>

class QMainWindow;

// A docking pane that keeps a size of its own for each situation (docked at
// the top or bottom, docked at the left or right, floating), each with a
// lower bound, and persists them per profile.
class CSizingControlBar : public QDockWidget
{
    Q_OBJECT

public:
    // Sizing-edge flags.
    enum { SCBS_EDGELEFT = 1, SCBS_EDGERIGHT = 2, SCBS_EDGETOP = 4, SCBS_EDGEBOTTOM = 8,
           SCBS_EDGEALL = 15, SCBS_SHOWEDGES = 16, SCBS_SIZECHILD = 32 };

    CSizingControlBar(const QString& strTitle, QMainWindow* pFrame, int nControlId);

    int GetControlId() const { return m_nControlId; }

    // The one child that fills the client area.
    void SetChild(QWidget* pChild);
    QWidget* GetChild() const { return widget(); }

    void SetSCBStyle(int nFlags) { m_dwSCBStyle = nFlags; }
    int GetSCBStyle() const { return m_dwSCBStyle; }

    // Settings section "<profile>-SCBar-<id>", values "sizeHorzCX" ... "sizeFloatCY";
    // a stored value below its minimum is raised to it.
    void LoadState(const QString& strProfile);
    void SaveState(const QString& strProfile) const;
    static QString StateSection(const QString& strProfile, int nControlId);

    bool IsFloating() const;
    bool IsHorzDocked() const;
    bool IsVertDocked() const;

    QSize m_szHorz{120, 120};
    QSize m_szVert{300, 300};
    QSize m_szFloat{200, 200};
    QSize m_szMinHorz{33, 32};
    QSize m_szMinVert{33, 32};
    QSize m_szMinFloat{37, 32};
    int m_nEdgeWidth = 5;

protected:
    int m_nControlId;
    int m_dwSCBStyle = 0;
};

// Adds a gripper and an 11 x 11 close button while docked.
class CSizingControlBarG : public CSizingControlBar
{
    Q_OBJECT

public:
    CSizingControlBarG(const QString& strTitle, QMainWindow* pFrame, int nControlId);

    bool HasGripper() const { return !IsFloating(); }

    static constexpr int nGripperDepth = 12;
};
