#pragma once

#include <cstdint>
#include <random>

// The game's one source of chance (tank kinds, shot sounds); tests seed it.
using RandomEngine = std::mt19937;

// A whole number from lo to hi, both included.
inline int randomInt(RandomEngine& engine, int lo, int hi) {
    return std::uniform_int_distribution<int>(lo, hi)(engine);
}

std::uint32_t seedFromClock();
