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

const QString Absent = u"<absent>"_s;

class TemplateFolderTest : public testing_support::WidgetTest {
protected:
    // Shown without blocking: the main window's tests drive it through exec().
    gui::frmTemplateFolder& open() {
        m_dialog = std::make_unique<gui::frmTemplateFolder>(store);
        QObject::connect(m_dialog.get(), &gui::frmTemplateFolder::reportFolderChanged, m_dialog.get(),
                         [this](const QString& path) { announced.append(path); });
        m_dialog->show();
        return *m_dialog;
    }
    QLineEdit* txtPath() const { return m_dialog->findChild<QLineEdit*>(u"txtPath"_s); }
    void click(const QString& button) const {
        QTest::mouseClick(m_dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QString stored() const { return store.GetSetting(u"Settings"_s, u"TemplatesFolder"_s, Absent); }

    core::SettingsStore store;
    QStringList announced;

private:
    std::unique_ptr<gui::frmTemplateFolder> m_dialog;
};

TEST_F(TemplateFolderTest, OkWithTheOpeningTextOrCancelStoresNothing) {
    for (const auto& [button, result] :
         {std::pair{u"cmdOK"_s, QDialog::Accepted}, {u"cmdCancel"_s, QDialog::Rejected}}) {
        gui::frmTemplateFolder& dialog = open();
        QTest::keyClicks(txtPath(), u"/x"_s);
        if (result == QDialog::Accepted)
            QTest::keyClicks(txtPath(), u"\b\b"_s);
        click(button);
        EXPECT_EQ(dialog.result(), result);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(stored(), Absent);
        EXPECT_TRUE(announced.isEmpty());
    }
}

TEST_F(TemplateFolderTest, OkWithANewFolderStoresItAsEnteredAndAsksForARestart) {
    const std::pair<QString, QString> cases[] = {{u"/srv/reports"_s, u"/srv/reports/"_s},
                                                 {u"/srv/other/"_s, u"/srv/other/"_s}};
    for (const auto& [entered, reportFolder] : cases) {
        gui::frmTemplateFolder& dialog = open();
        txtPath()->clear();
        QTest::keyClicks(txtPath(), entered);
        platform.expectMessage(u"You need to restart the program for the changes to take effect."_s);
        click(u"cmdOK"_s);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(stored(), entered);
        EXPECT_EQ(announced.takeFirst(), reportFolder);
        EXPECT_EQ(platform.messages.back().title, env.programFolder());
        // Reopened, it shows the folder as stored.
        open();
        EXPECT_EQ(txtPath()->text(), entered);
    }
}

TEST_F(TemplateFolderTest, BrowseFillsInThePickedFolderAndCancellingItKeepsTheText) {
    open();
    platform.expectFolder(u"/srv/reports"_s);
    click(u"cmdBrowse"_s);
    EXPECT_EQ(txtPath()->text(), u"/srv/reports"_s);
    platform.expectFolder(std::nullopt);
    click(u"cmdBrowse"_s);
    EXPECT_EQ(txtPath()->text(), u"/srv/reports"_s);
}

TEST_F(TemplateFolderTest, AStoreThatCannotBeWrittenKeepsTheDialogOpen) {
    // A folder where the settings file should be: root ignores permissions.
    ASSERT_TRUE(QDir().mkpath(store.path()));
    gui::frmTemplateFolder& dialog = open();
    QTest::keyClicks(txtPath(), u"/more"_s);
    platform.expectErrorBox({"frmTemplateFolder", "Sub", "cmdOK_Click"}, 75);
    click(u"cmdOK"_s);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(announced.isEmpty());
}

} // namespace
