// velmarch-bench [MODE...] [--frames N] [--offscreen]
// Median cost of one frame of each named screen (all when none is named) with the frame limit
// off, and the peak memory of the process. Needs an X server (DISPLAY); run from the game folder.
#include "platform/GameWindow.hpp"
#include "tools/bench/Bench.hpp"
#include "tools/bench/GameBench.hpp"
#include "tools/bench/UpdateBench.hpp"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
struct Mode {
    const char* name;
    void (*run)(GameWindow&, int);
};
const Mode modes[] = {
    {"loading", benchLoading},
    {"menu", benchMenu},
    {"pages", benchPages},
    {"game", [](GameWindow& window, int frames) { benchGame(window, frames); }},
    {"update", [](GameWindow&, int frames) { benchUpdate(frames); }},
};
} // namespace

int main(int argc, char** argv) {
    int frames = 300;
    bool offscreen = false;
    std::vector<std::string> chosen;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--frames" && i + 1 < argc) {
            frames = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--offscreen") {
            offscreen = true;
        } else {
            bool known = false;
            for (const Mode& mode : modes)
                known = known || arg == mode.name;
            if (!known) {
                std::fprintf(stderr, "usage: velmarch-bench [loading|menu|pages|game|update]... "
                                     "[--frames N] [--offscreen]\n");
                return 2;
            }
            chosen.push_back(arg);
        }
    }

    // A real window presents every frame, which forces the renderer to finish it; offscreen
    // frames are only queued and would look cheaper than they are.
    GameWindow window(offscreen ? GameWindow::Mode::Offscreen : GameWindow::Mode::Fullscreen);
    window.setMouseCursorVisible(false);
    for (const Mode& mode : modes) {
        bool wanted = chosen.empty();
        for (const std::string& name : chosen)
            wanted = wanted || name == mode.name;
        if (wanted)
            mode.run(window, frames);
    }
    std::printf("peak memory %.1f MiB\n", peakMemoryMiB());
    return 0;
}
