#include "WidgetTest.h"

#include "gui/common/TextBoxHelpers.h"
#include "gui/common/TextBoxValidator.h"

#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <vector>

namespace {

void paste(QLineEdit* box, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

class TextBoxHelpersTest : public testing_support::WidgetTest {};

TEST_F(TextBoxHelpersTest, NumericBoxTakesOnlyDigitsTypedOrPastedUntilTurnedOff) {
    QLineEdit box;
    gui::ForceTextBoxNumeric(&box, true);
    QTest::keyClicks(&box, QStringLiteral("1a2-3 ½"));
    EXPECT_EQ(box.text(), QStringLiteral("123"));
    for (const QString& refused : {QStringLiteral("45x"), QStringLiteral("٣")}) {
        paste(&box, refused);
        EXPECT_EQ(box.text(), QStringLiteral("123"));
    }
    paste(&box, QStringLiteral("45"));
    EXPECT_EQ(box.text(), QStringLiteral("12345"));

    gui::ForceTextBoxNumeric(&box, false);
    QTest::keyClicks(&box, QStringLiteral("a-"));
    paste(&box, QStringLiteral("x"));
    EXPECT_EQ(box.text(), QStringLiteral("12345a-x"));
}

TEST_F(TextBoxHelpersTest, CaseModesTurnWhatIsTypedAndUpperCaseWinsWhenBothAreForced) {
    struct Case {
        std::vector<int> modes;
        QString typed;
        bool upper, lower;
    };
    const Case cases[] = {
        {{0}, QStringLiteral("aBc1"), false, false},
        {{1}, QStringLiteral("ABC1"), true, false},
        {{2}, QStringLiteral("abc1"), false, true},
        {{1, 7}, QStringLiteral("ABC1"), true, false}, // any other value changes nothing
        {{2, -1}, QStringLiteral("abc1"), false, true},
        {{2, 1}, QStringLiteral("ABC1"), true, true},
        {{1, 2}, QStringLiteral("ABC1"), true, true},
        {{2, 1, 0}, QStringLiteral("aBc1"), false, false},
    };
    for (const Case& c : cases) {
        QLineEdit box;
        for (int mode : c.modes)
            gui::ForceTextBoxCase(&box, mode);
        QTest::keyClicks(&box, QStringLiteral("aBc1"));
        EXPECT_EQ(box.text(), c.typed) << c.modes.back();
        const auto* styles = box.findChild<gui::TextBoxValidator*>();
        ASSERT_NE(styles, nullptr);
        EXPECT_EQ(styles->upperCase(), c.upper) << c.modes.back();
        EXPECT_EQ(styles->lowerCase(), c.lower) << c.modes.back();
    }
}

TEST_F(TextBoxHelpersTest, NumericAndCaseStylesAreIndependent) {
    QLineEdit box;
    gui::ForceTextBoxCase(&box, 1);
    gui::ForceTextBoxNumeric(&box, true);
    QTest::keyClicks(&box, QStringLiteral("7q"));
    gui::ForceTextBoxNumeric(&box, false);
    QTest::keyClicks(&box, QStringLiteral("q"));
    gui::ForceTextBoxCase(&box, 0);
    QTest::keyClicks(&box, QStringLiteral("1x"));
    EXPECT_EQ(box.text(), QStringLiteral("7Q1x"));
}

TEST_F(TextBoxHelpersTest, GiveFocusSelectsTheWholeTextSoTypingReplacesIt) {
    QLineEdit box(QStringLiteral("Sales 2024"));
    box.setCursorPosition(3);
    gui::GiveFocus(&box);
    EXPECT_EQ(box.selectedText(), QStringLiteral("Sales 2024"));
    QTest::keyClicks(&box, QStringLiteral("Q1"));
    EXPECT_EQ(box.text(), QStringLiteral("Q1"));
}

} // namespace
