#include "core/library/ReportCatalogue.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

} // namespace

TEST(ReportCatalogue, ExtAndNameOnly) {
    EXPECT_EQ(core::Ext(QStringLiteral("/a.b/Q1.Sales.DXL")), QStringLiteral(".DXL"));
    EXPECT_EQ(core::NameOnly(QStringLiteral("/a.b/Q1.Sales.DXL")), QStringLiteral("Q1"));
    EXPECT_EQ(core::NameOnly(QStringLiteral("README")), QStringLiteral("README"));
}

TEST(ReportCatalogue, ListsOnlyWholeReportsOfTheOutputType) {
    testing_support::TempEnvironment env;
    const QString folder = env.path(QStringLiteral("reports"));
    QDir().mkpath(folder);
    for (const char* name : {"Sales.DXL", "Sales.xlt",              // template found whatever its case
                             "Both.DXL", "Both.XLT", "Both.DCS",    // an Excel and a CSV report may share a name
                             "NoTemplate.DXL", "Lonely.XLT",        // half reports are not listed
                             "lower.dxl", "lower.XLT", "lower.dcs", // extensions are case-sensitive
                             "Q1.Sales.DXL", "Q1.XLT", "Q1.Sales.XLT", "Q2.Sales.DCS", // a further "." never lists
                             "Phone List.DCS", ".DCS", "notes.txt"})
        ASSERT_TRUE(testing_support::writeBytes(QDir(folder).filePath(QString::fromLatin1(name)), {}));
    QDir().mkpath(folder + QStringLiteral("/Folder.DCS"));

    EXPECT_EQ(sorted(core::Load_Reports(folder, 0)), (QStringList{QStringLiteral("Both"), QStringLiteral("Sales")}));
    EXPECT_EQ(sorted(core::Load_Reports(folder, 1)),
              (QStringList{QStringLiteral("Both"), QStringLiteral("Phone List")}));
    EXPECT_TRUE(core::Load_Reports(folder, 2).isEmpty());
    EXPECT_TRUE(core::Load_Reports(env.path(QStringLiteral("missing")), 0).isEmpty());

    EXPECT_EQ(core::templateFile(folder, QStringLiteral("Sales")), QDir(folder).filePath(QStringLiteral("Sales.xlt")));
    EXPECT_EQ(core::templateFile(folder, QStringLiteral("Both")), QDir(folder).filePath(QStringLiteral("Both.XLT")));
    EXPECT_TRUE(core::templateFile(folder, QStringLiteral("NoTemplate")).isEmpty());
}

TEST(ReportCatalogue, SortsNamesIgnoringCaseWithTiesInAFixedOrder) {
    const QStringList expected = {QStringLiteral("apple"), QStringLiteral("Sales"), QStringLiteral("sales"),
                                  QStringLiteral("Zeta")};
    for (const char* locale : {"en_US", "C"}) {
        QStringList names = sorted(expected);
        do {
            QStringList sortedNames = names;
            core::sortReportNames(sortedNames, QLocale(QString::fromLatin1(locale)));
            EXPECT_EQ(sortedNames, expected) << locale << ": " << names.join(QLatin1Char(' ')).toStdString();
        } while (std::next_permutation(names.begin(), names.end()));
    }
}
