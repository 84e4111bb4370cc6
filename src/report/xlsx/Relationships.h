#pragma once

#include "XmlScanner.h"

#include <QString>

#include <vector>

namespace report::xlsx {

// One relationship of a package part to another.
struct Relationship {
    QString id;
    QString type;
    QString target;
    bool external = false;
    ElementSpan span; // in the relationships part's text

    // Whether its type is the named one ("worksheet"), in the transitional or the strict vocabulary.
    bool is(QStringView typeName) const;
};

// A relationships part, read.
struct Relationships {
    std::vector<Relationship> items;
    QString error; // why the part could not be read; "" when it could

    const Relationship* withId(QStringView id) const;
    const Relationship* ofType(QStringView typeName) const;
};

Relationships readRelationships(const QString& text);

// The relationships part of a part: "xl/workbook.xml" has "xl/_rels/workbook.xml.rels"; "" (the package) has
// "_rels/.rels".
QString relationshipsPartOf(const QString& part);

// The zip entry name of a relationship's target, which is relative to the folder of the part holding it; "" when
// it leads out of the package.
QString resolveTarget(const QString& sourcePart, const QString& target);

} // namespace report::xlsx
