#include "IniFormat.h"

#include "core/text/EightBitText.h"
#include "core/text/SaveFile.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryFile>

#include <algorithm>

namespace core::ini {

namespace {

constexpr qint64 ProbeChunk = 1 << 20;

// The number of "key=value" lines; -1, and why in *why, when the bytes are not settings.
qsizetype settingLines(QByteArrayView bytes, QString* why) {
    bytes = eightbit::withoutMark(bytes);
    if (bytes.contains('\0') || !bytes.isValidUtf8()) {
        *why = QStringLiteral("it is not text");
        return -1;
    }
    qsizetype settings = 0;
    int number = 0;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = bytes.sliced(start, end - start).trimmed();
        start = end + 1;
        ++number;
        if (line.isEmpty() || line.startsWith(';'))
            continue;
        if (line.startsWith('[') && !line.endsWith(']')) {
            *why = QStringLiteral("line %1 opens a section it does not close").arg(number);
            return -1;
        }
        if (!line.startsWith('[') && !line.contains('=')) {
            *why = QStringLiteral("line %1 is neither a [section] nor a key=value setting").arg(number);
            return -1;
        }
        settings += line.startsWith('[') ? 0 : 1;
    }
    return settings;
}

// A value another program wrote unquoted with a comma reads back as a list; keep its text.
QString asText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// QSettings tells no cause for a failed write: writing as many bytes again where it wrote them does.
QString causeOfFailedWrite(const QString& path, qint64 bytes) {
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Unbuffered))
        return file.errorString();
    const QByteArray chunk(std::min(bytes, ProbeChunk), ' ');
    for (qint64 left = bytes; left > 0; left -= chunk.size())
        if (!writeAll(file, chunk))
            return file.errorString();
    return QStringLiteral("the write was cut short");
}

} // namespace

Parsed parse(QByteArrayView bytes) {
    Parsed parsed;
    if (settingLines(bytes, &parsed.problem) < 0)
        return parsed;
    // QSettings takes a file of the same name, size and modification time to the millisecond, which replacements in
    // quick succession share, for the one it read before; a copy of its own is never mistaken.
    QTemporaryFile copy(QDir(QDir::tempPath()).filePath(QStringLiteral("Tallivo.conf.XXXXXX")));
    if (!copy.open() || !writeAll(copy, bytes) || !copy.flush()) {
        parsed.problem = QStringLiteral("it cannot be copied to be read: %1").arg(copy.errorString());
        return parsed;
    }
    QSettings settings(copy.fileName(), QSettings::IniFormat);
    for (const QString& key : settings.allKeys()) {
        const qsizetype slash = key.indexOf(u'/');
        Section& section = parsed.sections[slash < 0 ? QString() : key.first(slash)];
        // allKeys() is sorted, so each key goes at the end.
        section.insert(section.cend(), key.sliced(slash + 1), asText(settings.value(key)));
    }
    if (settings.status() != QSettings::NoError) {
        parsed.problem = QStringLiteral("it is not in the form of settings");
        parsed.sections.clear();
    }
    return parsed;
}

QByteArray format(const Sections& sections, const QString& path, QString* why) {
    QTemporaryFile scratch(path);
    if (!scratch.open()) {
        *why = scratch.errorString();
        return {};
    }
    qsizetype keys = 0;
    qint64 leastBytes = 0;
    QSettings::Status status = QSettings::NoError;
    {
        QSettings settings(scratch.fileName(), QSettings::IniFormat);
        for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
            settings.beginGroup(section.key());
            for (auto setting = section->cbegin(); setting != section->cend(); ++setting) {
                settings.setValue(setting.key(), setting.value());
                leastBytes += setting.key().size() + setting.value().size() + 2;
            }
            settings.endGroup();
            keys += section->size();
        }
        settings.sync();
        status = settings.status();
    }
    // QSettings replaced the scratch file, so it is opened again by name.
    QFile written(scratch.fileName());
    QByteArray bytes;
    if (written.open(QIODevice::ReadOnly))
        bytes = written.readAll();
    QString problem;
    // Qt 6.4's QSettings can cut the file short on a full disk and report success: every setting must be there.
    if (status == QSettings::NoError && written.error() == QFileDevice::NoError &&
        settingLines(bytes, &problem) == keys && (bytes.isEmpty() || bytes.endsWith('\n')))
        return bytes;
    *why = causeOfFailedWrite(scratch.fileName(), leastBytes);
    return {};
}

} // namespace core::ini
