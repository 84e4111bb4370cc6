#include "core/text/FormFeedList.h"

#include <gtest/gtest.h>

TEST(FormFeedList, ReadsEveryElementAndWritesThemBack) {
    const struct {
        QString stored;
        QStringList elements;
    } cases[] = {
        {QString(), {}},
        {QStringLiteral("1\f25\f"), {QStringLiteral("1"), QStringLiteral("25")}},
        {QStringLiteral("1\f25"), {QStringLiteral("1"), QStringLiteral("25")}}, // no final form feed
        {QStringLiteral("a\f\fb\f"), {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {QStringLiteral("\f"), {QString()}},
        {QStringLiteral("a\f\f"), {QStringLiteral("a"), QString()}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QString(c.stored).replace(core::FormFeed, QLatin1Char('|')).toStdString());
        EXPECT_EQ(core::readList(c.stored), c.elements);
        EXPECT_EQ(core::readList(core::writeList(c.elements)), c.elements);
    }
    EXPECT_EQ(core::writeList({QStringLiteral("a"), QString()}), QStringLiteral("a\f\f"));
}
