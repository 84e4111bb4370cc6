#include "LineBreaks.h"

namespace core {

QString withNewLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QList<QStringView> splitLines(QStringView text) {
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t end = text[at].unicode();
        if (end != u'\r' && end != u'\n')
            continue;
        lines.append(text.sliced(start, at - start));
        // The other break character right after it belongs to the same line end.
        if (at + 1 < text.size() && text[at + 1].unicode() == (end == u'\r' ? u'\n' : u'\r'))
            ++at;
        start = at + 1;
    }
    lines.append(text.sliced(start));
    return lines;
}

} // namespace core
