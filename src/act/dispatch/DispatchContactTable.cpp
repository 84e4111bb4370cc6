#include "DispatchContactTable.h"

#include "DispatchFieldList.h"

namespace act::dispatch {

Result<std::shared_ptr<FieldList>> DispatchContactTable::Fields() {
    return wrapped<FieldList, DispatchFieldList>(m_table.object("Fields"));
}

} // namespace act::dispatch
