#include "StandinFieldList.h"

#include <algorithm>

namespace standin {

StandinFieldList::StandinFieldList(std::shared_ptr<StandinSession> session) : m_session(std::move(session)) {}

template <typename Answer> auto StandinFieldList::atPosition(int position, Answer answer) {
    return m_session->run([&](ActDatabaseFile& db) -> act::Result<decltype(answer(FieldDefinition()))> {
        const auto& fields = db.fields();
        const auto found = std::find_if(fields.begin(), fields.end(),
                                        [position](const FieldDefinition& f) { return f.position == position; });
        if (found == fields.end())
            return makeError(ErrorCode::OutOfRange, "the field list has no position " + std::to_string(position));
        return answer(*found);
    });
}

template <typename Answer> auto StandinFieldList::byId(int id, Answer answer) {
    return m_session->run([&](ActDatabaseFile& db) -> act::Result<decltype(answer(FieldDefinition()))> {
        const FieldDefinition* field = db.fieldById(id);
        if (!field)
            return makeError(ErrorCode::UnknownField, "no field has the id " + std::to_string(id));
        return answer(*field);
    });
}

act::Result<int> StandinFieldList::Count() {
    return m_session->run([](ActDatabaseFile& db) -> act::Result<int> {
        return static_cast<int>(std::count_if(db.fields().begin(), db.fields().end(),
                                              [](const FieldDefinition& f) { return f.id != field::NoField; }));
    });
}

act::Result<int> StandinFieldList::IdAt(int position) {
    return atPosition(position, [](const FieldDefinition& f) { return f.id; });
}

act::Result<std::string> StandinFieldList::LabelAt(int position) {
    return atPosition(position,
                      [](const FieldDefinition& f) { return f.id == field::NoField ? std::string() : f.label; });
}

act::Result<int> StandinFieldList::TypeAt(int position) {
    return atPosition(position, [](const FieldDefinition& f) { return f.id == field::NoField ? 0 : f.type; });
}

act::Result<std::string> StandinFieldList::Label(int id) {
    return byId(id, [](const FieldDefinition& f) { return f.label; });
}

act::Result<int> StandinFieldList::Type(int id) {
    return byId(id, [](const FieldDefinition& f) { return f.type; });
}

act::Result<bool> StandinFieldList::Exists(int id) {
    return m_session->run([id](ActDatabaseFile& db) -> act::Result<bool> { return db.fieldById(id) != nullptr; });
}

} // namespace standin
