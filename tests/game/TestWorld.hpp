#pragma once

#include "tests/render/RenderTestSupport.hpp"
#include "tests/screens/ScreenTestSupport.hpp"

// A game in a private content folder with known pictures, an offscreen window at 30 frames per
// second and a seeded engine, for loader, entity and rules tests.

#include "assets/AssetStore.hpp"
#include "assets/SoundBoard.hpp"
#include "platform/GameWindow.hpp"
#include "platform/Text.hpp"
#include "screens/Game.hpp"

#include <SFML/Audio.hpp>
#include <filesystem>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace testworld {

namespace fs = std::filesystem;

inline constexpr float dt = 1.f / 30.f;

// Soldier pictures of distinct widths, so a wrong file shows in the box.
inline constexpr unsigned soldierWidths[] = {40, 41, 42, 36, 37};
inline constexpr unsigned tankWidth = 120;
inline constexpr unsigned tankHeight = 60;
inline constexpr unsigned blockSide = 40;
inline constexpr unsigned itemSide = 30;

inline std::vector<int> tankLefts(const Track& track) {
    std::vector<int> lefts;
    for (const Tank& tank : track.tanks)
        lefts.push_back(tank.box.left);
    return lefts;
}

// A scratch folder with helpers that write content into it.
class ContentDir : public ScratchFolder {
  public:
    static void writeSounds() {
        std::vector<sf::Int16> samples(161, 1000); // 0.02 s
        fs::create_directories("sources/Sounds");
        for (const char* name : {"Shoot1.ogg", "Shoot2.ogg", "Blaster1.wav", "Blaster2.wav",
                                 "damage.ogg", "Collect.wav", "Refill.wav", "NextLevel.wav"}) {
            sf::OutputSoundFile out;
            out.openFromFile("sources/Sounds/" + std::string(name), 8000, 1);
            out.write(samples.data(), samples.size());
        }
    }
    static void writeLevel(int level, const std::string& text) {
        writeBytes("sources/Levels/Level_" + std::to_string(level) + ".txt", text);
    }
    static void writeSoldiers() {
        for (int n = 0; n < 5; ++n)
            writePicture("sources/Images/Soldiers/Soldier_0" + std::to_string(n + 1) + ".png",
                         soldierWidths[n], 126);
    }
};

// A stream's output collected while the object lives.
struct OutputCapture {
    explicit OutputCapture(std::ostream& stream = std::cout) : stream(stream) {}
    ~OutputCapture() { stream.rdbuf(old); }
    std::string text() const { return buffer.str(); }
    void clear() { buffer.str({}); }
    long lines() const { return std::ranges::count(buffer.str(), '\n'); }

    std::ostream& stream;
    std::ostringstream buffer;
    std::streambuf* old = stream.rdbuf(buffer.rdbuf());
};

inline void fillAssets(AssetStore& assets) {
    using rendertest::solid;
    for (sf::Texture& tank : assets.tankImages)
        solid(tank, tankWidth, tankHeight, sf::Color::White);
    solid(assets.towerImage, 42, 100, sf::Color::White);
    solid(assets.block, blockSide, blockSide, sf::Color::White);
    for (sf::Texture* item : {&assets.lifeSymbol, &assets.pointsSymbol, &assets.munnitionSymbol})
        solid(*item, itemSide, itemSide, sf::Color::White);
}

// Indexes of the sound board's buffers: the shot sounds are 0..3.
enum SoundIndex { DamageSound = 4, CollectSound, RefillSound, NextLevelSound };

inline Shot playerShotAt(Point p, double damage = 1.0) {
    return Shot(p.x, p.y, 0.0, damage, 1, true);
}
inline Shot enemyShotAt(Point p, double damage = 1.0) {
    return Shot(p.x, p.y, 0.0, damage, 1, false);
}
inline auto fieldsOf(const Shot& s) {
    return std::tuple(Point(s.x, s.y), s.angle, s.damage, s.shotKind, s.fromPlayer);
}
inline auto fieldsOf(const Explosion& e) {
    return std::pair(e.position, e.fullSize);
}

inline HeldInput holding(bool up, bool left = false, bool right = false, bool down = false) {
    return {false, false, left, right, up, down};
}

// A game on the standard field, at the given level, with nothing loaded yet.
struct World {
    explicit World(int level = 1, std::uint32_t seed = 1234) : game(window, seed) {
        ContentDir::writeSoldiers();
        ContentDir::writeSounds();
        window.setFixedFrameTime(dt);
        game.assets = std::make_unique<AssetStore>();
        fillAssets(*game.assets);
        game.sounds = std::make_unique<SoundBoard>(game.random);
        loadDefaultFont(game.builtinFont);
        game.mapArea = Box(25, 0, 720, 900);
        game.level = level;
        game.running = true;
    }

    // Writes the current level's file and loads it.
    void load(const std::string& levelText) {
        ContentDir::writeLevel(game.level, levelText);
        game.loadLevel();
    }

    // One frame as the game loop runs it.
    void step(const HeldInput& input = {}) {
        game.gameClock.advance(dt);
        game.controlPlayer(input);
        game.update();
    }

    void advanceTime(double seconds) { game.gameClock.advance(seconds); }

    Soldier& player() { return *game.player; }

    // The buffer a sound plays: the shot sounds 0..3, the others by name; -1 for none.
    int bufferOf(const sf::Sound& sound) const {
        const auto& buffers = game.sounds->buffers;
        for (std::size_t i = 0; i < buffers.size(); ++i)
            if (buffers[i].get() == sound.getBuffer())
                return static_cast<int>(i);
        return -1;
    }
    int lastSound() const {
        const auto& playing = game.sounds->playing;
        return playing.empty() ? -1 : bufferOf(*playing.back());
    }

    ContentDir dir;
    OutputCapture out;
    GameWindow window{GameWindow::Mode::Offscreen};
    Game game;
};

} // namespace testworld
