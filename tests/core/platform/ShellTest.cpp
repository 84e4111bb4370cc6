#include "core/platform/Shell.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

TEST(Shell, RoutesDatabasesLaunchersAndEverythingElse) {
    // The tests live beside the build's tallivo-launch; "@" stands for that folder.
    const char* cases[][2] = {
        {"/d/x.actdb", "@act-standin open /d/x.actdb"},
        {"/opt/tallivo/LaunchIt.XLS", "@tallivo-launch /opt/tallivo/LaunchIt.XLS"},
        {"/opt/tallivo/Launch.XLS", "@tallivo-launch /opt/tallivo/Launch.XLS"},
        {"/elsewhere/LaunchIt.XLS", "xdg-open /elsewhere/LaunchIt.XLS"},
        {"/opt/tallivo/manual.pdf", "xdg-open /opt/tallivo/manual.pdf"},
    };
    const QString beside = QCoreApplication::applicationDirPath() + u'/';
    for (const auto& [file, expected] : cases) {
        const core::ShellRoute route =
            core::routeFor({QStringLiteral("open"), QString::fromLatin1(file), {}, {}}, QStringLiteral("/opt/tallivo"));
        const QString routed = route.program + u' ' + route.arguments.join(u' ');
        EXPECT_EQ(QString(routed).replace(beside, QStringLiteral("@")), QString::fromLatin1(expected));
    }
}
