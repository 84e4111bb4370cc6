#include "SaveFile.h"

#include <QFile>
#include <QFileInfo>

namespace core {

namespace {

constexpr qint64 CopyChunk = 1 << 20;

QString committed(QSaveFile& file) {
    if (const QString why = readyToCommit(file); !why.isEmpty())
        return why;
    return file.commit() ? QString() : file.errorString();
}

QString failed(QSaveFile& file, const QString& why) {
    file.cancelWriting();
    return why;
}

} // namespace

QString openForSaving(QSaveFile& file) {
    const QFileInfo target(file.fileName());
    // QFileInfo follows links: a link to a regular file is a file, a link that leads nowhere does not exist.
    if ((target.exists() || target.isSymLink()) && !target.isFile() && !target.isDir())
        return target.isSymLink() ? QStringLiteral("it is a link to something that is not a regular file")
                                  : QStringLiteral("it is not a regular file");
    if (target.isSymLink() && target.isFile())
        file.setFileName(target.canonicalFilePath());
    return file.open(QIODevice::WriteOnly) ? QString() : file.errorString();
}

QString readyToCommit(QSaveFile& file) {
    if (file.flush() && file.error() == QFileDevice::NoError)
        return {};
    // The flush may have stopped at a short write, which sets no cause; flushing the rest gives it.
    QString why = file.errorString();
    file.unsetError();
    if (!file.flush())
        why = file.errorString();
    return failed(file, why);
}

bool writeAll(QIODevice& device, QByteArrayView bytes) {
    while (!bytes.isEmpty()) {
        const qint64 written = device.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}

QString saveFile(const QString& path, QByteArrayView bytes) {
    QSaveFile file(path);
    if (const QString why = openForSaving(file); !why.isEmpty())
        return why;
    if (!writeAll(file, bytes))
        return failed(file, file.errorString());
    return committed(file);
}

QString copyFile(const QString& from, const QString& path) {
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    QSaveFile file(path);
    if (const QString why = openForSaving(file); !why.isEmpty())
        return why;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(CopyChunk);
        if (source.error() != QFileDevice::NoError)
            return failed(file, source.errorString());
        if (!writeAll(file, chunk))
            return failed(file, file.errorString());
    }
    return committed(file);
}

} // namespace core
