#pragma once
// Deterministic random numbers for the picture generators: splitmix64 is
// fixed across compilers, unlike <random>'s distributions, so the committed
// pictures regenerate byte for byte.

#include <cstdint>

struct Rng {
    std::uint64_t s;
    std::uint64_t next()
    {
        std::uint64_t z = (s += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    double unit() { return double(next() >> 11) / double(1ull << 53); }
    int below(int n) { return int(next() % std::uint64_t(n)); }
};
