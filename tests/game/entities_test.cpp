#include "tests/game/TestWorld.hpp"
#include "world/LevelTables.hpp"

#include <gtest/gtest.h>

using namespace testworld;

TEST(SoldierAndTower, PicturesStatisticsPlacingAndFiringAfterTheirInterval) {
    World world;
    // The player after the last level: damage, turning and fire rate are the kind itself, the
    // rest the last kind's. Towers outside 1..5 take the nearest level's values.
    const Soldier six("6", world.game.gameClock);
    EXPECT_EQ(std::tuple(six.range, six.damage, six.turnRate, six.moveRate, six.fireRate),
              std::tuple(300, 6.0, 6.0, 3.0, 6.0));
    const auto values = [&world](int level) {
        const Tower t(*world.game.assets, level, world.game.gameClock);
        return std::vector<int>{t.damage, t.fireRate, t.turnRate, t.shotKind, t.range};
    };
    EXPECT_EQ(values(0), values(1));
    EXPECT_EQ(values(9), values(5));
    EXPECT_NE(values(4), values(5));

    Soldier soldier("4", world.game.gameClock); // 36 pixels wide
    soldier.setPosition(100, 200);
    EXPECT_EQ(soldier.box, Box(82, 182, 36, 36));
    EXPECT_EQ(soldier.getGlobalBounds().width, 27.f) << "drawn at three quarters of its picture";
    Soldier odd("5", world.game.gameClock); // 37 wide: halves truncate
    odd.setPosition(-1, 0);
    EXPECT_EQ(odd.box, Box(-19, -18, 37, 37));
    odd.sf::Sprite::setPosition(10.9f, -3.9f);
    EXPECT_EQ(odd.centre(), Point(10, -3));
    odd.reapplyPosition();
    EXPECT_EQ(odd.centre(), Point(-1, 0));
    // A tower is placed by its centre and faces left.
    Tower tower(*world.game.assets, 4, world.game.gameClock);
    EXPECT_EQ(std::pair(tower.life, tower.getRotation()), std::pair(100, 90.f));
    tower.setPosition(300, 40);
    EXPECT_EQ(tower.box, Box(300, 40, 0, 0));
    EXPECT_EQ(tower.getPosition(), sf::Vector2f(300.f, 40.f));

    // Both fire every 0.25 s at level 4; a soldier needs ammunition too.
    world.advanceTime(0.25);
    EXPECT_FALSE(soldier.canFire() || tower.canFire());
    world.advanceTime(0.01);
    EXPECT_TRUE(soldier.canFire() && tower.canFire());
    soldier.consumeShot();
    tower.restartFireClock();
    EXPECT_EQ(soldier.ammo, 99);
    EXPECT_FALSE(soldier.canFire() || tower.canFire());
    soldier.ammo = 0;
    world.advanceTime(100.0);
    EXPECT_FALSE(soldier.canFire());
    soldier.refillAmmo();
    EXPECT_TRUE(soldier.canFire());
    soldier.takeHit();
    tower.takeHit();
    EXPECT_EQ(std::pair(soldier.life, tower.life), std::pair(90, 90));
}

TEST(ShotExplosionPopupAndBlock, DamageTruncatedPicturesEveryTwentiethFadingAndRising) {
    World world;
    Block block(world.game.assets->block);
    block.setPosition(5, 6);
    EXPECT_EQ(block.box, Box(5, 6, blockSide, blockSide));
    EXPECT_EQ(block.centre(), Point(25, 26));
    EXPECT_EQ(block.getPosition(), sf::Vector2f(5.f, 6.f));
    std::vector<int> alphas;
    for (int hit = 0; hit < 11; ++hit) {
        block.takeHit();
        alphas.push_back(block.getColor().a);
    }
    EXPECT_EQ(std::pair(block.life, block.getColor()),
              std::pair(-10, sf::Color(255, 255, 255, 112)));
    EXPECT_EQ(alphas, (std::vector<int>{237, 225, 212, 200, 187, 175, 162, 150, 137, 125, 112}));

    GameClock clock;
    Explosion explosion(Point(3, 4), true, clock);
    std::vector<int> frames;
    for (int i = 0; i < 6; ++i) {
        clock.advance(dt);
        explosion.advance();
        frames.push_back(explosion.frame);
    }
    // The next picture after more than a twentieth of a second.
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 1, 2, 2, 3}));

    ScorePopup popup("500", 200, 400, world.game.builtinFont, clock);
    EXPECT_EQ(popup.getString().toAnsiString(), "+500");
    EXPECT_EQ(popup.getCharacterSize(), 30u);
    // Shown red where it was won; no step before more than 0.1 s has passed, and the clock
    // restarts with each step. Then it rises, dark red brightening; the colour keeps its low
    // 8 bits.
    const std::tuple<double, float, int, float, int> steps[] = {
        {0.09, 0.5f, 0, 400, 255},        {0.02, 0.5f, 50, 300, 100},
        {0, 0.5f, 50, 300, 100},          {0.2, 0.6f, 110, 180, 220},
        {0.2, 0.3f, 140, 120, 280 - 256}, {0.2, 1.f, 240, -80, 480 - 256}};
    for (const auto& [wait, frame, age, y, red] : steps) {
        clock.advance(wait);
        popup.ageStep(frame);
        EXPECT_EQ(popup.age, age);
        EXPECT_EQ(popup.getPosition(), sf::Vector2f(200.f, y)) << age;
        EXPECT_EQ(popup.getFillColor(), sf::Color(static_cast<sf::Uint8>(red), 0, 0, 255));
        EXPECT_EQ(popup.finished(), age > 100);
    }
}
