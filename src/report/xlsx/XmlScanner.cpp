#include "XmlScanner.h"

namespace report::xlsx {

XmlScanner::XmlScanner(const QString& text) : m_text(text), m_reader(text) {}

bool XmlScanner::next() {
    // The element that ended last is off the stack only now, so depth() still counts it at its end.
    if (m_closing) {
        m_open.pop_back();
        m_closing = false;
    }
    while (!m_reader.atEnd()) {
        switch (m_reader.readNext()) {
        case QXmlStreamReader::DTD:
            // Spreadsheet parts never have one; refusing it rules out entity expansion.
            m_error = QStringLiteral("it has a document type declaration");
            return false;
        case QXmlStreamReader::StartElement: {
            // The reader's offset is past the start tag; a tag holds no '<' of its own, as values escape it.
            const qsizetype tagEnd = m_reader.characterOffset();
            m_current = {m_text.lastIndexOf(u'<', tagEnd - 1), tagEnd, -1, -1, m_reader.qualifiedName().toString()};
            m_open.push_back(m_current);
            return true;
        }
        case QXmlStreamReader::EndElement: {
            const qsizetype tagEnd = m_reader.characterOffset();
            m_current = m_open.back();
            m_current.end = tagEnd;
            // An element that closes itself ends where its start tag ends.
            m_current.contentEnd = tagEnd == m_current.contentStart ? tagEnd : m_text.lastIndexOf(u'<', tagEnd - 1);
            m_closing = true;
            return true;
        }
        default:
            break;
        }
    }
    return false;
}

QString XmlScanner::error() const {
    if (!m_error.isEmpty())
        return m_error;
    if (!m_reader.hasError())
        return {};
    return QStringLiteral("%1 at line %2").arg(m_reader.errorString()).arg(m_reader.lineNumber());
}

} // namespace report::xlsx
