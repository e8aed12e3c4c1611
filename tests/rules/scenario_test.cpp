#include "tests/game/TestWorld.hpp"

#include <gtest/gtest.h>

using namespace testworld;

// Whole frames as the game runs them, with a seeded engine and a fixed frame time.

TEST(Scenario, WalkingUpCrossesAfter440FramesTheFifthCrossingLoadsLevelTwo) {
    World world;
    world.load("block\n0\n0\nitem\n1\n600\n600\n");
    ContentDir::writeLevel(2, "block\n10\n10\nblock\n90\n10\n");
    Game& game = world.game;
    game.items.clear();
    game.blocks[0].life = 10;
    world.player().life = 40;
    // Two pixels a frame from y 900 to y 20.
    for (int frame = 1; frame < 440; ++frame)
        world.step(holding(true));
    EXPECT_EQ(world.player().centre(), Point(385, 22));
    world.player().setPosition(385, 21);
    game.updatePlayer();
    EXPECT_EQ(game.levelProgress[1], 0);
    world.player().setPosition(385, 22);
    world.step(holding(true));
    // Across: the level starts afresh with a fresh player.
    EXPECT_EQ(game.levelProgress[1], 1);
    EXPECT_EQ(game.points, 100);
    EXPECT_EQ(game.items.size(), 1u);
    EXPECT_EQ(game.blocks[0].life, 100);
    EXPECT_EQ(world.player().life, 100);
    EXPECT_EQ(world.player().centre(), Point(385, 900));
    EXPECT_EQ(world.lastSound(), NextLevelSound);

    game.levelProgress[1] = 4;
    game.points = 300;
    world.player().setPosition(385, 22);
    world.step(holding(true));
    EXPECT_EQ(game.points, 1400);
    EXPECT_EQ(game.level, 2);
    EXPECT_EQ(game.levelProgress[1], 5);
    EXPECT_EQ(game.levelProgress[2], 0);
    EXPECT_EQ(game.blocks.size(), 2u);
    EXPECT_TRUE(game.items.empty());
    EXPECT_EQ(world.player().kind, 2);
    EXPECT_EQ(world.player().centre(), Point(385, 900));
    EXPECT_TRUE(game.running);
}

TEST(Scenario, AScriptedGameWinsAllFiveLevels) {
    World world;
    Game& game = world.game;
    // Level 1: a points item on the way and a block beside it; the others plain with a tower
    // far out of reach.
    ContentDir::writeLevel(1, "item\n2\n345\n400\nblock\n500\n400\n");
    for (int level = 2; level <= 5; ++level)
        ContentDir::writeLevel(level, "tower\n650\n40\n");
    game.loadLevel();

    int frames = 0;
    while (game.running && frames < 20000) {
        world.step(holding(true));
        ++frames;
    }
    EXPECT_FALSE(game.running);
    EXPECT_FALSE(game.aborted);
    EXPECT_EQ(game.level, 6);
    EXPECT_EQ(game.levelProgress, (std::array<int, 6>{0, 5, 10, 10, 10, 10}));
    // 45 crossings, 5 levels, and the points item at each of the five crossings of level 1.
    EXPECT_EQ(game.points, 45 * 100 + 5 * 1000 + 5 * 500);
    EXPECT_EQ(world.player().kind, 6);
    EXPECT_LT(frames, 20000);
}
