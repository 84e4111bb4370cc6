#include "gui/common/ErrorBox.h"
#include "support/gui/ScriptedPlatformService.h"

#include <gtest/gtest.h>

TEST(ErrorBox, ShowsTheProgramWideBoxWithActsOwnNumberAndDescription) {
    auto& platform = testing_support::ScriptedPlatformService::install();
    const QString expected = QStringLiteral("Error 1006: 'Record ID \"X\" not found'\rin frmMain: Sub cmdOK_Click - "
                                            "Line # 77\r\rPlease contact support@tallivo.example with this error "
                                            "message.");
    platform.expectMessage(expected);
    gui::showErrorBox({"frmMain", "Sub", "cmdOK_Click"}, 77, act::Error{1006, "Record ID \"X\" not found"});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("Tallivo error"));
    EXPECT_EQ(platform.messages[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(platform.messages[0].icon, gui::MessageIcon::None);
    EXPECT_EQ(platform.pending(), 0u);
}
