#pragma once

#include "act/FieldList.h"

#include <QList>

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// A field list of the given fields by position; id -1 is a position that holds no field. Past the last position and
// for an id that no field has it answers with errors, as ACT! does; once closed, every call fails.
class FakeFieldList : public act::FieldList {
public:
    struct Field {
        int id;
        std::string label;
        int type;
    };
    explicit FakeFieldList(std::vector<Field> fields) : m_fields(std::move(fields)) {}

    std::optional<int> count; // what Count answers instead of the number of fields
    QList<int> asked;         // positions of IdAt calls
    bool closed = false;
    inline static const act::Error Closed{1009, "the connection to ACT! is closed"};

    act::Result<int> Count() override {
        const auto fields = std::count_if(m_fields.begin(), m_fields.end(), [](const Field& f) { return f.id != -1; });
        return closed ? act::Result<int>(Closed) : count.value_or(static_cast<int>(fields));
    }
    act::Result<int> IdAt(int position) override {
        asked.append(position);
        return at(position, &Field::id);
    }
    act::Result<std::string> LabelAt(int position) override { return at(position, &Field::label); }
    act::Result<int> TypeAt(int position) override { return at(position, &Field::type); }
    act::Result<std::string> Label(int id) override { return byId(id, &Field::label); }
    act::Result<int> Type(int id) override { return byId(id, &Field::type); }
    act::Result<bool> Exists(int id) override { return closed ? act::Result<bool>(Closed) : byId(id, &Field::id).ok(); }

private:
    template <typename T> act::Result<T> at(int position, T Field::*member) const {
        if (closed || position < 0 || position >= static_cast<int>(m_fields.size()))
            return closed ? Closed : act::Error{1004, "the field list has no position " + std::to_string(position)};
        return m_fields[static_cast<std::size_t>(position)].*member;
    }
    template <typename T> act::Result<T> byId(int id, T Field::*member) const {
        for (const Field& field : m_fields)
            if (!closed && field.id == id && id != -1)
                return field.*member;
        return closed ? Closed : act::Error{1003, "no field has the id " + std::to_string(id)};
    }

    std::vector<Field> m_fields;
};

} // namespace testing_support
