#include "tests/game/TestWorld.hpp"

#include <cmath>
#include <gtest/gtest.h>

using namespace testworld;

TEST(AdvanceCounters, ScanLinesWrapAndShownPointsCountUp) {
    World world;
    Game& game = world.game;
    game.points = 100;
    std::vector<int> xs, ys, shown;
    for (int frame = 1; frame <= 160; ++frame) {
        game.advanceCounters();
        xs.push_back(game.scanX);
        ys.push_back(game.scanY);
        shown.push_back(game.shownPoints);
    }
    // Frame n is at index n - 1: 363 exceeds 1440 / 4, 954 exceeds 900 + 50.
    EXPECT_EQ(std::vector<int>(xs.begin() + 119, xs.begin() + 121), (std::vector<int>{360, 0}));
    EXPECT_EQ(std::vector<int>(ys.begin() + 157, ys.begin() + 159), (std::vector<int>{948, 0}));
    EXPECT_EQ(shown[98], 99);
    EXPECT_EQ(shown.back(), 100);

    world.advanceTime(0.3);
    game.advanceCounters();
    EXPECT_NEAR(game.pulse, std::sin(1.5), 1e-6);
}

TEST(ControlPlayer, ArrowsStepEachAxisOnItsOwn) {
    World world;
    world.load("block\n340\n500\n"); // 365..405 x 500..540
    const struct {
        const char* name;
        Point from;
        HeldInput input;
        Point to;
    } cases[] = {
        {"left and right cancel", {385, 600}, holding(false, true, true), {385, 600}},
        {"left and up", {385, 600}, holding(true, true), {383, 598}},
        {"down", {385, 600}, holding(false, false, false, true), {385, 602}},
        {"slides along the left edge", {27, 600}, holding(true, true), {27, 598}},
        {"sideways at the start is undone", {385, 900}, holding(false, true), {385, 900}},
        {"up from the start", {385, 900}, holding(true), {385, 898}},
        {"down onto the bottom edge", {385, 898}, holding(false, false, false, true), {385, 898}},
        {"nothing held", {385, 600}, holding(false), {385, 600}},
        // Up would overlap the block by a pixel; left still moves.
        {"slides along a block", {385, 561}, holding(true, true), {383, 561}},
    };
    for (const auto& c : cases) {
        world.player().setPosition(c.from.x, c.from.y);
        world.game.controlPlayer(c.input);
        EXPECT_EQ(world.player().centre(), c.to) << c.name;
    }
    // A long frame of a quick player shows each arrow's whole step: -100 and +150 per axis.
    world.window.setFixedFrameTime(1.f);
    world.player().moveRate = 2;
    world.player().setPosition(385, 300);
    world.game.controlPlayer(holding(true, true, true, true));
    EXPECT_EQ(world.player().centre(), Point(435, 350));
}

TEST(ControlPlayer, FiresOncePerFrameWithAmmunition) {
    World world;
    world.load("");
    Game& game = world.game;
    world.player().setPosition(385, 600);
    game.mouse = Point(485, 600);
    HeldInput both, button;
    both.space = both.leftButton = button.leftButton = true;
    const struct {
        HeldInput input;
        int ammo, ammoAfter;
        std::size_t shots;
    } frames[] = {{both, 100, 99, 1}, {button, 100, 99, 2}, {both, 0, 0, 2}};
    for (const auto& f : frames) {
        world.advanceTime(1.01); // level 1 fires once a second
        world.player().ammo = f.ammo;
        game.controlPlayer(f.input);
        EXPECT_EQ(game.shots.size(), f.shots);
        EXPECT_EQ(world.player().ammo, f.ammoAfter);
    }
    // One step towards the mouse.
    EXPECT_EQ(fieldsOf(game.shots[0]), std::tuple(Point(385, 600), 359.0, 1, 1, true));
    EXPECT_EQ(game.sounds->playing.size(), 2u);
    EXPECT_TRUE(world.lastSound() >= 0 && world.lastSound() <= 3);
    // The player turns towards the mouse every frame, firing or not.
    EXPECT_FLOAT_EQ(world.player().getRotation(), 357.f);
}

TEST(Update, PlayerShotsFlyAtOnceEnemyShotsWaitAFrame) {
    World world;
    // A level-1 tower 40 pixels beside the player: within its range of 50.
    world.load("tower\n400\n600\n");
    Game& game = world.game;
    world.player().setPosition(385, 600);
    game.mouse = Point(385, 100);
    world.advanceTime(1.01);

    HeldInput fire;
    fire.space = true;
    world.step(fire);
    // The tower fired after the shots flew: its shot still stands at its centre.
    ASSERT_EQ(game.shots.size(), 2u);
    EXPECT_TRUE(game.shots[0].fromPlayer);
    EXPECT_LT(game.shots[0].y, 600 - 30);
    EXPECT_FALSE(game.shots[1].fromPlayer);
    EXPECT_EQ(Point(game.shots[1].x, game.shots[1].y), Point(425, 600));
    EXPECT_EQ(world.player().life, 100);

    // Next frame the player is hit before that shot moves.
    world.step();
    EXPECT_EQ(world.player().life, 90);
    ASSERT_FALSE(game.explosions.empty());
    EXPECT_EQ(game.explosions.back().position, Point(385, 600));
}
