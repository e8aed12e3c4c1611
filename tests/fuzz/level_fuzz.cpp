#include "platform/GameWindow.hpp"
#include "screens/Game.hpp"
#include "tests/fuzz/FuzzSupport.hpp"
#include "tests/fuzz/ReaderChecks.hpp"

// A game on the standard field with an empty asset store: the loader needs the store's pictures
// only by reference, and no picture file is there to load.
static std::string checkLevel(const std::string& bytes) {
    static struct World {
        World() : game(window, 1u) {
            game.assets = std::make_unique<AssetStore>();
            game.mapArea = Box(25, 0, 720, 900);
        }
        GameWindow window{GameWindow::Mode::Offscreen};
        Game game;
    } world;
    return checkLevelFile(world.game, bytes);
}

VELMARCH_FUZZ_TARGET(checkLevel)
