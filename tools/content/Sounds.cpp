#include "tools/content/Instruments.hpp"
#include "tools/content/Synth.hpp"

// The sound effects: a typewriter click, two interface cues, four distinct shots, an
// explosion, two pick-up sounds and a short fanfare.

using namespace synth;
using Kind = Biquad::Kind;

namespace {

std::vector<float> silence(float seconds) {
    return std::vector<float>(samples(seconds), 0.f);
}

float timeOf(std::size_t i) {
    return static_cast<float>(i) / sampleRate;
}

// A key striking the platen: a bright tick, a wooden knock and a little body.
std::vector<float> typewriterClick() {
    std::vector<float> s = silence(0.045f);
    WhiteNoise noise(1);
    Biquad tick(Kind::BandPass, 3600.f, 1.8f), knock(Kind::BandPass, 1250.f, 4.f);
    Oscillator body;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i), n = noise.next();
        s[i] = tick(n) * decayEnv(t, 0.0035f, 0.0003f) * 1.6f +
               knock(n) * decayEnv(t, 0.008f, 0.0005f) * 2.2f +
               body.sine(190.f) * decayEnv(t, 0.012f, 0.001f) * 0.25f;
    }
    fadeEnds(s, 0.f, 0.004f);
    return s;
}

// Two low buzzes falling.
std::vector<float> errorBuzz() {
    std::vector<float> s = silence(0.36f);
    Oscillator osc, sub;
    Biquad lp(Kind::LowPass, 1600.f, 0.8f);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        const bool second = t >= 0.17f;
        const float local = second ? t - 0.17f : t;
        const float hz = second ? 146.8f : 196.f;
        const Envelope env{0.006f, 0.08f, 0.7f, 0.03f};
        s[i] = lp(osc.square(hz, 0.35f) * 0.7f + sub.sine(hz / 2) * 0.4f) * env.at(local, 0.13f);
    }
    fadeEnds(s, 0.002f, 0.01f);
    return s;
}

// Two bright rising blips.
std::vector<float> acceptChime() {
    std::vector<float> s = silence(0.28f);
    Oscillator a, b, c;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        const bool second = t >= 0.08f;
        const float local = second ? t - 0.08f : t;
        const float hz = second ? 1318.5f : 987.8f;
        const float env = decayEnv(local, second ? 0.07f : 0.035f, 0.003f);
        s[i] = (a.sine(hz) + 0.3f * b.triangle(hz * 2) + 0.12f * c.sine(hz * 3)) * env;
    }
    fadeEnds(s, 0.001f, 0.02f);
    return s;
}

// A gunshot: a crack, a filtered blast whose brightness falls, a thump and a short echo.
std::vector<float> gunshot(float seconds, float blastTau, float startHz, float endHz, float thumpHz,
                           float thumpGain, float drive, std::uint64_t seed) {
    std::vector<float> s = silence(seconds);
    WhiteNoise noise(seed);
    Biquad lp, crackHp(Kind::HighPass, 2500.f, 0.7f);
    Oscillator thump;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        if (i % 32 == 0)
            lp.set(Kind::LowPass, endHz + (startHz - endHz) * std::exp(-t / (blastTau * 0.8f)),
                   0.8f);
        const float n = noise.next();
        const float crack = crackHp(n) * decayEnv(t, 0.003f, 0.0002f) * 1.4f;
        const float blast = lp(n) * decayEnv(t, blastTau, 0.001f) * 1.3f;
        const float hz = thumpHz * (1.f + 1.5f * std::exp(-t / 0.012f));
        const float boom = thump.sine(hz) * decayEnv(t, blastTau * 0.8f, 0.002f) * thumpGain;
        s[i] = std::tanh((crack + blast + boom) * drive) / std::tanh(drive);
    }
    // The shot coming back off a wall.
    std::vector<float> echo(s.size(), 0.f);
    Biquad echoLp(Kind::LowPass, 1400.f, 0.7f);
    const std::size_t delay = static_cast<std::size_t>(samples(0.075f));
    for (std::size_t i = delay; i < s.size(); ++i)
        echo[i] = echoLp(s[i - delay]) * 0.28f;
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] += echo[i];
    fadeEnds(s, 0.f, 0.03f);
    return s;
}

// An energy bolt: a falling sweep with a wobble, a fizz of noise.
std::vector<float> blaster(float seconds, float fromHz, float toHz, bool square, float wobbleHz,
                           std::uint64_t seed) {
    std::vector<float> s = silence(seconds);
    Oscillator osc, wobble, ring, sub;
    WhiteNoise noise(seed);
    Biquad bp(Kind::BandPass, 2500.f, 0.9f), lp(Kind::LowPass, 5000.f, 0.7f);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        const float sweep = toHz + (fromHz - toHz) * std::exp(-t / (seconds * 0.22f));
        const float hz = sweep * (1.f + 0.06f * wobble.sine(wobbleHz));
        float v = square ? osc.square(hz, 0.3f) * 0.6f : osc.saw(hz) * 0.5f + osc.sine(hz) * 0.0f;
        if (square)
            v *= 0.6f + 0.4f * ring.sine(90.f);
        v += bp(noise.next()) * 0.5f * decayEnv(t, 0.03f);
        v += sub.sine(sweep * 0.25f) * 0.35f;
        s[i] = lp(v) * decayEnv(t, seconds * 0.32f, 0.002f);
    }
    fadeEnds(s, 0.001f, 0.04f);
    return s;
}

// A heavy explosion: crack, boom, sinking sub and falling debris.
std::vector<float> explosion() {
    std::vector<float> s = silence(1.4f);
    WhiteNoise noise(77), debrisNoise(78);
    Biquad lp, crackHp(Kind::HighPass, 3000.f, 0.7f), debrisBp(Kind::BandPass, 2200.f, 2.f);
    Oscillator sub;
    Rng rng(79);
    float debris = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const float t = timeOf(i);
        if (i % 32 == 0)
            lp.set(Kind::LowPass, 140.f + 1800.f * std::exp(-t / 0.18f), 0.7f);
        const float n = noise.next();
        const float crack = crackHp(n) * decayEnv(t, 0.006f, 0.0003f);
        const float boom = lp(n) * decayEnv(t, 0.38f, 0.004f) * 2.4f;
        const float low =
            sub.sine(34.f + 40.f * std::exp(-t / 0.08f)) * decayEnv(t, 0.3f, 0.004f) * 0.9f;
        // Debris: sparse ticks that thin out.
        if (t > 0.15f && rng.uniform() < 0.0016f * std::exp(-(t - 0.15f) / 0.35f))
            debris = rng.range(0.2f, 0.6f);
        debris *= 0.9985f;
        const float tick = debrisBp(debrisNoise.next()) * debris;
        s[i] = std::tanh((crack + boom + low + tick) * 1.4f);
    }
    fadeEnds(s, 0.f, 0.12f);
    return s;
}

// A bright two-note chime for a pick-up.
std::vector<float> collectChime() {
    std::vector<float> s = silence(0.38f);
    const float notes[2] = {987.8f, 1318.5f};
    for (int k = 0; k < 2; ++k) {
        Oscillator a, b, c;
        const std::size_t start = static_cast<std::size_t>(samples(0.07f * k));
        for (std::size_t i = start; i < s.size(); ++i) {
            const float t = timeOf(i - start), hz = notes[k];
            s[i] += (a.sine(hz) + 0.35f * b.sine(hz * 2.01f) * std::exp(-t / 0.04f) +
                     0.15f * c.sine(hz * 3)) *
                    decayEnv(t, k ? 0.11f : 0.05f, 0.002f);
        }
    }
    fadeEnds(s, 0.f, 0.03f);
    return s;
}

// A magazine clacked in and the bolt racked, then a rising chirp.
std::vector<float> refill() {
    std::vector<float> s = silence(0.46f);
    WhiteNoise noise(91);
    struct Clack {
        float at, hz, ring;
    };
    for (const Clack& c :
         {Clack{0.0f, 2200.f, 720.f}, Clack{0.12f, 1600.f, 540.f}, Clack{0.16f, 2600.f, 900.f}}) {
        Biquad bp(Kind::BandPass, c.hz, 2.5f);
        Oscillator ringOsc;
        const std::size_t start = static_cast<std::size_t>(samples(c.at));
        for (std::size_t i = start; i < s.size(); ++i) {
            const float t = timeOf(i - start);
            s[i] += bp(noise.next()) * decayEnv(t, 0.012f, 0.0004f) * 2.5f +
                    ringOsc.sine(c.ring) * decayEnv(t, 0.02f, 0.0005f) * 0.35f;
        }
    }
    Oscillator chirp, chirp2;
    const std::size_t start = static_cast<std::size_t>(samples(0.26f));
    for (std::size_t i = start; i < s.size(); ++i) {
        const float t = timeOf(i - start);
        const float hz = 520.f + 900.f * std::min(1.f, t / 0.12f);
        s[i] += (chirp.sine(hz) + 0.3f * chirp2.triangle(hz * 2)) *
                Envelope{0.01f, 0.05f, 0.7f, 0.03f}.at(t, 0.12f) * 0.5f;
    }
    fadeEnds(s, 0.f, 0.02f);
    return s;
}

// A short fanfare in C: da-da-daaa, da-daaaa over a timpani roll.
std::vector<float> fanfare() {
    std::vector<float> s = silence(1.75f);
    const float beat = 0.13f;
    struct Note {
        float at, len, midi;
    };
    const Note melody[] = {{0, 0.10f, 67},
                           {beat, 0.10f, 67},
                           {2 * beat, 0.22f, 72},
                           {4 * beat, 0.1f, 76},
                           {5 * beat, 0.9f, 79}};
    std::uint64_t seed = 300;
    auto at = [](float seconds) { return static_cast<long>(samples(seconds)); };
    for (const Note& n : melody) {
        mixInto(s, instrument::brass(n.len, n.midi, seed++), at(n.at), 0.5f);
        mixInto(s, instrument::brass(n.len, n.midi - 12, seed++), at(n.at), 0.22f);
    }
    // The held chord under the last note.
    for (float m : {60.f, 64.f, 67.f})
        mixInto(s, instrument::brass(0.9f, m, seed++), at(5 * beat), 0.18f);
    mixInto(s, instrument::timpani(65.4f, 301), 0, 0.5f);
    mixInto(s, instrument::timpani(98.f, 302), at(2 * beat), 0.45f);
    mixInto(s, instrument::timpani(65.4f, 303), at(5 * beat), 0.7f);
    fadeEnds(s, 0.f, 0.25f);
    return s;
}

} // namespace

std::vector<SoundClip> makeSoundEffects() {
    std::vector<SoundClip> clips;
    clips.push_back({"Sounds/Print.wav", typewriterClick()});
    clips.push_back({"Sounds/Error.wav", errorBuzz()});
    clips.push_back({"Sounds/Accept.wav", acceptChime()});
    // Lossy files keep headroom: the encoder may overshoot the original peak a little.
    clips.push_back(
        {"Sounds/Shoot1.ogg", gunshot(0.32f, 0.035f, 7000.f, 700.f, 95.f, 0.6f, 1.5f, 11), 0.7f});
    clips.push_back(
        {"Sounds/Shoot2.ogg", gunshot(0.38f, 0.06f, 3500.f, 350.f, 58.f, 1.1f, 2.2f, 12), 0.7f});
    clips.push_back({"Sounds/Blaster1.wav", blaster(0.3f, 2400.f, 260.f, false, 38.f, 13)});
    clips.push_back({"Sounds/Blaster2.wav", blaster(0.36f, 1500.f, 110.f, true, 14.f, 14)});
    clips.push_back({"Sounds/damage.ogg", explosion(), 0.7f});
    clips.push_back({"Sounds/Collect.wav", collectChime()});
    clips.push_back({"Sounds/Refill.wav", refill()});
    clips.push_back({"Sounds/NextLevel.wav", fanfare()});
    return clips;
}
