#include "FileCopy.h"

#include "core/text/SaveFile.h"

#include <QFile>
#include <QSaveFile>

namespace core {

namespace {
constexpr qint64 CopyChunk = 1 << 20;
}

QString copyFile(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly))
        return target.errorString();
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(CopyChunk);
        if (source.error() != QFileDevice::NoError || target.write(chunk) != chunk.size()) {
            const QString why = source.error() != QFileDevice::NoError ? source.errorString() : target.errorString();
            target.cancelWriting();
            return why;
        }
    }
    if (const QString why = readyToCommit(target); !why.isEmpty())
        return why;
    return target.commit() ? QString() : target.errorString();
}

} // namespace core
