#include "core/platform/Shell.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(Shell, RoutesDatabasesLaunchersAndEverythingElse) {
    const QString program = QStringLiteral("/opt/tallivo");
    const QString beside = QCoreApplication::applicationDirPath() + u'/';
    const struct {
        const char* file;
        QString program;
        QStringList arguments;
    } cases[] = {
        {"/d/x.actdb", beside + QStringLiteral("act-standin"), {QStringLiteral("open"), QStringLiteral("/d/x.actdb")}},
        // The tests live beside the build's tallivo-launch.
        {"/opt/tallivo/LaunchIt.XLS",
         beside + QStringLiteral("tallivo-launch"),
         {QStringLiteral("/opt/tallivo/LaunchIt.XLS")}},
        {"/opt/tallivo/Launch.XLS",
         beside + QStringLiteral("tallivo-launch"),
         {QStringLiteral("/opt/tallivo/Launch.XLS")}},
        {"/elsewhere/LaunchIt.XLS", QStringLiteral("xdg-open"), {QStringLiteral("/elsewhere/LaunchIt.XLS")}},
        {"/opt/tallivo/manual.pdf", QStringLiteral("xdg-open"), {QStringLiteral("/opt/tallivo/manual.pdf")}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const core::ShellRoute route =
            core::routeFor({QStringLiteral("open"), QString::fromLatin1(c.file), {}, {}, 5}, program);
        EXPECT_EQ(route.program, c.program);
        EXPECT_EQ(route.arguments, c.arguments);
    }
}
