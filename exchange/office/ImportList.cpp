#include "ImportList.h"

#include <QCollator>
#include <QString>

bool ImportRowLess(const std::string& a, const std::string& b)
{
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator.compare(QString::fromStdString(a), QString::fromStdString(b)) < 0;
}
