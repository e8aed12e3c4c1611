#pragma once

#include "app/Settings.hpp"

#include <SFML/Audio/Music.hpp>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The music's fades, one volume unit at a time with a pause of 0.02 s after each: in at start-up
// up to the volume it keeps for the whole run, and out at shut-down, starting one step above that
// volume. `onStep` (when given) sees every volume set.
void fadeMusicIn(sf::Music& music, const std::function<void(float)>& onStep = {});
void fadeMusicOut(sf::Music& music, const std::function<void(float)>& onStep = {});

// One run of the program: window, music, the menu and everything opened from it, shut-down, on
// the full screen or in a window as `fullscreen` says; the other settings apply, and changes to
// them are saved. Everything it made, audio included, is gone when it returns.
struct RunOutcome {
    bool restart = false;   // a game was played: the program starts anew
    bool fullscreen = true; // the screen it ended on
};
RunOutcome runVelmarch(bool fullscreen, const Settings& settings);

// The program to start anew, given the text of the link /proc/self/exe as read into a buffer of
// PATH_MAX bytes: nothing when that text may be cut off, or names a program deleted or replaced
// since it started (its path then ends in " (deleted)").
std::optional<std::string> programToStartAnew(std::string_view link);

// Replaces this process with a fresh start of its own executable, in the same working directory.
// Returns only if that failed or the executable is gone, after one line on standard error.
void startAnew(const std::vector<std::string>& arguments = {});
