#include "support/gui/WidgetTest.h"

#include "gui/common/FontDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

using FontDialogTest = testing_support::WidgetTest;

TEST_F(FontDialogTest, KeepsATypefaceThisMachineLacksAndASizeWithDecimals) {
    const core::FontFormat preset{u"Arial"_s, true, false, true, false, 255, 10.5};
    ASSERT_FALSE(QFontDatabase::families().contains(preset.name)) << "this test needs a machine without Arial";
    gui::FontDialog dialog(preset);
    dialog.show();
    EXPECT_EQ(dialog.font(), preset);

    // A size that reads; one that does not keeps OK unavailable.
    auto* size = dialog.findChild<QComboBox*>(u"cboFontSize"_s);
    size->setCurrentText(u"409"_s);
    EXPECT_EQ(dialog.font().size, 409);
    size->setCurrentText(u"0"_s);
    EXPECT_FALSE(dialog.findChild<QAbstractButton*>(u"cmdOK"_s)->isEnabled());
    platform.expectColour(QColor(Qt::blue));
    testing_support::press(dialog.findChild<QAbstractButton*>(u"cmdColor"_s));
    EXPECT_EQ(platform.colourPresets.back(), QColor(Qt::red));
    EXPECT_EQ(dialog.font().colour, 16711680);
}

} // namespace
