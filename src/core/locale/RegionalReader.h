#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace core {

// Reads date and number texts by a locale's regional rules. The C locale reads month/day/year. Spaces (U+0020
// only) around a text are ignored.
class RegionalReader {
public:
    explicit RegionalReader(const QLocale& locale = QLocale::system());

    // Days since the zero date (30 December 1899) with the time of day as the fraction; 0 for an empty cell;
    // nullopt when the text is not a date.
    std::optional<double> date(QStringView text) const;
    // The number as written, not rounded ("1,234.50" is 1234.5); 0 for an empty cell; nullopt when the text is not
    // a number.
    std::optional<double> number(QStringView text) const;

private:
    std::optional<double> unsignedNumber(QStringView text) const;
    // Length of the group separator that starts the text; 0 when none does.
    qsizetype groupSeparatorAt(QStringView text) const;

    std::array<char16_t, 3> m_dateOrder{u'M', u'd', u'y'}; // letters of the short date format, in its order
    QString m_decimal;
    QString m_group;
    bool m_groupIsSpace = false; // a space-like group separator: plain and no-break spaces all stand for it
    int m_lastGroupDigits = 3;   // digits of the group before the decimal separator
    int m_innerGroupDigits = 3;  // digits of each group between the first and the last (2 in Indian grouping)
    QString m_negativeSign;
    std::array<QString, 4> m_currencies; // the locale's symbol, "$", "€", "£"; longest first
};

} // namespace core
