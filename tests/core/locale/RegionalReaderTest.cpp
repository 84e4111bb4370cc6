#include "core/locale/RegionalReader.h"

#include <QLocale>
#include <QString>
#include <gtest/gtest.h>

#include <optional>

using core::RegionalReader;

namespace {

struct Reading {
    const char* locale;
    const char16_t* text;
    std::optional<double> expected;
};

// 14 March 2025 in days since 30 December 1899; the other dates of the cases are likewise such days.
constexpr double piDay2025 = 45730;

QLocale localeNamed(const char* name) {
    return QLocale(QString::fromLatin1(name));
}

void expectReading(const Reading& reading, const std::optional<double>& actual) {
    SCOPED_TRACE(testing::Message() << reading.locale << " \"" << QString::fromUtf16(reading.text).toStdString()
                                    << '"');
    ASSERT_EQ(actual.has_value(), reading.expected.has_value());
    if (actual) {
        EXPECT_DOUBLE_EQ(*actual, *reading.expected);
    }
}

} // namespace

TEST(RegionalReader, ReadsDatesInTheLocalesOrderAndIsoEverywhere) {
    const Reading readings[] = {
        {"en_US", u"03/14/2025", piDay2025},
        {"en_US", u"3/14/2025", piDay2025},
        {"en_US", u"3-14-2025", piDay2025},
        {"en_US", u"3.14.25", piDay2025},
        {"en_US", u"  03/14/2025  ", piDay2025},
        {"en_US", u"2025-03-14", piDay2025},
        {"en_US", u"14/03/2025", std::nullopt},
        {"C", u"03/14/2025", piDay2025},
        {"C", u"14/03/2025", std::nullopt},
        {"C", u"2025-3-14", piDay2025},
        {"de_DE", u"14.03.2025", piDay2025},
        {"de_DE", u"14.3.25", piDay2025},
        {"de_DE", u"14/03/2025", piDay2025},
        {"de_DE", u"2025-03-14", piDay2025},
        {"de_DE", u"03/14/2025", std::nullopt},
        {"fr_FR", u"14/03/2025", piDay2025},
        {"ja_JP", u"2025/03/14", piDay2025},
        {"ja_JP", u"25/3/14", piDay2025},
        // Two-digit years fall into 1930 to 2029; shorter and longer years are read as written or likewise.
        {"en_US", u"1/1/29", 47119},
        {"en_US", u"1/1/30", 10959},
        {"en_US", u"12/31/99", 36525},
        {"en_US", u"1/1/00", 36526},
        {"en_US", u"1/1/5", 38353},
        {"en_US", u"1/1/1930", 10959},
        // Dates that do not exist, and texts that are not dates.
        {"en_US", u"02/29/2024", 45351},
        {"en_US", u"02/29/2023", std::nullopt},
        {"en_US", u"02/30/2025", std::nullopt},
        {"en_US", u"13/01/2025", std::nullopt},
        {"en_US", u"0/10/2025", std::nullopt},
        {"en_US", u"1/1/0000", std::nullopt},
        {"en_US", u"3/14/20255", std::nullopt},
        {"en_US", u"3/14-2025", std::nullopt},
        {"en_US", u"3//14/2025", std::nullopt},
        {"en_US", u"3/14", std::nullopt},
        {"en_US", u"3/14/2025x", std::nullopt},
        {"en_US", u"March 14, 2025", std::nullopt},
        {"en_US", u"2025-14-03", std::nullopt},
        // Only the space character is a space.
        {"en_US", u"", 0},
        {"en_US", u"   ", 0},
        {"en_US", u"3/14/2025\t", std::nullopt},
        {"en_US", u"\n3/14/2025", std::nullopt},
        {"en_US", u"\r", std::nullopt},
    };
    for (const Reading& reading : readings)
        expectReading(reading, RegionalReader(localeNamed(reading.locale)).date(reading.text));
}

TEST(RegionalReader, ReadsTimesAfterADateOrAlone) {
    const Reading readings[] = {
        {"en_US", u"03/14/2025 13:30", piDay2025 + 0.5625},
        {"en_US", u"03/14/2025   13:30", piDay2025 + 0.5625},
        {"en_US", u"03/14/2025 1:30 PM", piDay2025 + 0.5625},
        {"en_US", u"03/14/2025 1:30pm", piDay2025 + 0.5625},
        {"en_US", u"03/14/2025 10:15:30", piDay2025 + (10 * 3600 + 15 * 60 + 30) / 86400.0},
        {"en_US", u"03/14/2025 12:00 AM", piDay2025},
        {"en_US", u"03/14/2025 12:00 pM", piDay2025 + 0.5},
        {"de_DE", u"14.03.2025 06:00", piDay2025 + 0.25},
        {"en_US", u"13:30", 0.5625},
        {"en_US", u"6:00 am", 0.25},
        {"en_US", u"23:59:59", 86399 / 86400.0},
        // Before the zero date the time still moves forward: 29 December 1899, 6 in the morning.
        {"en_US", u"12/29/1899 06:00", -0.75},
        {"en_US", u"03/14/2025 13:30 PM", std::nullopt},
        {"en_US", u"03/14/2025 0:30 AM", std::nullopt},
        {"en_US", u"24:00", std::nullopt},
        {"en_US", u"12:60", std::nullopt},
        {"en_US", u"12:00:60", std::nullopt},
        {"en_US", u"12:", std::nullopt},
        {"en_US", u"12:00 noon", std::nullopt},
        {"en_US", u"03/14/2025 noon", std::nullopt},
        {"en_US", u"03/14/2025 123:00", std::nullopt},
    };
    for (const Reading& reading : readings)
        expectReading(reading, RegionalReader(localeNamed(reading.locale)).date(reading.text));
}

TEST(RegionalReader, ReadsNumbersExactlyInTheLocalesFormsWithCurrencyAndSigns) {
    const Reading readings[] = {
        {"en_US", u"1,234.50", 1234.5},
        {"en_US", u"1,234,567", 1234567},
        {"en_US", u"  42  ", 42},
        {"en_US", u"1.234,50", std::nullopt},
        {"en_US", u"1,23", std::nullopt},
        {"en_US", u"1234,567", std::nullopt},
        {"en_US", u"1,,234", std::nullopt},
        {"en_US", u",234", std::nullopt},
        {"en_US", u"1,234.5,6", std::nullopt},
        {"C", u"1,234.50", 1234.5},
        {"de_DE", u"1.234,50", 1234.5},
        {"de_DE", u"2,5", 2.5},
        {"de_DE", u"3,5", 3.5},
        {"de_DE", u"1,234.50", std::nullopt},
        {"de_DE", u"1.5", std::nullopt},
        {"de_DE", u"-1.234,50 €", -1234.5},
        // French groups with a narrow no-break space; a no-break or plain space stands for it.
        {"fr_FR", u"1\u202F234,50", 1234.5},
        {"fr_FR", u"1\u00A0234,50", 1234.5},
        {"fr_FR", u"1 234 567,50", 1234567.5},
        {"fr_FR", u"(1\u202F234,50\u00A0€)", -1234.5},
        {"fr_FR", u"1 234.50", std::nullopt},
        {"fr_FR", u"1\t234", std::nullopt},
        // Indian grouping: three digits, then twos.
        {"hi_IN", u"12,34,567", 1234567},
        {"hi_IN", u"1,234,567", std::nullopt},
        {"sv_SE", u"\u22125", -5},
        // Currency before or after, with or without a space; negatives by sign or parentheses.
        {"en_US", u"$1,234.50", 1234.5},
        {"en_US", u"$ 12", 12},
        {"en_US", u"12$", 12},
        {"en_US", u"12 $", 12},
        {"en_US", u"€12", 12},
        {"en_US", u"£7.6", 7.6},
        {"en_US", u"12 £", 12},
        {"en_US", u"(12)", -12},
        {"en_US", u"( 12 )", -12},
        {"en_US", u"($12.00)", -12},
        {"en_US", u"-$12", -12},
        {"en_US", u"$-12", -12},
        {"en_US", u"-12 €", -12},
        {"ja_JP", u"￥1,235", 1235},
        {"pt_BR", u"R$ -1.234,50", -1234.5},
        {"de_CH", u"1’234.50 CHF", 1234.5},
        {"en_US", u"(-12)", std::nullopt},
        {"en_US", u"--12", std::nullopt},
        {"en_US", u"- 12", std::nullopt},
        {"en_US", u"$$12", std::nullopt},
        {"en_US", u"$12$", std::nullopt},
        {"en_US", u"(12", std::nullopt},
        {"en_US", u"()", std::nullopt},
        {"en_US", u"$", std::nullopt},
        {"en_US", u"-", std::nullopt},
        {"en_US", u".", std::nullopt},
        {"en_US", u"12abc", std::nullopt},
        {"en_US", u"+12", std::nullopt},
        {"en_US", u"", 0},
        {"en_US", u"   ", 0},
        {"en_US", u"12\t", std::nullopt},
        {"en_US", u"\r\n12", std::nullopt},
        {"en_US", u"١٢", std::nullopt},
        {"en_US", u"1e300", 1e300},
        {"en_US", u"1E3", 1000},
        {"en_US", u"1e-400", 0},
        {"en_US", u"1e400", std::nullopt},
        {"en_US", u"1e", std::nullopt},
        {"en_US", u"e5", std::nullopt},
        {"en_US", u".5", 0.5},
        {"en_US", u"5.", 5},
    };
    for (const Reading& reading : readings)
        expectReading(reading, RegionalReader(localeNamed(reading.locale)).number(reading.text));
}
