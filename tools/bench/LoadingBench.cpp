#include "platform/GameWindow.hpp"
#include "screens/LoadingWindow.hpp"
#include "tools/bench/Bench.hpp"

#include <SFML/System/Clock.hpp>

// The loading screen's frame as its thread draws it, here drawn on the calling thread.
void benchLoading(GameWindow& window, int frames) {
    LoadingWindow loading(window);
    sf::Clock clock;
    for (int i = 0; i < 10; ++i) // warm up: the renderer compiles its first states
        loading.showFrame(clock.getElapsedTime().asSeconds());
    printCosts("loading", timeFrames(window, frames, [&] {
                   loading.showFrame(clock.getElapsedTime().asSeconds());
               }));
}
