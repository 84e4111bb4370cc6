#pragma once

#include <array>
#include <cstdint>
#include <iterator>

namespace standin {

// xoshiro256** seeded through splitmix64, with our own range reduction: the same seed gives the same sequence
// on every platform and compiler, which std:: distributions do not promise.
class DeterministicRandom {
public:
    explicit DeterministicRandom(std::uint64_t seed);

    std::uint64_t next();
    // Uniform in [0, bound); bound must be positive.
    std::uint64_t below(std::uint64_t bound);
    // Uniform in [low, high].
    std::uint64_t between(std::uint64_t low, std::uint64_t high) { return low + below(high - low + 1); }
    // True with a chance of `percent` in a hundred.
    bool chance(unsigned percent) { return below(100) < percent; }
    template <typename Container> const auto& pick(const Container& items) { return items[below(std::size(items))]; }

private:
    std::array<std::uint64_t, 4> m_state;
};

} // namespace standin
