#include "rules/Geometry.hpp"
#include "tests/game/TestWorld.hpp"

#include <cmath>
#include <gtest/gtest.h>

using namespace testworld;

TEST(Geometry, DistanceAndAngles) {
    EXPECT_DOUBLE_EQ(distance({0, 0}, {3, 4}), 5.0);
    EXPECT_DOUBLE_EQ(distance({-3, 10}, {0, 6}), 5.0);

    const struct {
        Point to;
        double angle;
    } cases[] = {
        {{100, 100}, 0},   // itself
        {{100, 50}, 0},    // straight above
        {{150, 100}, -90}, // right
        {{100, 150}, 180}, // below
        {{50, 100}, 90},   // left
        {{110, 90}, -45},  // up and right
        {{90, 90}, 45},    // up and left
        {{110, 110}, 225}, // down and right
        {{90, 110}, 135},  // down and left
    };
    for (const auto& c : cases)
        EXPECT_NEAR(angleTo({100, 100}, c.to), c.angle, 1e-9) << c.to.x << "," << c.to.y;
}

TEST(Geometry, StepAlongMeasuresADiamond) {
    const struct {
        int d;
        double heading;
        Point to;
    } cases[] = {
        {33, 45, {116, 83}},
        {33, 0, {100, 67}},
        {33, -90, {67, 100}},
        {33, 90, {133, 100}},
        {33, 180, {100, 133}},
        {33, 135, {116, 116}},
        {33, 225, {83, 116}},
        {33, 315, {83, 83}},
        {33, 360, {100, 67}},
        {33, -315, {116, 83}},
        {33, 30, {111, 78}},
        {0, 77, {100, 100}},
        // A whole quarter turn's worth of pixels: no fraction hides a wrong share.
        {90, 0, {100, 10}},
        {90, 90, {190, 100}},
        {90, 180, {100, 190}},
        {90, 270, {10, 100}},
    };
    for (const auto& c : cases) {
        Point p(100, 100);
        stepAlong(p, c.d, c.heading);
        EXPECT_EQ(p, c.to) << c.d << " at " << c.heading;
    }
}

TEST(Geometry, StrictContainmentAndTouchingBoxes) {
    const Box field(25, 0, 720, 900);
    const struct {
        Point p;
        bool inside;
    } points[] = {{{385, 450}, true},  {{25, 450}, false}, {{745, 450}, false}, {{385, 0}, false},
                  {{385, 900}, false}, {{26, 1}, true},    {{744, 899}, true}};
    for (const auto& c : points)
        EXPECT_EQ(containsStrict(field, c.p), c.inside) << c.p.x << "," << c.p.y;

    const Box a(0, 0, 10, 10);
    const struct {
        Box b;
        bool touch;
    } boxes[] = {
        {{0, 0, 10, 10}, false},  // identical: every corner on the other's edge
        {{2, 2, 4, 4}, true},     // wholly inside
        {{-5, -5, 20, 20}, true}, // wholly around
        {{5, 5, 10, 10}, true},   // overlapping corners
        {{10, 0, 10, 10}, false}, // sharing an edge
        {{3, -5, 4, 20}, false},  // a cross: no corner inside the other
        {{0, -5, 15, 10}, true},  // only the top right corner inside
        {{9, 9, 5, 5}, true},
    };
    for (const auto& c : boxes) {
        EXPECT_EQ(boxesTouch(a, c.b), c.touch) << c.b.left << "," << c.b.top;
        EXPECT_EQ(boxesTouch(c.b, a), c.touch) << c.b.left << "," << c.b.top;
    }
}

TEST(Geometry, SoldiersAndTowersTurnOneStepPerUpdateTheShortWay) {
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
    EXPECT_EQ(quick.getRotation(), 180.f);
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
}

TEST(Geometry, WalkingStepsAreTruncated) {
    World world;
    Soldier soldier("1", world.game.gameClock); // moveRate 1, 40 wide
    const struct {
        Point from;
        int dx, dy;
        Point to;
    } cases[] = {
        {{100, 100}, -50, 0, {98, 100}}, {{100, 100}, 75, 0, {102, 100}},
        {{100, 100}, 0, -50, {100, 98}}, {{100, 100}, 0, 75, {100, 102}},
        {{100, 100}, 6, 0, {100, 100}}, // 0.2 pixels forward are lost
        {{100, 100}, -6, 0, {99, 100}}, // 0.2 pixels back cost one
        {{0, 0}, -50, 0, {-1, 0}},      // towards zero below it
    };
    for (const auto& c : cases) {
        soldier.setPosition(c.from.x, c.from.y);
        soldier.move(dt, c.dx, c.dy);
        EXPECT_EQ(soldier.centre(), c.to) << c.dx << "," << c.dy;
        EXPECT_EQ(soldier.box.left, c.to.x - 20);
        EXPECT_EQ(soldier.box.top, c.to.y - 20);
        // The place before the step, to go back to.
        EXPECT_EQ(soldier.position, c.from);
        soldier.reapplyPosition();
        EXPECT_EQ(soldier.centre(), c.from);
    }
}

TEST(Geometry, WhatBlocksTheStepOfASoldier) {
    World world;
    // Tower centre (325, 100); block 125..165 x 600..640; enemies at (125, 100) and (525, 100).
    world.load("tower\n300\n100\nblock\n100\n600\nsoldier\n100\n100\nsoldier\n500\n100\n");
    Game& game = world.game;
    Soldier& player = world.player(); // 40 wide
    Soldier& enemy = *game.soldiers[0];

    const struct {
        Point at;
        bool blocked;
    } forPlayer[] = {
        {{385, 900}, true}, // the start point lies on the border
        {{385, 898}, false}, {{25, 300}, true}, {{745, 300}, true}, {{385, 0}, true},
        {{26, 300}, false},  {{744, 1}, false}, {{325, 119}, true}, // 19 from the tower's centre
        {{325, 120}, false},                                        // 20 from it
        {{150, 625}, true},                                         // a corner inside the block
        {{145, 620}, false}, // the very same box as the block's: no corner strictly inside
        {{105, 620}, false}, // edge to edge
        {{125, 150}, false}, // enemies never hold the player off
    };
    for (const auto& c : forPlayer) {
        player.setPosition(c.at.x, c.at.y);
        EXPECT_EQ(game.isBlocked(player), c.blocked) << c.at.x << "," << c.at.y;
    }

    const struct {
        Point at;
        bool blocked;
    } forEnemy[] = {
        {{125, 100}, false}, // itself does not count
        {{385, 450}, false}, // on the middle line
        {{385, 451}, true},  // below it
        {{425, 100}, false}, // 100 from the other enemy
        {{430, 100}, true},  // 95 from it
        {{325, 110}, true},  // near the tower
        {{25, 100}, true},
    };
    for (const auto& c : forEnemy) {
        enemy.setPosition(c.at.x, c.at.y);
        EXPECT_EQ(game.isBlocked(enemy), c.blocked) << c.at.x << "," << c.at.y;
    }
}
