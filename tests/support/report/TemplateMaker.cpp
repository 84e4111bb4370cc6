#include "TemplateMaker.h"

#include "PackageFiles.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace testing_support::report {

namespace {

QString text(const std::string& value) {
    return QString::fromStdString(value);
}

QJsonObject designJson(const TemplateDesign& design) {
    QJsonArray columns;
    for (const TemplateColumn& column : design.columns)
        columns.append(QJsonObject{{QStringLiteral("column"), column.column},
                                   {QStringLiteral("numberFormat"), text(column.numberFormat)},
                                   {QStringLiteral("bold"), column.bold}});
    QJsonArray cells;
    for (const TemplateCell& cell : design.cells)
        cells.append(QJsonObject{{QStringLiteral("row"), cell.row},
                                 {QStringLiteral("column"), cell.column},
                                 {QStringLiteral("text"), text(cell.text)},
                                 {QStringLiteral("formula"), text(cell.formula)}});
    QJsonArray merges;
    for (const std::string& range : design.merges)
        merges.append(text(range));
    return {{QStringLiteral("columns"), columns},
            {QStringLiteral("cells"), cells},
            {QStringLiteral("merges"), merges},
            {QStringLiteral("picture"), design.picture}};
}

QByteArray cellName(int row, int column) {
    QByteArray letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.prepend(static_cast<char>('A' + (column - 1) % 26));
    return letters + QByteArray::number(row);
}

void insertBefore(QByteArray& part, const char* end, const QByteArray& text) {
    part.insert(part.lastIndexOf(end), text);
}

// What libxlsxwriter cannot write: the template content type and a calculation chain.
void finishPackage(const QString& path, const TemplateDesign& design) {
    PackageFiles files = readPackage(path);
    QByteArray& types = files[QStringLiteral("[Content_Types].xml")];
    if (design.savedAsTemplate)
        types.replace("spreadsheetml.sheet.main+xml", "spreadsheetml.template.main+xml");
    if (design.calcChain) {
        QByteArray chain = R"(<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)";
        for (const TemplateCell& cell : design.cells) {
            if (!cell.formula.empty())
                chain += "<c r=\"" + cellName(cell.row, cell.column) + "\" i=\"1\"/>";
        }
        files.insert(QStringLiteral("xl/calcChain.xml"), chain + "</calcChain>");
        insertBefore(types, "</Types>",
                     R"(<Override PartName="/xl/calcChain.xml" )"
                     R"(ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"/>)");
        insertBefore(files[QStringLiteral("xl/_rels/workbook.xml.rels")], "</Relationships>",
                     R"(<Relationship Id="rId99" Target="calcChain.xml" )"
                     R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain"/>)");
    }
    writePackage(path, files);
}

} // namespace

bool makeTemplate(const QString& path, const TemplateDesign& design) {
    QProcess writer;
    writer.start(QStringLiteral(TALLIVO_TEMPLATE_WRITER),
                 {path, QString::fromUtf8(QJsonDocument(designJson(design)).toJson(QJsonDocument::Compact))});
    if (!writer.waitForFinished(60000) || writer.exitStatus() != QProcess::NormalExit || writer.exitCode() != 0) {
        ADD_FAILURE() << "cannot write the template " << path.toStdString() << ": "
                      << writer.readAllStandardError().toStdString() << writer.errorString().toStdString();
        return false;
    }
    if (design.savedAsTemplate || design.calcChain)
        finishPackage(path, design);
    return !::testing::Test::HasFailure();
}

} // namespace testing_support::report
