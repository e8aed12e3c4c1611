#pragma once

// The pure steps of the gameplay rules, on plain values. The game's update and entities run them,
// and the autoplayer forecasts with the very same functions, so a rule lives in one place.

#include "world/LevelTables.hpp"
#include "world/Types.hpp"

namespace rules {

// --- Walking ---
// One axis of one frame: the factor times the walker's rate, the fraction dropped.
int stepAxis(int pos, int factor, double moveRate, float dt);

struct KeyStep {
    int dx;
    int dy;
};
// The player's arrow keys, in the order a frame tests them: down and right walk faster.
constexpr KeyStep leftKey{-50, 0};
constexpr KeyStep rightKey{75, 0};
constexpr KeyStep upKey{0, -50};
constexpr KeyStep downKey{0, 75};

// The player may not stand this close to a tower's base.
constexpr int towerKeepOut = 20;
// Enemy soldiers stay this far apart and stop walking this close to the player.
constexpr int soldiersApart = 100;
// Where a walker's centre may not go: on or outside the field's edge, or too near a tower.
bool outsideField(const Box& area, Point centre);
bool nearTower(Point tower, Point centre);
// Enemy soldiers keep to the upper half of the field: their centre's lowest y.
int soldiersLowest(const Box& area);

// --- Tanks ---
// One frame of driving: faster once past the lane's origin on the field's side.
int stepTank(int left, bool movesRight, double speed, float dt);
// A tank this far beyond its lane's far end is gone.
bool tankLeftLane(int left, bool movesRight, int laneWidth);
// Where the `queued`-th (from 0) replacement of one frame enters, one behind the other.
int replacementLeft(bool movesRight, int laneWidth, int level, int queued);
bool harmful(int kind);

// --- Shots ---
// How far a shot flies in one frame.
int shotFlight(float dt);
// A shot beyond the field's edge (its border still inside) is gone.
bool shotOutside(const Box& area, Point p);
// A shot hits what lies closer than this to its centre: tanks are hit from further.
constexpr int hitReach = 50;
constexpr int tankHitReach = 67;
// The player picks up an item closer than this.
constexpr int pickUpReach = 50;

// --- Lines ---
// The player crosses the field at the top line; near the top every soldier fires from anywhere.
bool crossed(Point player);
bool nearTop(Point player);

} // namespace rules
