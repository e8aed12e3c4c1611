#pragma once

// The `game` mode of velmarch-bench: plays the densest level offscreen with scripted input and
// no frame limit, and prints what a frame costs; the last frame is saved when a picture path is
// given. Returns the process exit code.
int benchGame(int frames, const char* lastFramePath = nullptr);
