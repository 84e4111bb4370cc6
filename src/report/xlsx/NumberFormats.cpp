#include "NumberFormats.h"

namespace report::xlsx {

using namespace Qt::StringLiterals;

namespace {

// Characters a date code shows as they are; any other literal is quoted.
bool isPlainSeparator(QChar c) {
    return QStringView(u" /-.,:()").contains(c);
}

void appendLiteral(QString& code, QChar c) {
    if (isPlainSeparator(c))
        code += c;
    else if (c == u'"')
        code += u"\\\""_s;
    else
        code += u'"' + QString(c) + u'"';
}

} // namespace

bool isBuiltInDateFormat(int id) {
    return (id >= 14 && id <= 22) || (id >= 45 && id <= 47);
}

bool isDateFormatCode(QStringView code) {
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'"' || c == u'[') {
            const qsizetype close = code.indexOf(c == u'"' ? u'"' : u']', i + 1);
            if (close < 0)
                return false;
            i = close;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i; // an escaped character, a space as wide as one, a fill character
        } else if (QStringView(u"dmyhsDMYHS").contains(c)) {
            return true;
        }
    }
    return false;
}

QString shortDateFormatCode(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return QStringLiteral("mm/dd/yyyy");
    const QString pattern = locale.dateFormat(QLocale::ShortFormat);
    QString code;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar c = pattern[i];
        if (c == u'\'') {
            // Quoted text; two quotes stand for one.
            qsizetype close = pattern.indexOf(u'\'', i + 1);
            if (close == i + 1) {
                appendLiteral(code, c);
                i += 2;
                continue;
            }
            if (close < 0)
                close = pattern.size();
            for (const QChar literal : QStringView(pattern).sliced(i + 1, close - i - 1))
                appendLiteral(code, literal);
            i = close + 1;
            continue;
        }
        if (c != u'd' && c != u'M' && c != u'y') {
            appendLiteral(code, c);
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (c == u'y')
            code += run <= 2 ? u"yy"_s : u"yyyy"_s;
        else
            code += QString(std::min<qsizetype>(run, 4), c.toLower());
        i += run;
    }
    return code;
}

} // namespace report::xlsx
