#include "AutomationMessageBox.h"

#include <QMessageBox>

void CAutomationMessageBox::ReportAutomationFailure(const std::string& strText, const std::string& strCaption,
                                                    bool bStopIcon)
{
    QMessageBox box(bStopIcon ? QMessageBox::Critical : QMessageBox::NoIcon, QString::fromStdString(strCaption),
                    QString::fromStdString(strText), QMessageBox::Ok);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    box.show();
    box.raise();
    box.activateWindow();
    box.exec();
}
