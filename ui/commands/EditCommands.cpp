#include "EditCommands.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace
{
bool IsMenu(const QWidget* pWidget)
{
    return qobject_cast<const QMenuBar*>(pWidget) || qobject_cast<const QMenu*>(pWidget);
}

// The focus before a menu took it: the menu's commands act there.
QPointer<QWidget>& LastFocus()
{
    static QPointer<QWidget> pLast;
    return pLast;
}

// The line and text boxes all name these slots alike.
void Invoke(const char* pszSlot)
{
    if (QWidget* pField = EditCommands::FocusedTextField())
        QMetaObject::invokeMethod(pField, pszSlot);
}
} // namespace

namespace EditCommands
{
void FollowFocus(QObject* pContext)
{
    QObject::connect(qApp, &QApplication::focusChanged, pContext, [](QWidget*, QWidget* pNow) {
        if (!IsMenu(pNow))
            LastFocus() = pNow;
    });
}

QWidget* FocusedTextField()
{
    QWidget* pFocus = QApplication::focusWidget();
    if (IsMenu(pFocus))
        pFocus = LastFocus();
    if (auto* pCombo = qobject_cast<QComboBox*>(pFocus))
        return pCombo->lineEdit();
    if (qobject_cast<QLineEdit*>(pFocus) || qobject_cast<QPlainTextEdit*>(pFocus) || qobject_cast<QTextEdit*>(pFocus))
        return pFocus;
    return nullptr;
}

void OnEditUndo(SCommandContext&)
{
    Invoke("undo");
}

void OnEditRedo(SCommandContext&)
{
    Invoke("redo");
}

void OnEditCut(SCommandContext&)
{
    Invoke("cut");
}

void OnEditCopy(SCommandContext&)
{
    Invoke("copy");
}

void OnEditPaste(SCommandContext&)
{
    Invoke("paste");
}

void OnEditSelectAll(SCommandContext&)
{
    Invoke("selectAll");
}
} // namespace EditCommands
