#include "ReportStyles.h"

#include "NumberFormats.h"
#include "StartTag.h"
#include "TextSplice.h"
#include "XmlText.h"

#include <algorithm>
#include <array>

namespace report::xlsx {

using namespace Qt::StringLiterals;

namespace {

// The styles part's collections in the order its schema wants them.
constexpr std::array<QStringView, 6> CollectionOrder{u"numFmts", u"fonts",        u"fills",
                                                     u"borders", u"cellStyleXfs", u"cellXfs"};
// A spreadsheet's own number formats take the ids below this.
constexpr int FirstCustomNumberFormat = 164;
constexpr double MinFontSize = 1;
constexpr double MaxFontSize = 409;

// 0x00BBGGRR, as the definition stores colours, to the spreadsheet's ARGB. Values outside it are black.
QString argb(int colour) {
    if (colour < 0 || colour > 0xFFFFFF)
        colour = 0;
    const int red = colour & 0xFF;
    const int green = (colour >> 8) & 0xFF;
    const int blue = (colour >> 16) & 0xFF;
    return QStringLiteral("FF%1").arg((red << 16) | (green << 8) | blue, 6, 16, QLatin1Char('0')).toUpper();
}

QString lineStyle(int style) {
    switch (style) {
    case 1:
        return u"medium"_s;
    case 2:
        return u"thick"_s;
    case 3:
        return u"double"_s;
    default:
        return u"thin"_s;
    }
}

} // namespace

int ReportStyles::Additions::add(const QString& item) {
    const auto [at, added] = indices.try_emplace(item, existing + static_cast<int>(items.size()));
    if (added)
        items.push_back(item);
    return at->second;
}

ReportStyles::ReportStyles(const StyleSheet& sheet, const std::function<int(int)>& columnFormat,
                           const std::vector<CellStyle>& styles, const QLocale& locale)
    : m_sheet(sheet), m_locale(locale) {
    m_numberFormats.existing = static_cast<int>(sheet.numberFormats().size());
    m_fonts.existing = sheet.fontCount();
    m_borders.existing = static_cast<int>(sheet.borders().size());
    m_formats.existing = static_cast<int>(sheet.cellFormats().size());
    for (const CellStyle& style : styles)
        m_cellFormats.push_back(cellFormat(style, columnFormat(style.column)));
}

QString ReportStyles::text() const {
    TextSplice splice(m_sheet.text());
    append(splice, u"numFmts"_s, m_numberFormats);
    append(splice, u"fonts"_s, m_fonts);
    append(splice, u"borders"_s, m_borders);
    append(splice, u"cellXfs"_s, m_formats);
    return splice.text();
}

int ReportStyles::cellFormat(const CellStyle& style, int base) {
    const std::vector<StyleSheet::CellFormat>& formats = m_sheet.cellFormats();
    if (base < 0 || base >= static_cast<int>(formats.size()))
        base = 0;
    // A styles part without cell formats gets the default one as the base.
    const StyleSheet::CellFormat baseFormat = formats.empty() ? StyleSheet::CellFormat{} : formats[base];
    const ElementSpan& span = baseFormat.span;
    const QString original =
        formats.empty()
            ? u'<' + element(u"xf"_s) + u" numFmtId=\"0\" fontId=\"0\" fillId=\"0\" borderId=\"0\" xfId=\"0\"/>"_s
            : span.startTag(m_sheet.text()).toString();
    QString tag = original;
    const auto set = [&](QStringView id, QStringView apply, int value) {
        tag = starttag::withAttribute(starttag::withAttribute(tag, id, QString::number(value)), apply,
                                      QStringLiteral("1"));
    };
    if (style.font)
        set(u"fontId"_s, u"applyFont"_s, m_fonts.add(font(*style.font)));
    if (style.top || style.bottom)
        set(u"borderId"_s, u"applyBorder"_s, m_borders.add(border(baseFormat.border, style)));
    if (style.date)
        set(u"numFmtId"_s, u"applyNumberFormat"_s, dateFormat(baseFormat.numberFormat));
    if (formats.empty())
        return m_formats.add(tag);
    if (tag == original)
        return base;
    return m_formats.add(tag + span.content(m_sheet.text()).toString() + span.endTag(m_sheet.text()).toString());
}

QString ReportStyles::font(const core::FontFormat& font) const {
    QString xml = u'<' + element(u"font"_s) + u'>';
    const auto flag = [&](bool on, QStringView name) {
        if (on)
            xml += u'<' + element(name) + u"/>"_s;
    };
    flag(font.bold, u"b"_s);
    flag(font.italic, u"i"_s);
    flag(font.strikeThru, u"strike"_s);
    flag(font.underline, u"u"_s);
    const double size = font.size >= MinFontSize ? std::min(font.size, MaxFontSize) : MinFontSize;
    xml += valueElement(u"sz"_s, u"val"_s, QString::number(size, 'g', QLocale::FloatingPointShortest));
    xml += valueElement(u"color"_s, u"rgb"_s, argb(font.colour));
    if (!font.name.isEmpty())
        xml += valueElement(u"name"_s, u"val"_s, font.name);
    return xml + u"</"_s + element(u"font"_s) + u'>';
}

QString ReportStyles::border(int base, const CellStyle& style) const {
    const QString& text = m_sheet.text();
    QString open = u'<' + element(u"border"_s) + u'>';
    QString close = u"</"_s + element(u"border"_s) + u'>';
    QString before;
    QString top;
    QString bottom;
    QString after;
    if (base >= 0 && base < static_cast<int>(m_sheet.borders().size())) {
        const StyleSheet::Border& border = m_sheet.borders()[base];
        const ElementSpan& span = border.span;
        open = starttag::opened(span.startTag(text));
        close = u"</"_s + span.qualifiedName + u'>';
        // The other edges stay where the schema wants them: start, end, left and right before top and bottom.
        for (const auto& [name, edge] : border.edges) {
            const QString piece = edge.whole(text).toString();
            if (name == u"top"_s)
                top = piece;
            else if (name == u"bottom"_s)
                bottom = piece;
            else if (name == u"start"_s || name == u"end"_s || name == u"left"_s || name == u"right"_s)
                before += piece;
            else
                after += piece;
        }
    }
    if (style.top)
        top = line(u"top"_s, *style.top);
    if (style.bottom)
        bottom = line(u"bottom"_s, *style.bottom);
    return open + before + top + bottom + after + close;
}

QString ReportStyles::line(QStringView edge, const core::LineFormat& line) const {
    return u'<' + element(edge) + u" style=\""_s + lineStyle(line.style) + u"\">"_s +
           valueElement(u"color"_s, u"rgb"_s, argb(line.colour)) + u"</"_s + element(edge) + u'>';
}

int ReportStyles::dateFormat(int base) {
    const std::map<int, QString>& own = m_sheet.numberFormats();
    const auto found = own.find(base);
    if (found != own.end() ? isDateFormatCode(found->second) : isBuiltInDateFormat(base))
        return base;
    if (m_localeDate)
        return *m_localeDate;
    // Formats are found by their code: the template may have the locale's already, under any id.
    const QString code = shortDateFormatCode(m_locale);
    for (const auto& [id, existing] : own) {
        if (existing == code)
            return *(m_localeDate = id);
    }
    m_localeDate = std::max(FirstCustomNumberFormat, own.empty() ? 0 : own.rbegin()->first + 1);
    m_numberFormats.add(u'<' + element(u"numFmt"_s) + u" numFmtId=\""_s + QString::number(*m_localeDate) +
                        u"\" formatCode=\""_s + escapedAttribute(code) + u"\"/>"_s);
    return *m_localeDate;
}

void ReportStyles::append(TextSplice& splice, QStringView collection, const Additions& additions) const {
    if (additions.items.empty())
        return;
    const QString count = QString::number(additions.existing + additions.items.size());
    QString children;
    for (const QString& item : additions.items)
        children += item;
    const QString& text = m_sheet.text();
    if (const ElementSpan* span = m_sheet.elements().find(collection)) {
        const QString tag = starttag::withAttribute(span->startTag(text), u"count"_s, count);
        splice.replace(span->start, span->end,
                       starttag::opened(tag) + span->content(text).toString() + children + u"</"_s +
                           span->qualifiedName + u'>');
        return;
    }
    const std::vector<QStringView> preceding(CollectionOrder.begin(),
                                             std::find(CollectionOrder.begin(), CollectionOrder.end(), collection));
    splice.insert(m_sheet.elements().insertionPoint(preceding), u'<' + element(collection) + u" count=\""_s + count +
                                                                    u"\">"_s + children + u"</"_s +
                                                                    element(collection) + u'>');
}

QString ReportStyles::valueElement(QStringView name, QStringView attribute, const QString& value) const {
    return u'<' + element(name) + u' ' + attribute.toString() + u"=\""_s + escapedAttribute(value) + u"\"/>"_s;
}

} // namespace report::xlsx
