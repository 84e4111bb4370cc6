// The program folder that the build lays out beside the executables: what a fresh installation finds there.
#include "ZipArchive.h"

#include "standin/FieldCatalogue.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <optional>

namespace {

const QStringList ExcelSamples = {QStringLiteral("Contacts by City"), QStringLiteral("Contacts by Record Manager")};
const QStringList CsvSamples = {QStringLiteral("Phone List"), QStringLiteral("Mailing List")};

QDir programFolder() {
    return QDir(QStringLiteral(TALLIVO_BIN_DIR));
}

QByteArray contents(const QString& relative) {
    QFile file(programFolder().filePath(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList sampleFiles(const QStringList& reports, const QString& extension) {
    QStringList files;
    for (const QString& report : reports)
        files.append(QStringLiteral("Templates/") + report + extension);
    return files;
}

// The stock files of new reports and the sample reports' files, relative to the program folder.
QStringList definitionFiles() {
    return QStringList{QStringLiteral("tlv_def.DXL"), QStringLiteral("tlv_def.DCS")} +
           sampleFiles(ExcelSamples, QStringLiteral(".DXL")) + sampleFiles(CsvSamples, QStringLiteral(".DCS"));
}

QStringList templateFiles() {
    return QStringList{QStringLiteral("tlv_template.XLT")} + sampleFiles(ExcelSamples, QStringLiteral(".XLT"));
}

using Definition = QMap<QByteArray, QByteArray>;

// Reads a definition the way a strict reader would, adding what is wrong with it to faults: every line ends in
// CR LF and holds a key that a settings store can hold (no "/" or "\"), "=" and a value without a second "=";
// no key repeats.
Definition readDefinition(const QByteArray& bytes, QStringList& faults) {
    Definition definition;
    if (!bytes.endsWith("\r\n"))
        faults.append(QStringLiteral("the last line does not end in CR LF"));
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray line : lines) {
        const QString text = QString::fromUtf8(line);
        if (line.endsWith('\r'))
            line.chop(1);
        else
            faults.append(QStringLiteral("a bare LF ends: ") + text);
        const QList<QByteArray> parts = line.split('=');
        if (parts.size() != 2 || parts.at(0).isEmpty() || line.contains('\r') || parts.at(0).contains('/') ||
            parts.at(0).contains('\\'))
            faults.append(QStringLiteral("not a key=value line: ") + text);
        else if (definition.contains(parts.at(0)))
            faults.append(QStringLiteral("repeated key: ") + text);
        else
            definition.insert(parts.at(0), parts.at(1));
    }
    return definition;
}

// The elements of a definition list, each of which a form feed follows; nullopt when the list is not terminated.
std::optional<QList<QByteArray>> listElements(QByteArray list) {
    if (!list.endsWith('\f'))
        return std::nullopt;
    list.chop(1);
    return list.split('\f');
}

bool isCatalogueField(const QByteArray& id) {
    bool isNumber = false;
    const int value = id.toInt(&isNumber);
    for (const standin::FieldDefinition& field : standin::newDatabaseCatalogue())
        if (isNumber && value != standin::field::NoField && field.id == value)
            return true;
    return false;
}

TEST(ProgramFolder, HoldsTheStockFilesTheSampleReportsAndTheExportFolder) {
    const QDir folder = programFolder();
    const QStringList files = definitionFiles() + templateFiles() +
                              QStringList{QStringLiteral("LaunchIt.XLS"),       QStringLiteral("Launch.XLS"),
                                          QStringLiteral("Tallivo_manual.pdf"), QStringLiteral("tallivo.ico"),
                                          QStringLiteral("tallivo32.ico"),      QStringLiteral("tallivo.png")};
    for (const QString& file : files)
        EXPECT_TRUE(QFileInfo(folder.filePath(file)).isFile()) << file.toStdString();
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("CSV Files"))).isDir());

    for (const QString& placeholder : {QStringLiteral("LaunchIt.XLS"), QStringLiteral("Launch.XLS")}) {
        const QByteArray text = contents(placeholder);
        EXPECT_TRUE(text.size() > 1 && text.count('\n') == 1 && text.endsWith('\n')) << placeholder.toStdString();
        EXPECT_TRUE(text.contains("tallivo-launch")) << placeholder.toStdString();
    }
}

TEST(ProgramFolder, DefinitionsAreKeyValueLinesOverTheSampleFields) {
    for (const QString& file : definitionFiles()) {
        SCOPED_TRACE(file.toStdString());
        QStringList faults;
        const Definition definition = readDefinition(contents(file), faults);
        EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();

        const auto ids = listElements(definition.value("FieldsIncluded"));
        const auto captions = listElements(definition.value("FieldNamesIncluded"));
        ASSERT_TRUE(ids && captions) << "a field list is missing or not terminated by a form feed";
        EXPECT_EQ(ids->size(), captions->size());
        for (const QByteArray& id : *ids)
            EXPECT_TRUE(isCatalogueField(id)) << "field " << id.toStdString();

        for (const QByteArray level : {"0", "1", "2"}) {
            const QByteArray sort = definition.value("Sort" + level, "0");
            EXPECT_TRUE(sort == "0" || ids->contains(sort))
                << "Sort" << level.toStdString() << " " << sort.toStdString();
        }
        if (definition.value("Sort0", "0") != "0") {
            EXPECT_TRUE(QByteArrayList({"S", "D", "N"}).contains(definition.value("SortType0")));
            EXPECT_TRUE(QByteArrayList({"1", "2"}).contains(definition.value("SortOrder0")));
        }
    }
}

TEST(ProgramFolder, TemplatesAreSpreadsheetArchivesWithTheirReportsHeaders) {
    for (const QString& file : templateFiles()) {
        SCOPED_TRACE(file.toStdString());
        const assets_test::ZipContents zip = assets_test::readZip(contents(file));
        EXPECT_EQ(zip.error.toStdString(), "");
        EXPECT_TRUE(zip.entries.contains(QStringLiteral("[Content_Types].xml")));
        EXPECT_TRUE(zip.entries.contains(QStringLiteral("xl/workbook.xml")));
    }

    // The header row above the data range names the report's columns, under the report's title.
    for (const QString& report : ExcelSamples) {
        SCOPED_TRACE(report.toStdString());
        QStringList faults;
        const Definition definition = readDefinition(contents(QStringLiteral("Templates/%1.DXL").arg(report)), faults);
        const assets_test::ZipContents zip =
            assets_test::readZip(contents(QStringLiteral("Templates/%1.XLT").arg(report)));
        const QByteArray strings = zip.entries.value(QStringLiteral("xl/sharedStrings.xml"));
        QByteArrayList texts = listElements(definition.value("FieldNamesIncluded")).value_or(QByteArrayList());
        texts.append(report.toUtf8());
        for (const QByteArray& text : texts)
            EXPECT_TRUE(strings.contains("<t>" + text + "</t>")) << text.toStdString();
    }
}

TEST(ProgramFolder, ManualIsAPdfOfSeveralPages) {
    const QByteArray pdf = contents(QStringLiteral("Tallivo_manual.pdf"));
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b"));
    EXPECT_GT(QString::fromLatin1(pdf).count(page), 1);
}

TEST(ProgramFolder, IconsLoadAtTheirSizes) {
    const QMap<QString, int> sizes = {{QStringLiteral("tallivo.ico"), 16},
                                      {QStringLiteral("tallivo32.ico"), 32},
                                      {QStringLiteral("tallivo.png"), 128}};
    for (auto icon = sizes.cbegin(); icon != sizes.cend(); ++icon) {
        const QImage image(programFolder().filePath(icon.key()));
        EXPECT_EQ(image.width(), icon.value()) << icon.key().toStdString();
        EXPECT_EQ(image.height(), icon.value()) << icon.key().toStdString();
    }
}

} // namespace
