#include "tools/content/Instruments.hpp"

#include "tools/content/Synth.hpp"

using namespace synth;
using Kind = Biquad::Kind;

namespace {
float timeOf(std::size_t i) {
    return static_cast<float>(i) / sampleRate;
}
} // namespace

// Detuned saws through a filter that opens with the attack ("blat"), vibrato on long notes.
std::vector<float> instrument::brass(float seconds, float midi, std::uint64_t seed) {
    const Envelope env{0.03f, 0.2f, 0.8f, 0.09f};
    std::vector<float> out(samples(seconds + 0.5f));
    const float hz = midiToHz(midi);
    Rng rng(seed);
    Oscillator a(rng.uniform()), b(rng.uniform()), sub(rng.uniform()), vib(rng.uniform());
    const float drift = rng.range(-0.0015f, 0.0015f);
    Biquad lp;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = timeOf(i);
        const float v = t > 0.15f ? 0.004f * vib.sine(5.5f) * std::min(1.f, (t - 0.15f) * 4) : 0.f;
        const float f = hz * (1.f + v + drift);
        if (i % 32 == 0) {
            const float open = (1 - std::exp(-t / 0.05f)) * (0.65f + 0.35f * std::exp(-t / 0.3f));
            lp.set(Kind::LowPass, 400.f + std::min(2600.f, hz * 5.f) * open, 0.9f);
        }
        const float raw = a.saw(f * 1.0035f) + b.saw(f * 0.9965f) + 0.35f * sub.square(f / 2);
        out[i] = lp(raw) * env.at(t, seconds) * 0.5f;
    }
    return out;
}

// A soft string section: several detuned saws, slow attack, dark filter.
std::vector<float> instrument::strings(float seconds, float midi, std::uint64_t seed) {
    const Envelope env{0.35f, 1.f, 1.f, 0.45f};
    std::vector<float> out(samples(seconds + 1.5f));
    const float hz = midiToHz(midi);
    Rng rng(seed);
    Oscillator o[4] = {Oscillator(rng.uniform()), Oscillator(rng.uniform()),
                       Oscillator(rng.uniform()), Oscillator(rng.uniform())};
    const float detune[4] = {-0.006f, -0.002f, 0.003f, 0.007f};
    Oscillator vib(rng.uniform());
    Biquad lp(Kind::LowPass, 1500.f, 0.6f), hp(Kind::HighPass, 120.f, 0.7f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = timeOf(i);
        const float f = hz * (1.f + 0.003f * vib.sine(4.8f));
        float v = 0;
        for (int k = 0; k < 4; ++k)
            v += o[k].saw(f * (1.f + detune[k]));
        out[i] = hp(lp(v)) * env.at(t, seconds) * 0.2f;
    }
    return out;
}

// A round bass: saw and sub sine through a low-pass.
std::vector<float> instrument::bass(float seconds, float midi) {
    const Envelope env{0.006f, 0.25f, 0.6f, 0.06f};
    std::vector<float> out(samples(seconds + 0.3f));
    const float hz = midiToHz(midi);
    Oscillator saw, sub;
    Biquad lp;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = timeOf(i);
        if (i % 32 == 0)
            lp.set(Kind::LowPass, 260.f + 900.f * std::exp(-t / 0.08f), 1.1f);
        out[i] = (lp(saw.saw(hz)) * 0.7f + sub.sine(hz) * 0.6f) * env.at(t, seconds);
    }
    return out;
}

// Inharmonic partials and a felt mallet; the pitch settles after the stroke.
std::vector<float> instrument::timpani(float hz, std::uint64_t seed) {
    std::vector<float> out(samples(1.4f));
    Oscillator p1, p2, p3, p4;
    WhiteNoise noise(seed);
    Biquad mallet(Kind::LowPass, 900.f, 0.7f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = timeOf(i);
        const float bend = 1.f + 0.03f * std::exp(-t / 0.04f);
        out[i] = p1.sine(hz * bend) * decayEnv(t, 0.45f, 0.002f) +
                 0.5f * p2.sine(hz * 1.5f * bend) * decayEnv(t, 0.3f, 0.002f) +
                 0.3f * p3.sine(hz * 1.99f * bend) * decayEnv(t, 0.2f, 0.002f) +
                 0.15f * p4.sine(hz * 2.44f) * decayEnv(t, 0.12f, 0.002f) +
                 mallet(noise.next()) * decayEnv(t, 0.015f, 0.001f) * 1.5f;
    }
    fadeEnds(out, 0.f, 0.1f);
    return out;
}

// A field snare: the skin's tone and the rattle of the wires; ghost notes are shorter.
std::vector<float> instrument::snare(float accent, std::uint64_t seed) {
    std::vector<float> out(samples(0.3f));
    WhiteNoise noise(seed);
    Biquad bp(Kind::BandPass, 2200.f, 0.6f), hp(Kind::HighPass, 700.f, 0.7f);
    Oscillator skin, skin2;
    const float tau = 0.035f + 0.04f * accent;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = timeOf(i);
        const float wires = hp(bp(noise.next())) * decayEnv(t, tau, 0.0008f) * 1.6f;
        const float tone =
            (skin.sine(190.f) * 0.6f + skin2.sine(330.f) * 0.3f) * decayEnv(t, 0.025f, 0.001f);
        out[i] = (wires + tone) * accent;
    }
    fadeEnds(out, 0.f, 0.05f);
    return out;
}

// A bass drum: a falling sine with a soft click.
std::vector<float> instrument::kick() {
    std::vector<float> out(samples(0.45f));
    Oscillator osc;
    WhiteNoise noise(5);
    Biquad lp(Kind::LowPass, 1500.f, 0.7f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = timeOf(i);
        const float hz = 46.f + 70.f * std::exp(-t / 0.03f);
        out[i] = osc.sine(hz) * decayEnv(t, 0.16f, 0.002f) +
                 lp(noise.next()) * decayEnv(t, 0.004f, 0.0005f) * 0.4f;
    }
    fadeEnds(out, 0.f, 0.05f);
    return out;
}

// A crash cymbal: bright noise with a long shimmer.
std::vector<float> instrument::crash(std::uint64_t seed) {
    std::vector<float> out(samples(2.2f));
    WhiteNoise noise(seed);
    Biquad hp(Kind::HighPass, 4500.f, 0.7f), bp(Kind::BandPass, 8000.f, 1.2f),
        lp(Kind::LowPass, 12000.f, 0.7f);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const float t = timeOf(i);
        const float n = noise.next();
        out[i] = lp(hp(n) * 0.6f + bp(n) * 0.8f) * decayEnv(t, 0.7f, 0.002f);
    }
    fadeEnds(out, 0.f, 0.3f);
    return out;
}
