#include "core/run/sort/SortValue.h"

#include <QLocale>
#include <gtest/gtest.h>

using core::SortKind;

TEST(SortValue, NumbersRoundToWholeNumbersHalvesToEven) {
    const core::RegionalReader reader(QLocale(QStringLiteral("en_US")));
    const struct {
        const char16_t* text;
        double expected;
    } cases[] = {
        {u"2.5", 2},    {u"3.5", 4},  {u"-2.5", -2}, {u"-3.5", -4},       {u"0.5", 0},   {u"1.5", 2},
        {u"2.4999", 2}, {u"2.51", 3}, {u"-0.4", 0},  {u"1,234.50", 1234}, {u"2.5e0", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::sortValue(SortKind::Number, c.text, reader), c.expected)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(SortValue, ReadsOnlyTheFirst31Characters) {
    const core::RegionalReader reader(QLocale(QStringLiteral("en_US")));
    // Whatever follows the 31st character is never seen, however wrong it is.
    const QString date = QStringLiteral("03/14/2025").leftJustified(31, u' ');
    EXPECT_EQ(core::sortValue(SortKind::Date, date + QStringLiteral("x"), reader), 45730);
    EXPECT_EQ(core::sortValue(SortKind::Date, date.left(30) + QStringLiteral("x"), reader), std::nullopt);
    const QString number = QStringLiteral("12").leftJustified(31, u' ');
    EXPECT_EQ(core::sortValue(SortKind::Number, number + QStringLiteral("x"), reader), 12);
    EXPECT_EQ(core::sortValue(SortKind::Number, number.left(30) + QStringLiteral("x"), reader), std::nullopt);
    // A long number is cut, not refused: its first 31 digits are its value.
    EXPECT_EQ(core::sortValue(SortKind::Number, QString(40, u'1'), reader),
              core::sortValue(SortKind::Number, QString(31, u'1'), reader));
}
