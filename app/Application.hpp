#pragma once

#include "platform/GameWindow.hpp"

#include <SFML/Audio/Music.hpp>
#include <functional>
#include <string>
#include <vector>

// The music's fades, one volume unit at a time with a pause of 0.02 s after each: in at start-up
// up to the volume it keeps for the whole run, and out at shut-down, starting one step above that
// volume. `onStep` (when given) sees every volume set.
void fadeMusicIn(sf::Music& music, const std::function<void(float)>& onStep = {});
void fadeMusicOut(sf::Music& music, const std::function<void(float)>& onStep = {});

// One run of the program: window, music, the menu and everything opened from it, shut-down.
// Returns true when a game was played and the program should start anew. Everything it made,
// audio included, is gone when it returns.
bool runVelmarch(GameWindow::Mode mode = GameWindow::Mode::Fullscreen);

// Replaces this process with a fresh start of its own executable, in the same working directory.
// Returns only if that failed.
void startAnew(const std::vector<std::string>& arguments = {});
