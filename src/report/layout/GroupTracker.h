#pragma once

#include "SectionShape.h"

#include "core/run/sort/CellComparison.h"

#include <QLocale>

#include <optional>
#include <string>
#include <vector>

namespace report {

// Finds where groups start in the sorted rows: a group is a run of rows its section's comparison finds equal,
// within the enclosing group.
class GroupTracker {
public:
    GroupTracker(const std::vector<SectionShape>& sections, const QLocale& locale);

    // The depth of the outermost section whose group the row starts anew; the number of sections when it continues
    // every group. The first row starts them all.
    int firstNewDepth(const std::vector<std::string>& cells) const;
    // Starts the groups of the sections from depth on with this row.
    void start(int depth, const std::vector<std::string>& cells);
    // The group's value as its first row writes it.
    const std::string& value(int depth) const { return m_values[depth]; }

private:
    bool sameGroup(int depth, const std::string& a, const std::string& b) const;

    std::vector<int> m_columns;
    std::vector<std::optional<core::CellComparison>> m_comparisons;
    std::vector<std::string> m_values;
    bool m_started = false;
};

} // namespace report
