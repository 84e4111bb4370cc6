#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

namespace assets_test {

// The entries of a zip archive by name, uncompressed. Each entry is found through the central directory, must
// agree with its local header and must inflate to the size and CRC that the directory gives; otherwise the
// archive is damaged and error says where.
struct ZipContents {
    QMap<QString, QByteArray> entries;
    QString error;
};

ZipContents readZip(const QByteArray& archive);

} // namespace assets_test
