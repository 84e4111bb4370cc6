#include "support/act/FakeFieldList.h"
#include "support/gui/WidgetTest.h"

#include "gui/editor/frmSubTotalOptions.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

class SubTotalOptionsTest : public testing_support::WidgetTest {
protected:
    void open(int section, bool below, const QString& stored = QString()) {
        for (const QString& setting : stored.split(u' ', Qt::SkipEmptyParts))
            definition.setValue(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        dialog = std::make_unique<gui::frmSubTotalOptions>(definition, fields, section, below);
        ASSERT_TRUE(dialog->Form_Load());
        dialog->show();
    }
    template <typename T = QWidget> T* child(const QString& name) const { return dialog->findChild<T*>(name); }
    void click(const QString& name) const { testing_support::press(child<QAbstractButton>(name)); }
    void select(int column) const { child<QComboBox>(u"cboFields"_s)->setCurrentIndex(column); }
    // "1" or "0" a control: ticked, or with enabled set, available.
    QString states(const QString& names, bool enabled = false) const {
        QString result;
        for (const QString& name : names.split(u' '))
            result += (enabled ? child(name)->isEnabled() : child<QAbstractButton>(name)->isChecked()) ? u'1' : u'0';
        return result;
    }
    QString text(const QString& name) const { return child<QLineEdit>(name)->text(); }

    core::ReportDefinition definition;
    testing_support::FakeFieldList fields{{{16, "City", 1}, {24, "Revenue", 6}, {25, "Employees", 5}}};
    std::unique_ptr<gui::frmSubTotalOptions> dialog;
};

const QString ColumnControls =
    u"cboFields optCalc(0) optCalc(1) optCalc(2) optCalc(3) chkDifferent chkLineabove cmdFont"_s;

TEST_F(SubTotalOptionsTest, WithoutColumnsTheColumnControlsAreUnavailable) {
    open(0, true);
    EXPECT_EQ(text(u"txtCaptionCol"_s) + states(u"chkBorder chkEmptyBefore chkEmptyAfter"_s), u"1100"_s);
    EXPECT_EQ(states(ColumnControls + u" cmdBorder"_s, true), u"000000001"_s);
}

TEST_F(SubTotalOptionsTest, ColumnsAreKeyedByFieldAndOnlyTheUsersChangesWrite) {
    // More ids than names; a stored total on a text column whose own formatting is on; a calculation not offered.
    const QString font = u"16FontName1=Courier 16FontSize1=9 16FontBold1=True 16FontItalic1=True "
                         "16FontUnderline1=True 16FontColor1=255 16FontStrikeThru1=True 16LineAbove1=1"_s;
    platform.expectMessage(u"Some settings of this report could not be read:\r\r24CalcType1 = \"7\": the default is "
                           "shown"_s);
    open(1, true,
         u"FieldsIncluded=16\f25\f24\f FieldNamesIncluded=Town\fStaff\f 16CalcType1=1 16Different1=1 24CalcType1=7 "
         "16FontName0=Kept TotalCaption1=Old "_s +
             font);
    const core::ReportDefinition loaded = definition;
    auto* names = child<QComboBox>(u"cboFields"_s);
    EXPECT_EQ(names->itemText(0) + names->itemText(1) + names->itemText(2), u"TownStaffRevenue"_s);
    for (const int column : {1, 2, 0})
        select(column);
    EXPECT_EQ(definition, loaded);
    // Text: Total and Average unavailable, the stored Total shown.
    EXPECT_EQ(states(u"optCalc(1) chkDifferent chkLineabove"_s) + states(ColumnControls, true), u"11111001111"_s);
    select(1);
    EXPECT_EQ(states(ColumnControls, true), u"11111100"_s);
    click(u"optCalc(2)"_s);
    EXPECT_EQ(definition.value(u"25CalcType1"_s), u"2"_s);
    // A column font cancelled keeps its empty typeface: the row's.
    click(u"chkDifferent"_s);
    platform.expectFont([](const core::FontFormat&) { return std::nullopt; });
    click(u"cmdFont"_s);
    EXPECT_EQ(definition.value(u"25FontName1"_s, u"<absent>"_s) + definition.value(u"25FontSize1"_s), u"11"_s);

    select(0);
    click(u"chkDifferent"_s);
    // The seven font keys go; the line above is left at "0".
    for (const QString& setting : font.split(u' '))
        EXPECT_EQ(definition.value(setting.section(u'=', 0, 0)),
                  setting.startsWith(u"16LineAbove"_s) ? u"0"_s : QString())
            << setting.toStdString();
    EXPECT_EQ(definition.value(u"16Different1"_s) + definition.value(u"16FontName0"_s), u"0Kept"_s);
    EXPECT_EQ(states(u"chkLineabove"_s) + states(u"chkLineabove cmdFont"_s, true), u"000"_s);

    child<QLineEdit>(u"txtCaption"_s)->setText(u"New"_s);
    click(u"cmdCancel"_s);
    EXPECT_EQ(definition.value(u"TotalCaption1"_s) + definition.value(u"25CalcType1"_s), u"Old2"_s);
}

TEST_F(SubTotalOptionsTest, CloseRefusesACaptionColumnOutsideTheReportsColumns) {
    open(0, true, u"FieldsIncluded=16\f24\f"_s);
    for (const QString& refused : {QString(), u"0"_s, u"3"_s}) {
        child<QLineEdit>(u"txtCaptionCol"_s)->setText(refused);
        platform.expectMessage(u"Please enter a column number from 1 to 2 in the box \"Write this caption in "
                               "column :\"."_s);
        click(u"cmdClose"_s);
        EXPECT_TRUE(dialog->isVisible() && definition.value(u"TotalCaptionCol0"_s).isNull()) << refused.toStdString();
    }
    child<QLineEdit>(u"txtCaptionCol"_s)->setText(u"2"_s);
    click(u"cmdClose"_s);
    EXPECT_FALSE(dialog->isVisible());
    QStringList written;
    for (const QString& key :
         {u"TotalCaptionCol0"_s, u"TotalCaption0"_s, u"TotalBorder0"_s, u"TotalEmptyBefore0"_s, u"TotalEmptyAfter0"_s})
        written.append(definition.value(key));
    EXPECT_EQ(written.join(u'|'), u"2|Total for <value> :|1|0|0"_s);
}

} // namespace
