#include "support/gui/WidgetTest.h"

#include "gui/common/ErrorBox.h"

class ErrorBoxTest : public testing_support::WidgetTest {};

TEST_F(ErrorBoxTest, ShowsActsOwnNumberAndDescriptionInTheProgramWideBox) {
    platform.expectErrorBox({"frmMain", "Sub", "cmdOK_Click"}, 1006, QStringLiteral("Record ID \"X\" not found"));
    gui::showErrorBox({"frmMain", "Sub", "cmdOK_Click"}, 77, act::Error{1006, "Record ID \"X\" not found"});
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, core::errorBoxTitle());
    EXPECT_EQ(platform.messages[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(platform.messages[0].icon, gui::MessageIcon::None);
}
