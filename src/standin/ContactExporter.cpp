#include "ContactExporter.h"

#include "CsvWriter.h"
#include "ToolMessages.h"

#include <set>
#include <unordered_map>

namespace standin {

using toolmessages::failure;

std::string ContactExporter::valueExpression(const FieldDefinition& field) {
    return field.hasColumn() ? columnName(field.id) : "''";
}

act::Status ContactExporter::write(const std::vector<int>& fieldIds, std::ostream& output) {
    std::vector<const FieldDefinition*> fields;
    std::set<int> seen;
    for (int id : fieldIds) {
        const FieldDefinition* f = m_database.fieldById(id);
        if (!f)
            return failure("no field has the id " + std::to_string(id));
        if (!seen.insert(id).second)
            return failure("the field id " + std::to_string(id) + " is given twice");
        fields.push_back(f);
    }
    if (fieldIds.empty())
        for (const FieldDefinition& f : m_database.fields())
            if (f.hasColumn())
                fields.push_back(&f);

    std::string select;
    for (const FieldDefinition* f : fields)
        select += (select.empty() ? "" : ", ") + valueExpression(*f);
    SqliteStatement rows = m_database.sql().prepare("SELECT " + select + " FROM contact ORDER BY rowid");
    std::unordered_map<std::string_view, std::string_view> userNames;
    for (const UserRecord& user : m_database.users())
        userNames.emplace(user.uniqueId, user.name);

    CsvWriter csv(output);
    for (const FieldDefinition* f : fields)
        csv.cell(f->label);
    csv.endRecord();
    while (output && rows.step()) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string_view value = rows.text(static_cast<int>(i));
            const auto user = fields[i]->id == field::RecordManager ? userNames.find(value) : userNames.end();
            csv.cell(user == userNames.end() ? value : user->second);
        }
        csv.endRecord();
    }
    if (!output.flush())
        return failure("cannot write the contacts");
    return {};
}

} // namespace standin
