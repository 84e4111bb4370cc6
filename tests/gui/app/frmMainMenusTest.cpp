#include "support/gui/MainWindowFixture.h"

#include <QMenu>
#include <QSignalSpy>

using namespace Qt::StringLiterals;
using testing_support::texts;

namespace {

// The names of a menu's entries that are enabled, or that are disabled.
QStringList entries(const QMenu* menu, bool enabled) {
    QStringList names;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator() && action->isEnabled() == enabled)
            names.append(action->objectName());
    return names;
}

QPoint centreOf(const QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

// An option button takes clicks on its indicator and caption only, not on the rest of its width.
void clickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

class MenusTest : public testing_support::MainWindowFixture {
protected:
    void switchOutput(int index) { child<QComboBox>(u"cboOutput"_s)->setCurrentIndex(index); }
};

TEST_F(MenusTest, ReportMenuFollowsTheListAndTheOutput) {
    start();
    auto* report = child<QMenu>(u"mnuReport"_s);
    EXPECT_EQ(entries(report, false), QStringList());
    // The template and conversion entries serve Excel reports only; switching clears the selection.
    switchOutput(1);
    EXPECT_EQ(entries(report, false), (QStringList{u"mnuConvert"_s, u"mnuEditTemplate"_s}));
    EXPECT_TRUE(texts(child<QListWidget>(u"lstReports"_s), true).isEmpty());
    // No reports of this output at all: only New.
    QFile::remove(reportFolder + u"/Phone List.DCS"_s);
    switchOutput(0);
    switchOutput(1);
    EXPECT_EQ(entries(report, true), QStringList{u"mnuNew"_s});
}

TEST_F(MenusTest, RightClickShowsThePopupForTheSelectedReportWithoutChangingTheSelection) {
    store({{u"ReportsListIndex"_s, u"-1"_s}});
    start();
    auto* reports = child<QListWidget>(u"lstReports"_s);
    auto* popup = child<QMenu>(u"mnuPopup"_s);
    const auto rightClick = [&](int row, int selected, bool enabled, const QStringList& names) {
        reports->setCurrentRow(selected);
        const QStringList before = texts(reports, true);
        QTest::mouseClick(reports->viewport(), Qt::RightButton, {}, centreOf(reports, row));
        ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }));
        EXPECT_EQ(texts(reports, true), before);
        EXPECT_EQ(entries(popup, enabled), names);
        popup->close();
    };
    rightClick(1, -1, true, {u"mnuPopupNew"_s});
    rightClick(1, 0, false, {});
    switchOutput(1);
    rightClick(0, 0, false, {u"mnuPopupConvert"_s, u"mnuPopupEditTemplate"_s});
}

TEST_F(MenusTest, DoubleClickEditsOnlyASelectedReport) {
    store({{u"ReportsListIndex"_s, u"-1"_s}});
    start();
    auto* reports = child<QListWidget>(u"lstReports"_s);
    QSignalSpy edits(child<QAction>(u"mnuPopupEdit"_s), &QAction::triggered);
    QTest::mouseDClick(reports->viewport(), Qt::LeftButton, {}, QPoint(10, reports->viewport()->height() - 5));
    EXPECT_EQ(edits.count(), 0);
    QTest::mouseClick(reports->viewport(), Qt::LeftButton, {}, centreOf(reports, 1));
    QTest::mouseDClick(reports->viewport(), Qt::LeftButton, {}, centreOf(reports, 1));
    EXPECT_EQ(edits.count(), 1);
}

TEST_F(MenusTest, ManagerFilterEnablesTheUsersAndAllUsersClearsThem) {
    start();
    auto* users = child<QListWidget>(u"lstUsers"_s);
    child<QTabWidget>(u"mstSSTab"_s)->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QCoreApplication::processEvents();
    clickOption(child<QRadioButton>(u"optManagedby(1)"_s));
    EXPECT_TRUE(users->isEnabled());
    QTest::mouseClick(users->viewport(), Qt::LeftButton, {}, centreOf(users, 3));
    EXPECT_EQ(texts(users, true), QStringList{u"Dana Reyes"_s});
    clickOption(child<QRadioButton>(u"optManagedby(0)"_s));
    EXPECT_FALSE(users->isEnabled());
    EXPECT_TRUE(texts(users, true).isEmpty());
    // Closing with no user selected keeps the stored users.
    store({{u"lstUsers0"_s, u"Bob"_s}});
    window->close();
    EXPECT_EQ(setting(u"lstUsers0"_s), u"Bob"_s);
}

TEST_F(MenusTest, ANewTemplateFolderListsItsReportsAtTheNextOutputSwitch) {
    const QString other = env.path(u"other"_s);
    addExcelReport(other, u"Budget"_s);
    start();
    platform.expectFolder(other);
    platform.expectMessage(u"You need to restart the program for the changes to take effect."_s);
    QTimer::singleShot(0, window.get(), [] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        QTest::mouseClick(dialog->findChild<QPushButton*>(u"cmdBrowse"_s), Qt::LeftButton);
        QTest::mouseClick(dialog->findChild<QPushButton*>(u"cmdOK"_s), Qt::LeftButton);
    });
    child<QAction>(u"mnuTemplateFolder"_s)->trigger();
    switchOutput(1);
    switchOutput(0);
    EXPECT_EQ(texts(child<QListWidget>(u"lstReports"_s)), QStringList{u"Budget"_s});
}

} // namespace
