#include "TopLevelElements.h"

#include <algorithm>

namespace report::xlsx {

QString TopLevelElements::read(const QString& text,
                               const std::function<void(const XmlScanner&, const QString&)>& visit) {
    XmlScanner scanner(text);
    QString mainNamespace;
    QString section;
    while (scanner.next()) {
        if (scanner.depth() == 1) {
            m_root = scanner.span();
            mainNamespace = scanner.namespaceUri().toString();
            continue;
        }
        // Extensions in other namespaces may reuse the names.
        if (scanner.namespaceUri() != mainNamespace) {
            if (scanner.depth() == 2)
                section.clear();
            continue;
        }
        if (scanner.depth() == 2) {
            section = scanner.name().toString();
            if (!scanner.isStart())
                m_children.emplace_back(section, scanner.span());
        } else {
            visit(scanner, section);
        }
    }
    return scanner.error();
}

const ElementSpan* TopLevelElements::find(QStringView name) const {
    for (const auto& [childName, span] : m_children) {
        if (childName == name)
            return &span;
    }
    return nullptr;
}

qsizetype TopLevelElements::insertionPoint(const std::vector<QStringView>& preceding) const {
    qsizetype point = m_root.contentStart;
    for (const auto& [childName, span] : m_children) {
        if (std::find(preceding.begin(), preceding.end(), childName) != preceding.end())
            point = std::max(point, span.end);
    }
    return point;
}

QString TopLevelElements::qualified(QStringView name) const {
    const qsizetype colon = m_root.qualifiedName.indexOf(u':');
    return m_root.qualifiedName.first(colon + 1) + name.toString();
}

} // namespace report::xlsx
