#pragma once

namespace act {

// Tables that are opened and held with the others but never called.
class ListTable {
public:
    virtual ~ListTable() = default;
};

class SalesTable {
public:
    virtual ~SalesTable() = default;
};

class GroupTable {
public:
    virtual ~GroupTable() = default;
};

} // namespace act
