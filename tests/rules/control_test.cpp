#include "rules/Geometry.hpp"
#include "tests/rules/RulesTestSupport.hpp"

#include <cmath>
#include <gtest/gtest.h>

using namespace testworld;

TEST(AdvanceCounters, ScanLinesWrapAndShownPointsCountUp) {
    World world;
    Game& game = world.game;
    game.points = 100;
    for (int frame = 1; frame <= 160; ++frame) {
        game.advanceCounters();
        if (frame == 120) {
            EXPECT_EQ(game.scanX, 360);
        }
        if (frame == 121) {
            EXPECT_EQ(game.scanX, 0); // 363 exceeds 1440 / 4
        }
        if (frame == 158) {
            EXPECT_EQ(game.scanY, 948);
        }
        if (frame == 159) {
            EXPECT_EQ(game.scanY, 0); // 954 exceeds 900 + 50
        }
        if (frame == 99) {
            EXPECT_EQ(game.shownPoints, 99);
        }
    }
    EXPECT_EQ(game.shownPoints, 100);

    world.advanceTime(0.3);
    game.advanceCounters();
    EXPECT_NEAR(game.pulse, std::sin(1.5), 1e-6);
}

TEST(ControlPlayer, ArrowsStepEachAxisOnItsOwn) {
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
    };
    for (const auto& c : cases) {
        World world;
        world.load("");
        world.player().setPosition(c.from.x, c.from.y);
        world.game.controlPlayer(c.input);
        EXPECT_EQ(world.player().centre(), c.to) << c.name;
    }

    // A block stops the step into it, the other axis still moves.
    World world;
    world.load("block\n340\n500\n");               // 365..405 x 500..540
    world.player().setPosition(385, 561);          // box 365..405 x 541..581
    world.game.controlPlayer(holding(true, true)); // left to 383; up would overlap by a pixel
    EXPECT_EQ(world.player().centre(), Point(383, 561));
}

TEST(ControlPlayer, FiresOncePerFrameWithAmmunition) {
    World world;
    world.load("");
    Game& game = world.game;
    world.player().setPosition(385, 600);
    game.mouse = Point(485, 600);
    world.advanceTime(1.01); // level 1 fires once a second

    HeldInput both;
    both.space = true;
    both.leftButton = true;
    game.controlPlayer(both);
    ASSERT_EQ(game.shots.size(), 1u);
    const Shot& shot = game.shots[0];
    EXPECT_EQ(Point(shot.x, shot.y), Point(385, 600));
    EXPECT_DOUBLE_EQ(shot.angle, 359.0); // one step towards the mouse
    EXPECT_EQ(shot.damage, 1);
    EXPECT_EQ(shot.shotKind, 1);
    EXPECT_TRUE(shot.fromPlayer);
    EXPECT_EQ(world.player().ammo, 99);
    EXPECT_LE(world.lastSound(), ShotSounds);
    EXPECT_GE(world.lastSound(), 0);

    HeldInput button;
    button.leftButton = true;
    world.advanceTime(1.01);
    game.controlPlayer(button);
    EXPECT_EQ(game.shots.size(), 2u);

    world.advanceTime(1.01);
    world.player().ammo = 0;
    game.controlPlayer(both);
    EXPECT_EQ(game.shots.size(), 2u);
    // The player still turns towards the mouse every frame.
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
    // The tower fired in step 6: its shot still stands at its centre. The player's shot has
    // made its first flight step.
    ASSERT_EQ(game.shots.size(), 2u);
    EXPECT_TRUE(game.shots[0].fromPlayer);
    EXPECT_LT(game.shots[0].y, 600 - 30);
    EXPECT_FALSE(game.shots[1].fromPlayer);
    EXPECT_EQ(Point(game.shots[1].x, game.shots[1].y), Point(425, 600));
    EXPECT_EQ(world.player().life, 100);

    // Next frame step 2 tests it against the player before it moves.
    world.step();
    EXPECT_EQ(world.player().life, 90);
    ASSERT_FALSE(game.explosions.empty());
    EXPECT_EQ(game.explosions.back().position, Point(385, 600));
}
