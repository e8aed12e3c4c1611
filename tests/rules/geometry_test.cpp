#include "rules/Geometry.hpp"
#include "tests/game/TestWorld.hpp"

#include <gtest/gtest.h>

using namespace testworld;

TEST(Geometry, DistanceAnglesStepsAlongADiamondAndBoxesThatTouch) {
    // Itself, above, right, below, left, then the four diagonals.
    const std::pair<Point, double> angles[] = {
        {{100, 100}, 0},  {{100, 50}, 0}, {{150, 100}, -90}, {{100, 150}, 180}, {{50, 100}, 90},
        {{110, 90}, -45}, {{90, 90}, 45}, {{110, 110}, 225}, {{90, 110}, 135}};
    for (const auto& [to, angle] : angles)
        EXPECT_NEAR(angleTo({100, 100}, to), angle, 1e-9) << to.x << "," << to.y;

    // 90 pixels are a whole quarter turn's worth, and 900 make every share a whole number of
    // pixels: no fraction hides a wrong one.
    const struct {
        int d;
        double heading;
        Point to;
    } steps[] = {{33, 45, {116, 83}},     {33, 0, {100, 67}},      {33, -90, {67, 100}},
                 {33, 90, {133, 100}},    {33, 180, {100, 133}},   {33, 135, {116, 116}},
                 {33, 225, {83, 116}},    {33, 315, {83, 83}},     {33, 360, {100, 67}},
                 {33, -315, {116, 83}},   {33, 30, {111, 78}},     {0, 77, {100, 100}},
                 {90, 0, {100, 10}},      {90, 90, {190, 100}},    {90, 180, {100, 190}},
                 {90, 270, {10, 100}},    {900, 30, {400, -500}},  {900, 120, {700, 400}},
                 {900, 210, {-200, 700}}, {900, 300, {-500, -200}}};
    for (const auto& c : steps) {
        Point p(100, 100);
        stepAlong(p, c.d, c.heading);
        EXPECT_EQ(p, c.to) << c.d << " at " << c.heading;
    }

    // Identical (every corner on the other's edge), inside, around, overlapping, sharing an
    // edge, a cross with no corner inside the other, one corner inside.
    const Box a(0, 0, 10, 10);
    const std::pair<Box, bool> boxes[] = {{{0, 0, 10, 10}, false},  {{2, 2, 4, 4}, true},
                                          {{-5, -5, 20, 20}, true}, {{5, 5, 10, 10}, true},
                                          {{10, 0, 10, 10}, false}, {{3, -5, 4, 20}, false},
                                          {{0, -5, 15, 10}, true},  {{9, 9, 5, 5}, true}};
    for (const auto& [b, touch] : boxes) {
        EXPECT_EQ(boxesTouch(a, b), touch) << b.left << "," << b.top;
        EXPECT_EQ(boxesTouch(b, a), touch) << b.left << "," << b.top;
    }
}

TEST(Geometry, SoldiersAndTowersTurnTheShortWayAndWhatBlocksTheStepOfASoldier) {
    World world;
    Soldier slow("1", world.game.gameClock);                  // turnRate 1
    Soldier quick("3", world.game.gameClock);                 // turnRate 3
    Tower tower(*world.game.assets, 2, world.game.gameClock); // turnRate 4, facing 90
    slow.setPosition(100, 100);
    quick.setPosition(100, 100);
    tower.setPosition(100, 100);
    const auto turns = [](auto& who, Point target, int updates) {
        std::vector<float> seen;
        for (int i = 0; i < updates; ++i) {
            who.aimAt(target);
            seen.push_back(who.getRotation());
        }
        return seen;
    };
    // To the right the goal is -90, reached through 359, 358, ...; on the goal the step still
    // goes back one turn, and the next one returns.
    std::vector<float> right = turns(slow, {200, 100}, 92);
    EXPECT_EQ(right.front(), 359.f);
    EXPECT_EQ(std::vector<float>(right.end() - 4, right.end()),
              (std::vector<float>{271, 270, 269, 270}));
    // Straight below from 0: counter-clockwise to 180.
    EXPECT_EQ(turns(quick, {100, 300}, 60).back(), 180.f);
    // Exactly opposite: the tie goes to a1 + 360.
    quick.setRotation(270.f);
    EXPECT_EQ(turns(quick, {0, 100}, 1).back(), 273.f); // a1 = 90, a2 = 450
    // Within one step of the goal: snaps onto it.
    quick.setRotation(88.5f);
    EXPECT_EQ(turns(quick, {0, 100}, 1).back(), 90.f);
    // Towers turn by their whole step; 178 lies within one step of 180.
    const std::vector<float> below = turns(tower, {100, 300}, 22);
    EXPECT_EQ(below.front(), 94.f);
    EXPECT_EQ(std::vector<float>(below.end() - 2, below.end()), (std::vector<float>{174, 180}));

    // Tower centre (325, 100); block 125..165 x 600..640; enemies at (125, 100) and (525, 100).
    world.load("tower\n300\n100\nblock\n100\n600\nsoldier\n100\n100\nsoldier\n500\n100\n");
    Game& game = world.game;
    Soldier& player = world.player(); // 40 wide
    Soldier& enemy = *game.soldiers[0];

    // The start point lies on the border; 19 from the tower's centre blocks, 20 does not; a
    // corner inside the block blocks, the block's very box or edge to edge does not; enemies
    // never hold the player off.
    const std::pair<Point, bool> forPlayer[] = {
        {{385, 900}, true},  {{385, 898}, false}, {{25, 300}, true},   {{745, 300}, true},
        {{385, 0}, true},    {{26, 300}, false},  {{744, 1}, false},   {{325, 119}, true},
        {{325, 120}, false}, {{150, 625}, true},  {{145, 620}, false}, {{105, 620}, false},
        {{125, 150}, false}};
    for (const auto& [at, blocked] : forPlayer) {
        player.setPosition(at.x, at.y);
        EXPECT_EQ(game.isBlocked(player), blocked) << at.x << "," << at.y;
    }
    // Itself does not count; the middle line is the lowest allowed; 100 from another enemy is
    // enough, 95 is not.
    const std::pair<Point, bool> forEnemy[] = {
        {{125, 100}, false}, {{385, 450}, false}, {{385, 451}, true}, {{425, 100}, false},
        {{430, 100}, true},  {{325, 110}, true},  {{25, 100}, true}};
    for (const auto& [at, blocked] : forEnemy) {
        enemy.setPosition(at.x, at.y);
        EXPECT_EQ(game.isBlocked(enemy), blocked) << at.x << "," << at.y;
    }
}
