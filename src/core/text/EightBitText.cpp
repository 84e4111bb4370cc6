#include "EightBitText.h"

#include "Windows1252.h"

#include <QStringDecoder>

namespace core::eightbit {

namespace {

// The code point at index, which is moved past it; a lone surrogate comes back as itself.
char32_t nextCodePoint(const QString& text, qsizetype& index) {
    const QChar first = text.at(index++);
    if (first.isHighSurrogate() && index < text.size() && text.at(index).isLowSurrogate())
        return QChar::surrogateToUcs4(first, text.at(index++));
    return first.unicode();
}

bool refuse(char32_t character, QByteArray& out, char32_t* bad) {
    out.clear();
    if (bad)
        *bad = character;
    return false;
}

} // namespace

QString decode(const QByteArray& bytes) {
    // Stateless: a sequence cut short at the end is an error, not bytes held back for more input. The initial
    // byte-order mark is dropped by default.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? windows1252::decode(bytes) : text;
}

#ifdef Q_OS_WIN
bool encode(const QString& text, QByteArray& out, char32_t* bad) {
    out.clear();
    out.reserve(text.size());
    for (qsizetype index = 0; index < text.size();) {
        const char32_t character = nextCodePoint(text, index);
        const std::optional<unsigned char> byte = windows1252::fromUnicode(character);
        if (!byte)
            return refuse(character, out, bad);
        out.append(static_cast<char>(*byte));
    }
    return true;
}
#else
bool encode(const QString& text, QByteArray& out, char32_t* bad) {
    // UTF-8 holds every character but a lone surrogate, which Qt would write as "?".
    for (qsizetype index = 0; index < text.size();) {
        const char32_t character = nextCodePoint(text, index);
        if (QChar::isSurrogate(character))
            return refuse(character, out, bad);
    }
    out = text.toUtf8();
    return true;
}
#endif

QString describe(char32_t character) {
    const QString code = QStringLiteral("U+%1").arg(static_cast<uint>(character), 4, 16, QLatin1Char('0')).toUpper();
    if (!QChar::isPrint(character))
        return code;
    return QStringLiteral("\u201C%1\u201D (%2)").arg(QString::fromUcs4(&character, 1), code);
}

} // namespace core::eightbit
