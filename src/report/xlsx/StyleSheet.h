#pragma once

#include "TopLevelElements.h"

#include <QString>

#include <map>
#include <vector>

namespace report::xlsx {

// The template's styles part, read for what the report appends to it: where its collections lie, its number
// formats, borders and cell formats.
class StyleSheet {
public:
    struct Border {
        ElementSpan span;
        std::vector<std::pair<QString, ElementSpan>> edges; // its children (left, top, ...) by local name
    };
    struct CellFormat {
        ElementSpan span;
        int numberFormat = 0;
        int border = 0;
    };

    explicit StyleSheet(const QString& text);

    // Why the part cannot be read; "" when it could.
    const QString& error() const { return m_error; }
    const QString& text() const { return m_text; }
    const TopLevelElements& elements() const { return m_elements; }
    // The part's own number formats by id.
    const std::map<int, QString>& numberFormats() const { return m_numberFormats; }
    int fontCount() const { return m_fontCount; }
    const std::vector<Border>& borders() const { return m_borders; }
    const std::vector<CellFormat>& cellFormats() const { return m_cellFormats; }

private:
    void readChild(const XmlScanner& scanner, const QString& section);

    const QString& m_text;
    TopLevelElements m_elements;
    std::map<int, QString> m_numberFormats;
    int m_fontCount = 0;
    std::vector<Border> m_borders;
    std::vector<CellFormat> m_cellFormats;
    CellFormat m_format;
    std::vector<std::pair<QString, ElementSpan>> m_edges;
    QString m_error;
};

} // namespace report::xlsx
