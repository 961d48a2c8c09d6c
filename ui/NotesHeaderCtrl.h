#pragma once

#include <QHeaderView>

class CNotesListCtrl;

// The notes list's column header, painted in the list's own colours. The
// column names stay in the model, so a screen reader still reads them.
class CNotesHeaderCtrl : public QHeaderView
{
    Q_OBJECT

public:
    explicit CNotesHeaderCtrl(CNotesListCtrl* pList, QWidget* pParent = nullptr);

    static const QColor clrBackground;
    static const QColor clrText;
    static const QColor clrDivider;

protected:
    void paintSection(QPainter* pPainter, const QRect& rect, int nLogicalIndex) const override;
    // A column resized by dragging is repainted at once.
    void mouseReleaseEvent(QMouseEvent* pEvent) override;

private:
    CNotesListCtrl* m_pList;
};
