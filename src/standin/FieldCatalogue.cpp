#include "FieldCatalogue.h"

#include <cctype>

namespace standin {

const std::vector<FieldDefinition>& newDatabaseCatalogue() {
    using namespace fieldtype;
    static const std::vector<FieldDefinition> catalogue = {
        {0, 1, "Record ID", Character},
        {1, 2, "Company", InitialCaps},
        {2, 3, "Contact", InitialCaps},
        {3, 4, "First Name", InitialCaps},
        {4, 5, "Last Name", InitialCaps},
        {5, 6, "Record Manager", User},
        {6, 7, "Title", Character},
        {7, 8, "Department", Character},
        {8, 9, "Phone", Phone},
        {9, 10, "Mobile Phone", Phone},
        {10, 11, "Fax", Phone},
        {11, 12, "E-mail", Address},
        {12, 13, "Web Site", Address},
        {13, 14, "Address 1", Character},
        {14, 15, "Address 2", Character},
        {15, 16, "City", Character},
        {16, 17, "State", UpperCase},
        {17, 18, "Country", Character},
        {18, 19, "Salutation", Character},
        {19, 20, "ID/Status", Character},
        {20, 21, "Referred By", Character},
        {21, 22, "Last Results", Character},
        {22, 23, "Last Meeting", DateTime},
        {23, 24, "Revenue", Currency},
        {24, 25, "Employees", Numeric},
        {25, 26, "Create Date", DateTime},
        {26, 27, "Zip", Numeric},
        {27, 28, "Call Time", Time},
        {28, 29, "Edit Date", Date},
        {29, 30, "Notes", Memo},
        {30, field::NoField, "", 0},
        {31, 79, "Create Date (sort)", Date},
        {32, 202, "Record Creator", Character},
        {33, 203, "Private", Character},
        {34, 950, "(Empty Column)", Character},
    };
    return catalogue;
}

std::string columnName(int fieldId) {
    return "f" + std::to_string(fieldId);
}

const std::vector<std::string>& newDatabaseUserNames() {
    static const std::vector<std::string> names = {"Alex Moreau", "Bob", "Bob Smith", "Dana Reyes", "Eli Novak"};
    return names;
}

std::string createDateSortValue(const std::string& createDate) {
    // Exactly MM/DD/YYYY, optionally followed by a space and a time.
    if (createDate.size() < 10 || (createDate.size() > 10 && createDate[10] != ' '))
        return {};
    for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (!std::isdigit(static_cast<unsigned char>(createDate[i])))
            return {};
    if (createDate[2] != '/' || createDate[5] != '/')
        return {};
    const int month = std::stoi(createDate.substr(0, 2));
    const int day = std::stoi(createDate.substr(3, 2));
    if (month < 1 || month > 12 || day < 1 || day > 31)
        return {};
    return createDate.substr(6, 4) + "-" + createDate.substr(0, 2) + "-" + createDate.substr(3, 2);
}

} // namespace standin
