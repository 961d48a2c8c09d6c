#include "FrameWindow.h"

#include <QStatusBar>

void IFrameWindow::ShowStatus(const QString& strText) const
{
    if (QStatusBar* pStatus = GetStatusBar())
        pStatus->showMessage(strText);
}
