#pragma once

#include "StyleSheet.h"
#include "TextSplice.h"
#include "report/SheetRow.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace report::xlsx {

// The report's cell styles appended to the template's styles part. Each style starts from the cell format of its
// column in the template; the template's own formats keep their indices.
class ReportStyles {
public:
    // `columnFormat` gives the cell format index of a 1-based column's template style.
    ReportStyles(const StyleSheet& sheet, const std::function<int(int)>& columnFormat,
                 const std::vector<CellStyle>& styles, const QLocale& locale);

    // The cell format index of each style, by StyleId.
    const std::vector<int>& cellFormats() const { return m_cellFormats; }
    // The styles part with the additions.
    QString text() const;

private:
    // New items of one collection, each once.
    struct Additions {
        int existing = 0;
        std::vector<QString> items;
        std::map<QString, int> indices;

        int add(const QString& item);
    };

    int cellFormat(const CellStyle& style, int base);
    QString font(const core::FontFormat& font) const;
    QString border(int base, const CellStyle& style) const;
    int dateFormat(int base);
    void append(TextSplice& splice, QStringView collection, const Additions& additions) const;
    QString element(QStringView name) const { return m_sheet.elements().qualified(name); }
    QString line(QStringView edge, const core::LineFormat& line) const;
    // An element with one attribute and no content: <sz val="10"/>.
    QString valueElement(QStringView name, QStringView attribute, const QString& value) const;

    const StyleSheet& m_sheet;
    const QLocale& m_locale;
    Additions m_numberFormats;
    Additions m_fonts;
    Additions m_borders;
    Additions m_formats;
    std::optional<int> m_localeDate;
    std::vector<int> m_cellFormats;
};

} // namespace report::xlsx
