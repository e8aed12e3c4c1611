#pragma once

#include <cmath>
#include <cstdint>

// Fixed-seed randomness: the generator must write the same bytes on every run, so nothing here
// reads the clock or the standard library's engines (whose sequences are not pinned down).

inline std::uint64_t mix64(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() { return mix64(state_ += 0x9e3779b97f4a7c15ULL); }
    // Uniform in [0, 1).
    float uniform() { return static_cast<float>(next() >> 40) / static_cast<float>(1ULL << 24); }
    float range(float lo, float hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    // Roughly normal, mean 0, deviation 1.
    float gauss() {
        float s = 0;
        for (int i = 0; i < 6; ++i)
            s += uniform();
        return (s - 3.f) * 1.41421356f;
    }

  private:
    std::uint64_t state_;
};

// Hash of a lattice point to [0, 1).
inline float latticeValue(int x, int y, std::uint32_t seed) {
    const std::uint64_t h = mix64(
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(x)) << 32) ^
        static_cast<std::uint32_t>(y) ^ (static_cast<std::uint64_t>(seed) * 0x632be59bd9b4e019ULL));
    return static_cast<float>(h >> 40) / static_cast<float>(1ULL << 24);
}

inline int wrapIndex(int i, int period) {
    if (period <= 0)
        return i;
    const int m = i % period;
    return m < 0 ? m + period : m;
}

// Smooth value noise in [0, 1); with a period > 0 it repeats every period lattice cells, so
// pictures made from it tile without a seam.
inline float valueNoise(float x, float y, std::uint32_t seed, int period = 0) {
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * tx * (tx * (tx * 6 - 15) + 10);
    ty = ty * ty * ty * (ty * (ty * 6 - 15) + 10);
    const int x0 = wrapIndex(ix, period), x1 = wrapIndex(ix + 1, period);
    const int y0 = wrapIndex(iy, period), y1 = wrapIndex(iy + 1, period);
    const float a = latticeValue(x0, y0, seed), b = latticeValue(x1, y0, seed);
    const float c = latticeValue(x0, y1, seed), d = latticeValue(x1, y1, seed);
    const float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

// Fractal sum of octaves, about 0..1 around 0.5. The period (in lattice cells of the first
// octave) doubles with each octave, so tiling survives.
inline float fbm(float x, float y, std::uint32_t seed, int octaves = 4, int period = 0,
                 float gain = 0.5f) {
    float sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * valueNoise(x, y, seed + 977u * static_cast<std::uint32_t>(o), period);
        norm += amp;
        amp *= gain;
        x *= 2;
        y *= 2;
        if (period > 0)
            period *= 2;
    }
    return sum / norm;
}
