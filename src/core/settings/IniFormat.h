#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>

// The text of the settings file: the INI form that QSettings reads and writes, for string values. Reading and writing
// it here rather than through QSettings is what lets the store read it once, write it in one atomic step and leave
// the previous file whole when a write fails.
namespace core::ini {

using Section = QMap<QString, QString>;
using Sections = QMap<QString, Section>;

struct Parsed {
    Sections sections;
    QString problem; // why the bytes are not settings: "" when they are
};

// "[section]" lines and "key=value" lines, keys escaped and values quoted and escaped as QSettings writes them; a
// value QSettings would read as a list is its elements joined by ", ". Empty lines and lines starting with ";" or "#"
// are skipped; any other line, a NUL byte or invalid UTF-8 makes the whole file unreadable. A leading UTF-8 mark is
// dropped. Keys before the first
// section belong to section "General".
Parsed parse(QByteArrayView bytes);

// The sections in order, each a "[section]" line and its "key=value" lines in order, LF line ends.
QByteArray format(const Sections& sections);

} // namespace core::ini
