#include "platform/GameWindow.hpp"
#include "tools/bench/GameBench.hpp"
#include "tools/bench/UpdateBench.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// velmarch-bench game [frames [last-frame.png]] [--window] | update [frames]
int main(int argc, char** argv) {
    const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 600;
    if (argc >= 2 && std::strcmp(argv[1], "game") == 0) {
        const bool real = std::strcmp(argv[argc - 1], "--window") == 0;
        GameWindow window(real ? GameWindow::Mode::Fullscreen : GameWindow::Mode::Offscreen);
        const char* picture = argc > 3 && std::strcmp(argv[3], "--window") != 0 ? argv[3] : nullptr;
        benchGame(window, frames, picture);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "update") == 0)
        return benchUpdate(frames);
    std::fprintf(
        stderr,
        "usage: velmarch-bench game [frames [last-frame.png]] [--window] | update [frames]\n");
    return 2;
}
