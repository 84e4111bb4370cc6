#pragma once

#include "FieldList.h"
#include "Result.h"

#include <memory>
#include <string>

namespace act {

// A record walk over the contacts (restricted to a lookup once one is loaded) and one current record.
class ContactTable {
public:
    virtual ~ContactTable() = default;

    virtual Status MoveFirst() = 0;
    virtual Status MoveNext() = 0;
    // True when the walk has no current record.
    virtual Result<bool> IsEOF() = 0;
    // Makes the record with that record id current, whatever the lookup; an error when no record has it.
    virtual Status GoTo(const std::string& recordId) = 0;
    // Value of a field of the current record, exactly as stored (but valid UTF-8, see Backend).
    virtual Result<std::string> Data(int fieldId) = 0;
    // Restricts the walk to the records of a lookup file, in table order.
    virtual Status LoadLookupQuery(const std::string& lookupFile) = 0;
    // Lifts the lookup restriction: the walk covers every contact again. Ours, not ACT!'s: over ACT!'s own objects
    // it calls nothing, since ACT!'s walk already covers what its contact table holds.
    virtual Status LookupAll() = 0;
    virtual Result<std::shared_ptr<FieldList>> Fields() = 0;
};

} // namespace act
