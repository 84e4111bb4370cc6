#include "support/gui/MainWindowFixture.h"

#include "core/platform/ProgramFolder.h"
#include "gui/integration/frmIntegrate.h"
#include "standin/StateFile.h"

#include <QCheckBox>
#include <QTimer>

#include <map>

using namespace Qt::StringLiterals;
using testing_support::readBytes;
using testing_support::standinState;

namespace {

using AuxState = std::map<std::string, std::string>;

const QString RestartQuestion =
    u"You need to re-start ACT! for the changes to take effect!\r\nDo you want to re-start it now?"_s;
const QString Failure = u"Can't add icon or menu item automatically. You will need to proceed manually."_s;

// ACT! with Tallivo registered, its button on the Contact List toolbar and its entry in the Calendars' Tools menu.
const AuxState Integrated{{"registered", "1"},
                          {"command", "Tallivo|/opt/tallivo|/opt|Tallivo|Click to launch Tallivo|a.ico|b.ico|1"},
                          {"toolbar.2", "1"},
                          {"menu.5", "1"}};

void setAux(const AuxState& values) {
    testing_support::setStandinState(values, standin::StateData::Aux);
}

// The stand-in's [aux] section.
AuxState aux() {
    return standin::StateFile().read().value().sections().at(standin::StateData::Aux);
}

class IntegrateTest : public testing_support::MainWindowFixture {
protected:
    // Opens the dialog from the Options menu and runs the steps while it is open; they must close it.
    void integrate(const std::function<void()>& steps) {
        bool shown = false;
        QTimer::singleShot(0, window.get(), [&] {
            dialog = window->findChild<gui::frmIntegrate*>();
            shown = dialog && QApplication::activeModalWidget() == dialog;
            if (shown)
                steps();
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "the dialog was left open";
                modal->close();
            }
        });
        child<QAction>(u"mnuIntegrate"_s)->trigger();
        EXPECT_TRUE(shown);
    }
    template <typename T = QWidget> T* control(const QString& name, int index = -1) const {
        return dialog->findChild<T*>(index < 0 ? name : u"%1(%2)"_s.arg(name).arg(index));
    }
    QCheckBox* box(int index) const { return control<QCheckBox>(u"chkScreen"_s, index); }
    // Clicks a box on its indicator, or its label.
    void toggle(int index) const { testing_support::press(box(index)); }
    void clickLabel(int index) const { QTest::mouseClick(control(u"lblScreen"_s, index), Qt::LeftButton); }
    void press(const QString& button) const { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    QList<int> ticked() const {
        QList<int> boxes;
        for (int i = 0; i < 12; ++i)
            if (box(i)->isChecked())
                boxes.append(i);
        return boxes;
    }

    gui::frmIntegrate* dialog = nullptr;
};

TEST_F(IntegrateTest, LoadingShowsActsStateWithTheEmailRowDisabledAndChangesNothing) {
    setAux(Integrated);
    start();
    const QByteArray before = readBytes(env.stateFile());
    integrate([&] {
        EXPECT_EQ(ticked(), (QList<int>{1, 10}));
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(box(i)->isEnabled(), i != 5 && i != 11) << i;
        // The E-mail row's labels do nothing either.
        clickLabel(5);
        clickLabel(11);
        EXPECT_EQ(ticked(), (QList<int>{1, 10}));
        press(u"cmdOK"_s); // asks nothing
    });
    EXPECT_EQ(readBytes(env.stateFile()), before);
    EXPECT_TRUE(stillOpen());
}

TEST_F(IntegrateTest, BoxesAndLabelsAddAndRemoveAtOnceAndCloseOffersARestart) {
    setAux(Integrated);
    start();
    integrate([&] {
        toggle(0);      // tick: Contacts toolbar
        toggle(1);      // clear: Contact List toolbar
        clickLabel(6);  // tick: Contacts menu
        clickLabel(10); // clear: Calendars menu
        EXPECT_EQ(ticked(), (QList<int>{0, 6}));
        AuxState expected = Integrated;
        expected.insert_or_assign("toolbar.1", "1");
        expected.insert_or_assign("toolbar.2", "0");
        expected.insert_or_assign("menu.1", "1");
        expected.insert_or_assign("menu.5", "0");
        EXPECT_EQ(aux(), expected);
        platform.expectMessage(RestartQuestion, {}, QMessageBox::No);
        press(u"cmdOK"_s);
    });
    EXPECT_EQ(platform.messages.back().buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(stillOpen());
    EXPECT_EQ(standinState("database"), database.toStdString());
}

// A refusal is reported at once and again on Close, where a later change ACT! accepts does not hide it.
TEST_F(IntegrateTest, ARefusedTickShowsWhatActHasThenTheFirstAcceptedTickRegistersTheRunningExecutable) {
    setAux({{"refuse", "1"}});
    start();
    integrate([&] {
        platform.expectMessage(Failure);
        toggle(2);
        EXPECT_EQ(ticked(), QList<int>{});
        EXPECT_EQ(aux(), (AuxState{{"refuse", "1"}}));

        setAux({{"refuse", "0"}});
        toggle(2);
        const QString program = QCoreApplication::applicationFilePath();
        EXPECT_EQ(aux(), (AuxState{{"refuse", "0"},
                                   {"registered", "1"},
                                   {"command", u"Tallivo|%1|%2|Tallivo|Click to launch Tallivo|%2/tallivo.ico|"
                                               u"%2/tallivo32.ico|1"_s.arg(program, core::programFolder())
                                                   .toStdString()},
                                   {"toolbar.3", "1"}}));
        EXPECT_TRUE(QFileInfo(program).isExecutable()) << "ACT! would launch nothing";
        toggle(2); // ticked then cleared is still a change
        EXPECT_EQ(aux().at("toolbar.3"), "0");
        platform.expectMessage(Failure);
        platform.expectMessage(RestartQuestion, {}, QMessageBox::No);
        press(u"cmdOK"_s);
    });
}

TEST_F(IntegrateTest, YesSavesClosesAndReopensTheDatabaseAndEndsSayingWhenItCouldNotReopen) {
    for (const bool reopened : {true, false}) {
        testing_support::openInStandin(database);
        platform.endings.clear();
        platform.shellOpens.clear();
        platform.shellAccepts = reopened;
        start();
        switchOutput(1);
        integrate([&] {
            toggle(6);
            platform.expectMessage(RestartQuestion, {}, QMessageBox::Yes);
            if (!reopened)
                platform.expectMessage(u"ACT! has closed the database %1 and could not be made to reopen it. Please "
                                       u"open it in ACT! yourself."_s.arg(database));
            press(u"cmdOK"_s);
        });
        EXPECT_EQ(settings({u"cboOutput"_s}), QStringList{u"1"_s});
        EXPECT_EQ(standinState("database"), "");
        ASSERT_EQ(platform.shellOpens.size(), 1u);
        EXPECT_EQ(platform.shellOpens[0].file, database);
        EXPECT_FALSE(window->isVisible());
        // The restart's timing is the main window's own.
        EXPECT_TRUE(ended(3500));
        window.reset();
    }
}

TEST_F(IntegrateTest, CancelEscapeAndTheCloseButtonKeepTheChangesAndAskNothing) {
    start();
    const std::pair<std::string, std::function<void()>> closers[] = {
        {"cmdCancel", [&] { press(u"cmdCancel"_s); }},
        {"Escape", [&] { QTest::keyClick(dialog, Qt::Key_Escape); }},
        {"title bar", [&] { dialog->close(); }},
    };
    int view = 1;
    for (const auto& closer : closers) {
        integrate([&] {
            toggle(view - 1);
            closer.second();
        });
        EXPECT_EQ(aux().at("toolbar." + std::to_string(view++)), "1") << closer.first;
        EXPECT_TRUE(stillOpen()) << closer.first;
    }
}

TEST_F(IntegrateTest, WhenActCannotSayWhereTallivoIsOneErrorBoxAndNoDialog) {
    start();
    ASSERT_TRUE(QFile::remove(env.stateFile()) && QDir().mkpath(env.stateFile()));
    platform.expectErrorBox({"frmIntegrate", "Sub", "Form_Load"}, 1008,
                            testing_support::ScriptedPlatformService::AnyDescription);
    child<QAction>(u"mnuIntegrate"_s)->trigger();
    EXPECT_EQ(window->findChild<gui::frmIntegrate*>(), nullptr);

    // A backend without auxiliary commands.
    struct NoAuxCommands : standin::StandinBackend {
        std::shared_ptr<act::AuxCommands> CreateAuxCommands() override { return nullptr; }
    } noAux;
    gui::frmIntegrate withoutAux(noAux, gui::IntegrateProperties());
    platform.expectErrorBox({"frmIntegrate", "Sub", "Form_Load"}, 91);
    EXPECT_FALSE(withoutAux.Form_Load());
}

} // namespace
