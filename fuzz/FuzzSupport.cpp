#include "FuzzSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzz {

QByteArray input(const std::uint8_t* data, std::size_t size) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

QByteArrayList pieces(const QByteArray& input, qsizetype count) {
    QByteArrayList parts;
    qsizetype from = 0;
    while (parts.size() < count - 1) {
        const qsizetype nul = input.indexOf('\0', from);
        if (nul < 0)
            break;
        parts.append(input.mid(from, nul - from));
        from = nul + 1;
    }
    parts.append(input.mid(from));
    while (parts.size() < count)
        parts.append(QByteArray());
    return parts;
}

QString scratchPath(const QString& name) {
    static QTemporaryDir folder;
    return folder.filePath(name);
}

QString scratchFile(const QString& name, const QByteArray& bytes) {
    const QString path = scratchPath(name);
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            "the scratch folder takes the input");
    return path;
}

void require(bool holds, const char* contract) {
    if (holds)
        return;
    std::fprintf(stderr, "contract broken: %s\n", contract);
    std::abort();
}

} // namespace fuzz
