#include "StyleSheet.h"

namespace report::xlsx {

using namespace Qt::StringLiterals;

StyleSheet::StyleSheet(const QString& text) : m_text(text) {
    m_error = m_elements.read(
        text, [this](const XmlScanner& scanner, const QString& section) { readChild(scanner, section); });
}

void StyleSheet::readChild(const XmlScanner& scanner, const QString& section) {
    const QStringView name = scanner.name();
    if (scanner.depth() == 4) {
        if (section == u"borders"_s && !scanner.isStart())
            m_edges.emplace_back(name.toString(), scanner.span());
        return;
    }
    if (scanner.depth() != 3)
        return;
    if (scanner.isStart()) {
        const QXmlStreamAttributes attributes = scanner.attributes();
        if (section == u"numFmts"_s && name == u"numFmt"_s)
            m_numberFormats[attributes.value(u"numFmtId"_s).toInt()] = attributes.value(u"formatCode"_s).toString();
        else if (section == u"cellXfs"_s && name == u"xf"_s)
            m_format = {{}, attributes.value(u"numFmtId"_s).toInt(), attributes.value(u"borderId"_s).toInt()};
        m_edges.clear();
        return;
    }
    if (section == u"fonts"_s && name == u"font"_s) {
        ++m_fontCount;
    } else if (section == u"borders"_s && name == u"border"_s) {
        m_borders.push_back({scanner.span(), m_edges});
    } else if (section == u"cellXfs"_s && name == u"xf"_s) {
        m_format.span = scanner.span();
        m_cellFormats.push_back(m_format);
    }
}

} // namespace report::xlsx
