#include "LookupFile.h"

#include "AtomicWrite.h"
#include "StandinError.h"

#include "core/text/EightBitText.h"

#include <QFile>
#include <QFileInfo>

namespace standin::lookupfile {

namespace {

act::Error unreadable(const std::string& path, const QString& why) {
    return makeError(ErrorCode::LookupUnreadable, "cannot read lookup file " + path + ": " + why.toStdString());
}

} // namespace

act::Result<Lookup> read(const std::string& path) {
    const QString name = QString::fromStdString(path);
    if (!QFileInfo(name).isFile())
        return unreadable(path, QStringLiteral("no such file"));
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return unreadable(path, file.errorString());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return unreadable(path, file.errorString());

    Lookup lookup;
    bool headerSeen = false;
    for (QByteArray line : core::eightbit::withoutMark(bytes).toByteArray().split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!headerSeen) {
            if (line != Header)
                return unreadable(path, QStringLiteral("not a lookup file"));
            headerSeen = true;
            continue;
        }
        if (line.isEmpty())
            continue;
        if (line == AllContacts && lookup.recordIds.empty()) {
            lookup.all = true;
            continue;
        }
        lookup.recordIds.push_back(line.toStdString());
    }
    if (!headerSeen)
        return unreadable(path, QStringLiteral("not a lookup file"));
    if (lookup.all && !lookup.recordIds.empty())
        return unreadable(path, QStringLiteral("ALL together with record ids"));
    return lookup;
}

act::Status write(const std::string& path, const Lookup& lookup) {
    QByteArray bytes = QByteArray(Header) + '\n';
    if (lookup.all) {
        bytes += QByteArray(AllContacts) + '\n';
    } else {
        for (const std::string& id : lookup.recordIds)
            bytes += QByteArray::fromStdString(id) + '\n';
    }
    const QString failure = writeFileAtomically(QString::fromStdString(path), bytes);
    if (!failure.isEmpty())
        return makeError(ErrorCode::WriteFailed, failure.toStdString());
    return {};
}

} // namespace standin::lookupfile
