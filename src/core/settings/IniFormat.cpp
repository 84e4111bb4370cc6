#include "IniFormat.h"

#include "core/text/EightBitText.h"

#include <QStringList>

#include <algorithm>
#include <string>

namespace core::ini {

namespace {

const QString RootSection = QStringLiteral("General");

bool isPlainKeyCharacter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_' || c == u'-' ||
           c == u'.';
}

bool isHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

QByteArray hex(char16_t c, qsizetype width) {
    return QByteArray::number(static_cast<uint>(c), 16).toUpper().rightJustified(width, '0');
}

// A value that is written, and read, as its plain UTF-8: nearly all of them.
bool isPlainValue(QStringView value) {
    if (value.isEmpty())
        return true;
    if (value.front() == u'@' || value.front() == u' ' || value.back() == u' ')
        return false;
    return std::none_of(value.begin(), value.end(), [](QChar c) {
        return c.unicode() < 0x20 || c == u'"' || c == u'\\' || c == u';' || c == u',' || c == u'=';
    });
}

// Keys and section names: letters, digits and "_-." as they are, "/" as "\", any other UTF-16 unit as %XX or %UXXXX.
void appendKey(QByteArray& out, const QString& key) {
    for (const QChar character : key) {
        const char16_t c = character.unicode();
        if (isPlainKeyCharacter(c))
            out += static_cast<char>(c);
        else if (c == u'/')
            out += '\\';
        else if (c <= 0xFF)
            out += '%' + hex(c, 2);
        else
            out += "%U" + hex(c, 4);
    }
}

QString readKey(QByteArrayView bytes) {
    const QString text = QString::fromUtf8(bytes);
    if (!text.contains(u'%') && !text.contains(u'\\'))
        return text;
    QString key;
    key.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        if (c == u'\\') {
            key += u'/';
            continue;
        }
        const qsizetype digits = at + 1 < text.size() && text[at + 1] == u'U' ? 4 : 2;
        const qsizetype first = at + 1 + (digits == 4 ? 1 : 0);
        bool ok = false;
        const ushort code = c == u'%' ? text.mid(first, digits).toUShort(&ok, 16) : 0;
        if (!ok || first + digits > text.size()) {
            key += c;
            continue;
        }
        key += QChar(code);
        at = first + digits - 1;
    }
    return key;
}

// Values: control characters, quotes and backslashes escaped; quoted when they hold ";", "," or "=" or begin or end
// with a space; a leading "@" doubled, as QSettings marks its own types with one.
void appendValue(QByteArray& out, const QString& value) {
    if (isPlainValue(value)) {
        out += value.toUtf8();
        return;
    }
    const qsizetype start = out.size();
    bool quoted = value.startsWith(u' ') || value.endsWith(u' ');
    if (value.startsWith(u'@'))
        out += '@';
    bool escapeHexDigit = false; // a hex digit after \x.. would read as part of it
    QString plain;
    const auto flush = [&] {
        out += plain.toUtf8();
        plain.clear();
    };
    for (const QChar character : value) {
        const char16_t c = character.unicode();
        quoted = quoted || c == u';' || c == u',' || c == u'=';
        if (escapeHexDigit && isHexDigit(c)) {
            flush();
            out += "\\x" + hex(c, 1).toLower();
            continue;
        }
        escapeHexDigit = false;
        static constexpr char16_t Named[] = u"\a\b\f\n\r\t\v";
        static constexpr char Names[] = "abfnrtv";
        const auto named = std::char_traits<char16_t>::find(Named, 7, c);
        if (named) {
            flush();
            out += '\\';
            out += Names[named - Named];
        } else if (c == u'"' || c == u'\\') {
            flush();
            out += '\\';
            out += static_cast<char>(c);
        } else if (c <= 0x1F) {
            flush();
            out += "\\x" + hex(c, 1).toLower();
            escapeHexDigit = true;
        } else {
            plain += character;
        }
    }
    flush();
    if (quoted) {
        out.insert(start, '"');
        out += '"';
    }
}

// One value as QSettings reads it: quotes group, a backslash escapes, "," outside quotes separates list elements,
// ";" outside quotes starts a comment, blanks around elements are dropped.
QString readValue(QByteArrayView bytes) {
    const QString text = QString::fromUtf8(bytes.trimmed());
    if (isPlainValue(text))
        return text;
    QStringList elements(QString{});
    bool inQuotes = false;
    qsizetype keptEnd = 0; // end of the current element without its trailing blanks
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        QString& element = elements.last();
        if (c == u'"') {
            inQuotes = !inQuotes;
            keptEnd = element.size();
        } else if (c == u'\\' && at + 1 < text.size()) {
            const QChar next = text[++at];
            static constexpr char16_t Named[] = u"abfnrtv";
            static constexpr char16_t Meaning[] = u"\a\b\f\n\r\t\v";
            const qsizetype base = next == u'x' ? 16 : (next >= u'0' && next <= u'7' ? 8 : 0);
            if (base != 0) {
                const qsizetype first = base == 16 ? at + 1 : at;
                qsizetype end = first;
                while (end < text.size() &&
                       (base == 16 ? isHexDigit(text[end].unicode()) : text[end] >= u'0' && text[end] <= u'7'))
                    ++end;
                element += QChar(text.mid(first, end - first).toUShort(nullptr, static_cast<int>(base)));
                at = end - 1;
            } else if (const auto named = std::char_traits<char16_t>::find(Named, 7, next.unicode())) {
                element += QChar(Meaning[named - Named]);
            } else {
                element += next;
            }
            keptEnd = element.size();
        } else if (!inQuotes && c == u';') {
            break;
        } else if (!inQuotes && c == u',') {
            element.truncate(keptEnd);
            elements.append(QString());
            keptEnd = 0;
        } else if (!inQuotes && c.isSpace()) {
            if (!element.isEmpty())
                element += c;
        } else {
            element += c;
            keptEnd = element.size();
        }
    }
    elements.last().truncate(keptEnd);
    QString value = elements.join(QStringLiteral(", "));
    if (value.startsWith(QStringLiteral("@@")))
        return value.mid(1);
    for (const QString& type : {QStringLiteral("@String("), QStringLiteral("@ByteArray(")})
        if (value.startsWith(type) && value.endsWith(u')'))
            return value.mid(type.size(), value.size() - type.size() - 1);
    return value;
}

} // namespace

Parsed parse(QByteArrayView bytes) {
    Parsed parsed;
    bytes = eightbit::withoutMark(bytes);
    if (bytes.contains('\0') || !bytes.isValidUtf8()) {
        parsed.problem = QStringLiteral("it is not text");
        return parsed;
    }
    Section* section = nullptr;
    int number = 0;
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start).trimmed();
        start = end + 1;
        ++number;
        if (line.isEmpty() || line.startsWith(';') || line.startsWith('#'))
            continue;
        if (line.startsWith('[')) {
            if (!line.endsWith(']')) {
                parsed.problem = QStringLiteral("line %1 opens a section it does not close").arg(number);
                return parsed;
            }
            section = &parsed.sections[readKey(line.sliced(1, line.size() - 2))];
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) {
            parsed.problem = QStringLiteral("line %1 is neither a [section] nor a key=value setting").arg(number);
            return parsed;
        }
        if (!section)
            section = &parsed.sections[RootSection];
        // Files written here are sorted, so each key goes at the end.
        section->insert(section->cend(), readKey(line.first(equals).trimmed()), readValue(line.sliced(equals + 1)));
    }
    return parsed;
}

QByteArray format(const Sections& sections) {
    QByteArray out;
    for (auto section = sections.cbegin(); section != sections.cend(); ++section) {
        if (!out.isEmpty())
            out += '\n';
        out += '[';
        appendKey(out, section.key());
        out += "]\n";
        for (auto setting = section->cbegin(); setting != section->cend(); ++setting) {
            appendKey(out, setting.key());
            out += '=';
            appendValue(out, setting.value());
            out += '\n';
        }
    }
    return out;
}

} // namespace core::ini
