#pragma once

#include "XmlScanner.h"

#include <QString>

#include <functional>

#include <utility>
#include <vector>

namespace report::xlsx {

// The root element of a part and its children, in order, with where each lies in the part's text.
class TopLevelElements {
public:
    // Walks a part, finding its root and the root's children, and handing each deeper element in the root's
    // namespace to `visit` with the name of the child it lies in. Returns why the part cannot be read; "" when it
    // can.
    QString read(const QString& text, const std::function<void(const XmlScanner&, const QString&)>& visit);

    // The first child of that name; nullptr when there is none.
    const ElementSpan* find(QStringView name) const;
    // Where a missing child goes when the schema puts it after `preceding`: after the last of those present, else
    // first in the root.
    qsizetype insertionPoint(const std::vector<QStringView>& preceding) const;
    // The qualified name of a new element in the root's namespace: "row", or "x:row" when the root has a prefix.
    QString qualified(QStringView name) const;

private:
    ElementSpan m_root;
    std::vector<std::pair<QString, ElementSpan>> m_children;
};

} // namespace report::xlsx
