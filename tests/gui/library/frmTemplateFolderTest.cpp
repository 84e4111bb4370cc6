#include "gui/common/WidgetTest.h"

#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsStore.h"
#include "gui/library/frmTemplateFolder.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString Absent = QStringLiteral("<absent>");
const QString RestartText = QStringLiteral("You need to restart the program for the changes to take effect.");

class TemplateFolderTest : public testing_support::WidgetTest {
protected:
    // Opens the dialog without blocking; the dialog allows it, and exec() is covered by Cancel.
    gui::frmTemplateFolder& open() {
        m_dialog = std::make_unique<gui::frmTemplateFolder>(store);
        QObject::connect(m_dialog.get(), &gui::frmTemplateFolder::reportFolderChanged, m_dialog.get(),
                         [this](const QString& path) { announced.append(path); });
        m_dialog->show();
        return *m_dialog;
    }
    QLineEdit* txtPath() const { return m_dialog->findChild<QLineEdit*>(QStringLiteral("txtPath")); }
    void click(const char* button) const {
        QTest::mouseClick(m_dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    QString stored() const { return store.GetSetting(core::keys::Settings, core::keys::TemplatesFolder, Absent); }
    QString defaultFolder() const { return env.programFolder() + QStringLiteral("/Templates"); }

    core::SettingsStore store;
    QStringList announced;

private:
    std::unique_ptr<gui::frmTemplateFolder> m_dialog;
};

TEST_F(TemplateFolderTest, OpensOnTheStoredFolderAsStoredOrTheFolderBesideTheProgram) {
    EXPECT_EQ(open().windowTitle(), QStringLiteral("Templates Folder"));
    EXPECT_EQ(txtPath()->text(), defaultFolder());

    store.SaveSetting(core::keys::Settings, core::keys::TemplatesFolder, QStringLiteral("/srv/reports/"));
    open();
    EXPECT_EQ(txtPath()->text(), QStringLiteral("/srv/reports/"));
}

TEST_F(TemplateFolderTest, BrowseFillsInThePickedFolderAndCancellingItKeepsTheText) {
    open();
    platform.expectFolder(QStringLiteral("/srv/reports"));
    click("cmdBrowse");
    EXPECT_EQ(txtPath()->text(), QStringLiteral("/srv/reports"));
    platform.expectFolder(std::nullopt);
    click("cmdBrowse");
    EXPECT_EQ(txtPath()->text(), QStringLiteral("/srv/reports"));
    EXPECT_EQ(platform.folderRequests, (std::vector<QString>{QString(), QString()})); // rooted at the desktop
}

TEST_F(TemplateFolderTest, OkWithTheOpeningTextStoresNothingAndShowsNothing) {
    gui::frmTemplateFolder& dialog = open();
    QTest::keyClicks(txtPath(), QStringLiteral("/x"));
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(txtPath(), Qt::Key_Backspace);
    click("cmdOK");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(stored(), Absent);
    EXPECT_TRUE(announced.isEmpty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TemplateFolderTest, OkWithANewFolderStoresItAsEnteredAndAsksForARestart) {
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("/srv/reports"), QStringLiteral("/srv/reports/")},
        {QStringLiteral("/srv/other/"), QStringLiteral("/srv/other/")},
    };
    for (const auto& [entered, reportFolder] : cases) {
        gui::frmTemplateFolder& dialog = open();
        txtPath()->clear();
        QTest::keyClicks(txtPath(), entered);
        platform.expectMessage(RestartText);
        click("cmdOK");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(stored(), entered);
        EXPECT_EQ(announced.takeFirst(), reportFolder);
    }
    for (const gui::MessageRequest& restart : platform.messages) {
        EXPECT_EQ(restart.title, env.programFolder());
        EXPECT_EQ(restart.buttons, QMessageBox::Ok);
        EXPECT_EQ(restart.icon, gui::MessageIcon::None);
    }
}

TEST_F(TemplateFolderTest, CancelStoresNothing) {
    gui::frmTemplateFolder dialog(store);
    QTimer::singleShot(0, &dialog, [&] {
        auto* path = dialog.findChild<QLineEdit*>(QStringLiteral("txtPath"));
        ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
        QTest::keyClicks(path, QStringLiteral("/elsewhere"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdCancel")), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(stored(), Absent);
}

TEST_F(TemplateFolderTest, AStoreThatCannotBeWrittenKeepsTheDialogOpen) {
    // A folder where the settings file should be: root ignores permissions.
    ASSERT_TRUE(QDir().mkpath(store.path()));
    gui::frmTemplateFolder& dialog = open();
    EXPECT_EQ(txtPath()->text(), defaultFolder());
    QTest::keyClicks(txtPath(), QStringLiteral("/more"));
    platform.expectErrorBox(75, QStringLiteral("Path/File access error"), QStringLiteral("frmTemplateFolder"),
                            QStringLiteral("cmdOK_Click"));
    click("cmdOK");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(announced.isEmpty());
}

} // namespace
