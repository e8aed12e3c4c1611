#include "tools/content/Instruments.hpp"
#include "tools/content/Synth.hpp"

#include <string>

// "Skyforge": a march in D minor for brass, strings, bass, field drums and timpani. 32 bars at
// 120 beats a minute, a little over a minute, rendered so that the end runs seamlessly into the
// start: notes ringing past the end are folded back onto the beginning, and the reverb is taken
// from a second pass so that its tail is already present at the start.

using namespace synth;

namespace {

constexpr long step = 5512; // a sixteenth note in samples (about 120 beats a minute)
constexpr int stepsPerBar = 16;
constexpr int barCount = 32;
constexpr long loopLength = step * stepsPerBar * barCount;

struct Chord {
    float root;               // bass note
    std::vector<float> tones; // voicing around middle C
};

const Chord Dm{50, {62, 65, 69}}, Bb{46, {58, 62, 65}}, C{48, {60, 64, 67}}, A{45, {61, 64, 69}},
    F{41, {60, 65, 69}}, Gm{43, {62, 67, 70}};

// Intro, theme A, theme B, theme A again, and a turn back to the top.
const Chord* const chordOfBar[barCount] = {
    &Dm, &Dm, &Bb, &A,                    // intro
    &Dm, &Bb, &C,  &A, &Dm, &Bb, &Gm, &A, // A
    &F,  &C,  &Dm, &A, &Bb, &F,  &Gm, &A, // B
    &Dm, &Bb, &C,  &A, &Dm, &Bb, &Gm, &A, // A again
    &Dm, &Bb, &C,  &A,                    // turn
};

struct Note {
    int at;  // sixteenth within the bar
    int len; // sixteenths
    float midi;
};
using Bar = std::vector<Note>;

const std::vector<Bar> themeA = {
    {{0, 3, 69}, {3, 1, 69}, {4, 4, 74}, {8, 2, 74}, {10, 2, 76}, {12, 4, 77}},
    {{0, 3, 77}, {3, 1, 76}, {4, 4, 74}, {8, 4, 70}, {12, 4, 74}},
    {{0, 3, 72}, {3, 1, 74}, {4, 4, 76}, {8, 2, 72}, {10, 2, 76}, {12, 4, 79}},
    {{0, 8, 76}, {8, 4, 73}, {12, 4, 69}},
    {{0, 3, 69}, {3, 1, 69}, {4, 4, 74}, {8, 2, 74}, {10, 2, 76}, {12, 4, 77}},
    {{0, 3, 77}, {3, 1, 79}, {4, 4, 81}, {8, 4, 77}, {12, 4, 74}},
    {{0, 3, 79}, {3, 1, 77}, {4, 4, 74}, {8, 2, 70}, {10, 2, 74}, {12, 4, 79}},
    {{0, 4, 73}, {4, 4, 76}, {8, 8, 69}},
};
const std::vector<Bar> themeB = {
    {{0, 8, 81}, {8, 4, 79}, {12, 4, 77}},
    {{0, 8, 76}, {8, 4, 72}, {12, 4, 76}},
    {{0, 6, 77}, {6, 2, 76}, {8, 4, 74}, {12, 4, 77}},
    {{0, 12, 76}, {12, 4, 73}},
    {{0, 4, 74}, {4, 4, 77}, {8, 8, 82}},
    {{0, 6, 81}, {6, 2, 79}, {8, 8, 77}},
    {{0, 4, 79}, {4, 4, 77}, {8, 4, 74}, {12, 4, 70}},
    {{0, 8, 73}, {8, 4, 76}, {12, 4, 73}},
};

// The highest tone of the chord (in any octave) at least a minor third below the note.
float harmonyBelow(float note, const Chord& chord) {
    float best = note - 12;
    for (float t : chord.tones)
        for (float oct = -24; oct <= 12; oct += 12) {
            const float cand = t + oct;
            if (cand <= note - 3 && cand > best)
                best = cand;
        }
    return best;
}

class Score {
  public:
    Score() : dry_(loopLength, 0.f), send_(loopLength, 0.f) {}

    // Places a sound at bar/sixteenth, folding anything past the end back to the start.
    void place(const std::vector<float>& sound, int bar, float sixteenth, float gain,
               float reverbSend) {
        const long at =
            static_cast<long>(bar) * stepsPerBar * step + static_cast<long>(sixteenth * step);
        mixInto(dry_, sound, at, gain, true);
        if (reverbSend > 0)
            mixInto(send_, sound, at, gain * reverbSend, true);
    }

    std::vector<float> mixdown() const {
        // Run the reverb over two rounds of the loop and keep the second, which already carries
        // the tail of the first: the wet signal then joins up at the seam as well.
        std::vector<float> twice(send_);
        twice.insert(twice.end(), send_.begin(), send_.end());
        const std::vector<float> wet = reverb(twice, 0.72f, 0.45f);
        std::vector<float> out(dry_);
        for (long i = 0; i < loopLength; ++i)
            out[static_cast<std::size_t>(i)] +=
                wet[static_cast<std::size_t>(i + loopLength)] * 0.8f;
        return out;
    }

  private:
    std::vector<float> dry_, send_;
};

float seconds(int sixteenths) {
    return static_cast<float>(sixteenths * step) / sampleRate;
}

} // namespace

SoundClip makeMusic() {
    Score score;
    Rng rng(2718);
    std::uint64_t seed = 1000;
    const std::vector<float> kick = instrument::kick();

    for (int bar = 0; bar < barCount; ++bar) {
        const Chord& chord = *chordOfBar[bar];
        const bool intro = bar < 4, themeAFirst = bar >= 4 && bar < 12,
                   themeBPart = bar >= 12 && bar < 20, themeASecond = bar >= 20 && bar < 28,
                   turn = bar >= 28;

        // Field drum: the march rhythm, lighter under the lyrical part, a roll into the top.
        const char* pattern = themeBPart ? "X...x.x.X...x.xx" : "X.xxX.x.X.xxX.x.";
        if (bar == barCount - 1) {
            for (int k = 0; k < 32; ++k) {
                const float level = 0.3f + 0.7f * k / 31.f;
                score.place(instrument::snare(level, seed++), bar, k * 0.5f, 0.32f, 0.4f);
            }
        } else {
            for (int s = 0; s < stepsPerBar; ++s) {
                if (pattern[s] == '.')
                    continue;
                const float accent = pattern[s] == 'X' ? 1.f : 0.38f + 0.08f * rng.uniform();
                score.place(instrument::snare(accent, seed++), bar, static_cast<float>(s), 0.32f,
                            0.4f);
            }
        }
        // Bass drum on the strong beats; pushing harder in the second statement.
        if (!(intro && bar < 2)) {
            score.place(kick, bar, 0, 0.75f, 0);
            score.place(kick, bar, 8, 0.65f, 0);
            if (themeASecond || turn)
                score.place(kick, bar, 14, 0.45f, 0);
        }
        // Timpani at the start of each phrase and on the dominant's bars.
        if (bar % 4 == 0)
            score.place(instrument::timpani(midiToHz(chord.root - 12 + 12), seed++), bar, 0, 0.5f,
                        0.3f);
        if (chordOfBar[bar] == &A) {
            score.place(instrument::timpani(midiToHz(45 - 12 + 12), seed++), bar, 8, 0.35f, 0.3f);
            score.place(instrument::timpani(midiToHz(45 - 12 + 12), seed++), bar, 12, 0.45f, 0.3f);
        }
        if (bar == 4 || bar == 12 || bar == 20 || bar == 28)
            score.place(instrument::crash(seed++), bar, 0, 0.16f, 0.3f);

        // Bass: oom-pah on root and fifth, from the third bar on.
        if (bar >= 2) {
            const float r = chord.root;
            const Note line[] = {
                {0, 3, r}, {4, 3, r + 7}, {8, 3, r}, {12, 2, r + 7}, {14, 2, r + 12}};
            for (const Note& n : line)
                score.place(instrument::bass(seconds(n.len) * 0.9f, n.midi), bar,
                            static_cast<float>(n.at), 0.42f, 0);
        }
        // Strings hold the harmony in the second half of the piece.
        if (themeBPart || themeASecond || turn)
            for (float t : chord.tones)
                score.place(instrument::strings(seconds(16) * 0.96f, t - 12, seed++), bar, 0, 0.2f,
                            0.8f);

        // Melody: theme A, theme B, theme A with a second voice; brass chords in the turn.
        const Bar* melody = nullptr;
        if (themeAFirst)
            melody = &themeA[static_cast<std::size_t>(bar - 4)];
        else if (themeBPart)
            melody = &themeB[static_cast<std::size_t>(bar - 12)];
        else if (themeASecond)
            melody = &themeA[static_cast<std::size_t>(bar - 20)];
        if (melody)
            for (const Note& n : *melody) {
                const float len = seconds(n.len) * 0.92f;
                score.place(instrument::brass(len, n.midi, seed++), bar, static_cast<float>(n.at),
                            0.5f, 0.5f);
                if (themeASecond || themeBPart)
                    score.place(instrument::brass(len, harmonyBelow(n.midi, chord), seed++), bar,
                                static_cast<float>(n.at), themeBPart ? 0.18f : 0.28f, 0.5f);
            }
        if (turn || (intro && bar >= 2)) {
            for (float t : chord.tones) {
                score.place(instrument::brass(seconds(3), t, seed++), bar, 0, 0.26f, 0.5f);
                score.place(instrument::brass(seconds(2), t, seed++), bar, 10, 0.2f, 0.5f);
            }
        }
    }
    SoundClip clip{"Music/Taldrin - Skyforge.ogg", score.mixdown(), 0.7f};
    return clip;
}
