// The popup's answers to the keyboard and the mouse, and how it ends.

#include "ColourGridPopup.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPointer>
#include <QToolTip>

#include <algorithm>

int CColourGridPopup::NextCell(int nCell, int nKey)
{
    if (nCell == nNoCell)
        return nCustomCell;
    switch (nKey) {
    case Qt::Key_Right:
        return nCell == nCustomCell ? 0 : nCell + 1; // past 39 is the custom cell
    case Qt::Key_Left:
        return nCell == nCustomCell ? nColours - 1 : nCell == 0 ? nCustomCell : nCell - 1;
    case Qt::Key_Down:
        return nCell == nCustomCell ? 0 : std::min(nCell + nColumns, int(nCustomCell));
    case Qt::Key_Up:
        return nCell == nCustomCell ? nColours - 1 : nCell < nColumns ? nCustomCell : nCell - nColumns;
    }
    return nCell;
}

void CColourGridPopup::SetHighlightedCell(int nCell)
{
    if (nCell == m_nHighlighted || nCell < nNoCell || nCell > nCustomCell)
        return;
    const int nOld = m_nHighlighted;
    m_nHighlighted = nCell;
    update(GetCellRect(nOld));
    update(GetCellRect(nCell));
    if (nCell == nNoCell)
        return;
    if (nCell != nCustomCell)
        m_clrSelected = TableColour(nCell);
    if (QAccessible::isActive()) {
        QAccessibleEvent ev(this, QAccessible::Focus);
        ev.setChild(nCell);
        QAccessible::updateAccessibility(&ev);
    }
    emit HighlightChanged(nCell == nCustomCell ? m_clrInitial : TableColour(nCell));
}

void CColourGridPopup::EndPopup(bool bConfirm)
{
    if (m_bEnded || m_bColourDialogOpen)
        return;
    if (bConfirm && m_nHighlighted == nCustomCell) {
        // A popup holds the mouse and keyboard, so it steps aside while the
        // dialog is open.
        m_bColourDialogOpen = true;
        hide();
        const QPointer<CColourGridPopup> pSelf(this);
        const QColor clr = ColourDialogHook()(m_clrInitial, parentWidget());
        if (!pSelf)
            return; // the picker went away while the dialog was open
        m_bColourDialogOpen = false;
        if (clr.isValid())
            m_clrSelected = clr;
        else
            bConfirm = false;
    }
    if (!bConfirm)
        m_clrSelected = m_clrInitial;
    m_bEnded = true;
    if (isVisible())
        close();
    if (bConfirm)
        emit Confirmed(m_clrSelected);
    else
        emit Cancelled(m_clrSelected);
    deleteLater();
}

bool CColourGridPopup::event(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::ToolTip) {
        auto* pHelp = static_cast<QHelpEvent*>(pEvent);
        const int nCell = CellAt(pHelp->pos());
        if (nCell >= 0 && nCell < nColours)
            QToolTip::showText(pHelp->globalPos(), TableColourName(nCell), this, GetCellRect(nCell));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(pEvent);
}
void CColourGridPopup::mouseMoveEvent(QMouseEvent* pEvent)
{
    const int nCell = CellAt(pEvent->position().toPoint());
    if (nCell != nNoCell)
        SetHighlightedCell(nCell);
}

void CColourGridPopup::mousePressEvent(QMouseEvent* pEvent)
{
    const QPoint pt = pEvent->position().toPoint();
    if (!rect().contains(pt)) {
        EndPopup(false);
        return;
    }
    const int nCell = CellAt(pt);
    if (nCell != nNoCell)
        SetHighlightedCell(nCell);
}

void CColourGridPopup::mouseReleaseEvent(QMouseEvent* pEvent)
{
    const QPoint pt = pEvent->position().toPoint();
    if (!rect().contains(pt)) {
        EndPopup(false);
        return;
    }
    const int nCell = CellAt(pt);
    if (nCell != nNoCell)
        SetHighlightedCell(nCell);
    EndPopup(true);
}

void CColourGridPopup::keyPressEvent(QKeyEvent* pEvent)
{
    switch (pEvent->key()) {
    case Qt::Key_Right:
    case Qt::Key_Left:
    case Qt::Key_Down:
    case Qt::Key_Up:
        SetHighlightedCell(NextCell(m_nHighlighted, pEvent->key()));
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        EndPopup(true);
        return;
    case Qt::Key_Escape:
        EndPopup(false);
        return;
    }
    QWidget::keyPressEvent(pEvent);
}

void CColourGridPopup::closeEvent(QCloseEvent* pEvent)
{
    // Qt closes a popup on a click outside it: that is a cancel.
    QWidget::closeEvent(pEvent);
    if (!m_bEnded && !m_bColourDialogOpen)
        EndPopup(false);
}
