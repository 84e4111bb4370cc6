#include "ReportLayout.h"

#include "standin/FieldCatalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace templates {

namespace {

using Definition = QHash<QByteArray, QByteArray>;

Definition readDefinition(const QByteArray& bytes) {
    Definition definition;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QList<QByteArray> parts = line.split('=');
        definition.insert(parts.at(0), parts.value(1));
    }
    return definition;
}

// Every element of a definition list is followed by a form feed.
QList<QByteArray> listElements(QByteArray list) {
    if (!list.endsWith('\f'))
        return {};
    list.chop(1);
    return list.split('\f');
}

// "A" is 0, "Z" 25, "AA" 26: at most two letters.
int columnIndex(const QByteArray& letters) {
    if (letters.isEmpty() || letters.size() > 2)
        return -1;
    int index = 0;
    for (const char letter : letters) {
        if (letter < 'A' || letter > 'Z')
            return -1;
        index = index * 26 + (letter - 'A' + 1);
    }
    return index - 1;
}

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
    const Definition definition = readDefinition(file.readAll());

    layout = {};
    const QString fileName = QFileInfo(path).fileName();
    layout.title = fileName.left(fileName.indexOf(QLatin1Char('.')));
    layout.fieldNamesInData = definition.value("Header", "0") != "0";
    layout.firstColumn = columnIndex(definition.value("TopLeftCol", "A"));
    layout.firstDataRow = definition.value("TopLeftRow", "1").toInt() - 1;
    if (layout.firstColumn < 0 || layout.firstDataRow < 0) {
        error = QStringLiteral("the top-left cell of the data range is not a cell");
        return false;
    }

    const QList<QByteArray> ids = listElements(definition.value("FieldsIncluded"));
    const QList<QByteArray> captions = listElements(definition.value("FieldNamesIncluded"));
    if (ids.isEmpty() || ids.size() != captions.size()) {
        error = QStringLiteral("the fields and their captions do not form a list of columns");
        return false;
    }
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const standin::FieldDefinition* field = catalogueField(ids.at(i).toInt());
        if (!field) {
            error = QStringLiteral("the sample database has no field %1").arg(QString::fromUtf8(ids.at(i)));
            return false;
        }
        layout.columns.append({field->id, field->type, QString::fromUtf8(captions.at(i))});
    }
    return true;
}

} // namespace templates
