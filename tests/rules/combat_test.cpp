#include "tests/game/TestWorld.hpp"

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
    EXPECT_EQ(enemy.ammo, 99);
    EXPECT_FALSE(game.towers[0].canFire());
    EXPECT_EQ(game.sounds->playing.size(), 2u);

    // Heading -angle: 90 flies left, 270 flies right.
    game.shots.clear();
    game.shots.emplace_back(58, 450, 90.0, 1.0, 1, true);   // reaches the left border exactly
    game.shots.emplace_back(740, 450, 270.0, 1.0, 1, true); // leaves to the right
    game.shots.emplace_back(385, 20, 0.0, 1.0, 1, false);   // leaves at the top
    game.updateShots();
    ASSERT_EQ(game.shots.size(), 2u);
    EXPECT_EQ(Point(game.shots[0].x, game.shots[0].y), Point(25, 450)); // on the border: inside
    EXPECT_EQ(Point(game.shots[1].x, game.shots[1].y), Point(385, -13));
    ASSERT_EQ(game.explosions.size(), 1u);
    EXPECT_EQ(game.explosions[0].position, Point(773, 450));
    EXPECT_FALSE(game.explosions[0].fullSize);
    // Both are outside now; the first goes in this frame, the other in the next.
    game.updateShots();
    ASSERT_EQ(game.shots.size(), 1u);
    EXPECT_EQ(game.explosions.back().position, Point(-8, 450));
    game.updateShots();
    EXPECT_TRUE(game.shots.empty());
    EXPECT_EQ(game.explosions.back().position, Point(385, -79));
}

TEST(Hits, OneShotOneTargetFirstInOrder) {
    World world;
    world.load("soldier\n175\n100\nsoldier\n175\n198\nblock\n500\n300\n");
    Game& game = world.game;
    world.player().setPosition(600, 880);
    // 49 pixels from both soldiers' centres (200, 100) and (200, 198).
    game.shots.push_back(playerShotAt({200, 149}));
    game.updateSoldiers();
    EXPECT_EQ(game.soldiers[0]->life, 90);
    EXPECT_EQ(game.soldiers[1]->life, 100);
    EXPECT_TRUE(std::none_of(game.shots.begin(), game.shots.end(),
                             [](const Shot& s) { return s.fromPlayer; }));

    // Three shots on a block in one frame: one hits, two wait.
    const Point block = game.blocks[0].centre();
    game.shots.assign(3, playerShotAt(block));
    game.explosions.clear();
    game.updateBlocks();
    EXPECT_EQ(game.blocks[0].life, 90);
    EXPECT_EQ(game.shots.size(), 2u);
    ASSERT_EQ(game.explosions.size(), 1u);
    EXPECT_EQ(game.explosions[0].position, block);
    EXPECT_FALSE(game.explosions[0].fullSize);

    // Enemy shots pass through everything but the player; the reach of 50 is strict.
    game.shots.assign(1, enemyShotAt(block));
    game.updateBlocks();
    game.shots.assign(1, playerShotAt({block.x + 50, block.y}));
    game.updateBlocks();
    EXPECT_EQ(game.blocks[0].life, 90);
    EXPECT_EQ(game.shots.size(), 1u);
}

TEST(Hits, DamagePointsAndTheDestructionBonus) {
    World world(5);
    world.load("soldier\n175\n100\n");
    Game& game = world.game;
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
    EXPECT_FALSE(game.explosions[0].fullSize);
    EXPECT_EQ(game.explosions[0].position, last);
    EXPECT_TRUE(game.explosions[1].fullSize);
    EXPECT_EQ(game.explosions[1].position, game.popups[0]->start);
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
    EXPECT_EQ(game.towers.size(), 1u);
    EXPECT_EQ(game.towers[0].centre(), Point(325, 100));
    EXPECT_EQ(game.blocks.size(), 1u);
    EXPECT_EQ(game.points, 200);
    game.updateTowers();
    game.updateBlocks();
    EXPECT_TRUE(game.towers.empty() && game.blocks.empty());
    EXPECT_EQ(game.points, 400);
    EXPECT_EQ(game.popups.size(), 4u);
}

TEST(Effects, ExplosionsEndTogetherPopupsOneAFrame) {
    World world;
    world.load("");
    Game& game = world.game;
    for (int i = 0; i < 4; ++i)
        game.explosions.emplace_back(Point(i, i), i == 3, game.gameClock);
    for (int i = 0; i < 3; ++i)
        game.explosions[static_cast<std::size_t>(i)].frame = 19;
    world.advanceTime(0.06);
    game.updateExplosions();
    ASSERT_EQ(game.explosions.size(), 1u);
    EXPECT_EQ(game.explosions[0].position, Point(3, 3));
    EXPECT_EQ(game.explosions[0].frame, 1);

    for (int i = 0; i < 3; ++i)
        game.popups.push_back(
            std::make_unique<ScorePopup>("100", 0, 0, game.builtinFont, game.gameClock));
    game.popups[0]->age = 100;
    game.popups[1]->age = 100;
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
    EXPECT_EQ(game.explosions[0].frame, 1);
    EXPECT_EQ(game.explosions[1].frame, 0);
    EXPECT_EQ(game.blocks[0].life, 90);
}
