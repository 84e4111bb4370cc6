#include "core/platform/Shell.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(Shell, RoutesDatabasesLaunchersAndEverythingElse) {
    const QString program = QStringLiteral("/opt/tallivo");
    const QString standin = QCoreApplication::applicationDirPath() + QStringLiteral("/act-standin");

    const core::ShellRoute database =
        core::routeFor({QStringLiteral("open"), QStringLiteral("/d/x.actdb"), {}, {}, 5}, program);
    EXPECT_EQ(database.program, standin);
    EXPECT_EQ(database.arguments, (QStringList{QStringLiteral("open"), QStringLiteral("/d/x.actdb")}));

    // No tallivo-launch beside the tests: launchers go to the desktop opener, like any other file.
    for (const QString& file : {QStringLiteral("/opt/tallivo/LaunchIt.XLS"), QStringLiteral("/opt/tallivo/manual.pdf"),
                                QStringLiteral("/elsewhere/LaunchIt.XLS")}) {
        const core::ShellRoute other = core::routeFor({QStringLiteral("Open"), file, {}, {}, 5}, program);
        EXPECT_EQ(other.program, QStringLiteral("xdg-open"));
        EXPECT_EQ(other.arguments, QStringList{file});
    }
}
