#pragma once

#include <QListView>

class CIconListModel;

// The icon chooser of the editor: large icons, single selection, the
// selection shown even without the focus.
class CIconListCtrl : public QListView
{
    Q_OBJECT

public:
    enum { IDC_ICON_LIST = 1012 };

    explicit CIconListCtrl(QWidget* pParent = nullptr);

    // The selected icon's index; -1 for none.
    int GetSelectionMark() const;
    // Selects icon nIndex and scrolls it into full view; -1 or an index out
    // of range selects nothing.
    void SetSelectionMark(int nIndex);

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    CIconListModel* m_pModel;
};
