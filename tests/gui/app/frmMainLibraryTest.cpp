#include "support/gui/MainWindowFixture.h"

#include "core/library/LibraryTexts.h"

#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;
using testing_support::readBytes;
using testing_support::texts;
namespace say = core::texts;

namespace {

// Acts on the next modal dialog once it is up.
void onDialog(std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, qApp, [act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}
void click(const QDialog* dialog, const QString& button) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}
QLineEdit* nameBox(const QDialog* dialog) {
    return dialog->findChild<QLineEdit*>(u"txtNewName"_s);
}
// Types a name into a name dialog and presses OK.
void enter(const QDialog* dialog, const QString& name) {
    nameBox(dialog)->clear();
    QTest::keyClicks(nameBox(dialog), name);
    click(dialog, u"cmdOK"_s);
}
QListWidget* listOf(const QDialog* dialog) {
    return dialog->findChild<QListWidget*>(u"lstReports"_s);
}

// The main window over the fixture's reports (Excel: agenda, Contacts by City; CSV: Phone List) and the stock files.
class LibraryTest : public testing_support::MainWindowFixture {
protected:
    LibraryTest() {
        for (const auto& [file, content] :
             {std::pair{u"tlv_template.XLT"_s, u"T"_s}, {u"tlv_def.DXL"_s, u"D"_s}, {u"tlv_def.DCS"_s, u"C"_s}})
            writeFile(env.programFolder() + u'/' + file, content);
    }
    void trigger(const QString& entry) const { child<QAction>(entry)->trigger(); }
    QString file(const QString& name) const { return reportFolder + u'/' + name; }
    QStringList selected() const { return texts(reports(), true); }
    void select(const QString& name) const {
        reports()->setCurrentItem(reports()->findItems(name, Qt::MatchExactly)[0]);
    }
    bool enabled(const QString& entry) const { return child<QAction>(entry)->isEnabled(); }
    void swapInFolder(const QString& name) const {
        ASSERT_TRUE(QFile::remove(file(name)) && QDir().mkpath(file(name)));
    }
};

TEST_F(LibraryTest, NewMakesAReportOfTheOutputTypeFromTheStockFilesAndSelectsIt) {
    const QString empty = env.path(u"empty"_s);
    QDir().mkpath(empty);
    store({u"TemplatesFolder="_s + empty});
    start();
    struct Case {
        int output;
        QString entry, name, caption, prompt;
    };
    const Case cases[] = {
        {0, u"mnuNew"_s, u"Budget"_s, u"New Excel Report"_s, u"Choose a name for the new Excel report :"_s},
        {1, u"mnuPopupNew"_s, u"Zeta"_s, u"New CSV File"_s, u"Choose a name for the new CSV file :"_s},
    };
    for (const Case& c : cases) {
        switchOutput(c.output);
        EXPECT_FALSE(enabled(u"mnuDelete"_s));
        // Cancel leaves the list as it was.
        onDialog([](QDialog* dialog) { click(dialog, u"cmdCancel"_s); });
        trigger(c.entry);
        onDialog([&](QDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), c.caption);
            EXPECT_EQ(dialog->findChild<QLabel*>(u"lblNew"_s)->text(), c.prompt);
            // A point, a slash or a backslash never enters the box, typed or pasted.
            QTest::keyClicks(nameBox(dialog), u"a./\\b"_s);
            nameBox(dialog)->insert(u"../x"_s);
            EXPECT_EQ(nameBox(dialog)->text(), u"ab"_s);
            platform.expectMessage(say::NameRefused);
            enter(dialog, u"CON"_s);
            EXPECT_EQ(nameBox(dialog)->selectedText(), u"CON"_s);
            enter(dialog, c.name);
        });
        trigger(c.entry);
        EXPECT_EQ(selected(), QStringList{c.name});
        EXPECT_TRUE(enabled(u"mnuDelete"_s));
    }
    EXPECT_EQ(platform.messages[0].icon, gui::MessageIcon::Exclamation);
    EXPECT_EQ(readBytes(empty + u"/Zeta.DCS"_s), "C");
    EXPECT_EQ(readBytes(empty + u"/Budget.XLT"_s), "T");
    // A CSV report of that name exists now.
    onDialog([](QDialog* dialog) {
        enter(dialog, u"Zeta"_s);
        click(dialog, u"cmdCancel"_s);
    });
    platform.expectMessage(say::NameTaken);
    trigger(u"mnuNew"_s);
}

TEST_F(LibraryTest, DuplicateCopiesThePickedReportAndKeepsTheSelectedOne) {
    start();
    select(u"Contacts by City"_s);
    onDialog([](QDialog* dialog) { enter(dialog, u"Atlas"_s); });
    trigger(u"mnuPopupDuplicate"_s);
    // The list shifted; the report "&Run" runs is still the same.
    EXPECT_EQ(texts(reports()), (QStringList{u"agenda"_s, u"Atlas"_s, u"Contacts by City"_s}));
    EXPECT_EQ(selected(), QStringList{u"Contacts by City"_s});
    EXPECT_EQ(readBytes(file(u"Atlas.DXL"_s)), Definition.toUtf8());

    // The dialog lists as the main list does, with its report selected; a double-click copies the one picked.
    onDialog([this](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), u"Duplicate report"_s);
        EXPECT_EQ(dialog->findChild<QPushButton*>(u"cmdOK"_s)->text(), u"&Duplicate"_s);
        QListWidget* list = listOf(dialog);
        EXPECT_EQ(texts(list), texts(reports()));
        EXPECT_EQ(texts(list, true), QStringList{u"Contacts by City"_s});
        onDialog([](QDialog* name) { enter(name, u"Beta"_s); });
        const QPoint agenda = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, agenda);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, agenda);
    });
    trigger(u"mnuDuplicate"_s);
    EXPECT_EQ(readBytes(file(u"Beta.XLT"_s)), "");
    EXPECT_EQ(selected(), QStringList{u"Contacts by City"_s});
    // New afterwards starts from the stock files again.
    onDialog([](QDialog* dialog) { enter(dialog, u"Gamma"_s); });
    trigger(u"mnuPopupNew"_s);
    EXPECT_EQ(readBytes(file(u"Gamma.DXL"_s)), "D");
}

TEST_F(LibraryTest, RenameMovesTheReportRefusingAnotherReportsName) {
    start();
    onDialog([this](QDialog* dialog) {
        EXPECT_EQ(nameBox(dialog)->selectedText(), u"agenda"_s);
        platform.expectMessage(say::NameTaken);
        enter(dialog, u"Contacts by City"_s);
        EXPECT_TRUE(dialog->isVisible());
        enter(dialog, u"Agenda"_s);
    });
    trigger(u"mnuPopupRename"_s);
    EXPECT_EQ(QDir(reportFolder).entryList(QDir::Files),
              (QStringList{u"Agenda.DXL"_s, u"Agenda.XLT"_s, u"Contacts by City.DXL"_s, u"Contacts by City.XLT"_s,
                           u"Phone List.DCS"_s}));
    EXPECT_EQ(selected(), QStringList{u"Agenda"_s});
    // The name unchanged: no refill.
    const QListWidgetItem* first = reports()->item(0);
    onDialog([](QDialog* dialog) { click(dialog, u"cmdOK"_s); });
    trigger(u"mnuPopupRename"_s);
    EXPECT_EQ(reports()->item(0), first);

    // Through the menu a cancelled rename keeps the selection, a done one selects the new name.
    for (const QString& name : {QString(), u"Zulu"_s}) {
        select(u"Contacts by City"_s);
        onDialog([&](QDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), u"Rename report"_s);
            listOf(dialog)->setCurrentRow(0);
            onDialog([&](QDialog* rename) { name.isEmpty() ? click(rename, u"cmdCancel"_s) : enter(rename, name); });
            click(dialog, u"cmdOK"_s);
        });
        trigger(u"mnuRename"_s);
        EXPECT_EQ(selected(), QStringList{name.isEmpty() ? u"Contacts by City"_s : name});
    }
    EXPECT_EQ(texts(reports()), (QStringList{u"Contacts by City"_s, u"Zulu"_s}));
}

TEST_F(LibraryTest, DeleteAsksFirstAndSaysWhichFileCouldNotGo) {
    // A blank stored folder is the standard one.
    store({u"TemplatesFolder= "_s});
    addExcelReport(reportFolder, u"Budget"_s);
    start();
    select(u"Budget"_s);
    platform.expectMessage(say::confirmDeletion(u"Budget"_s), {}, QMessageBox::Cancel);
    trigger(u"mnuPopupDelete"_s);
    const gui::MessageRequest& asked = platform.messages.back();
    EXPECT_EQ(asked.title, u"Confirm Deletion"_s);
    EXPECT_EQ(asked.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(asked.icon, gui::MessageIcon::Critical);
    EXPECT_EQ(asked.defaultButton, QMessageBox::Cancel);
    EXPECT_TRUE(QFile::exists(file(u"Budget.DXL"_s)));
    platform.expectMessage(say::confirmDeletion(u"Budget"_s));
    trigger(u"mnuPopupDelete"_s);
    EXPECT_FALSE(QFile::exists(file(u"Budget.DXL"_s)) || QFile::exists(file(u"Budget.XLT"_s)));
    EXPECT_EQ(selected(), QStringList{u"agenda"_s});

    // A definition that cannot go is named, and the list shows what is left.
    select(u"Contacts by City"_s);
    platform.expectMessage(say::confirmDeletion(u"Contacts by City"_s),
                           [this] { swapInFolder(u"Contacts by City.DXL"_s); });
    platform.expectErrorBox({"frmMain", "Sub", "mnuPopupDelete_Click"}, 75,
                            file(u"Contacts by City.DXL could not be deleted: Is a directory"_s));
    trigger(u"mnuPopupDelete"_s);
    EXPECT_EQ(texts(reports()), QStringList{u"agenda"_s});
    EXPECT_TRUE(QFile::exists(file(u"Contacts by City.XLT"_s)));
    onDialog([this](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), u"Delete report"_s);
        platform.expectMessage(say::confirmDeletion(u"agenda"_s), [this] { swapInFolder(u"agenda.DXL"_s); });
        platform.expectErrorBox({"frmCopy", "Sub", "cmdOK_Click"}, 75,
                                file(u"agenda.DXL could not be deleted: Is a directory"_s));
        click(dialog, u"cmdOK"_s);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(listOf(dialog)->count(), 0);
        // Nothing chosen: OK does nothing.
        click(dialog, u"cmdOK"_s);
        click(dialog, u"cmdCancel"_s);
    });
    trigger(u"mnuDelete"_s);
    EXPECT_EQ(reports()->count(), 0);
    EXPECT_FALSE(enabled(u"mnuDelete"_s));

    switchOutput(1);
    onDialog([this](QDialog* dialog) {
        platform.expectMessage(say::confirmDeletion(u"Phone List"_s));
        click(dialog, u"cmdOK"_s);
    });
    trigger(u"mnuDelete"_s);
    EXPECT_FALSE(QFile::exists(file(u"Phone List.DCS"_s)));
    EXPECT_FALSE(enabled(u"mnuDelete"_s));
}

TEST_F(LibraryTest, MakeCsvAsksBeforeReplacingAndKeepsTheOldOneWhole) {
    start();
    platform.expectMessage(say::CsvCreated);
    trigger(u"mnuPopupConvert"_s);
    EXPECT_EQ(readBytes(file(u"agenda.DCS"_s)), Definition.toUtf8());
    writeFile(file(u"agenda.DCS"_s), u"old"_s);
    platform.expectMessage(say::replaceCsvReport(u"agenda"_s), {}, QMessageBox::No);
    trigger(u"mnuPopupConvert"_s);
    EXPECT_EQ(platform.messages.back().buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(platform.messages.back().defaultButton, QMessageBox::No);
    EXPECT_EQ(readBytes(file(u"agenda.DCS"_s)), "old");

    // Through the menu: a folder swapped in while the question is open fails the copy and keeps the dialog.
    onDialog([this](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), u"Make CSV report"_s);
        EXPECT_EQ(dialog->findChild<QPushButton*>(u"cmdOK"_s)->text(), u"&Create"_s);
        platform.expectMessage(
            say::replaceCsvReport(u"agenda"_s), [this] { swapInFolder(u"agenda.DCS"_s); }, QMessageBox::Yes);
        platform.expectErrorBox({"frmCopy", "Sub", "cmdOK_Click"}, 75,
                                file(u"agenda.DCS could not be written: Is a directory"_s));
        click(dialog, u"cmdOK"_s);
        EXPECT_TRUE(dialog->isVisible());
        QDir(file(u"agenda.DCS"_s)).removeRecursively();
        platform.expectMessage(say::CsvCreated);
        click(dialog, u"cmdOK"_s);
    });
    trigger(u"mnuConvert"_s);
    EXPECT_EQ(readBytes(file(u"agenda.DCS"_s)), Definition.toUtf8());
    EXPECT_EQ(QDir(reportFolder).entryList(QDir::Hidden | QDir::Files).filter(u".tmp"_s), QStringList());
}

TEST_F(LibraryTest, EditExcelTemplateHandsTheRealTemplateToTheLauncher) {
    QFile::rename(file(u"agenda.XLT"_s), file(u"agenda.xlt"_s));
    start();
    trigger(u"mnuPopupEditTemplate"_s);
    EXPECT_EQ(settings({u"Template"_s, u"TemplatePath"_s}), (QStringList{u"1"_s, file(u"agenda.xlt"_s)}));
    ASSERT_EQ(platform.shellOpens.size(), 1u);
    const core::ShellRequest& open = platform.shellOpens[0];
    EXPECT_EQ((QStringList{open.verb, open.file, open.parameters, open.folder}),
              (QStringList{u"open"_s, env.programFolder() + u"/LaunchIt.XLS"_s, QString(), env.programFolder()}));
    EXPECT_EQ(open.showCode, 5);

    // A launcher that cannot be opened is reported; the keys are written all the same.
    store({u"Template=0"_s});
    platform.shellAccepts = false;
    onDialog([this](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), u"Edit Excel Template"_s);
        listOf(dialog)->setCurrentRow(1);
        platform.expectMessage(say::templateNotOpened(env.programFolder() + u"/Launch.XLS"_s));
        click(dialog, u"cmdOK"_s);
    });
    trigger(u"mnuEditTemplate"_s);
    EXPECT_EQ(settings({u"Template"_s, u"TemplatePath"_s}), (QStringList{u"1"_s, file(u"Contacts by City.XLT"_s)}));
    EXPECT_EQ(platform.shellOpens.back().file, env.programFolder() + u"/Launch.XLS"_s);
}

} // namespace
