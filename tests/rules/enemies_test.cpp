#include "tests/game/TestWorld.hpp"

#include <gtest/gtest.h>
#include <map>

using namespace testworld;

TEST(Enemies, TowersEngageWithinRangeSoldiersFireNearTheTopAndWalkUpToThePlayer) {
    World world;
    // Pixels from the tower's centre to the player's, straight below.
    const struct {
        int level, gap;
        bool engages;
    } ranges[] = {{1, 50, false}, {1, 49, true}, {5, 250, false}, {5, 249, true}};
    for (const auto& c : ranges) {
        world.game.level = c.level;
        world.load("tower\n360\n100\n"); // centre (385, 100)
        world.player().setPosition(385, 100 + c.gap);
        world.advanceTime(1.01);
        world.game.updateTowers();
        EXPECT_EQ(world.game.towers[0].getRotation() != 90.f, c.engages) << c.level << c.gap;
        EXPECT_EQ(world.game.shots.size(), c.engages ? 1u : 0u) << c.level << " at " << c.gap;
    }

    // Soldiers fire at any distance while the player is near the top.
    world.game.level = 1;
    const struct {
        int playerY, ammo;
        std::size_t shots;
    } firing[] = {{299, 100, 2}, {300, 100, 1}, {299, 0, 0}};
    for (const auto& c : firing) {
        // One soldier far from the player, one within its range of 100.
        world.load("soldier\n0\n50\nsoldier\n600\n250\n");
        world.player().setPosition(700, c.playerY);
        for (auto& soldier : world.game.soldiers)
            soldier->ammo = c.ammo;
        world.advanceTime(1.01);
        const Point far = world.game.soldiers[0]->centre();
        world.game.updateSoldiers();
        EXPECT_EQ(world.game.shots.size(), c.shots) << c.playerY << " ammo " << c.ammo;
        // Every soldier turns and walks, with or without ammunition.
        EXPECT_NE(world.game.soldiers[0]->getRotation(), 0.f);
        EXPECT_NE(world.game.soldiers[0]->centre(), far);
    }

    // A soldier's range is strict: the player 100 straight below is out of it, 99 within.
    for (const int gap : {100, 99}) {
        world.load("soldier\n360\n250\n");
        world.player().setPosition(385, 250 + gap);
        world.advanceTime(1.01);
        world.game.updateSoldiers();
        EXPECT_EQ(world.game.shots.size(), gap < 100 ? 1u : 0u) << gap;
    }

    // Soldiers 100 away stay, 101 away walk up; lined up within 10 the 0.2 step right is lost,
    // left costs a pixel; they stop at the middle line, and keep apart.
    world.load("soldier\n0\n0\n");
    Soldier& soldier = *world.game.soldiers[0];
    const std::tuple<Point, Point, Point> walks[] = {
        {{200, 200}, {300, 200}, {200, 200}}, {{200, 200}, {301, 200}, {201, 200}},
        {{290, 100}, {300, 300}, {290, 101}}, {{310, 100}, {300, 300}, {309, 101}},
        {{100, 100}, {600, 800}, {101, 101}}, {{200, 600}, {700, 250}, {200, 600}},
        {{200, 449}, {200, 800}, {200, 450}}, {{200, 450}, {200, 800}, {200, 450}}};
    for (const auto& [from, player, to] : walks) {
        soldier.setPosition(from.x, from.y);
        world.player().setPosition(player.x, player.y);
        world.game.updateSoldiers();
        EXPECT_EQ(soldier.centre(), to) << from.x << "," << from.y;
    }
    // A whole second shows the stride on each axis: two thirds of the distance, at most 33,
    // times the kind's speed (3 at level 5).
    world.window.setFixedFrameTime(1.f);
    const std::tuple<int, Point, Point> strides[] = {
        {1, {130, 400}, {120, 133}}, {1, {70, 400}, {80, 133}}, {5, {600, 800}, {199, 199}}};
    for (const auto& [level, player, to] : strides) {
        world.game.level = level;
        world.load("soldier\n75\n100\n");
        world.player().setPosition(player.x, player.y);
        world.game.updateSoldiers();
        EXPECT_EQ(world.game.soldiers[0]->centre(), to) << level << ": " << player.x;
    }
}

TEST(Lanes, FirstRowsKindsAndDrivingFasterPastTheOriginAndByLevelLeaversComeBackBehind) {
    World world;
    // The first row by level and direction.
    const struct {
        int level;
        bool movesRight;
        std::vector<int> lefts;
    } rows[] = {{1, true, {-268, -34, 200, 434, 668}},
                {1, false, {988, 754, 520, 286, 52}},
                {3, false, {988, 821, 654, 487, 320, 153}},
                {5, true, {-268, -114, 40, 194, 348, 502, 656}}};
    for (const auto& c : rows)
        EXPECT_EQ(
            tankLefts(Track(c.level, 720, c.movesRight, *world.game.assets, world.game.random)),
            c.lefts);

    // A new tank's kind is drawn evenly from 1 to 3, from 1 and 2 while its lane has a kind 3.
    Track lane(3, 720, false, *world.game.assets, world.game.random);
    const auto draw = [&world, &lane] {
        lane.makeTank(0, 0, *world.game.assets, world.game.random);
        const Tank& tank = lane.tanks.back();
        const auto& pictures = world.game.assets->tankImages;
        EXPECT_EQ(tank.getTexture(), &pictures.at(static_cast<std::size_t>(tank.kind - 1)));
        return tank.kind;
    };
    std::map<int, int> alone, besideKind3;
    for (int i = 0; i < 600; ++i) {
        lane.tanks.clear();
        ++alone[draw()];
        lane.tanks[0].kind = 3;
        ++besideKind3[draw()];
    }
    ASSERT_EQ(std::pair(alone.size(), besideKind3.size()), std::pair(3ul, 2ul));
    for (const auto& [kind, count] : alone)
        EXPECT_TRUE(count > 150 && count < 250) << kind << ": " << count;
    for (const auto& [kind, count] : besideKind3)
        EXPECT_TRUE(kind < 3 && count > 240 && count < 360) << kind << ": " << count;

    // 50 x speed a second while a step would not pass the origin, 75 x speed past it; a step to
    // exactly 0 does not pass. At level 2 (speed 1.5) in 1/30 s: +3 to the right, three pass 928
    // and queue up again behind the entry; to the left -206 passes -208, -205 would not.
    const struct {
        int level;
        bool movesRight;
        float dt;
        std::vector<int> before, after;
    } cases[] = {{1, true, 0.02f, {100, -10, -1}, {101, -9, 0}},
                 {1, false, 0.02f, {100, -10, 1}, {99, -11, 0}},
                 {5, true, 0.02f, {-2}, {2}},
                 {1, true, 0.03f, {-1}, {1}},
                 {1, true, 0.1f, {0}, {7}},
                 {2, true, 0.1f, {0}, {11}},
                 {3, true, 0.1f, {0}, {15}},
                 {4, true, 0.1f, {0}, {18}},
                 {5, true, 0.1f, {0}, {22}},
                 {1, true, 1.f, {-100, 0}, {-50, 75}},
                 {1, false, 1.f, {100, 0}, {50, -75}},
                 {2, true, dt, {929, 100, 930, 931}, {103, -184, -318, -452}},
                 {2, false, dt, {-206, 300, -300, -205}, {297, -208, 904, 1038}}};
    for (const auto& c : cases) {
        Track track(c.level, 720, c.movesRight, *world.game.assets, world.game.random);
        track.tanks.clear();
        for (int x : c.before)
            track.makeTank(x, 0, *world.game.assets, world.game.random);
        track.place(0, 410);
        track.update(c.dt, *world.game.assets, world.game.random);
        EXPECT_EQ(tankLefts(track), c.after) << c.level << (c.movesRight ? " right" : " left");
        for (const Tank& tank : track.tanks) {
            EXPECT_EQ(std::tuple(tank.box.top, tank.movesRight, tank.level),
                      std::tuple(410, c.movesRight, c.level));
            EXPECT_EQ(tank.getPosition(), sf::Vector2f(static_cast<float>(tank.box.left), 410.f));
            EXPECT_EQ(tank.centre(), Point(tank.box.left + 60, 440));
            // Mirrored exactly when it drives left.
            EXPECT_EQ(tank.getTextureRect(),
                      c.movesRight
                          ? sf::IntRect(0, 0, tankWidth, tankHeight)
                          : sf::IntRect(tankWidth, 0, -static_cast<int>(tankWidth), tankHeight));
        }
    }
}

TEST(Lanes, TouchingOrShootingTanksButNotTheHarmlessOnesAndWrecksAreNotReplaced) {
    World world;
    Game& game = world.game;
    // Touching a tank throws the player back to the start, a hit poorer.
    const std::tuple<int, int, Point> touches[] = {
        {1, 90, {385, 900}}, {2, 90, {385, 900}}, {3, 100, {300, 330}}};
    for (const auto& [kind, life, player] : touches) {
        world.load("track\ntrue\n300\n");
        for (Tank& tank : game.tracks[0].tanks)
            tank.kind = 3;
        game.tracks[0].tanks[2].kind = kind; // at 200..320 x 300..360
        world.player().setPosition(300, 330);
        game.updatePlayer();
        EXPECT_EQ(std::pair(world.player().life, world.player().centre()), std::pair(life, player));
    }

    world.load("track\ntrue\n300\n");
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
    EXPECT_EQ(std::pair(track.tanks[0].life, track.tanks[1].life), std::pair(100, 90));
    ASSERT_EQ(game.shots.size(), 2u);
    EXPECT_EQ(std::pair(game.shots[0].fromPlayer, game.shots[1].fromPlayer),
              std::pair(true, false));
    EXPECT_EQ(track.tanks.size(), 4u);
    EXPECT_TRUE(std::ranges::none_of(track.tanks, [](const Tank& t) { return t.life < 1; }));
    ASSERT_EQ(game.explosions.size(), 2u); // the hit, then the wreck
    EXPECT_EQ(fieldsOf(game.explosions[1]), std::pair(wreck, true));
    EXPECT_TRUE(game.points == 0 && game.popups.empty());
    EXPECT_EQ(world.lastSound(), DamageSound);
}
