#include "game/Game.hpp"
#include "platform/GameWindow.hpp"
#include "tests/fuzz/FuzzSupport.hpp"
#include "tests/fuzz/ReaderChecks.hpp"

#include <cstddef>
#include <cstdint>

namespace {

// A game on the standard field with an empty asset store: the loader needs the store's pictures
// only by reference, and no picture file is there to load.
struct World {
    World() : game(window, 1u) {
        game.assets = std::make_unique<AssetStore>();
        game.mapArea = Box(25, 0, 720, 900);
    }
    GameWindow window{GameWindow::Mode::Offscreen};
    Game game;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzsupport::ScratchFolder folder;
    static World world;
    fuzzsupport::verdict(folder.run([&] {
        return checkLevelFile(world.game, std::string(reinterpret_cast<const char*>(data), size));
    }));
    return 0;
}
