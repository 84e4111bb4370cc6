#include "core/library/ReportCatalogue.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/SettingsStore.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <gmock/gmock.h>

#include <algorithm>

using namespace Qt::StringLiterals;
using testing::UnorderedElementsAre;

TEST(ReportCatalogue, ListsOnlyWholeReportsOfTheOutputType) {
    testing_support::TempEnvironment env;
    const QDir folder(env.path(u"reports"_s));
    QDir().mkpath(folder.filePath(u"Folder.DCS"_s));
    for (const char* name : {"Sales.DXL", "Sales.xlt",              // template found whatever its case
                             "Both.DXL", "Both.XLT", "Both.DCS",    // an Excel and a CSV report may share a name
                             "NoTemplate.DXL", "Lonely.XLT",        // half reports are not listed
                             "lower.dxl", "lower.XLT", "lower.dcs", // extensions are case-sensitive
                             "Q1.Sales.DXL", "Q1.XLT", "Q1.Sales.XLT", "Q2.Sales.DCS", // a further "." never lists
                             "Phone List.DCS", ".DCS", "notes.txt"})
        ASSERT_TRUE(testing_support::writeBytes(folder.filePath(QString::fromLatin1(name)), {}));
    EXPECT_THAT(core::Load_Reports(folder.path(), 0), UnorderedElementsAre(u"Both"_s, u"Sales"_s));
    EXPECT_THAT(core::Load_Reports(folder.path(), 1), UnorderedElementsAre(u"Both"_s, u"Phone List"_s));
    EXPECT_TRUE(core::Load_Reports(folder.path(), 2).isEmpty());
    EXPECT_TRUE(core::Load_Reports(env.path(u"missing"_s), 0).isEmpty());
    EXPECT_EQ(core::templateFile(folder.path(), u"Sales"_s), folder.filePath(u"Sales.xlt"_s));
    EXPECT_EQ(core::templateFile(folder.path(), u"Both"_s), folder.filePath(u"Both.XLT"_s));
    EXPECT_TRUE(core::templateFile(folder.path(), u"NoTemplate"_s).isEmpty());
    // A dot in the folder is not the name's.
    EXPECT_EQ((QStringList{core::Ext(u"/a.b/Q1.Sales.DXL"_s), core::NameOnly(u"/a.b/Q1.Sales.DXL"_s),
                           core::NameOnly(u"README"_s)}),
              (QStringList{u".DXL"_s, u"Q1"_s, u"README"_s}));
}

TEST(ReportCatalogue, SortsNamesIgnoringCaseWithTiesInAFixedOrder) {
    const QStringList expected = {u"apple"_s, u"Sales"_s, u"sales"_s, u"Zeta"_s};
    for (const char* locale : {"en_US", "C"}) {
        QStringList names = {u"Sales"_s, u"Zeta"_s, u"apple"_s, u"sales"_s}; // code-point order: the first permutation
        do {
            QStringList sorted = names;
            core::sortReportNames(sorted, QLocale(QString::fromLatin1(locale)));
            EXPECT_EQ(sorted, expected) << locale << ": " << names.join(u' ').toStdString();
        } while (std::next_permutation(names.begin(), names.end()));
    }
}

TEST(ReportCatalogue, ABlankStoredFolderCountsAsAbsent) {
    testing_support::TempEnvironment env;
    core::SettingsStore store;
    for (const QString& stored : {u""_s, u" \t"_s, u"/srv/r"_s}) {
        ASSERT_TRUE(store.SaveSetting(core::keys::Settings, core::keys::TemplatesFolder, stored));
        EXPECT_EQ(core::storedReportFolder(store), stored.size() < 3 ? env.programFolder() + u"/Templates"_s : stored);
    }
}
