#include "support/gui/WidgetTest.h"

#include "gui/common/TextBoxHelpers.h"

#include <vector>

using namespace Qt::StringLiterals;
using testing_support::paste;

namespace {

class TextBoxHelpersTest : public testing_support::WidgetTest {};

TEST_F(TextBoxHelpersTest, NumericBoxTakesOnlyDigitsTypedOrPastedUntilTurnedOffAndKeepsTheCaseStyle) {
    QLineEdit box;
    gui::ForceTextBoxCase(&box, 1);
    gui::ForceTextBoxNumeric(&box, true);
    QTest::keyClicks(&box, u"1a2-3 ½"_s);
    EXPECT_EQ(box.text(), u"123"_s);
    for (const QString& refused : {u"45x"_s, u"٣"_s})
        paste(&box, refused);
    paste(&box, u"45"_s);
    EXPECT_EQ(box.text(), u"12345"_s);

    gui::ForceTextBoxNumeric(&box, false);
    QTest::keyClicks(&box, u"a-"_s);
    paste(&box, u"x"_s);
    gui::ForceTextBoxCase(&box, 0);
    QTest::keyClicks(&box, u"x"_s);
    EXPECT_EQ(box.text(), u"12345A-Xx"_s);
}

TEST_F(TextBoxHelpersTest, CaseModesTurnWhatIsTypedAndUpperCaseWinsWhenBothAreForced) {
    // Any value but 0, 1 and 2 changes nothing.
    const std::pair<std::vector<int>, QString> cases[] = {
        {{0}, u"aBc1"_s},     {{1}, u"ABC1"_s},    {{2}, u"abc1"_s},    {{1, 7}, u"ABC1"_s},
        {{2, -1}, u"abc1"_s}, {{2, 1}, u"ABC1"_s}, {{1, 2}, u"ABC1"_s}, {{2, 1, 0}, u"aBc1"_s}};
    for (const auto& [modes, typed] : cases) {
        QLineEdit box;
        for (int mode : modes)
            gui::ForceTextBoxCase(&box, mode);
        QTest::keyClicks(&box, u"aBc1"_s);
        EXPECT_EQ(box.text(), typed) << ::testing::PrintToString(modes);
    }
}

} // namespace
