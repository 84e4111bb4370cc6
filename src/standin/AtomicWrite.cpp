#include "AtomicWrite.h"

#include "core/text/SaveFile.h"

namespace standin {

QString writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QString why = core::saveFile(path, bytes);
    return why.isEmpty() ? QString() : QStringLiteral("cannot write %1: %2").arg(path, why);
}

} // namespace standin
