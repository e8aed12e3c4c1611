#pragma once

#include "world/Types.hpp"

struct HeldInput;
struct PlayState;
class Soldier;
class Tower;

// The gameplay update: each step a function on the play state, run by update() in this order.
// The frame time is the window's (PlayState::frameTime), which tests set.
namespace rules {

void update(PlayState& game);
void advanceCounters(PlayState& game);
void updatePlayer(PlayState& game);
void updateExplosions(PlayState& game);
void updateShots(PlayState& game);
void updateTracks(PlayState& game);
void updateTowers(PlayState& game);
void updateSoldiers(PlayState& game);
void updateBlocks(PlayState& game);
void pulseItems(PlayState& game);
void updatePopups(PlayState& game);
void checkLevelDone(PlayState& game);

// Before the update, while not paused: the player turns to the sight, fires and walks.
void controlPlayer(PlayState& game, const HeldInput& input);

// Whether the soldier may not stand where it is now: outside the field, near a tower, on a
// block; an enemy soldier also too near another or in the lower half of the field.
bool isBlocked(const PlayState& game, const Soldier& soldier);
void fire(PlayState& game, Soldier& shooter);
void fire(PlayState& game, Tower& shooter);
// A destroyed tower, soldier or block: 100 points, a popup, a full-size explosion, "damage".
void destroyBonus(PlayState& game, Point centre);

} // namespace rules
