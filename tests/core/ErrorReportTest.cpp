#include "core/ErrorReport.h"

#include <gtest/gtest.h>

TEST(ErrorReport, TextTitleAndClassicDescriptions) {
    const core::ErrorReport report{53,
                                   core::errors::description(53),
                                   QStringLiteral("Library1"),
                                   QStringLiteral("Function"),
                                   QStringLiteral("Load_DefFile"),
                                   412};
    EXPECT_EQ(core::errorBoxText(report),
              QStringLiteral("Error 53: 'File not found'\rin Library1: Function Load_DefFile - Line # 412\r\r"
                             "Please contact support@tallivo.example with this error message."));
    EXPECT_EQ(core::errorBoxTitle(), QStringLiteral("Tallivo error"));
    EXPECT_EQ(core::errors::description(5), QStringLiteral("Invalid procedure call or argument"));
    EXPECT_EQ(core::errors::description(75), QStringLiteral("Path/File access error"));
    EXPECT_EQ(core::errors::description(380), QStringLiteral("Invalid property value"));
    EXPECT_TRUE(core::errors::description(1001).isEmpty());
}
