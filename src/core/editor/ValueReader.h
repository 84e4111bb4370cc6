#pragma once

#include "core/definition/ReportDefinition.h"

#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

namespace core::editor {

// A stored value the editor could not read; it shows the key's default instead.
struct UnreadValue {
    QString key;
    QString value;
};

// The font sizes offered, in points: what a worksheet cell takes.
inline constexpr double SmallestFontSize = 1;
inline constexpr double LargestFontSize = 409;
inline constexpr int LargestColour = 0xFFFFFF;
inline constexpr int LastBorderStyle = 3;

// Reads a definition for the editor and its dialogs. A stored value that does not read, or lies outside what the
// editor offers, is noted and its default used, as for an absent key.
class ValueReader {
public:
    explicit ValueReader(const ReportDefinition& definition) : m_definition(definition) {}

    bool flag(const QString& key, bool defaultValue);
    int whole(const QString& key, int defaultValue, int lowest, int highest);
    FontFormat font(const FontKeys& where);
    // The line whose keys are the prefix (Title, Total) with BorderStyle and BorderColor and the section.
    LineFormat line(const QString& prefix, int section);
    const QList<UnreadValue>& unread() const { return m_unread; }

private:
    template <typename T, typename Reader> T read(const QString& key, T defaultValue, Reader reader) {
        const QString text = m_definition.value(key);
        if (text.isNull())
            return defaultValue;
        const std::optional<T> value = reader(text);
        if (!value)
            m_unread.append({key, text});
        return value.value_or(defaultValue);
    }

    const ReportDefinition& m_definition;
    QList<UnreadValue> m_unread;
};

// A font size as typed, with "." or "," as the decimal point; nullopt outside the sizes offered.
std::optional<double> readFontSize(const QString& text);
// A font size in the locale's form, as short as it reads back exactly: "8", "10,5".
QString fontSizeText(double size, const QLocale& locale = QLocale::system());
// The seven keys of a font; styles as "True" or "False", the size in the locale's form.
void writeFont(ReportDefinition& definition, const FontKeys& where, const FontFormat& font,
               const QLocale& locale = QLocale::system());
// The colour first, then the style.
void writeLine(ReportDefinition& definition, const QString& prefix, int section, const LineFormat& line);

} // namespace core::editor
