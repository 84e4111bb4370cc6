#pragma once

#include "ActDatabaseFile.h"
#include "DeterministicRandom.h"

#include <cstdint>
#include <string>
#include <vector>

namespace standin {

// Makes contacts that look real, the same ones for the same seed on every platform. Values are in the forms the
// rest of Tallivo expects from the contact manager: numbers "1234" or "12.5", amounts "1,234.50", dates
// "MM/DD/YYYY", times "HH:MM", date and time "MM/DD/YYYY HH:MM"; some fields are empty.
class SampleGenerator {
public:
    SampleGenerator(std::uint64_t seed, const std::vector<UserRecord>& users);

    // The fields a contact gets values for, in the order next() writes them: every field of a new database
    // that has a column.
    static const std::vector<int>& fieldIds();

    // Writes the next contact into values (one per fieldIds() entry), reusing their storage.
    void next(std::vector<std::string>& values);

private:
    std::uint64_t idNumber(std::uint64_t index) const;

    DeterministicRandom m_random;
    std::uint64_t m_idKey;
    std::uint64_t m_index = 0;
    std::vector<std::string> m_userIds;
    std::vector<std::string> m_userNames;
};

} // namespace standin
