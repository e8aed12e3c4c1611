#pragma once

#include <functional>
#include <string>

class GameWindow;

struct FrameCosts {
    int frames = 0;
    double medianMs = 0.0;
    double p90Ms = 0.0;
    double maxMs = 0.0;
    unsigned drawCalls = 0; // of the last frame
};

// Runs `frame` (which draws and presents one frame) `count` times and measures each run.
FrameCosts timeFrames(GameWindow& window, int count, const std::function<void()>& frame);
void printCosts(const std::string& what, const FrameCosts& costs);

// Peak resident memory of the process so far, in MiB.
double peakMemoryMiB();

// The modes: each sets up its screen on `window`, times `frames` frames and prints the result.
void benchLoading(GameWindow& window, int frames);
void benchMenu(GameWindow& window, int frames);
void benchPages(GameWindow& window, int frames);
