#pragma once

#include <QObject>

class CNotesListCtrl;
class CQuillboxView;
class QMenu;
class QPoint;

// What the notes list offers beyond selection: its two context menus and
// the double click. Both go the way of the menu commands, through the
// view's ExecuteCommand and its rules.
class CNotesListMenus : public QObject
{
    Q_OBJECT

public:
    explicit CNotesListMenus(CQuillboxView& view);

    // Follows the list's requests from now on.
    void Attach(CNotesListCtrl& list);
    // "ListMenu1" over a row, "ListMenu0" over no row with a folder
    // selected, none with the root selected.
    void ShowContextMenu(const QPoint& ptGlobal, bool bOverRow);
    // Modify Note, if its rule holds.
    void OnModifyRequested();
    // The menu once it has been shown; nullptr before.
    QMenu* GetMenu(int nPopup) const { return m_apMenus[nPopup == 0 ? 0 : 1]; }

private:
    CQuillboxView& m_view;
    QMenu* m_apMenus[2] = {nullptr, nullptr};
};
