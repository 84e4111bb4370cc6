#pragma once

#include <QString>
#include <QXmlStreamReader>

#include <vector>

namespace report::xlsx {

// Where an element lies in its part's text: [start, contentStart) is its start tag, [contentEnd, end) its end tag
// (empty when the element closes itself).
struct ElementSpan {
    qsizetype start = -1;
    qsizetype contentStart = -1;
    qsizetype contentEnd = -1;
    qsizetype end = -1;
    QString qualifiedName;

    bool selfClosing() const { return contentEnd == end; }
    // Its pieces in the text of its part.
    QStringView startTag(const QString& text) const { return QStringView(text).sliced(start, contentStart - start); }
    QStringView content(const QString& text) const {
        return QStringView(text).sliced(contentStart, contentEnd - contentStart);
    }
    QStringView endTag(const QString& text) const { return QStringView(text).sliced(contentEnd, end - contentEnd); }
    QStringView whole(const QString& text) const { return QStringView(text).sliced(start, end - start); }
};

// Walks the elements of a part held as text, giving each element's span in that text so the part can be spliced
// instead of re-serialised: prefixes, namespaces and unknown content stay exactly as they are.
class XmlScanner {
public:
    explicit XmlScanner(const QString& text);

    // The next start or end of an element; false at the end of the part or on an error.
    bool next();
    bool isStart() const { return m_reader.isStartElement(); }
    // The element's depth: the root is 1.
    int depth() const { return static_cast<int>(m_open.size()); }
    QStringView name() const { return m_reader.name(); }
    QStringView namespaceUri() const { return m_reader.namespaceUri(); }
    QXmlStreamAttributes attributes() const { return m_reader.attributes(); }
    // At a start: the start tag only. At an end: the whole element.
    const ElementSpan& span() const { return m_current; }
    // Why the walk stopped early; "" when it reached the end.
    QString error() const;

private:
    const QString& m_text;
    QXmlStreamReader m_reader;
    std::vector<ElementSpan> m_open;
    ElementSpan m_current;
    bool m_closing = false;
    QString m_error;
};

} // namespace report::xlsx
