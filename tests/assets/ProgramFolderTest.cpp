// The program folder that the build lays out beside the executables: what a fresh installation finds there, read
// the way the program reads it.
#include "core/definition/DefinitionFile.h"
#include "core/definition/ReportDefinition.h"
#include "core/library/ReportCatalogue.h"
#include "report/xlsx/TemplateParts.h"
#include "standin/FieldCatalogue.h"
#include "support/TempEnvironment.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString ProgramFolder = QStringLiteral(TALLIVO_BIN_DIR "/"), Templates = ProgramFolder + u"Templates/"_s;

TEST(ProgramFolder, HoldsTheStockFilesTheLaunchersTheManualTheIconsAndTheExportFolder) {
    for (const QString& file : {u"tlv_def.DXL"_s, u"tlv_def.DCS"_s, u"tlv_template.XLT"_s, u"LaunchIt.XLS"_s,
                                u"Launch.XLS"_s, u"Tallivo_manual.pdf"_s})
        EXPECT_TRUE(QFileInfo(ProgramFolder + file).isFile()) << file.toStdString();
    EXPECT_TRUE(QFileInfo(ProgramFolder + u"CSV Files"_s).isDir());
    EXPECT_TRUE(testing_support::readBytes(ProgramFolder + u"Tallivo_manual.pdf"_s).startsWith("%PDF-"));
    for (const auto& [icon, size] :
         {std::pair{u"tallivo.ico"_s, 16}, {u"tallivo32.ico"_s, 32}, {u"tallivo.png"_s, 128}})
        EXPECT_EQ(QImage(ProgramFolder + icon).size(), QSize(size, size)) << icon.toStdString();
}

TEST(ProgramFolder, ListsTheSampleReportsWhoseDefinitionsLoadAndWhoseTemplatesOpen) {
    QList<int> known;
    for (const standin::FieldDefinition& field : standin::newDatabaseCatalogue())
        known.append(field.id);
    known.removeAll(-1);
    // The stock files of a new report, then the samples: folder, name, output type, template.
    std::vector<std::tuple<QString, QString, int, QString>> reports = {
        {ProgramFolder, u"tlv_def"_s, 0, ProgramFolder + u"tlv_template.XLT"_s}, {ProgramFolder, u"tlv_def"_s, 1, {}}};
    QStringList samples;
    for (int type : {0, 1})
        for (const QString& name : core::Load_Reports(Templates, type)) {
            samples.append(name + core::extension::Definition[type]);
            reports.emplace_back(Templates, name, type, type == 0 ? core::templateFile(Templates, name) : QString());
        }
    samples.sort();
    EXPECT_EQ(samples.join(u", ").toStdString(),
              "Contacts by City.DXL, Contacts by Record Manager.DXL, Mailing List.DCS, Phone List.DCS");
    testing_support::TempEnvironment env;
    core::SettingsStore store;
    for (const auto& [folder, name, type, templateFile] : reports) {
        SCOPED_TRACE((name + core::extension::Definition[type]).toStdString());
        const core::DefinitionLoad load = core::Load_DefFile(store, folder, name, type);
        ASSERT_TRUE(load.ok()) << load.line << ": " << load.description.toStdString();
        const core::ReportDefinition definition = core::ReportDefinition::load(store);
        const QList<int> fields = definition.fields().value_or(QList<int>());
        EXPECT_FALSE(fields.isEmpty());
        EXPECT_EQ(definition.captions().size(), fields.size());
        for (int field : fields)
            EXPECT_TRUE(known.contains(field)) << field;
        for (int level = 0; level < core::ReportDefinition::SectionCount; ++level) {
            const int sort = definition.sortField(level).value_or(-1);
            EXPECT_TRUE(sort == 0 || fields.contains(sort)) << "Sort" << level;
        }
        if (type == 0) {
            report::xlsx::TemplatePackage package(templateFile);
            EXPECT_EQ(report::xlsx::TemplateParts(package).problem().toStdString(), "") << templateFile.toStdString();
        }
    }
}

} // namespace
