#include "StartTag.h"

#include "XmlText.h"

namespace report::xlsx::starttag {

using namespace Qt::StringLiterals;

namespace {

// An attribute in a tag, from the white space before its name to past its closing quote; or, when the tag lacks
// it, an empty span where a new one goes (before "/>" or ">").
struct AttributeSpan {
    qsizetype from = 0;
    qsizetype to = 0;
};

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// The tag was well-formed when the part was read, so names, '=' and quoted values alternate as XML has them.
AttributeSpan find(QStringView tag, QStringView name) {
    qsizetype i = 1;
    while (i < tag.size() && !isSpace(tag[i]) && tag[i] != u'/' && tag[i] != u'>')
        ++i;
    for (;;) {
        const qsizetype from = i;
        while (i < tag.size() && isSpace(tag[i]))
            ++i;
        if (i >= tag.size() || tag[i] == u'/' || tag[i] == u'>')
            return {from, from};
        const qsizetype nameStart = i;
        while (i < tag.size() && !isSpace(tag[i]) && tag[i] != u'=')
            ++i;
        const QStringView found = tag.sliced(nameStart, i - nameStart);
        const qsizetype equals = tag.indexOf(u'=', i);
        for (i = equals + 1; equals >= 0 && i < tag.size() && isSpace(tag[i]);)
            ++i;
        const qsizetype close = equals >= 0 && i < tag.size() ? tag.indexOf(tag[i], i + 1) : -1;
        if (close < 0)
            return {tag.size() - 1, tag.size() - 1};
        i = close + 1;
        if (found == name)
            return {from, i};
    }
}

QString replaced(QStringView tag, AttributeSpan span, const QString& with) {
    return tag.first(span.from).toString() + with + tag.sliced(span.to).toString();
}

} // namespace

QString withAttribute(QStringView tag, QStringView name, const QString& value) {
    return replaced(tag, find(tag, name), u' ' + name.toString() + u"=\""_s + escapedAttribute(value) + u'"');
}

QString withoutAttribute(QStringView tag, QStringView name) {
    return replaced(tag, find(tag, name), {});
}

QString opened(QStringView tag) {
    if (!tag.endsWith(u"/>"_s))
        return tag.toString();
    return tag.chopped(2).toString() + u'>';
}

} // namespace report::xlsx::starttag
