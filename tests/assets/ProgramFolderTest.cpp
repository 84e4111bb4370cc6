// The program folder that the build lays out beside the executables: what a fresh installation finds there.
#include "standin/FieldCatalogue.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QStringList ExcelSamples = {u"Contacts by City"_s, u"Contacts by Record Manager"_s};
const QStringList Definitions = {u"tlv_def.DXL"_s,
                                 u"tlv_def.DCS"_s,
                                 u"Templates/Contacts by City.DXL"_s,
                                 u"Templates/Contacts by Record Manager.DXL"_s,
                                 u"Templates/Phone List.DCS"_s,
                                 u"Templates/Mailing List.DCS"_s};
const QStringList Templates = {u"tlv_template.XLT"_s, u"Templates/Contacts by City.XLT"_s,
                               u"Templates/Contacts by Record Manager.XLT"_s};

QString pathOf(const QString& relative) {
    return QDir(QStringLiteral(TALLIVO_BIN_DIR)).filePath(relative);
}

QByteArray contents(const QString& relative) {
    QFile file(pathOf(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The entries of a zip archive by name; an entry that does not inflate to its size and CRC fails the test.
QMap<QString, QByteArray> unzip(const QString& relative) {
    QMap<QString, QByteArray> entries;
    QuaZip zip(pathOf(relative));
    EXPECT_TRUE(zip.open(QuaZip::mdUnzip)) << "not a zip archive: " << zip.getZipError();
    for (bool more = zip.isOpen() && zip.goToFirstFile(); more; more = zip.goToNextFile()) {
        QuaZipFile entry(&zip);
        EXPECT_TRUE(entry.open(QIODevice::ReadOnly));
        const QByteArray data = entry.readAll();
        const bool whole = data.size() == entry.usize();
        entry.close(); // checks the CRC of an entry read to its end
        EXPECT_TRUE(whole && entry.getZipError() == UNZ_OK) << zip.getCurrentFileName().toStdString();
        entries.insert(zip.getCurrentFileName(), data);
    }
    EXPECT_EQ(zip.getZipError(), UNZ_OK);
    return entries;
}

using Definition = QMap<QByteArray, QByteArray>;

// Reads a definition the way a strict reader would, adding what is wrong with it to faults: every line ends in
// CR LF and holds a key that a settings store can hold (no "/" or "\"), "=" and a value without a second "=";
// no key repeats.
Definition readDefinition(const QByteArray& bytes, QStringList& faults) {
    Definition definition;
    if (!bytes.endsWith("\r\n"))
        faults.append(u"the last line does not end in CR LF"_s);
    QList<QByteArray> lines = bytes.split('\n');
    lines.removeLast();
    for (QByteArray line : lines) {
        const QString text = QString::fromUtf8(line);
        if (line.endsWith('\r'))
            line.chop(1);
        else
            faults.append(u"a bare LF ends: "_s + text);
        const QList<QByteArray> parts = line.split('=');
        if (parts.size() != 2 || parts.at(0).isEmpty() || line.contains('\r') || parts.at(0).contains('/') ||
            parts.at(0).contains('\\'))
            faults.append(u"not a key=value line: "_s + text);
        else if (definition.contains(parts.at(0)))
            faults.append(u"repeated key: "_s + text);
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

TEST(ProgramFolder, HoldsTheStockFilesTheSampleReportsTheManualAndTheExportFolder) {
    for (const QString& file : Definitions + Templates + QStringList{u"LaunchIt.XLS"_s, u"Launch.XLS"_s})
        EXPECT_TRUE(QFileInfo(pathOf(file)).isFile()) << file.toStdString();
    EXPECT_TRUE(QFileInfo(pathOf(u"CSV Files"_s)).isDir());
    for (const QString& placeholder : {u"LaunchIt.XLS"_s, u"Launch.XLS"_s}) {
        const QByteArray text = contents(placeholder);
        EXPECT_TRUE(text.count('\n') == 1 && text.endsWith('\n') && text.contains("tallivo-launch")) << text.data();
    }
    const QByteArray pdf = contents(u"Tallivo_manual.pdf"_s);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_GT(QString::fromLatin1(pdf).count(QRegularExpression(u"/Type\\s*/Page\\b"_s)), 1);
    for (const auto& [icon, size] :
         {std::pair{u"tallivo.ico"_s, 16}, {u"tallivo32.ico"_s, 32}, {u"tallivo.png"_s, 128}})
        EXPECT_EQ(QImage(pathOf(icon)).size(), QSize(size, size)) << icon.toStdString();
}

TEST(ProgramFolder, DefinitionsAreKeyValueLinesOverTheCatalogueFields) {
    for (const QString& file : Definitions) {
        SCOPED_TRACE(file.toStdString());
        QStringList faults;
        const Definition definition = readDefinition(contents(file), faults);
        EXPECT_TRUE(faults.isEmpty()) << faults.join(u'\n').toStdString();

        const auto ids = listElements(definition.value("FieldsIncluded"));
        const auto captions = listElements(definition.value("FieldNamesIncluded"));
        ASSERT_TRUE(ids && captions) << "a field list is missing or not terminated by a form feed";
        EXPECT_EQ(ids->size(), captions->size());
        for (const QByteArray& id : *ids) {
            const auto& catalogue = standin::newDatabaseCatalogue();
            EXPECT_TRUE(id != "-1" &&
                        std::any_of(catalogue.begin(), catalogue.end(),
                                    [&](const auto& field) { return QByteArray::number(field.id) == id; }))
                << "field " << id.toStdString();
        }
        for (const QByteArray level : {"0", "1", "2"}) {
            const QByteArray sort = definition.value("Sort" + level, "0");
            EXPECT_TRUE(sort == "0" || ids->contains(sort)) << "Sort" << level.toStdString() << " " << sort.data();
        }
        if (definition.value("Sort0", "0") != "0") {
            EXPECT_TRUE(QByteArrayList({"S", "D", "N"}).contains(definition.value("SortType0")));
            EXPECT_TRUE(QByteArrayList({"1", "2"}).contains(definition.value("SortOrder0")));
        }
    }
}

TEST(ProgramFolder, TemplatesAreSpreadsheetArchivesWithTheirReportsHeaders) {
    for (const QString& file : Templates) {
        SCOPED_TRACE(file.toStdString());
        const QMap<QString, QByteArray> entries = unzip(file);
        EXPECT_TRUE(entries.contains(u"[Content_Types].xml"_s) && entries.contains(u"xl/workbook.xml"_s));
    }
    // The header row above the data range names the report's columns, under the report's title.
    for (const QString& report : ExcelSamples) {
        SCOPED_TRACE(report.toStdString());
        QStringList faults;
        const Definition definition = readDefinition(contents(u"Templates/%1.DXL"_s.arg(report)), faults);
        const QByteArray strings = unzip(u"Templates/%1.XLT"_s.arg(report)).value(u"xl/sharedStrings.xml"_s);
        QByteArrayList texts = listElements(definition.value("FieldNamesIncluded")).value_or(QByteArrayList());
        texts.append(report.toUtf8());
        for (const QByteArray& text : texts)
            EXPECT_TRUE(strings.contains("<t>" + text + "</t>")) << text.toStdString();
    }
}

} // namespace
