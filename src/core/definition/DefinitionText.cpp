#include "DefinitionText.h"

#include "core/text/EightBitText.h"
#include "core/text/LineBreaks.h"

#include <QMap>

namespace core::definition {

namespace {

constexpr QLatin1Char Separator('=');
constexpr QLatin1Char LineFeed('\n');
constexpr QLatin1Char CarriageReturn('\r');
// Enough of a line to recognise it in a message; a binary file read by mistake has very long "lines".
constexpr qsizetype QuotedLineLength = 60;

QString quoted(const QString& line) {
    if (line.size() <= QuotedLineLength)
        return QStringLiteral("\"%1\"").arg(line);
    return QStringLiteral("\"%1\u2026\"").arg(line.left(QuotedLineLength));
}

// Why a key=value line cannot be written so that it loads back as the same setting; "" when it can.
QString unwritable(const QString& key, const QString& value) {
    if (key.contains(Separator))
        return QStringLiteral("the key %1 holds \"=\"").arg(quoted(key));
    const auto breaksLine = [](const QString& text) {
        return text.contains(LineFeed) || text.contains(CarriageReturn);
    };
    if (breaksLine(key) || breaksLine(value))
        return QStringLiteral("the setting %1 holds a line break").arg(quoted(key));
    // A reader takes a byte-order mark at the start of a file for the encoding's, so the first key would lose it.
    if (key.startsWith(QChar(0xFEFF)))
        return QStringLiteral("the key %1 starts with a byte-order mark").arg(quoted(key));
    return {};
}

// Why a non-empty line is not a setting; "" when it is one.
QString notASetting(QStringView line, qsizetype separator) {
    if (separator < 0)
        return QStringLiteral("%1 has no \"=\"").arg(quoted(line.toString()));
    const QString key = line.left(separator).toString();
    if (!SettingsStore::isValidKey(key))
        return QStringLiteral("the key %1 is empty or holds \"/\" or \"\\\"").arg(quoted(key));
    // What a broken byte or a second byte-order mark leaves would silently make the key another.
    if (key.contains(QChar::ReplacementCharacter) || key.contains(QChar::ByteOrderMark))
        return QStringLiteral("the key %1 holds a byte that is not text or a byte-order mark").arg(quoted(key));
    return {};
}

} // namespace

ParsedLines parse(const QString& text) {
    ParsedLines parsed;
    QMap<QString, QString> settings;
    const QList<QStringView> lines = splitLines(text);
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QStringView line = lines.at(index);
        if (line.isEmpty())
            continue;
        const qsizetype separator = line.indexOf(Separator);
        parsed.problem = notASetting(line, separator);
        if (!parsed.problem.isEmpty()) {
            parsed.badLine = static_cast<int>(index + 1);
            return parsed;
        }
        settings.insert(line.left(separator).toString(), line.mid(separator + 1).toString());
    }
    for (auto it = settings.cbegin(); it != settings.cend(); ++it)
        parsed.pairs.append({it.key(), it.value()});
    return parsed;
}

FormattedLines format(const SettingsStore::Pairs& pairs) {
    FormattedLines formatted;
    for (const auto& [key, value] : pairs) {
        formatted.problem = unwritable(key, value);
        QByteArray line;
        char32_t bad = 0;
        if (formatted.problem.isEmpty() && !eightbit::encode(key + Separator + value, line, &bad))
            formatted.problem = QStringLiteral("the setting %1 holds %2, which the system code page cannot hold")
                                    .arg(quoted(key), eightbit::describe(bad));
        if (!formatted.problem.isEmpty()) {
            formatted.bytes.clear();
            return formatted;
        }
        formatted.bytes += line + "\r\n";
    }
    return formatted;
}

} // namespace core::definition
