#include "AtomicWrite.h"

#include <QSaveFile>

namespace standin {

QString writeFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // flush() and error() before commit(): commit alone can report success after a failed last write.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
        file.error() == QFileDevice::NoError && file.commit())
        return {};
    QString why = file.errorString();
    if (why.isEmpty())
        why = QStringLiteral("write failed");
    file.cancelWriting();
    return QStringLiteral("cannot write %1: %2").arg(path, why);
}

} // namespace standin
