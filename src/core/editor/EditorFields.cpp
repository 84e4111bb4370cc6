#include "EditorFields.h"

#include "core/definition/DefinitionKeys.h"
#include "core/definition/DefinitionValues.h"
#include "core/text/FormFeedList.h"

namespace core::editor {

namespace {

// A field whose values always compare as text, whatever ACT! says of its type.
constexpr int TextField = 27;
// The record creator and private fields are never columns.
constexpr int NeverOffered[] = {202, 203};

} // namespace

IncludedFields readIncludedFields(const ReportDefinition& definition, act::FieldList& fields) {
    IncludedFields read;
    for (const QString& piece : readList(definition.value(keys::FieldsIncluded))) {
        if (piece.isEmpty())
            continue;
        const std::optional<int> id = definition::readWhole(piece);
        if (!id) {
            read.notNumbers.append(piece);
            continue;
        }
        const act::Result<bool> exists = fields.Exists(*id);
        if (!exists) {
            read.error = exists.error();
            return read;
        }
        if (!exists.value()) {
            read.unknown.append(*id);
            read.fields.append({*id, unknownFieldLabel(*id)});
            continue;
        }
        const act::Result<std::string> label = fields.Label(*id);
        if (!label) {
            read.error = label.error();
            return read;
        }
        read.fields.append({*id, QString::fromStdString(label.value())});
    }
    return read;
}

QString notOffered(const QList<IncludedField>& included) {
    QString ids = FormFeed;
    for (const IncludedField& field : included)
        ids += QString::number(field.id) + FormFeed;
    for (const int id : NeverOffered)
        ids += QString::number(id) + FormFeed;
    return ids;
}

QString unknownFieldLabel(int id) {
    return QStringLiteral("(unknown field %1)").arg(id);
}

QString sortTypeOf(int fieldType) {
    switch (fieldType) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 11:
    case 13:
    case 14:
    case 15:
        return QStringLiteral("S");
    case 5:
    case 6:
        return QStringLiteral("N");
    case 7:
    case 8:
    case 9:
    case 10:
        return QStringLiteral("D");
    default:
        return QString();
    }
}

act::Result<QString> GetFieldType(act::FieldList& fields, int id) {
    if (id == TextField)
        return QStringLiteral("S");
    const act::Result<bool> exists = fields.Exists(id);
    if (!exists)
        return exists.error();
    if (!exists.value())
        return QString();
    const act::Result<int> type = fields.Type(id);
    if (!type)
        return type.error();
    return sortTypeOf(type.value());
}

} // namespace core::editor
