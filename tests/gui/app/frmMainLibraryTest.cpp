#include "support/gui/MainWindowFixture.h"

#include "core/library/LibraryTexts.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

using namespace Qt::StringLiterals;
using testing_support::onDialog;
using testing_support::readBytes;
using testing_support::texts;
namespace say = core::texts;

namespace {

void click(const QDialog* dialog, const QString& button) {
    QTest::mouseClick(dialog->findChild<QAbstractButton*>(button), Qt::LeftButton);
}
// Types a name into a name dialog and presses OK.
void enter(const QDialog* dialog, const QString& name) {
    dialog->findChild<QLineEdit*>(u"txtNewName"_s)->clear();
    QTest::keyClicks(dialog->findChild<QLineEdit*>(u"txtNewName"_s), name);
    click(dialog, u"cmdOK"_s);
}

// The fixture's reports (Excel: agenda, Contacts by City; CSV: Phone List) and the stock files.
class LibraryTest : public testing_support::MainWindowFixture {
protected:
    LibraryTest() {
        for (const QString& stock : {u"tlv_template.XLT=T"_s, u"tlv_def.DXL=D"_s, u"tlv_def.DCS=C"_s})
            writeFile(env.programFolder() + u'/' + stock.section(u'=', 0, 0), stock.section(u'=', 1));
    }
    void trigger(const QString& entry) const { child<QAction>(entry)->trigger(); }
    QString file(const QString& name) const { return reportFolder + u'/' + name; }
    QStringList selected() const { return texts(reports(), true); }
    void pick(const QString& name) const { reports()->setCurrentItem(reports()->findItems(name, Qt::MatchExactly)[0]); }
    void swapIn(const QString& name) const { ASSERT_TRUE(QFile::remove(file(name)) && QDir().mkpath(file(name))); }
};

TEST_F(LibraryTest, NewMakesAReportOfTheOutputTypeFromTheStockFilesAndSelectsIt) {
    const QString empty = env.path(u"empty"_s);
    QDir().mkpath(empty);
    store({u"TemplatesFolder="_s + empty});
    start();
    for (const auto& [output, entry] : {std::pair{0, u"mnuNew"_s}, {1, u"mnuPopupNew"_s}}) {
        switchOutput(output);
        EXPECT_FALSE(child<QAction>(u"mnuDelete"_s)->isEnabled());
        onDialog([&](QDialog* dialog) {
            // A point, a slash or a backslash never enters the box, typed or pasted.
            auto* box = dialog->findChild<QLineEdit*>(u"txtNewName"_s);
            QTest::keyClicks(box, u"a./\\b"_s);
            box->insert(u"../x"_s);
            EXPECT_EQ(box->text(), u"ab"_s);
            platform.expectMessage(say::NameRefused);
            enter(dialog, u"CON"_s);
            EXPECT_EQ(box->selectedText(), u"CON"_s);
            enter(dialog, u"Budget"_s);
        });
        trigger(entry);
        EXPECT_EQ(selected(), QStringList{u"Budget"_s});
        EXPECT_TRUE(child<QAction>(u"mnuDelete"_s)->isEnabled());
    }
    EXPECT_EQ(platform.messages[0].icon, gui::MessageIcon::Exclamation);
    EXPECT_EQ(readBytes(empty + u"/Budget.XLT"_s) + readBytes(empty + u"/Budget.DCS"_s), "TC");
}

TEST_F(LibraryTest, DuplicateCopiesThePickedReportAndKeepsTheSelectedOne) {
    start();
    pick(u"Contacts by City"_s);
    onDialog([](QDialog* dialog) { enter(dialog, u"Atlas"_s); });
    trigger(u"mnuPopupDuplicate"_s);
    // The list shifted; "&Run" still runs the same report.
    EXPECT_EQ(texts(reports()), (QStringList{u"agenda"_s, u"Atlas"_s, u"Contacts by City"_s}));
    EXPECT_EQ(selected(), QStringList{u"Contacts by City"_s});
    EXPECT_EQ(readBytes(file(u"Atlas.DXL"_s)), Definition.toUtf8());
    // The dialog lists as the main list does, with its report selected; a double-click copies the one picked there.
    onDialog([this](QDialog* dialog) {
        auto* list = dialog->findChild<QListWidget*>(u"lstReports"_s);
        EXPECT_EQ(texts(list) + texts(list, true), texts(reports()) + selected());
        onDialog([](QDialog* name) { enter(name, u"Beta"_s); });
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    });
    trigger(u"mnuDuplicate"_s);
    EXPECT_EQ(readBytes(file(u"Beta.DXL"_s)), readBytes(file(u"agenda.DXL"_s)));
    EXPECT_EQ(selected(), QStringList{u"Contacts by City"_s});
}

TEST_F(LibraryTest, RenameMovesTheReportRefusingAnotherReportsName) {
    start();
    onDialog([this](QDialog* dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit*>(u"txtNewName"_s)->selectedText(), u"agenda"_s);
        platform.expectMessage(say::NameTaken);
        enter(dialog, u"Contacts by City"_s);
        enter(dialog, u"Agenda"_s);
    });
    trigger(u"mnuPopupRename"_s);
    EXPECT_EQ(QDir(reportFolder).entryList({u"?genda.*"_s}), (QStringList{u"Agenda.DXL"_s, u"Agenda.XLT"_s}));
    EXPECT_EQ(selected(), QStringList{u"Agenda"_s});
    // Through the menu a cancelled rename keeps the selection, a done one selects the new name.
    for (const QString& name : {QString(), u"Zulu"_s}) {
        pick(u"Contacts by City"_s);
        onDialog([&](QDialog* dialog) {
            dialog->findChild<QListWidget*>(u"lstReports"_s)->setCurrentRow(0);
            onDialog([&](QDialog* rename) { name.isEmpty() ? click(rename, u"cmdCancel"_s) : enter(rename, name); });
            click(dialog, u"cmdOK"_s);
        });
        trigger(u"mnuRename"_s);
        EXPECT_EQ(selected(), QStringList{name.isEmpty() ? u"Contacts by City"_s : name});
    }
    EXPECT_EQ(texts(reports()), (QStringList{u"Contacts by City"_s, u"Zulu"_s}));
}

TEST_F(LibraryTest, DeleteAsksFirstAndSaysWhichFileCouldNotGo) {
    store({u"TemplatesFolder= "_s}); // blank: the standard folder
    addExcelReport(reportFolder, u"Budget"_s);
    start();
    pick(u"Budget"_s);
    for (const QMessageBox::StandardButton answer : {QMessageBox::Cancel, QMessageBox::Ok}) {
        platform.expectMessage(say::confirmDeletion(u"Budget"_s), {}, answer);
        trigger(u"mnuPopupDelete"_s);
        EXPECT_EQ(QFile::exists(file(u"Budget.DXL"_s)) || QFile::exists(file(u"Budget.XLT"_s)),
                  answer != QMessageBox::Ok);
    }
    const gui::MessageRequest asked = platform.messages.back();
    EXPECT_EQ(std::tuple(asked.title, asked.buttons, asked.icon, asked.defaultButton),
              std::tuple(u"Confirm Deletion"_s, QMessageBox::Ok | QMessageBox::Cancel, gui::MessageIcon::Critical,
                         QMessageBox::Cancel));
    EXPECT_EQ(selected(), QStringList{u"agenda"_s});
    // A definition that cannot go is named, and the list shows what is left.
    pick(u"Contacts by City"_s);
    platform.expectMessage(say::confirmDeletion(u"Contacts by City"_s), [this] { swapIn(u"Contacts by City.DXL"_s); });
    platform.expectErrorBox({"frmMain", "Sub", "mnuPopupDelete_Click"}, 75,
                            file(u"Contacts by City.DXL could not be deleted: Is a directory"_s));
    trigger(u"mnuPopupDelete"_s);
    EXPECT_EQ(texts(reports()), QStringList{u"agenda"_s});
    onDialog([this](QDialog* dialog) {
        platform.expectMessage(say::confirmDeletion(u"agenda"_s), [this] { swapIn(u"agenda.DXL"_s); });
        platform.expectErrorBox({"frmCopy", "Sub", "cmdOK_Click"}, 75,
                                file(u"agenda.DXL could not be deleted: Is a directory"_s));
        click(dialog, u"cmdOK"_s);
        // Still open, with nothing left to choose: OK does nothing.
        EXPECT_EQ(dialog->findChild<QListWidget*>(u"lstReports"_s)->count(), 0);
        click(dialog, u"cmdOK"_s);
        EXPECT_TRUE(dialog->isVisible());
        click(dialog, u"cmdCancel"_s);
    });
    trigger(u"mnuDelete"_s);
    EXPECT_EQ(reports()->count(), 0);
    EXPECT_FALSE(child<QAction>(u"mnuDelete"_s)->isEnabled());
}

TEST_F(LibraryTest, MakeCsvAsksBeforeReplacingAndKeepsTheOldOneWhole) {
    writeFile(file(u"agenda.DCS"_s), u"old"_s);
    start();
    platform.expectMessage(say::replaceCsvReport(u"agenda"_s), {}, QMessageBox::No);
    trigger(u"mnuPopupConvert"_s);
    EXPECT_EQ(std::pair(platform.messages.back().buttons, platform.messages.back().defaultButton),
              std::pair(QMessageBox::Yes | QMessageBox::No, QMessageBox::No));
    EXPECT_EQ(readBytes(file(u"agenda.DCS"_s)), "old");
    // Through the menu: a folder swapped in while the question is open fails the copy and keeps the dialog.
    onDialog([this](QDialog* dialog) {
        platform.expectMessage(
            say::replaceCsvReport(u"agenda"_s), [this] { swapIn(u"agenda.DCS"_s); }, QMessageBox::Yes);
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
}

TEST_F(LibraryTest, EditExcelTemplateHandsTheRealTemplateToTheLauncher) {
    QFile::rename(file(u"agenda.XLT"_s), file(u"agenda.xlt"_s));
    start();
    trigger(u"mnuPopupEditTemplate"_s);
    EXPECT_EQ(settings({u"Template"_s, u"TemplatePath"_s}), (QStringList{u"1"_s, file(u"agenda.xlt"_s)}));
    const core::ShellRequest& open = platform.shellOpens.at(0);
    EXPECT_EQ(std::tuple(open.verb, open.file, open.parameters, open.folder, open.showCode),
              std::tuple(u"open"_s, env.programFolder() + u"/LaunchIt.XLS"_s, QString(), env.programFolder(), 5));
    // A launcher that cannot be opened is reported; the keys are written all the same.
    store({u"Template=0"_s});
    platform.shellAccepts = false;
    onDialog([this](QDialog* dialog) {
        dialog->findChild<QListWidget*>(u"lstReports"_s)->setCurrentRow(1);
        platform.expectMessage(say::templateNotOpened(env.programFolder() + u"/Launch.XLS"_s));
        click(dialog, u"cmdOK"_s);
    });
    trigger(u"mnuEditTemplate"_s);
    EXPECT_EQ(settings({u"Template"_s, u"TemplatePath"_s}), (QStringList{u"1"_s, file(u"Contacts by City.XLT"_s)}));
}

TEST_F(LibraryTest, EditedColumnsOrderAndSortMakeTheNextRunsLayout) {
    start();
    // Through the menu the editor opens over the report list, on the report picked there.
    onDialog([](QDialog* list) {
        onDialog([](QDialog* editor) {
            EXPECT_EQ(editor->findChild<QLineEdit*>(u"txtReportName"_s)->text(), u"agenda"_s);
            editor->close();
        });
        click(list, u"cmdOK"_s);
    });
    trigger(u"mnuEdit"_s);
    // Record ID added and moved first, Company removed, City descending.
    onDialog([](QDialog* editor) {
        editor->findChild<QTabWidget*>(u"mstSettings"_s)->setCurrentIndex(1);
        editor->findChild<QListWidget*>(u"lstLeft"_s)
            ->findItems(u"Record ID"_s, Qt::MatchExactly)[0]
            ->setSelected(true);
        for (const QString& button : {u"cmdButton(2)"_s, u"cmdMove(1)"_s, u"cmdMove(1)"_s})
            click(editor, button);
        editor->findChild<QListWidget*>(u"lstRight"_s)->setCurrentRow(2, QItemSelectionModel::ClearAndSelect);
        click(editor, u"cmdButton(1)"_s);
        editor->findChild<QTabWidget*>(u"mstSettings"_s)->setCurrentIndex(2);
        editor->findChild<QRadioButton*>(u"optDescending(0)"_s)->setChecked(true);
        click(editor, u"cmdClose"_s);
    });
    const QPoint city = reports()->visualItemRect(reports()->item(1)).center();
    QTest::mouseClick(reports()->viewport(), Qt::LeftButton, {}, city);
    QTest::mouseDClick(reports()->viewport(), Qt::LeftButton, {}, city);
    run();
    EXPECT_EQ(readBytes(env.programFolder() + u"/data.CSV"_s),
              "\"REC000000002\",\"Oslo\"\r\n\"REC000000001\",\"Lyon\"\r\n\"REC000000003\",\"Lima\"\r\n");
}

} // namespace
