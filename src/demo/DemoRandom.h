#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// A small PCG32 generator (O'Neill's XSH-RR variant). Its output depends only
// on the seed and the stream, never on the standard library, so one seed
// always makes the same demo data. Separate streams keep the parts of the data
// independent: more archives do not change the tree, more images do not change
// the archives.
class DemoRandom {
public:
    DemoRandom(uint64_t seed, uint64_t stream)
        : m_increment((stream << 1u) | 1u)
    {
        next();
        m_state += seed;
        next();
    }

    uint32_t next()
    {
        const uint64_t old = m_state;
        m_state = old * 6364136223846793005ULL + m_increment;
        const auto xorShifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
        const auto rotation = static_cast<uint32_t>(old >> 59u);
        return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
    }

    // Uniform in [0, bound); bound must be above 0.
    uint32_t below(uint32_t bound)
    {
        const uint32_t threshold = (0u - bound) % bound;
        for (;;) {
            const uint32_t r = next();
            if (r >= threshold)
                return r % bound;
        }
    }

    // Uniform in [low, high].
    int between(int low, int high) { return low + static_cast<int>(below(static_cast<uint32_t>(high - low + 1))); }

    bool percent(int chance) { return static_cast<int>(below(100)) < chance; }

    template <typename T>
    const T& pick(std::span<const T> items) { return items[below(static_cast<uint32_t>(items.size()))]; }

    // An index into weights, each chosen in proportion to its weight.
    size_t weighted(std::span<const int> weights)
    {
        int total = 0;
        for (int w : weights)
            total += w;
        int r = static_cast<int>(below(static_cast<uint32_t>(total)));
        for (size_t i = 0; i < weights.size(); ++i) {
            if (r < weights[i])
                return i;
            r -= weights[i];
        }
        return weights.size() - 1;
    }

private:
    uint64_t m_state = 0;
    uint64_t m_increment;
};
