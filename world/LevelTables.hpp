#pragma once

#include "platform/Random.hpp"

#include <algorithm>
#include <array>

// Every per-level value of the world in one place. Index 0 is level 1.
namespace levels {

constexpr int first = 1;
constexpr int last = 5;

// Objects made for a level outside 1..5 (the player after the last level is won, or a level file
// for a sixth level) take the values of the nearest level where nothing else defines them.
constexpr int nearest(int level) {
    return std::clamp(level, first, last);
}
constexpr int index(int level) {
    return nearest(level) - first;
}

struct SoldierStats {
    int range;
    double damage;
    double turnRate; // degrees per update
    double moveRate;
    double fireRate; // shots per second
    float centreX;   // sprite centre in picture pixels
    float centreY;
};

constexpr std::array<SoldierStats, 5> soldier{{
    {100, 1.0, 1.0, 1.0, 1.0, 21.f, 81.f},
    {150, 1.0, 2.0, 1.5, 2.0, 21.f, 66.f},
    {200, 2.0, 3.0, 2.0, 3.0, 21.f, 53.f},
    {250, 2.0, 4.0, 2.5, 4.0, 18.f, 63.f},
    {300, 3.0, 5.0, 3.0, 5.0, 18.f, 69.f},
}};
constexpr float soldierScale = 0.75f;

// A soldier of another kind (the player once the last level is won) fights with its kind as its
// damage, turning and fire rate; its range, speed and picture centre are the nearest kind's.
constexpr SoldierStats soldierStats(int kind) {
    SoldierStats stats = soldier[index(kind)];
    if (kind != nearest(kind)) {
        stats.damage = kind;
        stats.turnRate = kind;
        stats.fireRate = kind;
    }
    return stats;
}

struct TowerStats {
    int damage;
    int fireRate; // shots per second
    int turnRate; // degrees per update
    int shotKind;
    int range;
};

constexpr std::array<TowerStats, 5> tower{{
    {1, 1, 2, 1, 50},
    {1, 2, 4, 2, 100},
    {2, 3, 6, 3, 150},
    {2, 4, 8, 4, 200},
    {3, 5, 10, 5, 250},
}};
constexpr float towerCentreX = 21.f;
constexpr float towerCentreY = 74.f;
constexpr float towerStartRotation = 90.f;

// Tank speed factor by level.
constexpr std::array<double, 5> tankSpeed{1.0, 1.5, 2.0, 2.5, 3.0};

// A lane's first row: tanks 134 + 100 / level pixels apart, starting 268 pixels beyond the
// entry side. Replacements enter 134 pixels apart behind 100 / level.
constexpr int rowSpacingBase = 134;
constexpr int rowStartOutside = 268;
constexpr int laneExitMargin = 208;
constexpr int rowSpacing(int level) {
    return rowSpacingBase + 100 / nearest(level);
}
constexpr int replacementOffset(int level) {
    return 100 / nearest(level);
}

// Kind 3 is the harmless ambulance, at most one per lane; the other kinds are drawn evenly.
constexpr int harmlessTankKind = 3;
inline int drawTankKind(RandomEngine& random, bool laneHasHarmless) {
    return laneHasHarmless ? randomInt(random, 1, 2) : randomInt(random, 1, 3);
}

// Crossings that win a level.
constexpr int crossingsToWin(int level) {
    return level == 1 ? 5 : 10;
}

// The field's marker lines (window y; the field starts at the window's top): reaching the top line
// is a crossing; above the near-top line enemy soldiers fire from anywhere.
constexpr int topLine = 20;
constexpr int nearTopLine = 300;

} // namespace levels
