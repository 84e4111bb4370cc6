#include "ValueReader.h"

#include "core/definition/DefinitionKeys.h"
#include "core/definition/DefinitionValues.h"

namespace core::editor {

namespace {

QString boolean(bool on) {
    return on ? QStringLiteral("True") : QStringLiteral("False");
}

QString lineKey(const QString& prefix, const QString& name, int section) {
    return keys::sectionKey(prefix + name, section);
}

} // namespace

bool ValueReader::flag(const QString& key, bool defaultValue) {
    return read(key, defaultValue, definition::readFlag);
}

int ValueReader::whole(const QString& key, int defaultValue, int lowest, int highest) {
    return read(key, defaultValue, [lowest, highest](const QString& text) {
        const std::optional<int> number = definition::readWhole(text);
        return number && *number >= lowest && *number <= highest ? number : std::nullopt;
    });
}

FontFormat ValueReader::font(const FontKeys& where) {
    const FontFormat& defaults = where.defaults;
    FontFormat font;
    font.name = m_definition.value(where.name, defaults.name);
    font.bold = flag(where.style(keys::FontBold), defaults.bold);
    font.italic = flag(where.style(keys::FontItalic), defaults.italic);
    font.underline = flag(where.style(keys::FontUnderline), defaults.underline);
    font.colour = whole(where.style(keys::FontColor), defaults.colour, 0, LargestColour);
    font.size = read(where.style(keys::FontSize), defaults.size, readFontSize);
    font.strikeThru = flag(where.style(keys::FontStrikeThru), defaults.strikeThru);
    return font;
}

LineFormat ValueReader::line(const QString& prefix, int section) {
    const LineFormat defaults;
    const int style = whole(lineKey(prefix, keys::BorderStyle, section), defaults.style, 0, LastBorderStyle);
    return {style, whole(lineKey(prefix, keys::BorderColor, section), defaults.colour, 0, LargestColour)};
}

std::optional<double> readFontSize(const QString& text) {
    const std::optional<double> size = definition::readSize(text);
    return size && *size >= SmallestFontSize && *size <= LargestFontSize ? size : std::nullopt;
}

QString fontSizeText(double size, const QLocale& locale) {
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(size, 'f', QLocale::FloatingPointShortest);
}

void writeFont(ReportDefinition& definition, const FontKeys& where, const FontFormat& font, const QLocale& locale) {
    definition.setValue(where.name, font.name);
    definition.setValue(where.style(keys::FontBold), boolean(font.bold));
    definition.setValue(where.style(keys::FontItalic), boolean(font.italic));
    definition.setValue(where.style(keys::FontUnderline), boolean(font.underline));
    definition.setValue(where.style(keys::FontColor), QString::number(font.colour));
    definition.setValue(where.style(keys::FontSize), fontSizeText(font.size, locale));
    definition.setValue(where.style(keys::FontStrikeThru), boolean(font.strikeThru));
}

void writeLine(ReportDefinition& definition, const QString& prefix, int section, const LineFormat& line) {
    definition.setValue(lineKey(prefix, keys::BorderColor, section), QString::number(line.colour));
    definition.setValue(lineKey(prefix, keys::BorderStyle, section), QString::number(line.style));
}

} // namespace core::editor
