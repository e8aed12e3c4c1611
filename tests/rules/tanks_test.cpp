#include "tests/game/TestWorld.hpp"

#include <gtest/gtest.h>

using namespace testworld;

TEST(Lanes, TanksThatLeaveAreReplacedBehindTheEntry) {
    World world;
    const struct {
        bool movesRight;
        std::vector<int> before;
        std::vector<int> after; // after one frame of 1/30 s at level 2 (speed 1.5)
    } cases[] = {
        // 75 x 1.5 / 30 = 3.75: +3 to the right; three pass 928 and go.
        {true, {929, 100, 930, 931}, {103, -184, -318, -452}},
        // Left: 2.5 while at 0 or more, 3.75 below it; -206 passes -208, -205 would not.
        {false, {-206, 300, -300, -205}, {297, -208, 904, 1038}},
    };
    for (const auto& c : cases) {
        Track track(2, 720, c.movesRight, *world.game.assets, world.game.random);
        track.tanks.clear();
        for (int x : c.before)
            track.makeTank(x, 0, world.game.random);
        track.place(0, 410);
        track.update(dt, world.game.random);
        EXPECT_EQ(tankLefts(track), c.after);
        for (const Tank& tank : track.tanks) {
            EXPECT_EQ(tank.box.top, 410);
            EXPECT_EQ(tank.movesRight, c.movesRight);
            EXPECT_EQ(tank.level, 2);
        }
    }
}

TEST(Lanes, PlayerShotsHitTanksButNotTheHarmlessOnesAndWrecksAreNotReplaced) {
    World world;
    world.load("track\ntrue\n300\n");
    Game& game = world.game;
    world.player().setPosition(385, 800);
    Track& track = game.tracks[0];
    track.tanks[0].kind = 3;
    track.tanks[1].kind = 2;
    // Shots waiting 66 pixels from where each tank's centre will be after its move.
    const Point c0(track.tanks[0].centre().x + 2, track.tanks[0].centre().y);
    const Point c1(track.tanks[1].centre().x + 2, track.tanks[1].centre().y);
    game.shots.push_back(playerShotAt({c0.x, c0.y - 66}));
    game.shots.push_back(enemyShotAt({c1.x, c1.y + 66}));
    game.shots.push_back(playerShotAt({c1.x, c1.y + 66}));
    // One tank leaves in this frame while another has no life left.
    track.tanks[4].setPosition(928, 300);
    track.tanks[2].kind = 1;
    track.tanks[2].life = 0;
    const Point wreck = Point(track.tanks[2].box.left + 2 + tankWidth / 2, 300 + tankHeight / 2);
    game.updateTracks();
    EXPECT_EQ(track.tanks[0].life, 100);
    EXPECT_EQ(track.tanks[1].life, 90);
    ASSERT_EQ(game.shots.size(), 2u);
    EXPECT_TRUE(game.shots[0].fromPlayer);
    EXPECT_FALSE(game.shots[1].fromPlayer);

    EXPECT_EQ(track.tanks.size(), 4u);
    EXPECT_TRUE(std::none_of(track.tanks.begin(), track.tanks.end(),
                             [](const Tank& t) { return t.life < 1; }));
    ASSERT_EQ(game.explosions.size(), 2u); // the hit, then the wreck
    EXPECT_TRUE(game.explosions[1].fullSize);
    EXPECT_EQ(game.explosions[1].position, wreck);
    EXPECT_EQ(game.points, 0);
    EXPECT_TRUE(game.popups.empty());
    EXPECT_EQ(world.lastSound(), DamageSound);
}

TEST(Lanes, TouchingATankThrowsThePlayerBack) {
    const struct {
        int kind;
        int life;
        Point player;
    } cases[] = {{1, 90, {385, 900}}, {2, 90, {385, 900}}, {3, 100, {300, 330}}};
    World world;
    for (const auto& c : cases) {
        world.load("track\ntrue\n300\n");
        Game& game = world.game;
        Track& track = game.tracks[0];
        for (Tank& tank : track.tanks)
            tank.kind = 3;
        track.tanks[2].kind = c.kind; // at 200..320 x 300..360
        world.player().setPosition(300, 330);
        game.updatePlayer();
        EXPECT_EQ(world.player().life, c.life) << c.kind;
        EXPECT_EQ(world.player().centre(), c.player) << c.kind;
    }
}
