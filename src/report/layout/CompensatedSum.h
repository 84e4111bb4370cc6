#pragma once

#include <cmath>

namespace report {

// Neumaier's compensated sum: the spreadsheet adds a sub-total's numbers this way, and plain addition differs from
// its results in the last digits.
class CompensatedSum {
public:
    void add(double value) {
        const double sum = m_sum + value;
        if (std::abs(m_sum) >= std::abs(value))
            m_compensation += (m_sum - sum) + value;
        else
            m_compensation += (value - sum) + m_sum;
        m_sum = sum;
    }
    double value() const { return m_sum + m_compensation; }

private:
    double m_sum = 0;
    double m_compensation = 0;
};

} // namespace report
