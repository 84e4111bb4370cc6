#include "Relationships.h"

#include <QStringList>
#include <QUrl>

namespace report::xlsx {

using namespace Qt::StringLiterals;

bool Relationship::is(QStringView typeName) const {
    return type.endsWith(u'/' + typeName.toString());
}

const Relationship* Relationships::withId(QStringView id) const {
    for (const Relationship& item : items) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

const Relationship* Relationships::ofType(QStringView typeName) const {
    for (const Relationship& item : items) {
        if (!item.external && item.is(typeName))
            return &item;
    }
    return nullptr;
}

Relationships readRelationships(const QString& text) {
    Relationships read;
    XmlScanner scanner(text);
    Relationship current;
    while (scanner.next()) {
        if (scanner.depth() != 2 || scanner.name() != u"Relationship"_s)
            continue;
        if (scanner.isStart()) {
            const QXmlStreamAttributes attributes = scanner.attributes();
            current = {attributes.value(u"Id"_s).toString(),
                       attributes.value(u"Type"_s).toString(),
                       attributes.value(u"Target"_s).toString(),
                       attributes.value(u"TargetMode"_s).compare(u"External"_s, Qt::CaseInsensitive) == 0,
                       {}};
        } else {
            current.span = scanner.span();
            read.items.push_back(current);
        }
    }
    read.error = scanner.error();
    return read;
}

QString relationshipsPartOf(const QString& part) {
    const qsizetype slash = part.lastIndexOf(u'/');
    return part.first(slash + 1) + u"_rels/"_s + part.sliced(slash + 1) + u".rels"_s;
}

QString resolveTarget(const QString& sourcePart, const QString& target) {
    const QString decoded = QUrl::fromPercentEncoding(target.toUtf8());
    QStringList folders;
    if (!decoded.startsWith(u'/'))
        folders = sourcePart.first(sourcePart.lastIndexOf(u'/') + 1).split(u'/', Qt::SkipEmptyParts);
    const QStringList steps = decoded.split(u'/', Qt::SkipEmptyParts);
    for (const QString& step : steps) {
        if (step == u".."_s) {
            if (folders.isEmpty())
                return {};
            folders.removeLast();
        } else if (step != u"."_s) {
            folders.append(step);
        }
    }
    return folders.join(u'/');
}

} // namespace report::xlsx
