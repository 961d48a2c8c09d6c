#include "NotesTextBar.h"

#include "EditText.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QPlainTextEdit>

CNotesTextBar::CNotesTextBar(QMainWindow* pFrame, int nControlId)
    : CSizingControlBarG(QCoreApplication::translate("CNotesTextBar", "Notes"), pFrame, nControlId),
      m_pEdit(new QPlainTextEdit)
{
    SetSCBStyle(SCBS_SHOWEDGES | SCBS_SIZECHILD);
    m_pEdit->setObjectName(QStringLiteral("NotesText"));
    m_pEdit->setAccessibleName(QCoreApplication::translate("CNotesTextBar", "Notes"));
    m_pEdit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Tab leaves the pane, as in the editor sheet: a note keeps no tab typed by mistake.
    m_pEdit->setTabChangesFocus(true);
    m_pEdit->setFrameShape(QFrame::StyledPanel);
    m_pEdit->setFrameShadow(QFrame::Sunken);
    m_pEdit->installEventFilter(this);
    SetChild(m_pEdit);
}

void CNotesTextBar::SetText(const std::string& strText)
{
    m_pEdit->setPlainText(ToEditText(strText));
}

std::string CNotesTextBar::GetText() const
{
    return FromEditText(m_pEdit->toPlainText());
}

std::string CNotesTextBar::AsShown(const std::string& strText)
{
    return FromEditText(ToEditText(strText));
}

bool CNotesTextBar::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pWatched == m_pEdit && pEvent->type() == QEvent::FocusOut) {
        // A popup (the edit's own context menu) takes the focus only for a moment.
        if (static_cast<QFocusEvent*>(pEvent)->reason() != Qt::PopupFocusReason)
            emit FocusLost();
    }
    return CSizingControlBarG::eventFilter(pWatched, pEvent);
}
