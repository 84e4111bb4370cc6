#pragma once

#include "StandinSession.h"

#include "act/FieldList.h"

#include <memory>

namespace standin {

// The contact table's field list, read from the database's fields table.
class StandinFieldList : public act::FieldList {
public:
    explicit StandinFieldList(std::shared_ptr<StandinSession> session);

    act::Result<int> Count() override;
    act::Result<int> IdAt(int position) override;
    act::Result<std::string> LabelAt(int position) override;
    act::Result<int> TypeAt(int position) override;
    act::Result<std::string> Label(int id) override;
    act::Result<int> Type(int id) override;
    act::Result<bool> Exists(int id) override;

private:
    // Calls `answer` with the field at a position; OutOfRange when the list has no such position.
    template <typename Answer> auto atPosition(int position, Answer answer);
    // Calls `answer` with the field that has an id; UnknownField when none has it.
    template <typename Answer> auto byId(int id, Answer answer);

    std::shared_ptr<StandinSession> m_session;
};

} // namespace standin
