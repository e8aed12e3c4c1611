#include "tests/game/TestWorld.hpp"

#include <gtest/gtest.h>

using namespace testworld;

TEST(PickUps, WhatEachItemGivesOneAFrameInTheirOrder) {
    const struct {
        int kind, lifeBefore, ammoBefore, life, ammo, points;
        const char* popup;
        int sound; // -1: none
    } cases[] = {{ItemKind::Life, 100, 100, 100, 100, 100, "+100", CollectSound},
                 {ItemKind::Life, 90, 100, 100, 100, 100, "+100", CollectSound},
                 {ItemKind::Life, 95, 100, 105, 100, 100, "+100", CollectSound},
                 {ItemKind::Points, 50, 100, 50, 100, 500, "+500", CollectSound},
                 {ItemKind::Ammunition, 100, 100, 100, 150, 100, "+100", RefillSound},
                 {ItemKind::Ammunition, 100, 180, 100, 230, 100, "+100", RefillSound},
                 {9, 100, 100, 100, 100, 0, "+", -1}};
    World world;
    for (const auto& c : cases) {
        // The item's centre is 49 pixels above the player's.
        world.load("item\n" + std::to_string(c.kind) + "\n345\n536\n");
        if (c.kind == 9) // no picture, so its centre is its corner
            world.game.items[0].setPosition(385, 551);
        world.game.points = 0;
        world.game.popups.clear();
        world.player().setPosition(385, 600);
        world.player().life = c.lifeBefore;
        world.player().ammo = c.ammoBefore;
        world.game.sounds->playing.clear();
        world.game.updatePlayer();
        EXPECT_TRUE(world.game.items.empty()) << c.kind;
        EXPECT_EQ(std::tuple(world.player().life, world.player().ammo, world.game.points),
                  std::tuple(c.life, c.ammo, c.points))
            << c.kind;
        ASSERT_EQ(world.game.popups.size(), 1u);
        EXPECT_EQ(world.game.popups[0]->getString().toAnsiString(), c.popup);
        EXPECT_EQ(world.game.popups[0]->start, Point(385, 600));
        EXPECT_EQ(world.lastSound(), c.sound) << c.kind;
    }

    // One a frame in their order: two ammunition items in reach (47 and 29 pixels away), a
    // points item just out of it.
    world.load("item\n3\n330\n540\nitem\n3\n345\n556\nitem\n2\n345\n535\n");
    world.player().setPosition(385, 600);
    world.game.updatePlayer();
    // The first in order goes first, though the second is nearer.
    ASSERT_EQ(world.game.items.size(), 2u);
    EXPECT_EQ(world.game.items[0].box.left, 370);
    EXPECT_EQ(world.player().ammo, 150);
    world.game.updatePlayer();
    EXPECT_EQ(world.player().ammo, 200); // no upper limit
    world.game.updatePlayer();
    ASSERT_EQ(world.game.items.size(), 1u);
    EXPECT_EQ(world.game.items[0].kind, ItemKind::Points);
    EXPECT_EQ(world.game.points, 200);
}

TEST(Death, TheUpdateThatTakesTheLastLifeEndsTheGameUnlessItCrossesAndItemsPulse) {
    World world;
    world.load("block\n0\n0\nitem\n1\n600\n600\n");
    Game& game = world.game;
    game.items.clear();
    game.blocks[0].life = 10;
    world.player().setPosition(385, 21);
    game.updatePlayer();
    EXPECT_EQ(game.levelProgress[1], 0);
    world.player().setPosition(385, 22);
    world.player().life = 10;
    game.shots.push_back(enemyShotAt({385, 40}));
    world.step(holding(true)); // up to 20, then hit to 0 and across
    // The level starts afresh with a fresh player at the start.
    EXPECT_EQ(std::tuple(game.running, game.levelProgress[1], game.points),
              std::tuple(true, 1, 100));
    EXPECT_EQ(game.items.size(), 1u);
    EXPECT_EQ(game.blocks[0].life, 100);
    EXPECT_EQ(std::pair(world.player().life, world.player().centre()),
              std::pair(100, Point(385, 900)));
    EXPECT_EQ(world.lastSound(), NextLevelSound);

    // One enemy hit per frame; the game ends when the life drops below 1.
    world.player().setPosition(385, 500);
    world.player().life = 11;
    game.shots.push_back(enemyShotAt({385, 520}));
    game.shots.push_back(enemyShotAt({385, 530}));
    world.step();
    EXPECT_EQ(std::pair(game.running, world.player().life), std::pair(true, 1));
    world.step();
    EXPECT_EQ(std::tuple(game.running, game.aborted, world.player().life, game.points),
              std::tuple(false, false, -9, 100));

    // Items breathe with the pulse; one without a picture keeps its size.
    world.load("item\n1\n0\n0\nitem\n8\n0\n0\n");
    const std::tuple<float, sf::Vector2f, sf::Vector2f> cases[] = {
        {1.f, {14.5f, 17.f}, {29.f, 34.f}},
        {-1.f, {10.5f, 13.f}, {21.f, 26.f}},
        {0.f, {12.5f, 15.f}, {25.f, 30.f}}};
    for (const auto& [pulse, origin, size] : cases) {
        game.pulse = pulse;
        game.pulseItems();
        const Item& item = game.items[0];
        EXPECT_EQ(item.getOrigin(), origin);
        EXPECT_FLOAT_EQ(item.getScale().x * itemSide, size.x);
        EXPECT_FLOAT_EQ(item.getScale().y * itemSide, size.y);
        // The box keeps the picture's size.
        EXPECT_EQ(item.box, Box(25, 0, itemSide, itemSide));
    }
    EXPECT_EQ(game.items[1].getScale(), sf::Vector2f(1.f, 1.f));
}

// Whole frames as the game runs them, with a seeded engine and a fixed frame time.
TEST(Scenario, AScriptedGameWinsAllFiveLevels) {
    World world;
    Game& game = world.game;
    // Level 1: a points item on the way and a block beside it; the others plain with a tower
    // far out of reach.
    ContentDir::writeLevel(1, "item\n2\n345\n400\nblock\n500\n400\n");
    for (int level = 2; level <= 5; ++level)
        ContentDir::writeLevel(level, "tower\n650\n40\n");
    game.loadLevel();

    for (int frames = 0; game.running && frames < 20000; ++frames)
        world.step(holding(true));
    EXPECT_EQ(std::tuple(game.running, game.aborted, game.level), std::tuple(false, false, 6));
    EXPECT_EQ(game.levelProgress, (std::array<int, 6>{0, 5, 10, 10, 10, 10}));
    // 45 crossings, 5 levels, and the points item at each of the five crossings of level 1.
    EXPECT_EQ(game.points, 45 * 100 + 5 * 1000 + 5 * 500);
    EXPECT_EQ(world.player().kind, 6);
}
