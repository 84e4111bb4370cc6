#pragma once

#include <string>
#include <vector>

namespace standin {

// Field ids with a meaning of their own.
namespace field {
inline constexpr int RecordId = 1;
inline constexpr int RecordManager = 6;
inline constexpr int CreateDate = 26;
inline constexpr int CreateDateSort = 79;
inline constexpr int EmptyColumn = 950;
inline constexpr int NoField = -1;
} // namespace field

// Field type codes of the field list.
namespace fieldtype {
inline constexpr int Character = 1;
inline constexpr int InitialCaps = 2;
inline constexpr int UpperCase = 3;
inline constexpr int LowerCase = 4;
inline constexpr int Numeric = 5;
inline constexpr int Currency = 6;
inline constexpr int Date = 7;
inline constexpr int Time = 8;
inline constexpr int AnnualEvent = 9;
inline constexpr int DateTime = 10;
inline constexpr int InternalText = 11;
inline constexpr int Memo = 12;
inline constexpr int User = 13;
inline constexpr int Phone = 14;
inline constexpr int Address = 15;
} // namespace fieldtype

struct FieldDefinition {
    int position = 0;
    int id = field::NoField;
    std::string label;
    int type = 0;

    // Whether the contact table has a column for this field (not the gap, not the empty column).
    bool hasColumn() const { return id != field::NoField && id != field::EmptyColumn; }
};

// The field list of a new database, by position; position 30 holds no field.
const std::vector<FieldDefinition>& newDatabaseCatalogue();

// Name of the contact table's column for a field id.
std::string columnName(int fieldId);

// Length of every record id and user unique id.
inline constexpr std::size_t IdLength = 12;

// The users of a new database, in order.
const std::vector<std::string>& newDatabaseUserNames();

// Date part of a "MM/DD/YYYY[ HH:MM]" value as "YYYY-MM-DD"; "" when the value is empty or not a US date.
std::string createDateSortValue(const std::string& createDate);

} // namespace standin
