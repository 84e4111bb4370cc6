#include "ReportLayout.h"

#include "core/definition/DefinitionText.h"
#include "core/definition/ReportDefinition.h"
#include "core/text/EightBitText.h"
#include "standin/FieldCatalogue.h"

#include <QFile>
#include <QFileInfo>

namespace templates {

namespace {

const standin::FieldDefinition* catalogueField(int id) {
    for (const standin::FieldDefinition& field : standin::newDatabaseCatalogue())
        if (field.id == id && field.id != standin::field::NoField)
            return &field;
    return nullptr;
}

} // namespace

bool readReportLayout(const QString& path, ReportLayout& layout, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    const core::definition::ParsedLines lines = core::definition::parse(core::eightbit::decode(file.readAll()));
    if (lines.badLine > 0) {
        error = QStringLiteral("line %1: %2").arg(lines.badLine).arg(lines.problem);
        return false;
    }
    const core::ReportDefinition definition(lines.pairs);

    layout = {};
    const QString fileName = QFileInfo(path).fileName();
    layout.title = fileName.left(fileName.indexOf(QLatin1Char('.')));
    layout.fieldNamesInData = definition.header();
    layout.firstColumn = definition.topLeftColumn() - 1;
    layout.firstDataRow = definition.topLeftRow() - 1;

    const QList<int> ids = definition.fields().value_or(QList<int>());
    const QStringList captions = definition.captions();
    if (ids.isEmpty() || ids.size() != captions.size()) {
        error = QStringLiteral("the fields and their captions do not form a list of columns");
        return false;
    }
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const standin::FieldDefinition* field = catalogueField(ids.at(i));
        if (!field) {
            error = QStringLiteral("the sample database has no field %1").arg(ids.at(i));
            return false;
        }
        layout.columns.append({field->id, field->type, captions.at(i)});
    }
    return true;
}

} // namespace templates
