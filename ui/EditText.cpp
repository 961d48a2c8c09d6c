#include "EditText.h"

QString ToEditText(const std::string& strText)
{
    QString text = QString::fromStdString(strText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string FromEditText(QString text)
{
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text.toStdString();
}
