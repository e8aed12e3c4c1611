#include "game/LevelTables.hpp"
#include "tests/game/TestWorld.hpp"

#include <gtest/gtest.h>
#include <set>

using namespace testworld;

TEST(Soldier, PictureByKindAndStatisticsBeyondTheTables) {
    World world;
    // Each kind reads its own picture; the box is square, its side the picture's width.
    const int sides[] = {40, 41, 42, 36, 37, 0};
    for (int kind = 1; kind <= 6; ++kind) {
        Soldier soldier(std::to_string(kind), world.game.gameClock);
        const int side = sides[kind - 1];
        EXPECT_EQ(soldier.kind, kind);
        EXPECT_EQ(soldier.box, Box(0, 0, side, side)) << kind;
        EXPECT_EQ(soldier.getScale(), sf::Vector2f(0.75f, 0.75f));
        EXPECT_EQ(soldier.life, 100);
        EXPECT_EQ(soldier.ammo, 100);
    }
    // The player after the last level: damage, turning and fire rate are the kind itself, the
    // rest the last kind's.
    Soldier six("6", world.game.gameClock);
    EXPECT_EQ(six.range, 300);
    EXPECT_DOUBLE_EQ(six.damage, 6.0);
    EXPECT_DOUBLE_EQ(six.turnRate, 6.0);
    EXPECT_DOUBLE_EQ(six.moveRate, 3.0);
    EXPECT_DOUBLE_EQ(six.fireRate, 6.0);
    EXPECT_EQ(six.getOrigin(), sf::Vector2f(18.f, 69.f));
}

TEST(Soldier, PlacingKeepsTheBoxCentredAndFiringNeedsAmmunitionAndTime) {
    World world;
    Soldier soldier("4", world.game.gameClock); // 36 pixels wide, fires every 0.25 s
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

    world.advanceTime(0.25);
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

TEST(Tower, PlacedByItsCentreFiringAfterItsIntervalLevelsClamped) {
    World world;
    const auto values = [&world](int level) {
        const Tower t(*world.game.assets, level, world.game.gameClock);
        return std::vector<int>{t.damage, t.fireRate, t.turnRate, t.shotKind, t.range};
    };
    EXPECT_EQ(values(0), values(1));
    EXPECT_EQ(values(9), values(5));
    EXPECT_NE(values(4), values(5));

    Tower tower(*world.game.assets, 4, world.game.gameClock); // fires every 0.25 s
    EXPECT_EQ(tower.life, 100);
    EXPECT_EQ(tower.getRotation(), 90.f);
    EXPECT_EQ(tower.getOrigin(), sf::Vector2f(21.f, 74.f));
    tower.setPosition(300, 40);
    EXPECT_EQ(tower.centre(), Point(300, 40));
    EXPECT_EQ(tower.box, Box(300, 40, 0, 0));
    EXPECT_EQ(tower.getPosition(), sf::Vector2f(300.f, 40.f));
    world.advanceTime(0.25);
    EXPECT_FALSE(tower.canFire());
    world.advanceTime(0.01);
    EXPECT_TRUE(tower.canFire());
    tower.restartFireClock();
    EXPECT_FALSE(tower.canFire());
    tower.takeHit();
    EXPECT_EQ(tower.life, 90);
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
    for (std::uint32_t seed = 0; seed < 60; ++seed) {
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

TEST(Tank, DrivesFasterPastTheOriginFasterByLevel) {
    World world;
    const struct {
        int level;
        bool movesRight;
        int from, to;
        float dt;
    } cases[] = {
        {1, true, 100, 101, 0.02f},  // 100 + 75 x 0.02
        {1, false, 100, 99, 0.02f},  // factor 50 while x stays 0 or more
        {1, false, -10, -11, 0.02f}, // -10 - 1.5
        {1, true, -10, -9, 0.02f},   // -10 + 1.0
        {1, true, -1, 0, 0.02f},     // tentative 0 is not past: -1 + 1.0
        {1, false, 1, 0, 0.02f},     // tentative 0 is not below: 1 - 1.0
        {5, true, -2, 2, 0.02f},     // tentative 1 is past: -2 + 4.5
        {1, true, -1, 1, 0.03f},     // tentative 0.5 is past: -1 + 2.25
        {1, true, 0, 7, 0.1f},       // 7.5: speed 1
        {2, true, 0, 11, 0.1f},      // 11.25: speed 1.5
        {3, true, 0, 15, 0.1f},      {4, true, 0, 18, 0.1f}, {5, true, 0, 22, 0.1f},
    };
    for (const auto& c : cases) {
        Tank tank(c.level, 1, world.game.assets->tankImages[0]);
        tank.setFacing(c.movesRight);
        tank.setPosition(c.from, 77);
        tank.move(c.dt);
        EXPECT_EQ(tank.box, Box(c.to, 77, tankWidth, tankHeight))
            << c.level << ": " << c.from << (c.movesRight ? " right" : " left");
        EXPECT_EQ(tank.getPosition(), sf::Vector2f(static_cast<float>(c.to), 77.f));
        EXPECT_EQ(tank.centre(), Point(c.to + 60, 107));
        EXPECT_EQ(tank.life, 100);
        // Mirrored exactly when it drives left.
        EXPECT_EQ(tank.getTextureRect(),
                  c.movesRight
                      ? sf::IntRect(0, 0, tankWidth, tankHeight)
                      : sf::IntRect(tankWidth, 0, -static_cast<int>(tankWidth), tankHeight));
    }
}

TEST(Block, FadesWithItsLife) {
    World world;
    Block block(world.game.assets->block);
    EXPECT_EQ(block.box, Box(0, 0, blockSide, blockSide));
    block.setPosition(5, 6);
    EXPECT_EQ(block.centre(), Point(25, 26));
    EXPECT_EQ(block.getPosition(), sf::Vector2f(5.f, 6.f));
    std::vector<int> alphas;
    for (int hit = 0; hit < 11; ++hit) {
        block.takeHit();
        alphas.push_back(block.getColor().a);
    }
    EXPECT_EQ(block.life, -10);
    EXPECT_EQ(alphas, (std::vector<int>{237, 225, 212, 200, 187, 175, 162, 150, 137, 125, 112}));
}

TEST(ShotExplosionAndPopup, DamageTruncatedPicturesEveryTwentiethPopupsRiseAndDarken) {
    EXPECT_EQ(Shot(1, 2, 45.0, 2.9, 3, true).damage, 2);
    EXPECT_EQ(Shot(1, 2, 45.0, -1.5, 3, true).damage, -1);

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

    sf::Font font;
    loadDefaultFont(font);
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
