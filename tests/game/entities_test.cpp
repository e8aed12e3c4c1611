#include "game/LevelTables.hpp"
#include "tests/game/TestWorld.hpp"

#include <gtest/gtest.h>
#include <set>

using namespace testworld;

TEST(Soldier, StatisticsPictureAndCentreByKind) {
    World world;
    const struct {
        const char* text;
        int kind, range;
        double damage, turnRate, moveRate, fireRate;
        sf::Vector2f centre;
        int side;
    } cases[] = {
        {"1", 1, 100, 1.0, 1.0, 1.0, 1.0, {21, 81}, 40},
        {"2", 2, 150, 1.0, 2.0, 1.5, 2.0, {21, 66}, 41},
        {"3", 3, 200, 2.0, 3.0, 2.0, 3.0, {21, 53}, 42},
        {"4", 4, 250, 2.0, 4.0, 2.5, 4.0, {18, 63}, 36},
        {"5", 5, 300, 3.0, 5.0, 3.0, 5.0, {18, 69}, 37},
        // Beyond the tables (the player after the last level): damage, turning and fire rate
        // are the kind itself, the rest the nearest kind's; there is no picture.
        {"6", 6, 300, 6.0, 6.0, 3.0, 6.0, {18, 69}, 0},
    };
    for (const auto& c : cases) {
        Soldier soldier(c.text, world.game.gameClock);
        EXPECT_EQ(soldier.kind, c.kind) << c.text;
        EXPECT_EQ(soldier.range, c.range) << c.text;
        EXPECT_DOUBLE_EQ(soldier.damage, c.damage) << c.text;
        EXPECT_DOUBLE_EQ(soldier.turnRate, c.turnRate) << c.text;
        EXPECT_DOUBLE_EQ(soldier.moveRate, c.moveRate) << c.text;
        EXPECT_DOUBLE_EQ(soldier.fireRate, c.fireRate) << c.text;
        EXPECT_EQ(soldier.getOrigin(), c.centre) << c.text;
        EXPECT_EQ(soldier.getScale(), sf::Vector2f(0.75f, 0.75f)) << c.text;
        // Square box from the picture's width, not its height.
        EXPECT_EQ(soldier.box.width, c.side) << c.text;
        EXPECT_EQ(soldier.box.height, c.side) << c.text;
        EXPECT_EQ(soldier.life, 100);
        EXPECT_EQ(soldier.ammo, 100);
    }
}

TEST(Soldier, PlacingKeepsTheBoxCentred) {
    World world;
    Soldier soldier("4", world.game.gameClock); // 36 pixels wide
    soldier.setPosition(100, 200);
    EXPECT_EQ(soldier.box, Box(82, 182, 36, 36));
    EXPECT_EQ(soldier.position, Point(100, 200));
    EXPECT_EQ(soldier.centre(), Point(100, 200));

    Soldier odd("5", world.game.gameClock); // 37 wide: halves truncate
    odd.setPosition(-1, 0);
    EXPECT_EQ(odd.box, Box(-19, -18, 37, 37));

    odd.sf::Sprite::setPosition(10.9f, -3.9f);
    EXPECT_EQ(odd.centre(), Point(10, -3));
    odd.reapplyPosition();
    EXPECT_EQ(odd.centre(), Point(-1, 0));
}

TEST(Soldier, FiresOnlyWithAmmunitionAfterItsInterval) {
    World world;
    Soldier soldier("2", world.game.gameClock); // fireRate 2: every 0.5 s
    world.advanceTime(0.5);
    EXPECT_FALSE(soldier.canFire());
    world.advanceTime(0.01);
    EXPECT_TRUE(soldier.canFire());
    soldier.consumeShot();
    EXPECT_EQ(soldier.ammo, 99);
    EXPECT_FALSE(soldier.canFire());

    soldier.ammo = 0;
    world.advanceTime(100.0);
    EXPECT_FALSE(soldier.canFire());
    soldier.refillAmmo();
    EXPECT_EQ(soldier.ammo, 100);
    EXPECT_TRUE(soldier.canFire());
    soldier.takeHit();
    EXPECT_EQ(soldier.life, 90);
}

TEST(Tower, ValuesByLevel) {
    World world;
    const struct {
        int level, damage, fireRate, turnRate, shotKind, range;
    } cases[] = {
        {1, 1, 1, 2, 1, 50},   {2, 1, 2, 4, 2, 100},  {3, 2, 3, 6, 3, 150}, {4, 2, 4, 8, 4, 200},
        {5, 3, 5, 10, 5, 250}, {9, 3, 5, 10, 5, 250}, {0, 1, 1, 2, 1, 50},
    };
    for (const auto& c : cases) {
        Tower tower(*world.game.assets, c.level, world.game.gameClock);
        EXPECT_EQ(tower.damage, c.damage) << c.level;
        EXPECT_EQ(tower.fireRate, c.fireRate) << c.level;
        EXPECT_EQ(tower.turnRate, c.turnRate) << c.level;
        EXPECT_EQ(tower.shotKind, c.shotKind) << c.level;
        EXPECT_EQ(tower.range, c.range) << c.level;
        EXPECT_EQ(tower.life, 100);
        EXPECT_EQ(tower.getRotation(), 90.f);
        EXPECT_EQ(tower.getOrigin(), sf::Vector2f(21.f, 74.f));
        tower.setPosition(300, 40);
        EXPECT_EQ(tower.centre(), Point(300, 40));
        EXPECT_EQ(tower.box, Box(300, 40, 0, 0));
    }
    Tower tower(*world.game.assets, 4, world.game.gameClock);
    world.advanceTime(0.25);
    EXPECT_FALSE(tower.canFire());
    world.advanceTime(0.01);
    EXPECT_TRUE(tower.canFire());
    tower.restartFireClock();
    EXPECT_FALSE(tower.canFire());
}

TEST(Track, FirstRowByLevelAndDirection) {
    World world;
    const struct {
        int level;
        bool movesRight;
        std::vector<int> lefts;
    } cases[] = {
        {1, true, {-268, -34, 200, 434, 668}},
        {1, false, {988, 754, 520, 286, 52}},
        {3, false, {988, 821, 654, 487, 320, 153}},
        {5, true, {-268, -114, 40, 194, 348, 502, 656}},
    };
    for (const auto& c : cases) {
        Track track(c.level, 720, c.movesRight, *world.game.assets, world.game.random);
        std::vector<int> lefts;
        for (const Tank& tank : track.tanks) {
            lefts.push_back(tank.box.left);
            EXPECT_EQ(tank.box.top, 0);
            EXPECT_EQ(tank.level, c.level);
            EXPECT_EQ(tank.movesRight, c.movesRight);
        }
        EXPECT_EQ(lefts, c.lefts);
        track.place(50, 310);
        EXPECT_EQ(track.origin, Point(50, 310));
        EXPECT_EQ(track.tanks.front().box.left, c.lefts.front());
        EXPECT_EQ(track.tanks.front().box.top, 310);
    }
}

TEST(Track, KindsAreRandomWithAtMostOneKindThree) {
    World world;
    std::set<int> seen;
    for (std::uint32_t seed = 0; seed < 200; ++seed) {
        RandomEngine random(seed);
        Track track(3, 720, false, *world.game.assets, random);
        int kind3 = 0;
        for (const Tank& tank : track.tanks) {
            seen.insert(tank.kind);
            kind3 += tank.kind == 3;
            EXPECT_EQ(tank.getTexture(),
                      &world.game.assets->tankImages[static_cast<std::size_t>(tank.kind - 1)]);
        }
        EXPECT_LE(kind3, 1) << seed;
    }
    EXPECT_EQ(seen, (std::set<int>{1, 2, 3}));

    // The same seed builds the same lane.
    RandomEngine a(99), b(99);
    Track first(2, 720, true, *world.game.assets, a);
    Track second(2, 720, true, *world.game.assets, b);
    for (std::size_t i = 0; i < first.tanks.size(); ++i)
        EXPECT_EQ(first.tanks[i].kind, second.tanks[i].kind);
}

TEST(Tank, DrivesFasterPastTheOriginWithTruncation) {
    World world;
    const struct {
        int level;
        bool movesRight;
        int from, to;
    } cases[] = {
        {1, true, 100, 101},  // 100 + 1.5
        {1, false, 100, 99},  // factor 50 while x stays 0 or more
        {1, false, -10, -11}, // -10 - 1.5
        {1, true, -10, -9},   // -10 + 1.0
        {1, true, -1, 0},     // tentative 0 is not past: -1 + 1.0
        {1, false, 1, 0},     // tentative 0 is not below: 1 - 1.0
        {5, true, 0, 4},      // speed 3: 0 + 4.5
    };
    for (const auto& c : cases) {
        Tank tank(c.level, 1, world.game.assets->tankImages[0]);
        tank.setFacing(c.movesRight);
        tank.setPosition(c.from, 77);
        tank.move(0.02f);
        EXPECT_EQ(tank.box.left, c.to) << c.from << (c.movesRight ? " right" : " left");
        EXPECT_EQ(tank.box.top, 77);
        EXPECT_EQ(tank.getPosition(), sf::Vector2f(static_cast<float>(c.to), 77.f));
    }
}

TEST(Tank, SizeSpeedAndMirroring) {
    World world;
    const double speeds[] = {1.0, 1.5, 2.0, 2.5, 3.0};
    for (int level = 1; level <= 5; ++level) {
        Tank tank(level, 2, world.game.assets->tankImages[1]);
        EXPECT_DOUBLE_EQ(tank.speed, speeds[level - 1]);
        EXPECT_EQ(tank.box, Box(0, 0, tankWidth, tankHeight));
        EXPECT_EQ(tank.life, 100);
        tank.setPosition(10, 20);
        EXPECT_EQ(tank.centre(), Point(70, 50));
    }
    Tank tank(1, 1, world.game.assets->tankImages[0]);
    tank.setFacing(false);
    EXPECT_EQ(tank.getTextureRect(),
              sf::IntRect(tankWidth, 0, -static_cast<int>(tankWidth), tankHeight));
    EXPECT_EQ(tank.getGlobalBounds().width, static_cast<float>(tankWidth));
    tank.setFacing(true);
    EXPECT_EQ(tank.getTextureRect(), sf::IntRect(0, 0, tankWidth, tankHeight));
}

TEST(Block, FadesWithItsLife) {
    World world;
    Block block(world.game.assets->block);
    EXPECT_EQ(block.box, Box(0, 0, blockSide, blockSide));
    block.setPosition(5, 6);
    EXPECT_EQ(block.centre(), Point(25, 26));
    const struct {
        int life;
        int alpha;
    } after[] = {{90, 237}, {80, 225}, {70, 212}, {60, 200}, {50, 187}, {40, 175},
                 {30, 162}, {20, 150}, {10, 137}, {0, 125},  {-10, 112}};
    for (const auto& a : after) {
        block.takeHit();
        EXPECT_EQ(block.life, a.life);
        EXPECT_EQ(block.getColor(), sf::Color(255, 255, 255, static_cast<sf::Uint8>(a.alpha)));
    }
}

TEST(Shot, DamageIsTruncated) {
    EXPECT_EQ(Shot(1, 2, 45.0, 2.9, 3, true).damage, 2);
    EXPECT_EQ(Shot(1, 2, 45.0, -1.5, 3, true).damage, -1);
}

TEST(Explosion, NextPictureAfterMoreThanATwentiethOfASecond) {
    GameClock clock;
    Explosion explosion(Point(3, 4), true, clock);
    std::vector<int> frames;
    for (int i = 0; i < 6; ++i) {
        clock.advance(dt);
        explosion.advance();
        frames.push_back(explosion.frame);
    }
    EXPECT_EQ(frames, (std::vector<int>{0, 1, 1, 2, 2, 3}));
}

TEST(ScorePopup, RisesAndDarkensAsItAges) {
    sf::Font font;
    loadDefaultFont(font);
    GameClock clock;
    ScorePopup popup("500", 200, 400, font, clock);
    EXPECT_EQ(popup.getString().toAnsiString(), "+500");
    EXPECT_EQ(popup.getCharacterSize(), 30u);
    EXPECT_EQ(popup.getFillColor(), sf::Color::Red);
    EXPECT_EQ(popup.getPosition(), sf::Vector2f(200.f, 400.f));

    // No step before more than 0.1 s has passed.
    clock.advance(0.09);
    popup.ageStep(0.5f);
    EXPECT_EQ(popup.age, 0);

    clock.advance(0.02);
    popup.ageStep(0.5f);
    EXPECT_EQ(popup.age, 50);
    EXPECT_EQ(popup.getPosition(), sf::Vector2f(200.f, 300.f));
    EXPECT_EQ(popup.getFillColor(), sf::Color(100, 0, 0, 255));
    EXPECT_FALSE(popup.finished());

    popup.ageStep(0.5f); // the clock restarted: too soon
    EXPECT_EQ(popup.age, 50);

    clock.advance(0.2);
    popup.ageStep(0.6f);
    EXPECT_EQ(popup.age, 110);
    EXPECT_TRUE(popup.finished());
    EXPECT_EQ(popup.getFillColor(), sf::Color(220, 0, 0, 255));
    clock.advance(0.2);
    popup.ageStep(0.3f);
    EXPECT_EQ(popup.age, 140);
    EXPECT_EQ(popup.getFillColor().r, 280 - 256); // the colour keeps its low 8 bits
}
