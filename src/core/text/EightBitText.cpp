#include "EightBitText.h"

#include "Windows1252.h"

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

void EncodingProbe::add(QByteArrayView bytes) {
    QByteArray piece = m_carried;
    piece += bytes;
    m_carried.clear();
    if (m_atStart) {
        // Too few bytes yet to tell whether the file starts with the mark.
        if (piece.size() < Utf8Mark.size() && Utf8Mark.startsWith(piece)) {
            m_carried = piece;
            return;
        }
        m_atStart = false;
        m_mark = piece.startsWith(Utf8Mark);
    }
    if (decided())
        return;
    // A sequence cut at the end of the piece waits for the rest.
    qsizetype complete = piece.size();
    for (qsizetype back = 1; back <= 3 && back <= piece.size(); ++back) {
        const auto byte = static_cast<unsigned char>(piece.at(piece.size() - back));
        if ((byte & 0xC0) != 0x80) {
            const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
            if (length > back)
                complete = piece.size() - back;
            break;
        }
    }
    m_valid = QByteArrayView(piece).first(complete).isValidUtf8();
    m_carried = piece.sliced(complete);
}

QString decode(const QByteArray& bytes) {
    EncodingProbe probe;
    probe.add(bytes);
    if (!probe.isUtf8())
        return windows1252::decode(bytes);
    return QString::fromUtf8(withoutMark(bytes));
}

QByteArrayView withoutMark(QByteArrayView bytes) {
    return bytes.startsWith(Utf8Mark) ? bytes.sliced(Utf8Mark.size()) : bytes;
}

std::string validUtf8(std::string_view text) {
    if (QByteArrayView(text).isValidUtf8())
        return std::string(text);
    return QString::fromUtf8(text).toStdString();
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
