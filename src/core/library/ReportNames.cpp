#include "ReportNames.h"

#include <QFile>
#include <QRegularExpression>

namespace core {

namespace {

// A file-name component holds 255 bytes; the longest file named after a report is the workbook a run builds,
// "<name> yyyy-MM-dd hh.mm.ss (NN).xlsx", written under a save file's temporary suffix ".XXXXXX".
constexpr qsizetype MaxNameBytes = 200;

const QString Forbidden = SwallowedNameCharacters + QStringLiteral("<>:\"|?*");

bool isDeviceName(const QString& name) {
    // Windows ignores trailing spaces here, and takes superscript digits for ports too.
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|(COM|LPT)[0-9\u00B9\u00B2\u00B3]) *$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

} // namespace

bool isValidReportName(const QString& name) {
    if (name.trimmed().isEmpty() || isDeviceName(name))
        return false;
    for (const QChar c : name)
        if (Forbidden.contains(c) || c.category() == QChar::Other_Control)
            return false;
    const QByteArray encoded = QFile::encodeName(name);
    return encoded.size() <= MaxNameBytes && QFile::decodeName(encoded) == name;
}

} // namespace core
