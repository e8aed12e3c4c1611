#pragma once

class GameWindow;

// The `game` mode of velmarch-bench: plays the densest level (Level_5.txt of the working
// directory) on `window` with scripted input and no frame limit, and prints what a frame costs:
// medians and 99th percentiles of update, draw and display, draw calls, peak memory. The last
// frame is saved when a picture path is given.
void benchGame(GameWindow& window, int frames, const char* lastFramePath = nullptr);
