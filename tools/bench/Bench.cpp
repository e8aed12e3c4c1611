#include "tools/bench/Bench.hpp"

#include "platform/GameWindow.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

FrameCosts timeFrames(GameWindow& window, int count, const std::function<void()>& frame) {
    std::vector<double> ms;
    ms.reserve(static_cast<std::size_t>(count));
    FrameCosts costs;
    for (int i = 0; i < count; ++i) {
        window.resetDrawCalls();
        const auto start = std::chrono::steady_clock::now();
        frame();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        ms.push_back(took.count());
        costs.drawCalls = window.drawCalls();
    }
    std::sort(ms.begin(), ms.end());
    costs.frames = count;
    costs.medianMs = ms[ms.size() / 2];
    costs.p90Ms = ms[ms.size() * 9 / 10];
    costs.maxMs = ms.back();
    return costs;
}

void printCosts(const std::string& what, const FrameCosts& costs) {
    std::printf("%-10s frames %4d  median %6.2f ms  p90 %6.2f ms  max %6.2f ms  draw calls %u\n",
                what.c_str(), costs.frames, costs.medianMs, costs.p90Ms, costs.maxMs,
                costs.drawCalls);
}

double peakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
}
