#pragma once

#include "tools/content/Audio.hpp"
#include "tools/content/Noise.hpp"

#include <cmath>
#include <vector>

// Building blocks for the sounds: oscillators, noise, envelopes and filters, all per sample.

namespace synth {

constexpr float twoPi = 6.28318530718f;

inline int samples(float seconds) {
    return static_cast<int>(std::lround(seconds * sampleRate));
}
inline float midiToHz(float note) {
    return 440.f * std::pow(2.f, (note - 69.f) / 12.f);
}

// Band-limited saw and square from a running phase (0..1) with polyBLEP corrections.
inline float polyBlep(float t, float dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.f;
    }
    if (t > 1.f - dt) {
        t = (t - 1.f) / dt;
        return t * t + t + t + 1.f;
    }
    return 0.f;
}

class Oscillator {
  public:
    explicit Oscillator(float phase = 0) : phase_(phase) {}
    // Advances by one sample at the given frequency; the wave value is read before advancing.
    float sine(float hz) { return step(hz, std::sin(twoPi * phase_)); }
    float saw(float hz) {
        const float dt = hz / sampleRate;
        return step(hz, 2.f * phase_ - 1.f - polyBlep(phase_, dt));
    }
    float square(float hz, float width = 0.5f) {
        const float dt = hz / sampleRate;
        float v = phase_ < width ? 1.f : -1.f;
        v += polyBlep(phase_, dt);
        float t2 = phase_ - width;
        if (t2 < 0)
            t2 += 1;
        v -= polyBlep(t2, dt);
        return step(hz, v);
    }
    float triangle(float hz) { return step(hz, 1.f - 4.f * std::abs(phase_ - 0.5f)); }

  private:
    float step(float hz, float value) {
        phase_ += hz / sampleRate;
        phase_ -= std::floor(phase_);
        return value;
    }
    float phase_;
};

class WhiteNoise {
  public:
    explicit WhiteNoise(std::uint64_t seed) : rng_(seed) {}
    float next() { return rng_.uniform() * 2.f - 1.f; }

  private:
    Rng rng_;
};

// RBJ biquad; coefficients may be changed while running (cutoff sweeps).
class Biquad {
  public:
    enum class Kind { LowPass, HighPass, BandPass };
    Biquad() = default;
    Biquad(Kind kind, float hz, float q) { set(kind, hz, q); }
    void set(Kind kind, float hz, float q);
    float operator()(float x) {
        const float y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

  private:
    float b0_ = 1, b1_ = 0, b2_ = 0, a1_ = 0, a2_ = 0;
    float x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// Attack, then exponential decay to a sustain level, then an exponential release after the
// note's length. Times in seconds.
struct Envelope {
    float attack = 0.005f, decay = 0.1f, sustain = 1.f, release = 0.05f;
    float at(float t, float length) const;
};

// Exponential decay with time constant tau after a short linear attack.
inline float decayEnv(float t, float tau, float attack = 0.001f) {
    if (t < 0)
        return 0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / tau);
}

// Adds src into dst starting at offset; with wrap, what runs past the end continues at the
// start (for seamless loops).
void mixInto(std::vector<float>& dst, const std::vector<float>& src, long offset, float gain = 1.f,
             bool wrap = false);

// A small room: Schroeder combs and allpasses, returning only the wet signal.
std::vector<float> reverb(const std::vector<float>& in, float size, float damping);

// Short fades at both ends so that nothing starts or stops with a click.
void fadeEnds(std::vector<float>& s, float inSeconds, float outSeconds);

} // namespace synth
