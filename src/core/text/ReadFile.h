#pragma once

#include <QByteArray>
#include <QString>

namespace core {

// The whole of a small file we read as text, or why not in *why: it is not a regular file, it is larger than
// maxBytes (named as too large to be `what`), or reading failed. Never reads more than maxBytes + 1 bytes, so a file
// that grows meanwhile cannot exhaust memory.
QByteArray readSmallFile(const QString& path, qint64 maxBytes, const QString& what, QString* why);

} // namespace core
