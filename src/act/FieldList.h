#pragma once

#include "Result.h"

#include <string>

namespace act {

// The contact table's field list. Positions and ids are kept apart: a position may hold no field (id -1).
class FieldList {
public:
    virtual ~FieldList() = default;

    // Number of fields, not of positions.
    virtual Result<int> Count() = 0;
    // Field id at a position; -1 at a position without a field; an error past the last position.
    virtual Result<int> IdAt(int position) = 0;
    // Field label at a position; "" at a position without a field.
    virtual Result<std::string> LabelAt(int position) = 0;
    // Type code at a position; 0 at a position without a field.
    virtual Result<int> TypeAt(int position) = 0;
    // Label of a field id; an error when no field has that id.
    virtual Result<std::string> Label(int id) = 0;
    // Type code of a field id; an error when no field has that id.
    virtual Result<int> Type(int id) = 0;
    // Whether a field has that id.
    virtual Result<bool> Exists(int id) = 0;
};

} // namespace act
