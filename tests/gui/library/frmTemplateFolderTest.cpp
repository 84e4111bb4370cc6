#include "support/gui/WidgetTest.h"

#include "core/settings/SettingsStore.h"
#include "gui/library/frmTemplateFolder.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

class TemplateFolderTest : public testing_support::WidgetTest {
protected:
    // Shown without blocking: the main window's tests drive it through exec().
    void open() {
        dialog = std::make_unique<gui::frmTemplateFolder>(store);
        QObject::connect(dialog.get(), &gui::frmTemplateFolder::reportFolderChanged, dialog.get(),
                         [this](const QString& path) { announced.append(path); });
        dialog->show();
    }
    QLineEdit* txtPath() const { return dialog->findChild<QLineEdit*>(u"txtPath"_s); }
    void click(const QString& name) const { QTest::mouseClick(dialog->findChild<QPushButton*>(name), Qt::LeftButton); }
    QString stored() const { return store.GetSetting(u"Settings"_s, u"TemplatesFolder"_s, u"<absent>"_s); }

    core::SettingsStore store;
    QStringList announced;
    std::unique_ptr<gui::frmTemplateFolder> dialog;
};

TEST_F(TemplateFolderTest, OkWithTheOpeningTextOrCancelStoresNothing) {
    for (const auto& [button, result] :
         {std::pair{u"cmdOK"_s, QDialog::Accepted}, {u"cmdCancel"_s, QDialog::Rejected}}) {
        open();
        QTest::keyClicks(txtPath(), u"/x"_s);
        if (result == QDialog::Accepted)
            QTest::keyClicks(txtPath(), u"\b\b"_s);
        click(button);
        EXPECT_EQ(dialog->result(), result);
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(stored(), u"<absent>"_s);
        EXPECT_TRUE(announced.isEmpty());
    }
}

TEST_F(TemplateFolderTest, OkWithANewFolderStoresItAsEnteredAndAsksForARestart) {
    for (const auto& [entered, reportFolder] : {std::pair{u"/srv/a"_s, u"/srv/a/"_s}, {u"/srv/b/"_s, u"/srv/b/"_s}}) {
        open();
        txtPath()->clear();
        QTest::keyClicks(txtPath(), entered);
        platform.expectMessage(u"You need to restart the program for the changes to take effect."_s);
        click(u"cmdOK"_s);
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
        EXPECT_EQ(stored(), entered);
        EXPECT_EQ(announced.takeFirst(), reportFolder);
        EXPECT_EQ(platform.messages.back().title, env.programFolder());
        // Reopened, it shows the folder as stored.
        open();
        EXPECT_EQ(txtPath()->text(), entered);
    }
}

TEST_F(TemplateFolderTest, AStoreThatCannotBeWrittenKeepsTheDialogOpen) {
    // A folder where the settings file should be: root ignores permissions.
    ASSERT_TRUE(QDir().mkpath(store.path()));
    open();
    QTest::keyClicks(txtPath(), u"/more"_s);
    platform.expectErrorBox({"frmTemplateFolder", "Sub", "cmdOK_Click"}, 75);
    click(u"cmdOK"_s);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(announced.isEmpty());
}

} // namespace
