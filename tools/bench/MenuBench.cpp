#include "app/MainMenu.hpp"
#include "platform/GameWindow.hpp"
#include "tools/bench/Bench.hpp"

// The opened menu with its footer typed, as the player looks at it.
void benchMenu(GameWindow& window, int frames) {
    MainMenu menu(window, {});
    menu.load();
    window.setFixedFrameTime(0.1f); // through the intro quickly
    menu.fadeIn();
    menu.openPanels();
    menu.typeFooter();
    window.setFixedFrameTime(std::nullopt);
    printCosts("menu", timeFrames(window, frames, [&] { menu.drawFrame(); }));
}
