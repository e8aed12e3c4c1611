#include "tests/game/TestWorld.hpp"

#include <cmath>
#include <gtest/gtest.h>

using namespace testworld;

TEST(Shots, FiringCopiesTheShooterAndShotsLeaveTheFieldOneAFrame) {
    World world(4);
    world.load("soldier\n100\n100\ntower\n300\n100\n");
    Game& game = world.game;
    Soldier& enemy = *game.soldiers[0];
    enemy.setRotation(30.f);
    game.fire(enemy);
    game.fire(game.towers[0]);
    ASSERT_EQ(game.shots.size(), 2u);
    EXPECT_EQ(fieldsOf(game.shots[0]), std::tuple(Point(125, 100), 30.0, 2, 4, false));
    EXPECT_EQ(fieldsOf(game.shots[1]), std::tuple(Point(325, 100), 90.0, 2, 4, false));
    EXPECT_TRUE(enemy.ammo == 99 && !game.towers[0].canFire());
    EXPECT_EQ(game.sounds->playing.size(), 2u);

    // Heading -angle: 90 flies left, 270 right, 180 down. Four reach a border of the field
    // exactly and stay; of the two that leave it, the first goes in this frame.
    game.shots.clear();
    const std::pair<Point, double> flights[] = {{{58, 450}, 90.0},   {{712, 300}, 270.0},
                                                {{300, 33}, 0.0},    {{385, 867}, 180.0},
                                                {{740, 450}, 270.0}, {{385, 20}, 0.0}};
    for (const auto& [from, angle] : flights)
        game.shots.emplace_back(from.x, from.y, angle, 1.0, 1, true);
    game.updateShots();
    std::vector<Point> at;
    for (const Shot& shot : game.shots)
        at.emplace_back(shot.x, shot.y);
    EXPECT_EQ(at, (std::vector<Point>{{25, 450}, {745, 300}, {300, 0}, {385, 900}, {385, -13}}));
    ASSERT_EQ(game.explosions.size(), 1u);
    EXPECT_EQ(fieldsOf(game.explosions[0]), std::pair(Point(773, 450), false));
    game.updateShots(); // all outside now
    EXPECT_EQ(game.shots.size(), 4u);
    EXPECT_EQ(game.explosions.back().position, Point(-8, 450));

    // A shot flies 1000 pixels a second.
    world.window.setFixedFrameTime(1.f);
    game.shots.assign(1, playerShotAt({385, 900}));
    game.updateShots();
    EXPECT_EQ(game.explosions.back().position, Point(385, -100));
}

TEST(Hits, OneShotOneTargetFirstInOrderDamagePointsAndTheDestructionBonus) {
    World world;
    world.load("soldier\n175\n100\nsoldier\n175\n198\nblock\n500\n300\n");
    Game& game = world.game;
    world.player().setPosition(600, 880);
    // 49 pixels from both soldiers' centres (200, 100) and (200, 198).
    game.shots.push_back(playerShotAt({200, 149}));
    game.updateSoldiers();
    EXPECT_EQ(game.soldiers[0]->life, 90);
    EXPECT_EQ(game.soldiers[1]->life, 100);
    EXPECT_TRUE(game.shots.empty());

    // Three shots on a block in one frame: one hits, two wait.
    const Point block = game.blocks[0].centre();
    game.shots.assign(3, playerShotAt(block));
    game.explosions.clear();
    game.updateBlocks();
    EXPECT_EQ(game.blocks[0].life, 90);
    EXPECT_EQ(game.shots.size(), 2u);
    ASSERT_EQ(game.explosions.size(), 1u);
    EXPECT_EQ(fieldsOf(game.explosions[0]), std::pair(block, false));

    // Enemy shots pass through everything but the player.
    game.shots.assign(1, enemyShotAt(block));
    game.updateBlocks();
    EXPECT_EQ(game.blocks[0].life, 90);
    EXPECT_EQ(game.shots.size(), 1u);

    // Damage, and the bonus for a destruction.
    game.level = 5;
    world.load("soldier\n175\n100\n");
    world.player().setPosition(600, 880);
    Soldier* enemy = game.soldiers[0].get();
    for (int life : {70, 40, 10}) {
        game.shots.assign(1, playerShotAt(enemy->centre(), 3.0));
        game.updateSoldiers();
        ASSERT_EQ(game.soldiers.size(), 1u);
        EXPECT_EQ(enemy->life, life);
    }
    // Hit first, then it still walks, then it is destroyed where it stands.
    const Point last = enemy->centre();
    game.shots.assign(1, playerShotAt(last, 3.0));
    game.explosions.clear();
    game.updateSoldiers();
    EXPECT_TRUE(game.soldiers.empty());
    EXPECT_EQ(game.points, 100);
    ASSERT_EQ(game.popups.size(), 1u);
    EXPECT_EQ(game.popups[0]->getString().toAnsiString(), "+100");
    ASSERT_EQ(game.explosions.size(), 2u); // the impact, then the destruction
    EXPECT_EQ(fieldsOf(game.explosions[0]), std::pair(last, false));
    EXPECT_EQ(fieldsOf(game.explosions[1]), std::pair(game.popups[0]->start, true));
    EXPECT_NE(game.popups[0]->start, last);
    EXPECT_EQ(world.lastSound(), DamageSound);

    // At most one destruction per container and frame.
    world.load("tower\n100\n100\ntower\n300\n100\nblock\n100\n400\nblock\n300\n400\n");
    world.player().setPosition(600, 880);
    game.points = 0;
    game.popups.clear();
    for (Tower& tower : game.towers)
        tower.life = 0;
    for (Block& block : game.blocks)
        block.life = -10;
    game.updateTowers();
    game.updateBlocks();
    ASSERT_EQ(game.towers.size() + game.blocks.size(), 2u);
    EXPECT_EQ(game.towers[0].centre(), Point(325, 100));
    EXPECT_EQ(game.points, 200);
    game.updateTowers();
    game.updateBlocks();
    EXPECT_TRUE(game.towers.empty() && game.blocks.empty());
    EXPECT_EQ(game.points, 400);
    EXPECT_EQ(game.popups.size(), 4u);
}

TEST(Hits, AShotReachesFiftyPixelsAndSixtySevenToATank) {
    World world;
    world.window.setFixedFrameTime(0.f); // nothing moves
    world.load("block\n100\n100\ntower\n300\n100\nsoldier\n500\n100\ntrack\ntrue\n600\n");
    Game& game = world.game;
    world.player().setPosition(600, 880);
    Tank& tank = game.tracks[0].tanks[2];
    tank.kind = 1;
    const struct {
        const char* what;
        int reach;
        Point centre;
        int& life;
        void (Game::*update)();
        bool fromPlayer;
    } targets[] = {
        {"block", 50, game.blocks[0].centre(), game.blocks[0].life, &Game::updateBlocks, true},
        {"tower", 50, game.towers[0].centre(), game.towers[0].life, &Game::updateTowers, true},
        {"soldier", 50, game.soldiers[0]->centre(), game.soldiers[0]->life, &Game::updateSoldiers,
         true},
        {"tank", 67, tank.centre(), tank.life, &Game::updateTracks, true},
        {"player", 50, world.player().centre(), world.player().life, &Game::updatePlayer, false}};
    for (const auto& t : targets)
        for (const int gap : {t.reach, t.reach - 1}) {
            const int before = t.life;
            game.shots.assign(1, Shot(t.centre.x, t.centre.y - gap, 0.0, 1.0, 1, t.fromPlayer));
            (game.*t.update)();
            EXPECT_EQ(before - t.life, gap < t.reach ? 10 : 0) << t.what << " at " << gap;
        }
}

TEST(Effects, CountersWrapExplosionsEndTogetherPopupsGoOneAFrame) {
    World world;
    world.load("");
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
    EXPECT_EQ(std::pair(shown[98], shown.back()), std::pair(99, 100));
    // A one-second frame shows the whole speeds: 100 and 200 pixels a second.
    game.scanX = game.scanY = 0;
    world.window.setFixedFrameTime(1.f);
    game.advanceCounters();
    EXPECT_EQ(std::pair(game.scanX, game.scanY), std::pair(100, 200));
    world.window.setFixedFrameTime(dt);

    world.advanceTime(0.3);
    game.advanceCounters();
    EXPECT_NEAR(game.pulse, std::sin(1.5), 1e-6);

    // All explosions past their last picture go at once.
    for (int i = 0; i < 4; ++i)
        game.explosions.emplace_back(Point(i, i), i == 3, game.gameClock).frame = i < 3 ? 19 : 0;
    world.advanceTime(0.06);
    game.updateExplosions();
    ASSERT_EQ(game.explosions.size(), 1u);
    EXPECT_EQ(std::pair(game.explosions[0].position, game.explosions[0].frame),
              std::pair(Point(3, 3), 1));

    for (int i = 0; i < 3; ++i)
        game.popups.push_back(
            std::make_unique<ScorePopup>("100", 0, 0, game.builtinFont, game.gameClock));
    game.popups[0]->age = game.popups[1]->age = 100;
    world.advanceTime(0.2);
    game.updatePopups(); // both pass 100 now
    ASSERT_EQ(game.popups.size(), 2u);
    EXPECT_GT(game.popups[0]->age, 100);
    EXPECT_EQ(game.popups[1]->age, 3);
    game.updatePopups();
    game.updatePopups();
    EXPECT_EQ(game.popups.size(), 1u);

    // An explosion made during the update shows its first picture (the shot flies 33 up first,
    // still within reach of the block's centre); an older one moves on.
    world.load("block\n100\n400\n");
    world.player().setPosition(600, 880);
    game.shots.push_back(playerShotAt(game.blocks[0].centre()));
    game.explosions.emplace_back(Point(1, 1), false, game.gameClock);
    world.advanceTime(0.03);
    world.step();
    ASSERT_EQ(game.explosions.size(), 2u);
    EXPECT_EQ(std::pair(game.explosions[0].frame, game.explosions[1].frame), std::pair(1, 0));
    EXPECT_EQ(game.blocks[0].life, 90);
}

TEST(ControlPlayer, ArrowsStepEachAxisOnItsOwn) {
    World world;
    world.load("block\n340\n500\n"); // 365..405 x 500..540
    // Left and right cancel; up is undone where it would leave the field or overlap the block
    // by a pixel, and sideways at the start, which lies on the border; the other axis still moves.
    const std::tuple<Point, HeldInput, Point> cases[] = {
        {{385, 600}, holding(false, true, true), {385, 600}},
        {{385, 600}, holding(true, true), {383, 598}},
        {{385, 600}, holding(false, false, false, true), {385, 602}},
        {{27, 600}, holding(true, true), {27, 598}},
        {{385, 900}, holding(false, true), {385, 900}},
        {{385, 900}, holding(true), {385, 898}},
        {{385, 898}, holding(false, false, false, true), {385, 898}},
        {{385, 561}, holding(true, true), {383, 561}}};
    for (const auto& [from, input, to] : cases) {
        world.player().setPosition(from.x, from.y);
        world.game.controlPlayer(input);
        EXPECT_EQ(world.player().centre(), to) << from.x << "," << from.y;
    }
    // A long frame of a quick player shows each arrow's whole step: -100 and +150 per axis.
    world.window.setFixedFrameTime(1.f);
    world.player().moveRate = 2;
    world.player().setPosition(385, 300);
    world.game.controlPlayer(holding(true, true, true, true));
    EXPECT_EQ(world.player().centre(), Point(435, 350));
    EXPECT_EQ(world.player().box, Box(415, 330, 40, 40));
}

TEST(ControlPlayer, FiresOncePerFrameWithAmmunitionAndPlayerShotsFlyAtOnce) {
    World world;
    // A level-1 tower 40 pixels beside the player: within its range of 50.
    world.load("tower\n400\n600\n");
    Game& game = world.game;
    world.player().setPosition(385, 600);
    game.mouse = Point(485, 600);
    const HeldInput both{true, true}, button{false, true}, space{true};
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
    // One step towards the mouse; the player turns every frame, firing or not.
    EXPECT_EQ(fieldsOf(game.shots[0]), std::tuple(Point(385, 600), 359.0, 1, 1, true));
    EXPECT_FLOAT_EQ(world.player().getRotation(), 357.f);
    EXPECT_EQ(game.sounds->playing.size(), 2u);
    EXPECT_TRUE(world.lastSound() >= 0 && world.lastSound() <= 3);

    // The tower fires after the shots flew: its shot still stands at its centre, and hits the
    // player next frame before it moves.
    game.shots.clear();
    game.mouse = Point(385, 100);
    world.player().setRotation(0.f);
    world.player().ammo = 100;
    world.advanceTime(1.01);
    world.step(space);
    ASSERT_EQ(game.shots.size(), 2u);
    EXPECT_TRUE(game.shots[0].fromPlayer);
    EXPECT_LT(game.shots[0].y, 600 - 30);
    EXPECT_FALSE(game.shots[1].fromPlayer);
    EXPECT_EQ(Point(game.shots[1].x, game.shots[1].y), Point(425, 600));
    EXPECT_EQ(world.player().life, 100);
    world.step();
    EXPECT_EQ(world.player().life, 90);
    ASSERT_FALSE(game.explosions.empty());
    EXPECT_EQ(game.explosions.back().position, Point(385, 600));
}
