#include "game/ParseNumber.hpp"
#include "tests/game/TestWorld.hpp"

#include <chrono>
#include <climits>
#include <gtest/gtest.h>
#include <random>

using namespace testworld;

namespace {

std::size_t objectCount(const Game& game) {
    return game.towers.size() + game.tracks.size() + game.blocks.size() + game.items.size() +
           game.soldiers.size();
}

} // namespace

TEST(ParseNumber, ReadsLikeAtoiAndClampsOverflow) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"120", 120},
        {"  120abc", 120},
        {"\t-5", -5},
        {"+7", 7},
        {"abc", 0},
        {"", 0},
        {"- 5", 0},
        {"12 34", 12},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999999999999999999", INT_MIN},
        {"0000000000000000000000042", 42},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(LevelLoader, OneBlockAndThePlayerAtTheStart) {
    World world;
    world.load("block\n100\n200\n");
    ASSERT_EQ(world.game.blocks.size(), 1u);
    EXPECT_EQ(world.game.blocks[0].box, Box(125, 200, blockSide, blockSide));
    EXPECT_EQ(objectCount(world.game), 1u);
    EXPECT_EQ(world.player().position, Point(385, 900));
    EXPECT_EQ(world.player().centre(), Point(385, 900));
    EXPECT_EQ(world.player().life, 100);
    EXPECT_EQ(world.player().ammo, 100);
    EXPECT_EQ(world.player().kind, 1);
}

TEST(LevelLoader, LaneDirectionAndFirstRow) {
    const std::vector<int> right{-268, -34, 200, 434, 668};
    const std::vector<int> left{988, 754, 520, 286, 52};
    const struct {
        const char* direction;
        bool movesRight;
    } cases[] = {{"true", true}, {"false", false}, {"True", false},
                 {"1", false},   {"true ", false}, {"", false}};
    for (const auto& c : cases) {
        World world;
        world.load(std::string("track\n") + c.direction + "\n300\n");
        ASSERT_EQ(world.game.tracks.size(), 1u) << c.direction;
        const Track& track = world.game.tracks[0];
        EXPECT_EQ(track.movesRight, c.movesRight) << c.direction;
        EXPECT_EQ(tankLefts(track), c.movesRight ? right : left) << c.direction;
        EXPECT_EQ(track.origin, Point(0, 300));
        for (const Tank& tank : track.tanks) {
            EXPECT_EQ(tank.box.top, 300);
            EXPECT_EQ(tank.getPosition(), sf::Vector2f(static_cast<float>(tank.box.left), 300.f));
            EXPECT_EQ(tank.movesRight, c.movesRight);
        }
    }
}

TEST(LevelLoader, ItemsByKindAndUnknownKindsKeptWithoutPicture) {
    World world;
    world.load("item\n2\n10\n20\nitem\n1\n0\n0\nitem\n3\n0\n0\nitem\n7\n50\n60\n");
    ASSERT_EQ(world.game.items.size(), 4u);
    const Item& points = world.game.items[0];
    EXPECT_EQ(points.kind, ItemKind::Points);
    EXPECT_EQ(points.box, Box(35, 20, itemSide, itemSide));
    EXPECT_EQ(points.getTexture(), &world.game.assets->pointsSymbol);
    EXPECT_EQ(world.game.items[1].getTexture(), &world.game.assets->lifeSymbol);
    EXPECT_EQ(world.game.items[2].getTexture(), &world.game.assets->munnitionSymbol);
    const Item& unknown = world.game.items[3];
    EXPECT_EQ(unknown.kind, 7);
    EXPECT_EQ(unknown.getTexture(), nullptr);
    EXPECT_EQ(unknown.box, Box(75, 60, 0, 0));
}

TEST(LevelLoader, EnemySoldiersAndTowersOfTheCurrentLevel) {
    World world(3);
    world.load("soldier\n360\n450\ntower\n100\n50\n");
    ASSERT_EQ(world.game.soldiers.size(), 1u);
    const Soldier& soldier = *world.game.soldiers[0];
    EXPECT_EQ(soldier.position, Point(385, 450));
    EXPECT_EQ(soldier.kind, 3);
    EXPECT_EQ(soldier.box.width, 42);
    ASSERT_EQ(world.game.towers.size(), 1u);
    EXPECT_EQ(world.game.towers[0].centre(), Point(125, 50));
    EXPECT_EQ(world.game.towers[0].range, 150);
    EXPECT_EQ(world.player().kind, 3);
}

TEST(LevelLoader, MisspeltKeywordsAreSkippedLineByLine) {
    World world;
    // "Tower" and its two numbers are three skipped lines; "block" after them still counts.
    world.load("Tower\n100\n200\n tower\ntower \nblock\n1\n2\n");
    EXPECT_TRUE(world.game.towers.empty());
    ASSERT_EQ(world.game.blocks.size(), 1u);
    EXPECT_EQ(world.game.blocks[0].box.left, 26);
    EXPECT_EQ(world.out.text(), "Tower\n100\n200\n tower\ntower \nblock\n\n");
}

TEST(LevelLoader, EchoesEveryKeywordLineFlushed) {
    World world;
    world.load("tower\n1\n2\nbanana\nblock\n3\n4\n");
    EXPECT_EQ(world.out.text(), "tower\nbanana\nblock\n\n");
    world.out.clear();
    // Without a final line break the read that meets the end stops the loop: no extra line.
    world.load("tower\n1\n2\nbanana");
    EXPECT_EQ(world.out.text(), "tower\nbanana\n");
}

TEST(LevelLoader, WindowsLineEndsAreAccepted) {
    World world;
    world.load("tower\r\n1\r\n2\r\ntrack\r\ntrue\r\n300\r\n");
    ASSERT_EQ(world.game.towers.size(), 1u);
    EXPECT_EQ(world.game.towers[0].centre(), Point(26, 2));
    ASSERT_EQ(world.game.tracks.size(), 1u);
    EXPECT_TRUE(world.game.tracks[0].movesRight);
    EXPECT_EQ(world.out.text(), "tower\ntrack\n\n");
}

TEST(LevelLoader, RecordCutShortByTheEnd) {
    const struct {
        const char* file;
        Point tower;
    } cases[] = {
        {"tower\n5\n", {30, 0}}, // a missing value after a final line break reads as empty
        {"tower\n5", {30, 5}},   // without it, every missing value repeats the last line
        {"tower\n", {25, 0}},
        {"tower", {25, 0}}, // the keyword itself repeats: "tower" has no digits
        {"tower\n 7x", {32, 7}},
    };
    for (const auto& c : cases) {
        World world;
        world.load(c.file);
        ASSERT_EQ(world.game.towers.size(), 1u) << c.file;
        EXPECT_EQ(world.game.towers[0].centre(), c.tower) << c.file;
    }

    World world;
    world.load("item\n3\n12");
    ASSERT_EQ(world.game.items.size(), 1u);
    EXPECT_EQ(world.game.items[0].box.left, 37);
    EXPECT_EQ(world.game.items[0].box.top, 12);
    world.load("track\ntrue");
    ASSERT_EQ(world.game.tracks.size(), 1u);
    EXPECT_TRUE(world.game.tracks[0].movesRight);
    EXPECT_EQ(world.game.tracks[0].origin.y, 0);
}

TEST(LevelLoader, MissingFileGivesAnEmptyFieldWithThePlayer) {
    World world;
    world.game.loadLevel();
    EXPECT_EQ(objectCount(world.game), 0u);
    ASSERT_TRUE(world.game.player);
    EXPECT_EQ(world.player().centre(), Point(385, 900));
    EXPECT_EQ(world.out.text(), "");

    // A folder in the file's place opens but cannot be read: an empty line, then the end.
    std::filesystem::create_directories("sources/Levels/Level_1.txt");
    world.game.loadLevel();
    EXPECT_EQ(objectCount(world.game), 0u);
    EXPECT_EQ(world.out.text(), "\n");
}

TEST(LevelLoader, LoadingTwiceKeepsOneCopyAndFreshPlayerAndPopups) {
    World world;
    const std::string level = "tower\n1\n2\ntrack\ntrue\n300\nblock\n3\n4\nitem\n1\n5\n6\n"
                              "soldier\n100\n100\n";
    world.load(level);
    world.game.shots.emplace_back(1, 2, 0.0, 1.0, 1, true);
    world.game.explosions.emplace_back(Point(1, 2), true, world.game.gameClock);
    world.game.popups.push_back(
        std::make_unique<ScorePopup>("100", 5, 5, world.game.builtinFont, world.game.gameClock));
    world.player().life = 30;
    world.player().ammo = 3;
    world.player().setPosition(400, 400);

    world.game.loadLevel();
    EXPECT_EQ(world.game.towers.size(), 1u);
    EXPECT_EQ(world.game.tracks.size(), 1u);
    EXPECT_EQ(world.game.tracks[0].tanks.size(), 5u);
    EXPECT_EQ(world.game.blocks.size(), 1u);
    EXPECT_EQ(world.game.items.size(), 1u);
    EXPECT_EQ(world.game.soldiers.size(), 1u);
    EXPECT_TRUE(world.game.shots.empty());
    EXPECT_TRUE(world.game.explosions.empty());
    EXPECT_EQ(world.game.popups.size(), 1u);
    EXPECT_EQ(world.player().life, 100);
    EXPECT_EQ(world.player().ammo, 100);
    EXPECT_EQ(world.player().centre(), Point(385, 900));
}

TEST(LevelLoader, LevelsBeyondFiveTakeTheNearestLevelsValues) {
    World world(6);
    world.load("tower\n0\n0\ntrack\nfalse\n100\nsoldier\n0\n0\n");
    // The player of the last frames: kind 6, no picture, the statistics of kind 5.
    EXPECT_EQ(world.player().kind, 6);
    EXPECT_EQ(world.player().box.width, 0);
    EXPECT_DOUBLE_EQ(world.player().moveRate, 3.0);
    EXPECT_EQ(world.player().range, 300);
    ASSERT_EQ(world.game.towers.size(), 1u);
    EXPECT_EQ(world.game.towers[0].range, 250);
    EXPECT_EQ(world.game.towers[0].damage, 3);
    ASSERT_EQ(world.game.tracks.size(), 1u);
    EXPECT_EQ(world.game.tracks[0].level, 5);
    EXPECT_EQ(world.game.tracks[0].tanks[1].box.left - world.game.tracks[0].tanks[0].box.left,
              -154);

    World zero(0);
    zero.load("track\ntrue\n100\n");
    ASSERT_EQ(zero.game.tracks.size(), 1u);
    EXPECT_EQ(zero.game.tracks[0].level, 1);
    EXPECT_EQ(zero.game.tracks[0].tanks.size(), 5u);
}

TEST(LevelLoader, HostileFilesLoadInBoundedTimeAndSize) {
    World world;
    const auto started = std::chrono::steady_clock::now();

    std::mt19937 bytes(7);
    std::string binary;
    for (int i = 0; i < 200000; ++i)
        binary.push_back(static_cast<char>(bytes() & 0xFF));
    binary += std::string("\ntower\n\xff\x01\n-\n");
    world.load(binary);
    EXPECT_GE(world.game.towers.size(), 1u);

    world.load("tower\n99999999999999999999\n-99999999999999999999\nitem\n"
               "99999999999999999999\n1\n1\n");
    ASSERT_EQ(world.game.towers.size(), 1u);
    EXPECT_EQ(world.game.towers[0].centre(), Point(1000025, -1000000));
    ASSERT_EQ(world.game.items.size(), 1u);
    EXPECT_EQ(world.game.items[0].kind, INT_MAX);

    // One endless line: only a bounded part is read.
    world.out.clear();
    world.load(std::string(8u << 20, 'x'));
    EXPECT_EQ(objectCount(world.game), 0u);
    EXPECT_LT(world.out.text().size(), 64u << 10);

    // A level may not fill a container beyond 10,000 objects.
    std::string many;
    for (int i = 0; i < 12000; ++i)
        many += "block\n" + std::to_string(i) + "\n5\n";
    many += "tower\n1\n1\n";
    world.load(many);
    EXPECT_EQ(world.game.blocks.size(), 10000u);
    EXPECT_EQ(world.game.blocks.back().box.left, 9999 + 25);
    EXPECT_EQ(world.game.towers.size(), 1u);

    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}
