#include "support/gui/WidgetTest.h"

#include "gui/common/ColourBox.h"
#include "gui/editor/frmBorder.h"

#include <QComboBox>

using namespace Qt::StringLiterals;

namespace {

class BorderTest : public testing_support::WidgetTest {
protected:
    // Shows the dialog on the line of a prefix and an index, as its callers open it; then the style and colour shown.
    QString open(const QString& prefix, int index) {
        border = std::make_unique<gui::frmBorder>(definition);
        border->sRegistry = prefix;
        border->iRegistry = index;
        border->Load_settings();
        border->show();
        return style()->currentText() + u' ' + QString::number(colour()->colour());
    }
    QComboBox* style() const { return border->findChild<QComboBox*>(u"cboBorderStyle"_s); }
    gui::ColourBox* colour() const { return border->findChild<gui::ColourBox*>(u"picColor"_s); }
    // OK, then the colour and style written.
    QString ok(const QString& prefix, int index) {
        testing_support::press(border->findChild<QAbstractButton*>(u"cmdOK"_s));
        return definition.value(prefix + u"BorderColor"_s + QString::number(index)) + u' ' +
               definition.value(prefix + u"BorderStyle"_s + QString::number(index));
    }

    core::ReportDefinition definition;
    std::unique_ptr<gui::frmBorder> border;
};

TEST_F(BorderTest, OKWritesItsKeysExactlyAndWhatCannotBeShownIsNamedOnceAndReplaced) {
    EXPECT_EQ(open(u"Title"_s, 1), u"Thin 0"_s);
    testing_support::press(border->findChild<QAbstractButton*>(u"cmdCancel"_s));
    EXPECT_EQ(definition, core::ReportDefinition());

    const QString unread = u"Some settings of this report could not be read:\r\r%1 = \"%2\": the default is shown"_s;
    definition.setValue(u"TitleBorderColor1"_s, u"255"_s);
    definition.setValue(u"TitleBorderStyle1"_s, u"7"_s);
    platform.expectMessage(unread.arg(u"TitleBorderStyle1"_s, u"7"_s));
    EXPECT_EQ(open(u"Title"_s, 1), u"Thin 255"_s);
    platform.expectColour(std::nullopt);
    QTest::mouseDClick(colour(), Qt::LeftButton);
    EXPECT_EQ(platform.colourPresets.back(), QColor(Qt::red));
    style()->setCurrentIndex(3);
    EXPECT_EQ(ok(u"Title"_s, 1), u"255 3"_s);

    // Colours that are no Windows colour value, or no number; then blue chosen.
    for (const QString& stored : {u"16777216"_s, u"-1"_s, u"red"_s}) {
        definition.setValue(u"TotalBorderColor99"_s, stored);
        platform.expectMessage(unread.arg(u"TotalBorderColor99"_s, stored));
        EXPECT_EQ(open(u"Total"_s, 99), u"Thin 0"_s);
        platform.expectColour(QColor(Qt::blue));
        QTest::mouseDClick(colour(), Qt::LeftButton);
        EXPECT_EQ(ok(u"Total"_s, 99), u"16711680 0"_s);
    }
}

} // namespace
