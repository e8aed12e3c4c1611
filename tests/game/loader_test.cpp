#include "tests/game/TestWorld.hpp"

#include <gtest/gtest.h>

using namespace testworld;

namespace {

std::size_t objectCount(const Game& game) {
    return game.towers.size() + game.tracks.size() + game.blocks.size() + game.items.size() +
           game.soldiers.size();
}

} // namespace

TEST(LevelLoader, EveryKindOfObjectAtItsPlace) {
    World world(3);
    world.load("block\n100\n200\nsoldier\n360\n450\ntower\n100\n50\n"
               "item\n2\n10\n20\nitem\n1\n0\n0\nitem\n3\n0\n0\nitem\n7\n50\n60\n");
    Game& game = world.game;
    ASSERT_EQ(objectCount(game), 7u);
    EXPECT_EQ(game.blocks[0].box, Box(125, 200, blockSide, blockSide));
    const Soldier& soldier = *game.soldiers[0];
    EXPECT_EQ(std::tuple(soldier.position, soldier.kind, soldier.box.width),
              std::tuple(Point(385, 450), 3, 42));
    EXPECT_EQ(std::pair(game.towers[0].centre(), game.towers[0].range),
              std::pair(Point(125, 50), 150));
    // Items by kind; an unknown kind is kept without a picture, so its box has no size.
    const Item& points = game.items[0];
    EXPECT_EQ(points.kind, ItemKind::Points);
    EXPECT_EQ(points.box, Box(35, 20, itemSide, itemSide));
    EXPECT_EQ(points.centre(), Point(50, 35));
    EXPECT_EQ(points.getPosition(), sf::Vector2f(35.f, 20.f));
    const sf::Texture* pictures[] = {&game.assets->pointsSymbol, &game.assets->lifeSymbol,
                                     &game.assets->munnitionSymbol, nullptr};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(game.items[i].getTexture(), pictures[i]) << i;
    EXPECT_EQ(std::pair(game.items[3].kind, game.items[3].box), std::pair(7, Box(75, 60, 0, 0)));
    // The player stands at the start, fresh, of the level's kind.
    EXPECT_EQ(world.player().centre(), Point(385, 900));
    EXPECT_EQ(std::tuple(world.player().life, world.player().ammo, world.player().kind),
              std::tuple(100, 100, 3));

    // Only "true" makes a lane drive right.
    for (const char* direction : {"true", "false", "True", "1", "true ", ""}) {
        world.load(std::string("track\n") + direction + "\n300\n");
        ASSERT_EQ(objectCount(game), 1u);
        const Track& track = game.tracks.at(0);
        const bool right = std::string(direction) == "true";
        EXPECT_EQ(std::pair(track.movesRight, track.origin), std::pair(right, Point(0, 300)));
        EXPECT_EQ(track.tanks.front().getPosition(), sf::Vector2f(right ? -268.f : 988.f, 300.f))
            << direction;
    }

    // Places are the field's: a field lower down takes everything down with it.
    game.mapArea.top = 40;
    world.load("block\n100\n200\nsoldier\n360\n450\ntower\n100\n50\nitem\n2\n10\n20\n"
               "track\ntrue\n300\n");
    EXPECT_EQ(std::tuple(game.blocks[0].box.top, game.soldiers[0]->position.y,
                         game.towers[0].centre().y, game.items[0].box.top, game.tracks[0].origin.y),
              std::tuple(240, 490, 90, 60, 340));
}

TEST(LevelLoader, KeywordsAreEchoedMisspeltOnesSkippedAndRecordsCutShortRepeatTheLastLine) {
    World world;
    const struct {
        const char* file;
        const char* echo;
        std::size_t towers, blocks, tracks;
    } cases[] = {
        // "Tower" and its two numbers are three skipped lines; "block" after them still counts.
        {"Tower\n100\n200\n tower\ntower \nblock\n1\n2\n",
         "Tower\n100\n200\n tower\ntower \nblock\n\n", 0, 1, 0},
        {"tower\n1\n2\nbanana\nblock\n3\n4\n", "tower\nbanana\nblock\n\n", 1, 1, 0},
        // Without a final line break the read that meets the end stops the loop: no extra line.
        {"tower\n1\n2\nbanana", "tower\nbanana\n", 1, 0, 0},
        {"tower\r\n1\r\n2\r\ntrack\r\ntrue\r\n300\r\n", "tower\ntrack\n\n", 1, 0, 1},
    };
    for (const auto& c : cases) {
        world.out.clear();
        world.load(c.file);
        EXPECT_EQ(world.out.text(), c.echo);
        EXPECT_EQ(std::tuple(world.game.towers.size(), world.game.blocks.size(),
                             world.game.tracks.size()),
                  std::tuple(c.towers, c.blocks, c.tracks))
            << c.file;
    }
    // Windows line ends are accepted.
    EXPECT_EQ(world.game.towers[0].centre(), Point(26, 2));
    EXPECT_TRUE(world.game.tracks[0].movesRight);

    const std::string spaces(4095, ' ');
    const struct {
        std::string file;
        Point tower;
    } cuts[] = {
        {"tower\n5\n", {30, 0}}, // a missing value after a final line break reads as empty
        {"tower\n5", {30, 5}},   // without it, every missing value repeats the last line
        {"tower\n", {25, 0}},
        {"tower", {25, 0}}, // the keyword itself repeats: "tower" has no digits
        {"tower\n 7x", {32, 7}},
        // Of a line only the first 4096 characters count.
        {"tower\n" + spaces + "7\n5\n", {32, 5}},
        {"tower\n" + spaces + " 7\n5\n", {25, 5}},
    };
    for (const auto& c : cuts) {
        world.load(c.file);
        ASSERT_EQ(world.game.towers.size(), 1u) << c.file.size();
        EXPECT_EQ(world.game.towers[0].centre(), c.tower) << c.file.size();
    }

    // No file, or a folder in its place: an empty field with the player, nothing read.
    std::filesystem::remove("sources/Levels/Level_1.txt");
    world.out.clear();
    world.game.loadLevel();
    EXPECT_EQ(objectCount(world.game), 0u);
    EXPECT_EQ(world.player().centre(), Point(385, 900));
    std::filesystem::create_directories("sources/Levels/Level_1.txt");
    world.game.loadLevel();
    EXPECT_EQ(objectCount(world.game), 0u);
    EXPECT_EQ(world.out.text(), "");
}

TEST(LevelLoader, ReloadingKeepsOnlyThePopupsLevelsOutsideTakeTheNearestValuesAndAllIsBounded) {
    World world(6);
    Game& game = world.game;
    world.load("tower\n0\n0\ntrack\nfalse\n100\nsoldier\n0\n0\n");
    // The player of the last frames: kind 6, no picture, the statistics of kind 5.
    EXPECT_EQ(std::pair(world.player().kind, world.player().box.width), std::pair(6, 0));
    EXPECT_EQ(std::pair(game.towers[0].range, game.towers[0].damage), std::pair(250, 3));
    EXPECT_EQ(game.tracks[0].level, 5);
    EXPECT_EQ(game.tracks[0].tanks[1].box.left - game.tracks[0].tanks[0].box.left, -154);

    game.shots.emplace_back(1, 2, 0.0, 1.0, 1, true);
    game.explosions.emplace_back(Point(1, 2), true, game.gameClock);
    game.popups.push_back(
        std::make_unique<ScorePopup>("100", 5, 5, game.builtinFont, game.gameClock));
    world.player().life = 30;
    world.player().ammo = 3;
    world.player().setPosition(400, 400);
    game.loadLevel();
    EXPECT_EQ(objectCount(game), 3u);
    EXPECT_TRUE(game.shots.empty() && game.explosions.empty());
    EXPECT_EQ(game.popups.size(), 1u);
    EXPECT_EQ(std::pair(world.player().life, world.player().ammo), std::pair(100, 100));
    EXPECT_EQ(world.player().centre(), Point(385, 900));

    game.level = 0;
    world.load("track\ntrue\n100\n");
    EXPECT_EQ(std::pair(game.tracks[0].level, game.tracks[0].tanks.size()), std::pair(1, 5ul));

    // Coordinates are bounded, and a level makes at most 10,000 objects of a sort, 1,000 soldiers.
    world.load("tower\n99999999999999999999\n-99999999999999999999\nitem\n"
               "99999999999999999999\n1\n1\n");
    ASSERT_EQ(objectCount(game), 2u);
    EXPECT_EQ(game.towers.at(0).centre(), Point(1000025, -1000000));
    EXPECT_EQ(game.items.at(0).kind, INT_MAX);
    std::string many;
    for (int i = 0; i < 10001; ++i)
        many += "block\n" + std::to_string(i) +
                "\n5\ntrack\ntrue\n5\ntower\n1\n1\nitem\n1\n1\n1\n" +
                (i <= 1000 ? "soldier\n1\n1\n" : "");
    world.load(many);
    EXPECT_EQ(std::vector({game.blocks.size(), game.tracks.size(), game.towers.size(),
                           game.items.size(), game.soldiers.size()}),
              std::vector<std::size_t>({10000, 10000, 10000, 10000, 1000}));
    EXPECT_EQ(game.blocks.back().box.left, 9999 + 25);
}
