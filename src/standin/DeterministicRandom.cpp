#include "DeterministicRandom.h"

namespace standin {

namespace {

std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t rotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

} // namespace

DeterministicRandom::DeterministicRandom(std::uint64_t seed) {
    for (std::uint64_t& word : m_state)
        word = splitmix64(seed);
}

std::uint64_t DeterministicRandom::next() {
    const std::uint64_t result = rotateLeft(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotateLeft(m_state[3], 45);
    return result;
}

std::uint64_t DeterministicRandom::below(std::uint64_t bound) {
    // Values under 2^64 mod bound would make the low residues more likely; drawing again removes the bias.
    const std::uint64_t threshold = (0 - bound) % bound;
    std::uint64_t value = next();
    while (value < threshold)
        value = next();
    return value % bound;
}

} // namespace standin
