#pragma once

#include "Target.h"

#include "act/FieldList.h"

namespace act::dispatch {

// ACT!'s field list tells a position from a field id by the argument's kind: a number is a position, the id as
// text names a field.
class DispatchFieldList : public FieldList {
public:
    explicit DispatchFieldList(Target fields) : m_fields(std::move(fields)) {}

    Result<int> Count() override { return m_fields.number("Count"); }
    Result<int> IdAt(int position) override { return m_fields.number("Id", {position}); }
    Result<std::string> LabelAt(int position) override { return m_fields.text("Label", {position}); }
    Result<int> TypeAt(int position) override { return m_fields.number("Type", {position}); }
    Result<std::string> Label(int id) override { return m_fields.text("Label", {std::to_string(id)}); }
    Result<int> Type(int id) override { return m_fields.number("Type", {std::to_string(id)}); }
    // A field has the id when ACT! answers that id for it (-1 otherwise).
    Result<bool> Exists(int id) override {
        const Result<int> answered = m_fields.number("Id", {std::to_string(id)});
        if (!answered)
            return answered.error();
        return answered.value() == id && id != -1;
    }

private:
    Target m_fields;
};

} // namespace act::dispatch
