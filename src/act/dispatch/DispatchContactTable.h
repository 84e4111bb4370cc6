#pragma once

#include "Target.h"

#include "act/ContactTable.h"

namespace act::dispatch {

class DispatchContactTable : public ContactTable {
public:
    explicit DispatchContactTable(Target table) : m_table(std::move(table)) {}

    Status MoveFirst() override { return m_table.run("MoveFirst"); }
    Status MoveNext() override { return m_table.run("MoveNext"); }
    Result<bool> IsEOF() override { return m_table.flag("IsEOF"); }
    Status GoTo(const std::string& recordId) override { return m_table.run("GoTo", {recordId}); }
    Result<std::string> Data(int fieldId) override { return m_table.text("Data", {fieldId}); }
    Status LoadLookupQuery(const std::string& lookupFile) override {
        return m_table.run("LoadLookupQuery", {lookupFile});
    }
    // ACT! has no member for this: its table walk already covers what its contact table holds, so nothing is called.
    Status LookupAll() override { return {}; }
    Result<std::shared_ptr<FieldList>> Fields() override;

private:
    Target m_table;
};

} // namespace act::dispatch
