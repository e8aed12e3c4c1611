#pragma once

#include "tools/autoplay/Planner.hpp"

#include <cstdint>
#include <string>

class Game;
class GameWindow;

namespace autoplay {

// The field as the game holds it after its last update.
Field look(const Game& game);

struct RunOptions {
    int level = 1; // the level played; 0 plays a whole game from level 1
    std::uint32_t seed = 1;
    double minutes = 10; // of game time
    bool human = false;
    std::string shotFile; // when set, the screen at `shotSecond` is drawn and saved there
    double shotSecond = 20;
};

struct RunStats {
    bool won = false;
    double seconds = 0; // game time
    int level = 0;      // where the run ended
    int crossings = 0;
    int deaths = 0;   // the game lost
    int tankHits = 0; // thrown back by a tank
    int lifeLost = 0;
    int tanksDestroyed = 0;
    int shots = 0;
    int ammoLeft = 0;
    int points = 0;
};

// Plays through the real game, frame by frame at 30 frames per second of game time, as fast as
// it can. Reads the content from "sources/" of the working directory; the window is an offscreen
// one (it is never drawn on, but the pictures need its context).
RunStats playRun(GameWindow& window, const RunOptions& options);

std::string describe(const RunStats& stats);

} // namespace autoplay
