#include "tests/game/TestWorld.hpp"

#include <gtest/gtest.h>

using namespace testworld;

namespace {

std::size_t enemyShots(const Game& game) {
    return static_cast<std::size_t>(std::count_if(game.shots.begin(), game.shots.end(),
                                                  [](const Shot& s) { return !s.fromPlayer; }));
}

} // namespace

TEST(Towers, EngageOnlyWithinTheirRange) {
    World world;
    const struct {
        int level;
        int gap; // pixels from the tower's centre to the player's, straight below
        bool engages;
    } cases[] = {{1, 50, false}, {1, 49, true}, {5, 250, false}, {5, 249, true}};
    for (const auto& c : cases) {
        world.game.level = c.level;
        world.load("tower\n360\n100\n"); // centre (385, 100)
        world.player().setPosition(385, 100 + c.gap);
        world.advanceTime(1.01);
        world.game.updateTowers();
        const Tower& tower = world.game.towers[0];
        EXPECT_EQ(tower.getRotation() != 90.f, c.engages) << c.level << " at " << c.gap;
        EXPECT_EQ(enemyShots(world.game), c.engages ? 1u : 0u) << c.level << " at " << c.gap;
    }
}

TEST(Soldiers, FireAtAnyDistanceWhileThePlayerIsNearTheTop) {
    World world;
    const struct {
        int playerY;
        int ammo;
        std::size_t shots;
    } cases[] = {{299, 100, 2}, {300, 100, 1}, {299, 0, 0}};
    for (const auto& c : cases) {
        // One soldier far from the player, one within its range of 100.
        world.load("soldier\n0\n50\nsoldier\n600\n250\n");
        world.player().setPosition(700, c.playerY);
        for (auto& soldier : world.game.soldiers)
            soldier->ammo = c.ammo;
        world.advanceTime(1.01);
        const Point far = world.game.soldiers[0]->centre();
        world.game.updateSoldiers();
        EXPECT_EQ(enemyShots(world.game), c.shots) << c.playerY << " ammo " << c.ammo;
        // Every soldier turns and walks, with or without ammunition.
        EXPECT_NE(world.game.soldiers[0]->getRotation(), 0.f);
        EXPECT_NE(world.game.soldiers[0]->centre(), far);
    }
}

TEST(Soldiers, WalkTowardsThePlayerSlowingWhenLinedUpAndKeepApart) {
    World world;
    world.load("soldier\n0\n0\n");
    Soldier& soldier = *world.game.soldiers[0];
    const struct {
        const char* name;
        Point soldier;
        Point player;
        Point after;
    } cases[] = {
        {"exactly 100 away stays", {200, 200}, {300, 200}, {200, 200}},
        {"101 away walks", {200, 200}, {301, 200}, {201, 200}},
        {"10 left: the 0.2 step is lost", {290, 100}, {300, 300}, {290, 101}},
        {"10 right: one pixel left", {310, 100}, {300, 300}, {309, 101}},
        {"above and left", {100, 100}, {600, 800}, {101, 101}},
        {"below the middle line stays", {200, 600}, {700, 250}, {200, 600}},
        {"onto the middle line", {200, 449}, {200, 800}, {200, 450}},
        {"a step below the middle line is undone", {200, 450}, {200, 800}, {200, 450}},
    };
    for (const auto& c : cases) {
        soldier.setPosition(c.soldier.x, c.soldier.y);
        world.player().setPosition(c.player.x, c.player.y);
        world.game.updateSoldiers();
        EXPECT_EQ(soldier.centre(), c.after) << c.name;
    }

    // The second soldier stands by the player and does not walk; the first comes up to 100.
    world.load("soldier\n375\n100\nsoldier\n600\n100\n");
    world.player().setPosition(700, 120);
    for (int frame = 0; frame < 200; ++frame)
        world.game.updateSoldiers();
    EXPECT_EQ(world.game.soldiers[0]->centre(), Point(525, 100));
    EXPECT_EQ(world.game.soldiers[1]->centre(), Point(625, 100));
}
