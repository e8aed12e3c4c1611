#pragma once

#include <cstddef>

struct PlayState;

namespace world {

// Of a level file at most this much is read; where the budget ends, the file ends.
constexpr std::size_t maxLevelFileBytes = 2u << 20;

// Fills the field from the current level's file after clearing what the last load left, and
// puts a new player at the start point. Points, level, progress, popups and clocks stay.
void loadLevel(PlayState& game, std::size_t byteBudget = maxLevelFileBytes);

} // namespace world
