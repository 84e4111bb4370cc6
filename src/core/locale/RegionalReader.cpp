#include "core/locale/RegionalReader.h"

#include "core/locale/TextScanner.h"

#include <QDate>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace core {
namespace {

// Locales write no-break spaces around currency symbols and between digit groups; people type plain ones.
bool isSpaceLike(QChar c) {
    return c == u' ' || c == u'\u00A0' || c == u'\u202F';
}

QStringView trimSpaces(QStringView text) {
    while (!text.isEmpty() && text.front() == u' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == u' ')
        text.chop(1);
    return text;
}

std::array<char16_t, 3> dateOrderOf(const QLocale& locale) {
    const std::array<char16_t, 3> monthFirst{u'M', u'd', u'y'};
    // The C locale's short format names the month in words, so it has no numeric order; POSIX reads M/d/y.
    if (locale.language() == QLocale::C)
        return monthFirst;
    std::array<char16_t, 3> order{};
    std::size_t found = 0;
    bool quoted = false;
    for (const QChar c : locale.dateFormat(QLocale::ShortFormat)) {
        const char16_t letter = c.unicode();
        if (letter == u'\'')
            quoted = !quoted;
        const bool part = letter == u'd' || letter == u'M' || letter == u'y';
        if (!quoted && part && std::find(order.begin(), order.begin() + found, letter) == order.begin() + found)
            order[found++] = letter;
        if (found == order.size())
            return order;
    }
    return monthFirst;
}

// Days since 30 December 1899 of a date written in day, month and year numbers; nullopt for no such date.
std::optional<qint64> dayNumber(QStringView text, const std::array<char16_t, 3>& localeOrder) {
    TextScanner scanner(text);
    std::array<std::optional<TextScanner::Digits>, 3> fields;
    fields[0] = scanner.digits(4);
    const QChar separator = scanner.peek();
    if (separator != u'/' && separator != u'-' && separator != u'.')
        return std::nullopt;
    for (std::size_t i = 1; i < fields.size(); ++i) {
        if (!scanner.take(separator))
            return std::nullopt;
        fields[i] = scanner.digits(4);
    }
    if (!scanner.atEnd() || !fields[0] || !fields[1] || !fields[2])
        return std::nullopt;
    const bool iso = separator == u'-' && fields[0]->count == 4;
    const std::array<char16_t, 3> order = iso ? std::array<char16_t, 3>{u'y', u'M', u'd'} : localeOrder;
    int day = 0;
    int month = 0;
    int year = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const TextScanner::Digits field = *fields[i];
        if (order[i] != u'y' && field.count > 2)
            return std::nullopt;
        if (order[i] == u'd')
            day = field.value;
        else if (order[i] == u'M')
            month = field.value;
        else if (field.count <= 2)
            year = field.value + (field.value < 30 ? 2000 : 1900);
        else
            year = field.value;
    }
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date.toJulianDay() - QDate(1899, 12, 30).toJulianDay();
}

// Fraction of a day for HH:MM or HH:MM:SS, with an optional AM or PM.
std::optional<double> timeOfDay(QStringView text) {
    TextScanner scanner(text);
    const auto hour = scanner.digits(2);
    if (!hour || !scanner.take(u':'))
        return std::nullopt;
    const auto minute = scanner.digits(2);
    std::optional<TextScanner::Digits> second = TextScanner::Digits{0, 2};
    if (scanner.take(u':'))
        second = scanner.digits(2);
    if (!minute || !second || minute->value > 59 || second->value > 59)
        return std::nullopt;
    const QStringView marker = trimSpaces(scanner.rest());
    const bool am = marker.compare(u"AM", Qt::CaseInsensitive) == 0;
    const bool pm = marker.compare(u"PM", Qt::CaseInsensitive) == 0;
    int hours = hour->value;
    if (am || pm) {
        if (hours < 1 || hours > 12)
            return std::nullopt;
        hours = hours % 12 + (pm ? 12 : 0);
    } else if (!marker.isEmpty() || hours > 23) {
        return std::nullopt;
    }
    return (hours * 3600 + minute->value * 60 + second->value) / 86400.0;
}

bool stripNegativeSign(QStringView& text, const QString& localeSign) {
    for (const QStringView sign : {QStringView(u"-"), QStringView(localeSign)}) {
        if (!sign.isEmpty() && text.startsWith(sign)) {
            text = text.sliced(sign.size());
            return true;
        }
    }
    return false;
}

// Removes a currency symbol at either end with the spaces beside it; true when it stood in front.
bool stripCurrency(QStringView& text, const std::array<QString, 4>& symbols) {
    for (const QString& symbol : symbols) {
        if (symbol.isEmpty())
            continue;
        if (text.startsWith(symbol)) {
            text = text.sliced(symbol.size());
            while (!text.isEmpty() && isSpaceLike(text.front()))
                text = text.sliced(1);
            return true;
        }
        if (text.endsWith(symbol)) {
            text.chop(symbol.size());
            while (!text.isEmpty() && isSpaceLike(text.back()))
                text.chop(1);
            return false;
        }
    }
    return false;
}

} // namespace

RegionalReader::RegionalReader(const QLocale& locale)
    : m_dateOrder(dateOrderOf(locale)), m_decimal(locale.decimalPoint()), m_group(locale.groupSeparator()),
      m_negativeSign(locale.negativeSign()), m_currencies{locale.currencySymbol(), QStringLiteral("$"),
                                                          QStringLiteral("€"), QStringLiteral("£")} {
    m_groupIsSpace = m_group.size() == 1 && isSpaceLike(m_group.front());
    // The locale's own grouping of a long number gives the group sizes (3 and 3, or Indian 3 then 2).
    if (!m_group.isEmpty()) {
        QLocale grouping(locale);
        grouping.setNumberOptions(QLocale::DefaultNumberOptions);
        const QStringList groups = grouping.toString(1234567890123LL).split(m_group);
        if (groups.size() >= 2)
            m_lastGroupDigits = static_cast<int>(groups.last().size());
        if (groups.size() >= 3)
            m_innerGroupDigits = static_cast<int>(groups.at(groups.size() - 2).size());
    }
    std::stable_sort(m_currencies.begin(), m_currencies.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
}

std::optional<double> RegionalReader::date(QStringView text) const {
    text = trimSpaces(text);
    if (text.isEmpty())
        return 0.0;
    const qsizetype space = text.indexOf(u' ');
    const QStringView first = space < 0 ? text : text.left(space);
    if (first.contains(u':'))
        return timeOfDay(text);
    const auto day = dayNumber(first, m_dateOrder);
    if (!day)
        return std::nullopt;
    if (space < 0)
        return static_cast<double>(*day);
    const auto time = timeOfDay(trimSpaces(text.sliced(space)));
    if (!time)
        return std::nullopt;
    return static_cast<double>(*day) + *time;
}

std::optional<double> RegionalReader::number(QStringView text) const {
    text = trimSpaces(text);
    if (text.isEmpty())
        return 0.0;
    bool negative = text.size() >= 2 && text.front() == u'(' && text.back() == u')';
    if (negative)
        text = trimSpaces(text.sliced(1, text.size() - 2));
    else
        negative = stripNegativeSign(text, m_negativeSign);
    if (stripCurrency(text, m_currencies) && !negative)
        negative = stripNegativeSign(text, m_negativeSign);
    const auto value = unsignedNumber(text);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

// Digits in the locale's groups, an optional decimal part and an optional exponent, as "1e300".
std::optional<double> RegionalReader::unsignedNumber(QStringView text) const {
    std::string plain; // the number as the C library reads it
    TextScanner scanner(text);
    int groups = 0;
    int run = 0;
    for (;;) {
        run += scanner.takeDigits(plain);
        const qsizetype separator = groupSeparatorAt(scanner.rest());
        if (separator == 0)
            break;
        if (run == 0 || (groups == 0 ? run > m_innerGroupDigits : run != m_innerGroupDigits))
            return std::nullopt;
        ++groups;
        run = 0;
        scanner.skip(separator);
    }
    if (groups > 0 && run != m_lastGroupDigits)
        return std::nullopt;
    if (!m_decimal.isEmpty() && scanner.rest().startsWith(m_decimal)) {
        scanner.skip(m_decimal.size());
        plain += '.';
        scanner.takeDigits(plain);
    }
    if (plain.empty() || plain == ".")
        return std::nullopt;
    bool negativeExponent = false;
    if (scanner.take(u'e') || scanner.take(u'E')) {
        plain += 'e';
        negativeExponent = scanner.take(u'-');
        if (negativeExponent)
            plain += '-';
        else
            scanner.take(u'+');
        if (scanner.takeDigits(plain) == 0)
            return std::nullopt;
    }
    if (!scanner.atEnd())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range)
        return negativeExponent ? std::optional<double>(0.0) : std::nullopt;
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return value;
}

qsizetype RegionalReader::groupSeparatorAt(QStringView text) const {
    if (!m_group.isEmpty() && text.startsWith(m_group))
        return m_group.size();
    return m_groupIsSpace && !text.isEmpty() && isSpaceLike(text.front()) ? 1 : 0;
}

} // namespace core
