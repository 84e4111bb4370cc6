#pragma once

#include "core/definition/ReportDefinition.h"

#include "act/FieldList.h"
#include "act/Result.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the definition editor asks ACT!'s field list.
namespace core::editor {

struct IncludedField {
    int id = 0;
    QString label;

    bool operator==(const IncludedField&) const = default;
};

struct IncludedFields {
    QList<IncludedField> fields;     // in column order
    QStringList notNumbers;          // pieces that name no field, left out
    QList<int> unknown;              // ids ACT! has no field for, listed under unknownFieldLabel()
    std::optional<act::Error> error; // ACT! failed: the list is incomplete and must not be saved
};

// The columns of the definition with their ACT! labels. Empty pieces are skipped, as the run skips them.
IncludedFields readIncludedFields(const ReportDefinition& definition, act::FieldList& fields);
// The field types offered as columns, as a type list of Populate_lstFields.
inline const QString ColumnTypes = QStringLiteral("|1|2|3|4|5|6|8|9|10|13|14|15|");
// The exclusion text of the fields not offered as columns: the included ones, the record creator and private.
QString notOffered(const QList<IncludedField>& included);

// How a column is listed whose field ACT! does not have, so that it is kept until the user removes it.
QString unknownFieldLabel(int id);

// The sort type of an ACT! field type: "S" text, "N" number, "D" date, "" for any other type.
QString sortTypeOf(int fieldType);
// The sort type of a field; field 27 is text without asking ACT!, a field ACT! does not have sorts as none ("").
act::Result<QString> GetFieldType(act::FieldList& fields, int id);

} // namespace core::editor
