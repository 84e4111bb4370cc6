#include "core/ErrorReport.h"

#include <gtest/gtest.h>

TEST(ErrorReport, TextAndTitleOfTheErrorBox) {
    const core::ErrorReport report = core::errorAt({"Library1", "Function", "Load_DefFile"}, 412, 13);
    EXPECT_EQ(core::errorBoxText(report),
              QStringLiteral("Error 13: 'Type mismatch'\rin Library1: Function Load_DefFile - Line # 412\r\r"
                             "Please contact support@tallivo.example with this error message."));
    EXPECT_EQ(core::errorBoxTitle(), QStringLiteral("Tallivo error"));
}
