#include "platform/Text.hpp"
#include "tests/content/ContentFiles.hpp"

#include <SFML/Audio.hpp>
#include <SFML/Graphics/Font.hpp>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Decoded {
    std::vector<sf::Int16> samples;
    unsigned rate = 0, channels = 0;
    double seconds() const { return rate ? double(samples.size()) / channels / rate : 0; }
    int peak() const {
        int peak = 0;
        for (sf::Int16 v : samples)
            peak = std::max(peak, std::abs(int(v)));
        return peak;
    }
};

// Decodes without an audio device.
Decoded decode(const std::string& path) {
    Decoded d;
    sf::InputSoundFile file;
    if (!file.openFromFile(contentRoot + path)) {
        ADD_FAILURE() << "cannot open " << path;
        return d;
    }
    d.rate = file.getSampleRate();
    d.channels = file.getChannelCount();
    d.samples.resize(static_cast<std::size_t>(file.getSampleCount()));
    d.samples.resize(static_cast<std::size_t>(file.read(d.samples.data(), d.samples.size())));
    return d;
}

} // namespace

// Effects are short, normalised and never clipped; the four shots, picked at random, do not sound
// alike; the music loops without a click at the seam.
TEST(Sounds, EffectsShortNormalisedShotsDistinctMusicLoopsWithoutAClick) {
    const struct {
        const char* path;
        double minSeconds, maxSeconds;
    } rules[] = {
        {"Sounds/Shoot1.ogg", 0.1, 0.4},    {"Sounds/Shoot2.ogg", 0.1, 0.4},
        {"Sounds/Blaster1.wav", 0.1, 0.4},  {"Sounds/Blaster2.wav", 0.1, 0.4},
        {"Sounds/Print.wav", 0.01, 0.06},   {"Sounds/Error.wav", 0.1, 1.0},
        {"Sounds/Accept.wav", 0.1, 1.0},    {"Sounds/damage.ogg", 0.5, 1.5},
        {"Sounds/Collect.wav", 0.1, 1.0},   {"Sounds/Refill.wav", 0.1, 1.0},
        {"Sounds/NextLevel.wav", 0.8, 3.0},
    };
    std::vector<Decoded> shots;
    for (const auto& r : rules) {
        const Decoded d = decode(r.path);
        EXPECT_TRUE(d.channels == 1 && d.rate == 44100) << r.path;
        EXPECT_TRUE(d.seconds() >= r.minSeconds && d.seconds() <= r.maxSeconds) << r.path;
        EXPECT_TRUE(d.peak() < 32767 && d.peak() > 32767 / 2) << r.path << " peaks at " << d.peak();
        if (shots.size() < 4)
            shots.push_back(d);
    }
    for (std::size_t i = 0; i < shots.size(); ++i)
        for (std::size_t j = i + 1; j < shots.size(); ++j) {
            const auto &a = shots[i].samples, &b = shots[j].samples;
            double ab = 0, aa = 0, bb = 0;
            for (std::size_t k = 0; k < std::min(a.size(), b.size()); ++k) {
                ab += double(a[k]) * b[k];
                aa += double(a[k]) * a[k];
                bb += double(b[k]) * b[k];
            }
            EXPECT_LT(std::abs(ab) / std::sqrt(aa * bb + 1), 0.6) << "shots " << i << " and " << j;
        }

    const Decoded d = decode("Music/Taldrin - Skyforge.ogg");
    ASSERT_TRUE(d.channels == 1 && d.rate == 44100);
    EXPECT_GE(d.seconds(), 60.0);
    EXPECT_TRUE(d.peak() < 32767 && d.peak() > 32767 / 3) << d.peak();
    // Steps between neighbouring samples: the seam's step must look like any other.
    std::vector<int> steps;
    for (std::size_t i = 1; i < d.samples.size(); ++i)
        steps.push_back(std::abs(d.samples[i] - d.samples[i - 1]));
    std::nth_element(steps.begin(), steps.begin() + steps.size() * 99 / 100, steps.end());
    const int p99 = steps[steps.size() * 99 / 100];
    EXPECT_LE(std::abs(d.samples.front() - d.samples.back()), std::max(2 * p99, 200)) << p99;
    // It plays right through the seam and never falls silent for long in between.
    auto rms = [&](std::size_t from, std::size_t count) {
        double sum = 0;
        for (std::size_t i = from; i < from + count; ++i)
            sum += double(d.samples[i]) * d.samples[i];
        return std::sqrt(sum / count);
    };
    const std::size_t quarter = 44100 / 4;
    EXPECT_GT(rms(0, quarter), 300.0);
    EXPECT_GT(rms(d.samples.size() - quarter, quarter), 300.0);
    for (std::size_t at = 0; at + quarter <= d.samples.size(); at += quarter)
        EXPECT_GT(rms(at, quarter), 100.0) << "near " << at / 44100.0 << " s";
}

TEST(Fonts, DisplayAndBuiltInFontsHoldGermanLettersAndDigits) {
    sf::Font display, builtIn;
    ASSERT_TRUE(display.loadFromFile(contentRoot + "Fonts/TSalvacion.ttf"));
    loadDefaultFont(builtIn);
    for (const sf::Font* font : {&display, &builtIn}) {
        // A character the font lacks shows its "missing" glyph; compare against that.
        const sf::Glyph missing = font->getGlyph(0xE000, 30, false);
        for (char32_t c : std::u32string(
                 U"\u00E4\u00F6\u00FC\u00C4\u00D6\u00DC\u00DF\u00B00123456789VelmarchLP")) {
            const sf::Glyph g = font->getGlyph(c, 30, false);
            EXPECT_TRUE(g.advance > 0 && g.bounds.width > 0) << int(c);
            EXPECT_FALSE(g.advance == missing.advance && g.bounds == missing.bounds &&
                         g.textureRect == missing.textureRect)
                << font->getInfo().family << ": glyph " << int(c) << " is missing";
        }
    }
    EXPECT_NE(fileBytes(contentRoot + "Fonts/TSalvacion-LICENSE.txt").find("Open Font License"),
              std::string::npos);
}
