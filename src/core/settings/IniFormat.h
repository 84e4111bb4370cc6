#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>

// The text of the settings file, read and written by QSettings in its INI form. QSettings alone reads nearly anything,
// caches what it read by file name, size and time, and can cut a file short on a full disk and report success; here it
// only ever reads bytes already checked and writes to a scratch file, so that the store can read the file once,
// replace it in one atomic step and leave the previous file whole when a write fails.
namespace core::ini {

using Section = QMap<QString, QString>;
using Sections = QMap<QString, Section>;

struct Parsed {
    Sections sections;
    QString problem; // why the bytes are not settings: "" when they are
};

// The bytes must be UTF-8 without NUL bytes after an optional UTF-8 mark, each line "[section]", "key=value", blank
// or a ";" comment, and QSettings must read them without error; otherwise the whole file is unusable. Keys outside any
// section ("[General]" in the file) belong to the section with no name; a value QSettings reads as a list is its
// elements joined by ", ".
Parsed parse(QByteArrayView bytes);

// The sections as QSettings writes them, from a scratch file beside the file at path (removed again); "" and why in
// *why when that write failed or was cut short.
QByteArray format(const Sections& sections, const QString& path, QString* why);

} // namespace core::ini
