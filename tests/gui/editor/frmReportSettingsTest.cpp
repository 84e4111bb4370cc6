#include "support/act/FakeFieldList.h"
#include "support/gui/WidgetTest.h"

#include "core/definition/DefinitionFile.h"
#include "core/definition/DefinitionMessages.h"
#include "core/editor/EditorTexts.h"
#include "gui/common/ListState.h"
#include "gui/editor/frmReportSettings.h"
#include "standin/FieldCatalogue.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
using testing_support::FakeFieldList;
using testing_support::readBytes;
using testing_support::texts;
namespace say = core::texts;

namespace {

// The stand-in's field list, with the Title field's label in lower case.
std::vector<FakeFieldList::Field> catalogue() {
    std::vector<FakeFieldList::Field> fields;
    for (const standin::FieldDefinition& field : standin::newDatabaseCatalogue())
        fields.push_back({field.id, field.id == 7 ? "title" : field.label, field.type});
    return fields;
}

// The lines a definition file holds, "#" standing for each section index in turn.
QByteArray lines(const QStringList& settings) {
    QByteArray bytes;
    for (const QString& setting : settings)
        for (const int n : setting.contains(u'#') ? QList<int>{0, 1, 2} : QList<int>{-1})
            bytes += QString(setting).replace(u'#', QString::number(n)).toUtf8() + "\r\n";
    return bytes;
}

// The controls of a section as the editor shows them when nothing is stored.
const QString SectionControls = u"cboSortOrder(#) optAscending(#) txtTitleCaption(#) chkTitle(#) chkNoRepeat(#) "
                                u"chkBorderBelow(#) chkEmptyBefore(#) chkEmptyAfter(#) chkTotals(#) optBelow(#)"_s;

class EditorTest : public testing_support::WidgetTest {
protected:
    EditorTest() { QDir().mkpath(m_folder); }
    void TearDown() override {
        window.reset();
        gui::setExclusionText(QString());
        WidgetTest::TearDown();
    }

    // Opens the editor as its openers do, but without blocking; false when it would not open.
    bool open(const QString& name = u"Sales"_s, int outputType = 0) {
        window = std::make_unique<gui::frmReportSettings>(store, fields, gui::ReportToEdit{m_folder, name, outputType});
        if (!window->Form_Load())
            return false;
        window->show();
        return true;
    }
    QString path(const QString& file = u"Sales.DXL"_s) const { return m_folder + file; }
    void put(const QByteArray& bytes, const QString& file = u"Sales.DXL"_s) const {
        ASSERT_TRUE(testing_support::writeBytes(path(file), bytes));
    }
    template <typename T = QWidget> T* child(const QString& name) const { return window->findChild<T*>(name); }
    void click(const QString& name) const { testing_support::press(child<QAbstractButton>(name)); }
    void close() const { click(u"cmdClose"_s); }
    void showTab(int index) const { child<QTabWidget>(u"mstSettings"_s)->setCurrentIndex(index); }
    QListWidget* list(const QString& name) const { return child<QListWidget>(name); }
    void selectRows(const QString& name, const QList<qsizetype>& rows) const {
        list(name)->clearSelection();
        for (const qsizetype row : rows)
            list(name)->item(static_cast<int>(row))->setSelected(true);
    }
    // The working copy's values of keys, "<absent>" for a key it lacks.
    QString settings(const QString& keys) const {
        QStringList values;
        for (const QString& key : keys.split(u' '))
            values.append(store.GetSetting(u"Report"_s, key, u"<absent>"_s));
        return values.join(u' ');
    }
    // Each control's state, "#" standing for a section: a box's text, a list's choice, 1 or 0 for a ticked option.
    QString shown(const QString& names, int section = 0) const {
        QStringList states;
        for (QString name : names.split(u' ')) {
            name.replace(u'#', QString::number(section));
            if (auto* box = child<QLineEdit>(name))
                states.append(box->text());
            else if (auto* combo = child<QComboBox>(name))
                states.append(combo->currentText());
            else
                states.append(child<QAbstractButton>(name)->isChecked() ? u"1"_s : u"0"_s);
        }
        return states.join(u' ');
    }
    QString enabled(const QString& names) const {
        QString states;
        for (const QString& name : names.split(u' '))
            states += child(name)->isEnabled() ? u'1' : u'0';
        return states;
    }

    // Closes the next modal dialog once it shows, noting what a look at it finds ("none" when no dialog showed).
    void closeModal(const std::function<QString(QWidget*)>& look) {
        QTimer::singleShot(0, qApp, [this, look] {
            QWidget* modal = QApplication::activeModalWidget();
            modals.append(modal ? look(modal) : u"none"_s);
            if (modal)
                modal->close();
        });
    }

    core::SettingsStore store;
    FakeFieldList fields{catalogue()};
    QStringList modals;
    std::unique_ptr<gui::frmReportSettings> window;

private:
    const QString m_folder = env.path(u"reports/"_s);
};

TEST_F(EditorTest, NoKeysShowsEveryDefaultAndCloseWritesExactlyTheEditorsKeys) {
    put({});
    ASSERT_TRUE(open());
    EXPECT_EQ(shown(u"txtReportName txtTopLeftCol txtTopLeftRow chkHeader chkTotals(99) optBelow(99)"_s),
              u"Sales A 1 0 1 1"_s);
    for (int n = 0; n < 3; ++n)
        EXPECT_EQ(shown(SectionControls, n), u"_None 1 <value> 0 1 1 0 0 0 1"_s) << n;
    EXPECT_EQ(enabled(u"optAscending(0) optDescending(2)"_s), u"00"_s);
    EXPECT_EQ(list(u"lstRight"_s)->count(), 0);
    close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readBytes(path()),
              lines({u"FieldNamesIncluded="_s, u"FieldsIncluded="_s, u"Header=0"_s, u"NoRepeat#=1"_s, u"Sort#=0"_s,
                     u"SortOrder#=1"_s, u"SortType#=0"_s, u"Title#=0"_s, u"TitleBorderBelow#=1"_s,
                     u"TitleCaption#=<value>"_s, u"TitleEmptyAfter#=0"_s, u"TitleEmptyBefore#=0"_s, u"TopLeftCol=A"_s,
                     u"TopLeftRow=1"_s, u"TotalPos#=1"_s, u"TotalPos99=1"_s, u"Totals#=0"_s, u"Totals99=1"_s}));
}

TEST_F(EditorTest, EverySampleReportClosedUntouchedIsWrittenBackByteForByte) {
    for (const QString& file :
         {u"Contacts by City.DXL"_s, u"Contacts by Record Manager.DXL"_s, u"Phone List.DCS"_s, u"Mailing List.DCS"_s}) {
        const QByteArray sample = readBytes(testing_support::binary(u"Templates/"_s + file));
        put(sample, file);
        ASSERT_TRUE(open(file.chopped(4), file.endsWith(u"DCS"_s) ? 1 : 0));
        close();
        EXPECT_EQ(readBytes(path(file)), sample) << file.toStdString();
    }
}

TEST_F(EditorTest, AStoredDirectionIsReadAsTheRunReadsItAndKeptByAnUntouchedClose) {
    const std::tuple<const char*, bool, const char*> cases[] = {{"0", false, "1"}, {"x", false, "1"}, {"2", true, "2"}};
    for (const auto& [stored, descending, written] : cases) {
        put("FieldsIncluded=16\f\r\nSort0=16\r\nSortOrder0=" + QByteArray(stored) + "\r\n");
        ASSERT_TRUE(open());
        EXPECT_EQ(shown(u"optDescending(0)"_s), descending ? u"1"_s : u"0"_s) << stored;
        close();
        EXPECT_EQ(settings(u"SortOrder0"_s), QString::fromLatin1(written)) << stored;
        EXPECT_EQ(core::ReportDefinition::load(store).sortLevel(0).descending, descending) << stored;
    }
}

TEST_F(EditorTest, UnreadableValuesAreNamedOnceAndTheWindowOpensWhole) {
    put("Title0=x\r\nFieldsIncluded=16\fabc\f77\f2\r\nSort1=2\r\nTitle1=1\r\nOwn=kept\r\n");
    platform.expectMessage(u"Some settings of this report could not be read:\r\rTitle0 = \"x\": the default is shown\r"
                           "FieldsIncluded: \"abc\" is not a field number and is left out\r"
                           "FieldsIncluded: ACT! has no field 77; it is listed as \"(unknown field 77)\" until you "
                           "remove it\r\rClose saves what the window shows."_s);
    ASSERT_TRUE(open());
    EXPECT_EQ(texts(list(u"lstRight"_s)), (QStringList{u"City"_s, u"(unknown field 77)"_s, u"Company"_s}));
    EXPECT_EQ(shown(u"cboSortOrder(1) chkTitle(1) chkNoRepeat(2)"_s), u"Company 1 1"_s);
    for (const QString& included : {u"City"_s, u"Company"_s, u"Record Creator"_s, u"Private"_s})
        EXPECT_FALSE(texts(list(u"lstLeft"_s)).contains(included)) << included.toStdString();
    close();
    EXPECT_EQ(settings(u"FieldsIncluded Title0 Own"_s), u"16\f77\f2\f 0 kept"_s);
}

TEST_F(EditorTest, ADefinitionThatDoesNotLoadOpensNothingAndWritesNothing) {
    const std::pair<QByteArray, QString> cases[] = {
        {"<absent>", say::DefinitionMissing},
        {"A=1\r\nno setting\r\n",
         u"Line 2 of the definition file for this report is not a setting: \"no setting\" has no \"=\""_s}};
    for (const auto& [bytes, message] : cases) {
        put("Sort0=5\r\n", u"Other.DXL"_s);
        ASSERT_TRUE(core::Load_DefFile(store, path({}), u"Other"_s, 0).ok());
        QFile::remove(path());
        if (bytes != "<absent>")
            put(bytes);
        platform.expectMessage(message);
        EXPECT_FALSE(open());
        EXPECT_EQ(readBytes(path()), bytes == "<absent>" ? QByteArray("<unreadable>") : bytes);
        EXPECT_EQ(settings(u"Sort0"_s), u"5"_s);
    }
    // Columns that ACT! cannot name would be lost by a Close.
    put("FieldsIncluded=16\f2\f\r\n");
    fields.closed = true;
    platform.expectErrorBox({"frmReportSettings", "Sub", "Populate_lstRight"}, FakeFieldList::Closed.number,
                            QString::fromStdString(FakeFieldList::Closed.description));
    EXPECT_FALSE(open());
}

TEST_F(EditorTest, FieldsMoveBothWaysAndReturnToTheirAlphabeticalPlaceIgnoringCase) {
    put("FieldsIncluded=2\f3\f\r\n");
    ASSERT_TRUE(open());
    showTab(1);
    const QString buttons = u"cmdButton(0) cmdButton(1) cmdButton(2) cmdButton(3) cmdMove(0) cmdMove(1)"_s;
    EXPECT_EQ(enabled(buttons), u"100100"_s);
    const QStringList left = texts(list(u"lstLeft"_s));
    EXPECT_EQ(left.indexOf(u"title"_s), left.indexOf(u"State"_s) + 1);
    // Down at the end and up at the top change nothing.
    selectRows(u"lstRight"_s, {1});
    EXPECT_EQ(enabled(buttons), u"110111"_s);
    for (const QString& move : {u"cmdMove(0)"_s, u"cmdMove(1)"_s, u"cmdMove(1)"_s})
        click(move);
    EXPECT_EQ(texts(list(u"lstRight"_s)) + texts(list(u"lstRight"_s), true),
              (QStringList{u"Contact"_s, u"Company"_s, u"Contact"_s}));
    selectRows(u"lstRight"_s, {0, 1});
    EXPECT_EQ(enabled(buttons), u"110100"_s);
    // A selection on the left clears the right's; the fields go over in the left's order, the last selected.
    selectRows(u"lstLeft"_s, {left.indexOf(u"title"_s), left.indexOf(u"City"_s)});
    EXPECT_EQ(enabled(buttons), u"101100"_s);
    click(u"cmdButton(2)"_s);
    EXPECT_EQ(texts(list(u"lstRight"_s)) + texts(list(u"lstRight"_s), true),
              (QStringList{u"Contact"_s, u"Company"_s, u"City"_s, u"title"_s, u"title"_s}));
    click(u"cmdButton(1)"_s);
    click(u"cmdButton(3)"_s);
    const QStringList returned = texts(list(u"lstLeft"_s));
    EXPECT_EQ(returned.size(), left.size() + 2);
    EXPECT_EQ(returned.mid(returned.indexOf(u"State"_s), 3), (QStringList{u"State"_s, u"title"_s, u"Web Site"_s}));
    EXPECT_EQ(enabled(buttons), u"100100"_s);
    click(u"cmdButton(0)"_s);
    EXPECT_EQ(list(u"lstLeft"_s)->count(), 0);
    EXPECT_EQ(texts(list(u"lstRight"_s)).mid(0, 2) + texts(list(u"lstRight"_s), true),
              (QStringList{u"(Empty Column)"_s, u"Address 1"_s, u"Zip"_s}));
}

TEST_F(EditorTest, ASortFieldRemovedFromTheColumnsBecomesNoneWhereverTheUserGoesNext) {
    // Straight to the 2nd Section tab, or Close on the Fields tab.
    for (const bool toSection : {true, false}) {
        put("FieldsIncluded=16\f2\f\r\nSort0=16\r\nTitle0=1\r\nTotals0=1\r\nSort1=2\r\nTitle1=1\r\n");
        ASSERT_TRUE(open());
        showTab(1);
        selectRows(u"lstRight"_s, {0});
        click(u"cmdButton(1)"_s);
        if (toSection) {
            showTab(3);
            // The section whose field stays keeps it, and its title.
            EXPECT_EQ(shown(u"cboSortOrder(0) chkTitle(0) chkTotals(0) cboSortOrder(1) chkTitle(1)"_s),
                      u"_None 0 0 Company 1"_s);
        }
        close();
        EXPECT_EQ(settings(u"Sort0 SortType0 Title0 Totals0 Sort1 SortType1 Title1"_s), u"0 0 0 0 2 S 1"_s);
    }
}

TEST_F(EditorTest, TheColumnBoxTakesTwoLettersHoweverTheyComeAndCloseRefusesACellOutsideTheSheet) {
    put("TopLeftCol=A\r\n");
    ASSERT_TRUE(open());
    auto* column = child<QLineEdit>(u"txtTopLeftCol"_s);
    column->clear();
    QTest::keyClicks(column, u"b[1`cd"_s);
    EXPECT_EQ(column->text(), u"BC"_s);
    for (const QString& refused : {u"x"_s, u"1"_s})
        testing_support::paste(column, refused);
    QTest::keyClick(column, Qt::Key_Backspace);
    QTest::keyClick(column, Qt::Key_Home);
    testing_support::paste(column, u"x"_s);
    QTest::keyClick(column, Qt::Key_Delete);
    EXPECT_EQ(column->text(), u"X"_s);

    const QByteArray before = readBytes(path());
    const std::tuple<QString, QString, QString> refused[] = {{QString(), u"4"_s, say::BadTopLeftColumn},
                                                             {u"C"_s, u"0"_s, say::BadTopLeftRow}};
    for (const auto& [col, row, message] : refused) {
        column->setText(col);
        child<QLineEdit>(u"txtTopLeftRow"_s)->setText(row);
        showTab(2);
        platform.expectMessage(message);
        close();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(child<QTabWidget>(u"mstSettings"_s)->currentIndex(), 0);
        EXPECT_EQ(readBytes(path()), before);
    }
    child<QLineEdit>(u"txtTopLeftRow"_s)->setText(u"1048576"_s);
    close();
    EXPECT_EQ(settings(u"TopLeftCol TopLeftRow"_s), u"C 1048576"_s);
}

TEST_F(EditorTest, AWriteFaultKeepsTheWindowAndTheFileAndCloseSavesOnceItIsGone) {
    const QByteArray sample = readBytes(testing_support::binary(u"Templates/Contacts by City.DXL"_s));
    const QString settings = store.path();
    for (const bool settingsFile : {true, false}) {
        put(sample);
        ASSERT_TRUE(open());
        child<QLineEdit>(u"txtTopLeftRow"_s)->setText(u"5"_s);
        std::optional<testing_support::FileSizeLimit> full;
        if (settingsFile) {
            QFile::remove(settings);
            QDir().mkpath(settings);
            platform.expectMessageLike(u"The settings could not be written to .*Tallivo\\.conf: .*"_s);
        } else {
            // The working copy, no larger than the file, still fits.
            ASSERT_LT(QFileInfo(settings).size(), sample.size());
            full.emplace(sample.size() - 1);
            platform.expectMessageLike(
                u"The definition file .*Sales\\.DXL could not be written: .*\r\r\\(Error #75\\)"_s);
            platform.expectErrorBox({"frmReportSettings", "Sub", "cmdClose_Click"}, 75,
                                    testing_support::ScriptedPlatformService::AnyDescription);
        }
        close();
        full.reset();
        EXPECT_TRUE(window->isVisible()) << settingsFile;
        EXPECT_EQ(readBytes(path()), sample) << settingsFile;
        QDir(settings).removeRecursively();
        close();
        EXPECT_FALSE(window->isVisible()) << settingsFile;
        EXPECT_EQ(readBytes(path()), QByteArray(sample).replace("TopLeftRow=4", "TopLeftRow=5")) << settingsFile;
    }
}

TEST_F(EditorTest, EscapeOrTheCloseButtonAsksFirstWhenSomethingChanged) {
    put("Title0=0\r\n");
    ASSERT_TRUE(open());
    window->close();
    EXPECT_FALSE(window->isVisible());
    const std::pair<QMessageBox::StandardButton, QString> answers[] = {
        {QMessageBox::Cancel, u"<absent>"_s}, {QMessageBox::No, u"<absent>"_s}, {QMessageBox::Yes, u"Zone"_s}};
    for (const auto& [answer, saved] : answers) {
        ASSERT_TRUE(open());
        child<QLineEdit>(u"txtTitleCaption(0)"_s)->setText(u"Zone"_s);
        platform.expectMessage(say::SaveChanges, {}, answer);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        EXPECT_EQ(window->isVisible(), answer == QMessageBox::Cancel);
        EXPECT_EQ(settings(u"TitleCaption0"_s), saved);
    }
    const gui::MessageRequest& asked = platform.messages.back();
    EXPECT_EQ(std::pair(asked.buttons, asked.defaultButton),
              std::pair(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes));
}

TEST_F(EditorTest, ACsvReportOffersItsHeaderTickedAndKeepsItAsLoaded) {
    // A header that is no flag is kept as it is, unread and so unreported.
    // Its sections are out of sight: nothing is asked about them and their keys stay as loaded.
    put("Header=?\r\nFieldsIncluded=2\f\r\nSort0=2\r\nTitle1=1\r\nTitle0=1\r\nTotals0=1\r\nTotalPos0=0\r\n",
        u"Sales.DCS"_s);
    ASSERT_TRUE(open(u"Sales"_s, 1));
    EXPECT_EQ(shown(u"chkHeader"_s) + enabled(u"chkHeader cboSortOrder(0)"_s), u"101"_s);
    EXPECT_TRUE(child(u"fraTopLeft"_s)->isHidden() && child(u"fraTitle(0)"_s)->isHidden() &&
                child(u"fraSubTotal(0)"_s)->isHidden());
    auto* tabs = child<QTabWidget>(u"mstSettings"_s);
    for (int tab = 2; tab < 6; ++tab)
        EXPECT_EQ(tabs->isTabEnabled(tab), tab == 2) << tab;
    close();
    EXPECT_EQ(settings(u"Header Title1 TopLeftCol Title0 Totals0 TotalPos0"_s), u"? 1 A 1 1 0"_s);
}

const QString Incompatible = u"You can't have a title and a sub-total above the section.\rClick Yes to add a title "
                             "(the sub-total will be moved to the bottom of the section) \ror No to abort.\r"_s;

class SectionsTest : public EditorTest {
protected:
    bool on(const QString& name) const { return child<QAbstractButton>(name)->isChecked(); }
    // Section 0's controls are available exactly as their boxes say, and no title stands over a sub-total above.
    void expectRules(const std::string& context) const {
        const bool title = on(u"chkTitle(0)"_s), totals = on(u"chkTotals(0)"_s);
        const QChar t = title ? u'1' : u'0', s = totals ? u'1' : u'0';
        EXPECT_EQ(enabled(u"lblCaption(0) txtTitleCaption(0) chkNoRepeat(0) chkEmptyBefore(0) chkEmptyAfter(0) "
                          "chkBorderBelow(0) cmdTitleFormat(0) cmdBorder(0) optBelow(0) cmdOptions(0) optAbove(0)"_s),
                  QString(7, t) + (title && on(u"chkBorderBelow(0)"_s) ? u'1' : u'0') + s + s +
                      (totals && !title ? u'1' : u'0'))
            << context;
        EXPECT_FALSE(title && totals && on(u"optAbove(0)"_s)) << context;
    }
};

TEST_F(SectionsTest, EveryHandlerLeavesTheSectionsControlsAsTheirBoxesSay) {
    // Title, sub-total, border below, position below as loaded, and the answer to the question asked on opening.
    for (int combination = 0; combination < 32; ++combination) {
        const bool title = combination & 1, totals = combination & 2, below = combination & 8, yes = combination & 16;
        const bool asks = title && totals && !below;
        if (yes && !asks)
            continue;
        const QString stored = u"FieldsIncluded=16\f\r\nSort0=16\r\nTitle0=%1\r\nTotals0=%2\r\nTitleBorderBelow0=%3\r\n"
                               "TotalPos0=%4\r\n"_s;
        put(stored.arg(title).arg(totals).arg(bool(combination & 4)).arg(below).toUtf8());
        if (asks)
            platform.expectMessage(Incompatible, {}, yes ? QMessageBox::Yes : QMessageBox::No);
        ASSERT_TRUE(open());
        showTab(2);
        const std::string context = "combination " + std::to_string(combination);
        if (asks) {
            EXPECT_EQ(shown(u"chkTitle(0) optBelow(0)"_s), yes ? u"1 1"_s : u"0 0"_s) << context;
        }
        expectRules(context);
        for (const QString& box : {u"chkTitle(0)"_s, u"chkTotals(0)"_s, u"chkBorderBelow(0)"_s}) {
            for (const bool answer : {false, true}) {
                // An unavailable box ignores the click; a ticked sub-total opens its options.
                const bool ticking = !on(box), available = child(box)->isEnabled();
                if (available && ticking && box == u"chkTotals(0)"_s)
                    closeModal([](QWidget* dialog) { return dialog->objectName(); });
                const bool asked =
                    available && ticking && box == u"chkTitle(0)"_s && on(u"chkTotals(0)"_s) && on(u"optAbove(0)"_s);
                if (asked)
                    platform.expectMessage(Incompatible, {}, answer ? QMessageBox::Yes : QMessageBox::No);
                click(box);
                EXPECT_EQ(on(box), available ? ticking && !(asked && !answer) : !ticking) << context;
                expectRules(context + " after " + box.toStdString());
            }
        }
    }
    EXPECT_EQ(modals, QStringList(modals.size(), u"frmSubTotalOptions"_s));
    for (const gui::MessageRequest& asked : platform.messages)
        EXPECT_EQ(
            std::tuple(asked.title, asked.buttons, asked.icon),
            std::tuple(u"Incompatible Settings"_s, QMessageBox::Yes | QMessageBox::No, gui::MessageIcon::Exclamation));
}

TEST_F(SectionsTest, ASectionWithoutAFieldHasNoTitleOrSubTotalAndAsksNothing) {
    put("FieldsIncluded=16\f\r\nTitle0=1\r\nTotals0=1\r\nTotalPos0=0\r\n");
    ASSERT_TRUE(open());
    showTab(2);
    EXPECT_EQ(shown(u"chkTitle(0) chkTotals(0)"_s) + enabled(u"chkTitle(0) chkTotals(0)"_s), u"0 000"_s);
    child<QComboBox>(u"cboSortOrder(0)"_s)->setCurrentIndex(1);
    click(u"chkTitle(0)"_s);
    child<QComboBox>(u"cboSortOrder(0)"_s)->setCurrentIndex(0);
    EXPECT_EQ(shown(u"chkTitle(0)"_s) + enabled(u"chkTitle(0)"_s), u"00"_s);
    close();
    EXPECT_EQ(settings(u"Title0 Totals0 TotalPos0"_s), u"0 0 0"_s);
}

TEST_F(SectionsTest, TheTitleFontWritesItsSevenKeysAfterCancelToo) {
    // Section 0 with a colour that is no number and cancelled; section 1 without bold, its size with a comma, red.
    put("FieldsIncluded=16\f2\f\r\nSort0=16\r\nTitle0=1\r\nTitleFontColor0=x\r\nSort1=2\r\nTitle1=1\r\n"
        "TitleFontBold1=0\r\nTitleFontSize1=10,5\r\n");
    ASSERT_TRUE(open());
    showTab(2);
    platform.expectMessage(u"Some settings of this report could not be read:\r\rTitleFontColor0 = \"x\": the default "
                           "is shown"_s);
    platform.expectFont([](const core::FontFormat&) { return std::nullopt; });
    click(u"cmdTitleFormat(0)"_s);
    showTab(3);
    platform.expectFont([](core::FontFormat font) {
        font.colour = 255;
        return font;
    });
    click(u"cmdTitleFormat(1)"_s);
    EXPECT_EQ(platform.fontPresets, (std::vector<core::FontFormat>{{u"Arial"_s, true, false, false, false, 0, 8},
                                                                   {u"Arial"_s, false, false, false, false, 0, 10.5}}));
    close();
    const QString keys = u"TitleFont# TitleFontBold# TitleFontItalic# TitleFontUnderline# TitleFontColor# "
                         "TitleFontSize# TitleFontStrikeThru#"_s;
    EXPECT_EQ(settings(QString(keys).replace(u'#', u'0')), u"Arial True False False 0 8 False"_s);
    EXPECT_EQ(settings(QString(keys).replace(u'#', u'1')), u"Arial False False False 255 10.5 False"_s);
}

TEST_F(SectionsTest, TheDialogsOpenForTheirSubTotalAndWhatTheyWriteIsSavedAndReadBackAsWritten) {
    // Loading a ticked sub-total opens nothing; each dialog is looked at, and some set, as it opens.
    put("FieldsIncluded=16\f24\f\r\nSort0=16\r\nSort1=24\r\nTotals1=1\r\nTotals99=0\r\n");
    const auto look = [this](QWidget* options) {
        return QStringLiteral("%1 %2 %3")
            .arg(window->iSortIndex)
            .arg(options->findChild<QLineEdit*>(u"txtCaption"_s)->text(),
                 options->findChild<QCheckBox*>(u"chkBorder"_s)->text());
    };
    closeModal(look);
    ASSERT_TRUE(open());
    QApplication::processEvents();
    showTab(2);
    click(u"chkTitle(0)"_s);
    closeModal([](QWidget* border) {
        border->findChild<QComboBox*>(u"cboBorderStyle"_s)->setCurrentIndex(2);
        testing_support::press(border->findChild<QAbstractButton*>(u"cmdOK"_s));
        return border->objectName();
    });
    click(u"cmdBorder(0)"_s);
    closeModal([](QWidget* options) {
        options->findChild<QComboBox*>(u"cboFields"_s)->setCurrentIndex(1);
        testing_support::press(options->findChild<QAbstractButton*>(u"optCalc(1)"_s));
        options->findChild<QLineEdit*>(u"txtCaption"_s)->setText(u"Sum"_s);
        testing_support::press(options->findChild<QAbstractButton*>(u"cmdClose"_s));
        return options->objectName();
    });
    click(u"chkTotals(0)"_s);
    showTab(5);
    const QString summary = u"optAbove(99) optBelow(99) cmdOptions(99)"_s;
    EXPECT_EQ(enabled(summary), u"000"_s);
    for (const QString& button : {u"chkTotals(99)"_s, u"optAbove(99)"_s, u"cmdOptions(99)"_s}) {
        if (button != u"optAbove(99)"_s)
            closeModal(look);
        click(button);
    }
    EXPECT_EQ(enabled(summary), u"111"_s);
    EXPECT_EQ(modals, (QStringList{u"none"_s, u"frmBorder"_s, u"frmSubTotalOptions"_s,
                                   u"99 Total Sales : Border above"_s, u"99 Total Sales : Border below"_s}));
    close();
    const QString written = u"TitleBorderStyle0 TitleBorderColor0 24CalcType0 TotalCaption0 TotalCaptionCol0 "
                            "TotalBorder0 Title0 Totals0 Totals1"_s;
    const QByteArray saved = readBytes(path());
    ASSERT_TRUE(open());
    close();
    EXPECT_EQ(readBytes(path()), saved);
    EXPECT_EQ(settings(written), u"2 0 1 Sum 1 1 1 1 1"_s);
}

} // namespace
