#include "support/gui/WidgetTest.h"

#include "gui/common/DesktopPlatformService.h"
#include "gui/common/FontDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

using FontDialogTest = testing_support::WidgetTest;

TEST_F(FontDialogTest, OKWithoutAChangeGivesThePresetBackExactly) {
    // Typefaces this machine lacks (Qt's own dialog would swap them), an empty one (a column's: the row's font), and
    // sizes Qt's dialog would round.
    const core::FontFormat presets[] = {{u"Arial"_s, true, false, true, false, 255, 10.5},
                                        {u"No Such Typeface Anywhere"_s, false, true, false, true, 16711680, 8.25},
                                        {QString(), false, false, false, false, 0, 11}};
    for (const core::FontFormat& preset : presets) {
        QTimer::singleShot(0, qApp, [] {
            testing_support::press(QApplication::activeModalWidget()->findChild<QAbstractButton*>(u"cmdOK"_s));
        });
        EXPECT_EQ(gui::DesktopPlatformService().chooseFont(nullptr, preset), preset) << preset.name.toStdString();
    }
}

TEST_F(FontDialogTest, TakesSizesThatACellTakesAndAColourAsWindowsKeepsIt) {
    gui::FontDialog dialog({u"Arial"_s, true, false, true, false, 255, 10.5});
    dialog.show();
    auto* size = dialog.findChild<QComboBox*>(u"cboFontSize"_s);
    auto* ok = dialog.findChild<QAbstractButton*>(u"cmdOK"_s);
    const std::pair<QString, std::optional<double>> sizes[] = {
        {u"409"_s, 409}, {u"10,25"_s, 10.25}, {u"0"_s, {}}, {u"410"_s, {}}, {QString(), {}}};
    for (const auto& [typed, read] : sizes) {
        size->setCurrentText(typed);
        EXPECT_EQ(ok->isEnabled(), read.has_value()) << typed.toStdString();
        EXPECT_EQ(dialog.font().size, read.value_or(10.5)) << typed.toStdString();
    }
    platform.expectColour(QColor(Qt::blue));
    testing_support::press(dialog.findChild<QAbstractButton*>(u"cmdColor"_s));
    EXPECT_EQ(platform.colourPresets.back(), QColor(Qt::red));
    EXPECT_EQ(dialog.font().colour, 16711680);
}

} // namespace
