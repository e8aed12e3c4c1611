#pragma once

#include "assets/AssetStore.hpp"
#include "assets/SoundBoard.hpp"
#include "platform/GameClock.hpp"
#include "platform/Random.hpp"
#include "platform/Text.hpp"
#include "world/Entities.hpp"
#include "world/Types.hpp"

#include <SFML/Graphics.hpp>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class GameWindow;

// Everything a played game is made of: the level, the score, the counters the HUD shows and
// every entity on the field. Plain data: the gameplay steps (rules/) change it, the drawing
// (render/) reads it, the level loader (world/) fills it. The `Game` screen plays it.
struct PlayState {
    PlayState(GameWindow& window, std::uint32_t randomSeed);
    ~PlayState();
    PlayState(const PlayState&) = delete;
    PlayState& operator=(const PlayState&) = delete;

    // The frame time of the current frame, in seconds.
    float frameTime() const;
    // Where the player starts: the bottom middle of the field.
    Point startPoint() const;

    // Declared in the order they are made; they go in reverse, the entities before the pictures
    // and sounds they use.
    GameWindow& window;
    GameClock gameClock; // advanced by every frame's time
    Stopwatch clock;     // played time, restarted when the frame loop starts
    RandomEngine random;
    std::unique_ptr<AssetStore> assets;
    std::unique_ptr<SoundBoard> sounds;
    FontFile font; // the display font
    sf::Text text;
    sf::Font builtinFont; // the library's built-in font
    sf::Text text2;
    int curtainX = 0;
    int curtainY = 0;
    float fade = 0.f;
    float pulse = 0.f;
    int shownPoints = 0;
    int points = 0;
    bool running = false;
    bool paused = false;
    bool aborted = false;
    int level = 0;
    std::array<int, 6> levelProgress{}; // index = level number 1..5
    int scanX = 0;
    int scanY = 0;
    Point mouse;
    Box mapArea;
    std::unique_ptr<Soldier> player;
    std::vector<std::unique_ptr<ScorePopup>> popups;
    std::vector<Shot> shots;
    std::vector<Tower> towers;
    std::vector<Explosion> explosions;
    std::vector<Track> tracks;
    std::vector<Block> blocks;
    std::vector<Item> items;
    std::vector<std::unique_ptr<Soldier>> soldiers;
};
