#include "TemplateMaker.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace testing_support::report {

namespace {

QJsonObject designJson(const TemplateDesign& design) {
    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    QJsonArray columns, cells, merges;
    for (const TemplateColumn& column : design.columns)
        columns.append(QJsonObject{
            {u"column"_s, column.column}, {u"numberFormat"_s, text(column.numberFormat)}, {u"bold"_s, column.bold}});
    for (const TemplateCell& cell : design.cells)
        cells.append(QJsonObject{{u"row"_s, cell.row},
                                 {u"column"_s, cell.column},
                                 {u"text"_s, text(cell.text)},
                                 {u"formula"_s, text(cell.formula)}});
    for (const std::string& range : design.merges)
        merges.append(text(range));
    return {{u"columns"_s, columns}, {u"cells"_s, cells}, {u"merges"_s, merges}, {u"picture"_s, design.picture}};
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
    return true;
}

void alterPackage(const QString& path, const std::function<void(PackageFiles&)>& change) {
    PackageFiles files;
    QuaZip in(path);
    bool read = in.open(QuaZip::mdUnzip);
    for (bool more = read && in.goToFirstFile(); more; more = in.goToNextFile()) {
        QuaZipFile file(&in);
        read = read && file.open(QIODevice::ReadOnly);
        files.insert(file.getActualFileName(), file.readAll());
    }
    in.close();
    if (!read) {
        ADD_FAILURE() << "cannot read the package " << path.toStdString();
        return;
    }
    change(files);
    QuaZip out(path);
    bool written = out.open(QuaZip::mdCreate);
    for (auto file = files.begin(); written && file != files.end(); ++file) {
        QuaZipFile entry(&out);
        written = entry.open(QIODevice::WriteOnly, QuaZipNewInfo(file.key())) && entry.write(file.value()) >= 0;
    }
    out.close();
    if (!written || out.getZipError() != 0)
        ADD_FAILURE() << "cannot write the package " << path.toStdString();
}

} // namespace testing_support::report
