#include "core/locale/RegionalReader.h"

#include <QLocale>
#include <QString>
#include <gtest/gtest.h>

#include <optional>
#include <vector>

using core::RegionalReader;

namespace {

// Texts that read alike under a locale.
struct Readings {
    const char* locale;
    double expected;
    std::vector<const char16_t*> texts;
};

// 14 March 2025 in days since 30 December 1899; the other dates of the cases are likewise such days.
constexpr double piDay2025 = 45730;
constexpr double halfPastOne = 0.5625;
constexpr double none = -1e300; // cannot be read

void expectReadings(const std::vector<Readings>& table,
                    std::optional<double> (RegionalReader::*read)(QStringView) const) {
    for (const Readings& readings : table) {
        const RegionalReader reader{QLocale(QString::fromLatin1(readings.locale))};
        for (const char16_t* text : readings.texts)
            EXPECT_DOUBLE_EQ((reader.*read)(text).value_or(none), readings.expected)
                << readings.locale << " \"" << QString::fromUtf16(text).toStdString() << '"';
    }
}

} // namespace

TEST(RegionalReader, ReadsDatesInTheLocalesOrderAndIsoEverywhereAndTimesAfterThemOrAlone) {
    const std::vector<Readings> table = {
        {"en_US", piDay2025, {u"03/14/2025", u"3/14/2025", u"3-14-2025", u"3.14.25"}},
        {"en_US", piDay2025, {u"  03/14/2025  ", u"2025-03-14"}},
        {"C", piDay2025, {u"03/14/2025", u"2025-3-14"}},
        {"de_DE", piDay2025, {u"14.03.2025", u"2025-03-14"}},
        {"ja_JP", piDay2025, {u"2025/03/14", u"25/3/14"}},
        // Two-digit years fall into 1930 to 2029, shorter ones likewise.
        {"en_US", 47119, {u"1/1/29"}},
        {"en_US", 10959, {u"1/1/30"}},
        {"en_US", 36526, {u"1/1/00"}},
        {"en_US", 38353, {u"1/1/5"}},
        {"en_US", 45351, {u"02/29/2024"}},
        // Only the space character is a space.
        {"en_US", 0, {u"", u"   "}},
        {"en_US", none, {u"14/03/2025", u"02/29/2023", u"0/10/2025", u"1/1/0000", u"3/14/20255", u"3/14-2025"}},
        {"en_US", none, {u"3//14/2025", u"3/14", u"3/14/2025x", u"2025-14-03", u"3/14/2025\t"}},
        {"de_DE", none, {u"03/14/2025"}},
        // Times after a date or alone.
        {"en_US", piDay2025 + halfPastOne, {u"03/14/2025 13:30", u"03/14/2025   13:30", u"03/14/2025 1:30 PM"}},
        {"en_US", piDay2025 + halfPastOne, {u"03/14/2025 1:30pm"}},
        {"en_US", piDay2025 + (10 * 3600 + 15 * 60 + 30) / 86400.0, {u"03/14/2025 10:15:30"}},
        {"en_US", piDay2025, {u"03/14/2025 12:00 AM"}},
        {"en_US", piDay2025 + 0.5, {u"03/14/2025 12:00 pM"}},
        {"en_US", halfPastOne, {u"13:30"}},
        // Before the zero date the time still moves forward: 29 December 1899, 6 in the morning.
        {"en_US", -0.75, {u"12/29/1899 06:00"}},
        {"en_US", none, {u"03/14/2025 13:30 PM", u"03/14/2025 0:30 AM", u"24:00", u"12:60", u"12:00:60", u"12:"}},
        {"en_US", none, {u"12:00 noon", u"03/14/2025 123:00"}},
    };
    expectReadings(table, &RegionalReader::date);
}

TEST(RegionalReader, ReadsNumbersExactlyInTheLocalesFormsWithCurrencyAndSigns) {
    const std::vector<Readings> table = {
        // French groups with a narrow no-break space, for which a no-break or plain space stands; Indian grouping
        // is three digits, then twos; a currency symbol may come before or after, with or without a space.
        {"en_US", 1234.5, {u"1,234.50", u"$1,234.50"}},
        {"C", 1234.5, {u"1,234.50"}},
        {"de_DE", 1234.5, {u"1.234,50"}},
        {"fr_FR", 1234.5, {u"1\u202F234,50", u"1\u00A0234,50"}},
        {"de_CH", 1234.5, {u"1’234.50 CHF"}},
        {"de_DE", -1234.5, {u"-1.234,50 €"}},
        {"fr_FR", -1234.5, {u"(1\u202F234,50\u00A0€)"}},
        {"pt_BR", -1234.5, {u"R$ -1.234,50"}},
        {"en_US", 1234567, {u"1,234,567"}},
        {"fr_FR", 1234567.5, {u"1 234 567,50"}},
        {"hi_IN", 1234567, {u"12,34,567"}},
        {"ja_JP", 1235, {u"￥1,235"}},
        {"en_US", 12, {u"$ 12", u"12 $", u"€12"}},
        {"en_US", -12, {u"(12)", u"($12.00)", u"-$12", u"$-12"}},
        {"sv_SE", -5, {u"\u22125"}},
        {"en_US", 42, {u"  42  "}},
        {"en_US", 0, {u"", u"   ", u"1e-400"}},
        {"en_US", 1e300, {u"1e300"}},
        {"en_US", 1000, {u"1E3"}},
        {"en_US", 0.5, {u".5"}},
        {"en_US", 5, {u"5."}},
        {"en_US", none, {u"1.234,50", u"1,23", u"1234,567", u",234", u"1,234.5,6", u"(-12)", u"--12",
                         u"- 12",     u"$$12", u"$12$",     u"(12",  u"$",         u"-",     u".",
                         u"12abc",    u"+12",  u"12\t",     u"١٢",   u"1e400",     u"1e"}},
        {"de_DE", none, {u"1,234.50"}},
        {"fr_FR", none, {u"1\t234"}},
        {"hi_IN", none, {u"1,234,567"}},
    };
    expectReadings(table, &RegionalReader::number);
}
