#pragma once

#include "platform/GameWindow.hpp"

#include <SFML/Audio/Music.hpp>
#include <string>
#include <vector>

// Steps the music's volume from `first` to `last` one unit at a time, pausing 0.02 s after each.
void fadeMusic(sf::Music& music, int first, int last);

// One run of the program: window, music, the menu and everything opened from it, shut-down.
// Returns true when a game was played and the program should start anew. Everything it made,
// audio included, is gone when it returns.
bool runVelmarch(GameWindow::Mode mode = GameWindow::Mode::Fullscreen);

// Replaces this process with a fresh start of its own executable, in the same working directory.
// Returns only if that failed.
void startAnew(const std::vector<std::string>& arguments = {});
