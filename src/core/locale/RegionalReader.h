#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace core {

// Reads date and number cells by a locale's regional rules. The C locale reads month/day/year. Only the first
// readLimit characters of a text are read; spaces (U+0020 only) around it are ignored.
class RegionalReader {
public:
    // The old reader's 32-character buffer held this many characters and its terminator.
    static constexpr qsizetype readLimit = 31;

    explicit RegionalReader(const QLocale& locale = QLocale::system());

    // Days since the zero date (30 December 1899) with the time of day as the fraction; 0 for an empty cell;
    // nullopt when the text is not a date.
    std::optional<double> date(QStringView text) const;
    // The number, rounded to a whole number with halves to the even neighbour; 0 for an empty cell; nullopt when
    // the text is not a number.
    std::optional<double> wholeNumber(QStringView text) const;

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
