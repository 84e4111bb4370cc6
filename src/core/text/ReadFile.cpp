#include "ReadFile.h"

#include <QFile>
#include <QFileInfo>

namespace core {

QByteArray readSmallFile(const QString& path, qint64 maxBytes, const QString& what, QString* why) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        *why = QStringLiteral("it is not a regular file");
        return {};
    }
    if (info.size() > maxBytes) {
        *why = QStringLiteral("at %1 bytes it is too large to be %2").arg(info.size()).arg(what);
        return {};
    }
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        *why = file.errorString();
    return bytes;
}

} // namespace core
