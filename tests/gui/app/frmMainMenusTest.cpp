#include "MainWindowFixture.h"

#include <QDir>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using testing_support::MainWindowFixture;
using testing_support::texts;

namespace {

std::map<QString, bool> enabledStates(const QMenu* menu) {
    std::map<QString, bool> states;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            states[action->objectName()] = action->isEnabled();
    return states;
}

QPoint centreOf(const QListWidget* list, int row) {
    return list->visualItemRect(list->item(row)).center();
}

// An option button takes clicks on its indicator and caption only, not on the rest of its width.
void clickOption(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

} // namespace

class MenusTest : public MainWindowFixture {};

TEST_F(MenusTest, ReportMenuFollowsTheListAndTheOutput) {
    start();
    auto* report = child<QMenu>(QStringLiteral("mnuReport"));
    EXPECT_EQ(report->title(), QStringLiteral("&Report  "));
    const std::map<QString, bool> all = {{QStringLiteral("mnuNew"), true},         {QStringLiteral("mnuEdit"), true},
                                         {QStringLiteral("mnuDelete"), true},      {QStringLiteral("mnuRename"), true},
                                         {QStringLiteral("mnuDuplicate"), true},   {QStringLiteral("mnuConvert"), true},
                                         {QStringLiteral("mnuEditTemplate"), true}};
    EXPECT_EQ(enabledStates(report), all);

    // CSV output: the template and conversion entries serve Excel reports only.
    auto* cbo = child<QComboBox>(QStringLiteral("cboOutput"));
    cbo->setCurrentIndex(1);
    auto csv = all;
    csv[QStringLiteral("mnuConvert")] = csv[QStringLiteral("mnuEditTemplate")] = false;
    EXPECT_EQ(enabledStates(report), csv);
    // Switching the output clears the report selection.
    EXPECT_TRUE(texts(child<QListWidget>(QStringLiteral("lstReports")), true).isEmpty());

    // No reports of this output at all: only New.
    QFile::remove(QDir(env.programFolder()).filePath(QStringLiteral("Templates/Phone List.DCS")));
    cbo->setCurrentIndex(0);
    cbo->setCurrentIndex(1);
    std::map<QString, bool> empty;
    for (const auto& entry : all)
        empty[entry.first] = entry.first == QStringLiteral("mnuNew");
    EXPECT_EQ(enabledStates(report), empty);
    for (const char* name : {"mnuTemplateFolder", "mnuIntegrate", "mnuManual", "mnuAbout"})
        EXPECT_TRUE(child<QAction>(QString::fromLatin1(name))->isEnabled()) << name;
}

TEST_F(MenusTest, RightClickShowsThePopupForTheSelectedReportWithoutChangingTheSelection) {
    store(QStringLiteral("ReportsListIndex"), QStringLiteral("-1"));
    start();
    auto* reports = child<QListWidget>(QStringLiteral("lstReports"));
    auto* popup = child<QMenu>(QStringLiteral("mnuPopup"));

    QTest::mouseClick(reports->viewport(), Qt::RightButton, {}, centreOf(reports, 1));
    ASSERT_TRUE(waitFor([&] { return popup->isVisible(); }));
    EXPECT_TRUE(texts(reports, true).isEmpty());
    for (const auto& [name, enabled] : enabledStates(popup))
        EXPECT_EQ(enabled, name == QStringLiteral("mnuPopupNew")) << name.toStdString();
    popup->close();

    reports->setCurrentRow(0);
    QTest::mouseClick(reports->viewport(), Qt::RightButton, {}, centreOf(reports, 1));
    ASSERT_TRUE(waitFor([&] { return popup->isVisible(); }));
    EXPECT_EQ(texts(reports, true), QStringList{QStringLiteral("agenda")});
    for (const auto& [name, enabled] : enabledStates(popup))
        EXPECT_TRUE(enabled) << name.toStdString();
    popup->close();

    child<QComboBox>(QStringLiteral("cboOutput"))->setCurrentIndex(1);
    reports->setCurrentRow(0);
    QTest::mouseClick(reports->viewport(), Qt::RightButton, {}, centreOf(reports, 0));
    ASSERT_TRUE(waitFor([&] { return popup->isVisible(); }));
    const auto states = enabledStates(popup);
    EXPECT_FALSE(states.at(QStringLiteral("mnuPopupEditTemplate")));
    EXPECT_FALSE(states.at(QStringLiteral("mnuPopupConvert")));
    EXPECT_TRUE(states.at(QStringLiteral("mnuPopupEdit")));
    popup->close();
}

TEST_F(MenusTest, DoubleClickEditsOnlyASelectedReport) {
    store(QStringLiteral("ReportsListIndex"), QStringLiteral("-1"));
    start();
    auto* reports = child<QListWidget>(QStringLiteral("lstReports"));
    QSignalSpy edits(child<QAction>(QStringLiteral("mnuPopupEdit")), &QAction::triggered);
    const QPoint below(10, reports->viewport()->height() - 5);
    QTest::mouseDClick(reports->viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(edits.count(), 0);
    QTest::mouseClick(reports->viewport(), Qt::LeftButton, {}, centreOf(reports, 1));
    QTest::mouseDClick(reports->viewport(), Qt::LeftButton, {}, centreOf(reports, 1));
    EXPECT_EQ(edits.count(), 1);
}

TEST_F(MenusTest, ManagerFilterEnablesTheUsersAndAllUsersClearsThem) {
    start();
    auto* users = child<QListWidget>(QStringLiteral("lstUsers"));
    auto* selected = child<QRadioButton>(QStringLiteral("optManagedby(1)"));
    child<QTabWidget>(QStringLiteral("mstSSTab"))->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    QCoreApplication::processEvents();
    clickOption(selected);
    EXPECT_TRUE(users->isEnabled());
    EXPECT_TRUE(texts(users, true).isEmpty());
    QTest::mouseClick(users->viewport(), Qt::LeftButton, {}, centreOf(users, 3));
    EXPECT_EQ(texts(users, true), QStringList{QStringLiteral("Dana Reyes")});
    clickOption(child<QRadioButton>(QStringLiteral("optManagedby(0)")));
    EXPECT_FALSE(users->isEnabled());
    EXPECT_TRUE(texts(users, true).isEmpty());
    // Closing with no user selected keeps the stored users.
    store(QStringLiteral("lstUsers0"), QStringLiteral("Bob"));
    m_window->close();
    EXPECT_EQ(setting(QStringLiteral("lstUsers0")), QStringLiteral("Bob"));
}

TEST_F(MenusTest, ManualOpensThroughTheShellAndAboutShowsTheProductName) {
    start();
    platform.setShellAccepts(false); // a failure is not reported
    child<QAction>(QStringLiteral("mnuManual"))->trigger();
    ASSERT_EQ(platform.shellOpens.size(), 1u);
    const core::ShellRequest& open = platform.shellOpens[0];
    EXPECT_EQ(open.verb, QStringLiteral("Open"));
    EXPECT_EQ(open.file, QDir(env.programFolder()).filePath(QStringLiteral("Tallivo_manual.pdf")));
    EXPECT_EQ(open.parameters, QString());
    EXPECT_EQ(open.folder, env.programFolder());
    EXPECT_EQ(open.showCode, 5);

    QString title;
    QTimer::singleShot(0, m_window.get(), [&] {
        QWidget* about = QApplication::activeModalWidget();
        ASSERT_NE(about, nullptr);
        title = about->windowTitle();
        about->close();
    });
    child<QAction>(QStringLiteral("mnuAbout"))->trigger();
    EXPECT_EQ(title, QStringLiteral("Tallivo"));
}
