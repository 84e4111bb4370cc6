#include "GroupTracker.h"

#include <QString>

namespace report {

GroupTracker::GroupTracker(const std::vector<SectionShape>& sections, const QLocale& locale)
    : m_values(sections.size()) {
    for (const SectionShape& section : sections) {
        m_columns.push_back(section.groupColumn);
        m_comparisons.push_back(section.kind ? std::optional<core::CellComparison>(std::in_place, *section.kind, locale)
                                             : std::nullopt);
    }
}

int GroupTracker::firstNewDepth(const std::vector<std::string>& cells) const {
    const int depths = static_cast<int>(m_columns.size());
    if (!m_started)
        return 0;
    int depth = 0;
    while (depth < depths && sameGroup(depth, m_values[depth], cells[m_columns[depth]]))
        ++depth;
    return depth;
}

void GroupTracker::start(int depth, const std::vector<std::string>& cells) {
    m_started = true;
    for (std::size_t inner = static_cast<std::size_t>(depth); inner < m_values.size(); ++inner)
        m_values[inner] = cells[m_columns[inner]];
}

bool GroupTracker::sameGroup(int depth, const std::string& a, const std::string& b) const {
    // Most rows repeat their group's text byte for byte; the collator is slow.
    if (a == b)
        return true;
    const std::optional<core::CellComparison>& comparison = m_comparisons[depth];
    return comparison && comparison->compare(QString::fromStdString(a), QString::fromStdString(b)) == 0;
}

} // namespace report
