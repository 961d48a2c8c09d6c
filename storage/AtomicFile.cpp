#include "AtomicFile.h"

#include <QSaveFile>
#include <QString>

bool WriteFileAtomically(const std::string& strPath, std::string_view bytes)
{
    QSaveFile file(QString::fromStdString(strPath));
    const auto size = static_cast<qint64>(bytes.size());
    return file.open(QIODevice::WriteOnly) && file.write(bytes.data(), size) == size && file.commit();
}
