#include "tools/bench/GameBench.hpp"

#include "platform/GameWindow.hpp"
#include "platform/ScreenLayout.hpp"
#include "render/Layout.hpp"
#include "screens/Game.hpp"

#include <SFML/OpenGL.hpp>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sys/resource.h>
#include <time.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Processor time of all the program's threads, the rasteriser's included: unlike the wall
// clock it does not grow when other programs share the processors.
double processMillis() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double millisSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Series {
    std::vector<double> values;

    double percentile(double p) const {
        if (values.empty())
            return 0.0;
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const auto index =
            static_cast<std::size_t>(std::ceil(p * static_cast<double>(sorted.size()))) - 1;
        return sorted[std::min(index, sorted.size() - 1)];
    }
};

// Walks up and across in turns, fires all the time and sweeps the aim in a circle.
HeldInput scriptedInput(int frame) {
    HeldInput input;
    input.space = true;
    input.leftButton = frame % 2 == 0;
    const int phase = (frame / 45) % 4;
    input.up = phase != 3;
    input.left = phase == 1;
    input.right = phase == 2;
    input.down = phase == 3;
    return input;
}

sf::Event scriptedMouse(int frame) {
    sf::Event event;
    event.type = sf::Event::MouseMoved;
    const double angle = frame * 0.05;
    event.mouseMove.x = static_cast<int>(385 + 300 * std::cos(angle));
    event.mouseMove.y = static_cast<int>(450 + 300 * std::sin(angle));
    return event;
}

void playLevelFive(Game& game) {
    game.level = 5;
    game.running = true;
    game.loadLevel();
}

} // namespace

void benchGame(GameWindow& window, int frames, const char* lastFramePath) {
    window.setFixedFrameTime(1.f / 30.f); // the game's pace; frames themselves run unlimited
    Game game(window, 1234u);
    game.loadResources();
    game.fade = 0.f;
    game.curtainX = layout::curtainOpenX;
    game.curtainY = layout::curtainOpenY;
    playLevelFive(game);
    game.prepareDrawing();
    game.clock.restart();

    Series update, draw, display, whole, cpu, calls;
    int restarts = 0;
    for (int frame = 0; frame < frames; ++frame) {
        const Clock::time_point start = Clock::now();
        const double cpuStart = processMillis();
        window.resetDrawCalls();
        game.gameClock.advance(game.frameTime());
        game.handleEvent(scriptedMouse(frame));
        game.controlPlayer(scriptedInput(frame));
        game.update();
        const double updated = millisSince(start);

        window.setView(worldView());
        game.drawWorld();
        window.setScreenView();
        game.drawHud();
        const double drawn = millisSince(start);
        calls.values.push_back(window.drawCalls());
        window.display();
        glFinish(); // the frame is only done once the rasteriser has finished it
        const double shown = millisSince(start);

        update.values.push_back(updated);
        draw.values.push_back(drawn - updated);
        display.values.push_back(shown - drawn);
        whole.values.push_back(shown);
        cpu.values.push_back(processMillis() - cpuStart);
        if (!game.running) { // keep the field busy: a lost or won level starts again
            playLevelFive(game);
            ++restarts;
        }
    }

    if (lastFramePath)
        window.screenshot().saveToFile(lastFramePath);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("game: %d frames of level 5 %s, %d restarts, %zu towers, %zu soldiers, %zu lanes\n",
                frames, window.isOffscreen() ? "offscreen" : "in a real window", restarts,
                game.towers.size(), game.soldiers.size(), game.tracks.size());
    std::printf("%-8s %10s %10s\n", "ms", "median", "p99");
    const std::pair<const char*, const Series*> rows[] = {{"update", &update},
                                                          {"draw", &draw},
                                                          {"display", &display},
                                                          {"frame", &whole},
                                                          {"cpu", &cpu}};
    for (const auto& [name, series] : rows)
        std::printf("%-8s %10.3f %10.3f\n", name, series->percentile(0.5),
                    series->percentile(0.99));
    std::printf("draw calls per frame: median %.0f, max %.0f\n", calls.percentile(0.5),
                calls.percentile(1.0));
    std::printf("peak memory: %.1f MB\n", static_cast<double>(usage.ru_maxrss) / 1024.0);
    window.setFixedFrameTime(std::nullopt);
}
