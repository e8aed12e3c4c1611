#include "tools/bench/GameBench.hpp"
#include "tools/bench/UpdateBench.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// velmarch-bench game [frames [last-frame.png]] | update [frames]
int main(int argc, char** argv) {
    const int frames = argc > 2 ? std::max(1, std::atoi(argv[2])) : 600;
    if (argc >= 2 && std::strcmp(argv[1], "game") == 0)
        return benchGame(frames, argc > 3 ? argv[3] : nullptr);
    if (argc >= 2 && std::strcmp(argv[1], "update") == 0)
        return benchUpdate(frames);
    std::fprintf(stderr,
                 "usage: velmarch-bench game [frames [last-frame.png]] | update [frames]\n");
    return 2;
}
