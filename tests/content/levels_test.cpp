#include "game/LevelTables.hpp"
#include "tests/game/TestWorld.hpp"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <regex>

// The five shipped levels as the game loads them, with the shipped pictures: well formed and
// growing in difficulty (the autoplayer proves each winnable). The field is placed at the
// window's corner, so that places are the file's offsets into the 720 x 900 field.

namespace {

constexpr int fieldW = 720, fieldH = 900;

bool overlaps(const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}
bool inside(const Box& b) {
    return b.left >= 0 && b.top >= 0 && b.left + b.width <= fieldW && b.top + b.height <= fieldH;
}
double distance(Point a, Point b) {
    return std::hypot(double(a.x - b.x), double(a.y - b.y));
}
// A tower stands on a 42-pixel base about its centre.
Box base(const Tower& tower) {
    return {tower.centre().x - 21, tower.centre().y - 21, 42, 42};
}

struct ShippedLevels : ::testing::Test {
    ShippedLevels() : game(window, 1u) {
        game.assets = std::make_unique<AssetStore>();
        game.assets->loadAll();
        game.mapArea = Box(0, 0, fieldW, fieldH);
        for (const sf::Texture& tank : game.assets->tankImages) {
            tankWidth = std::max(tankWidth, int(tank.getSize().x));
            tankHeight = std::max(tankHeight, int(tank.getSize().y));
        }
    }
    // Loads level n; what the loader echoed is left in `echo`.
    void load(int n) {
        game.level = n;
        testworld::CoutCapture out;
        game.loadLevel();
        echo = out.text();
    }
    GameWindow window{GameWindow::Mode::Offscreen};
    Game game;
    std::string echo;
    int tankWidth = 0, tankHeight = 0;
};

} // namespace

TEST_F(ShippedLevels, WellFormed) {
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        load(n);
        // Every line the loader took for a keyword is one (a final line break reads as one more
        // empty line).
        EXPECT_TRUE(std::regex_match(echo, std::regex("((tower|track|block|item|soldier)\n)+\n?")))
            << echo;
        const int player = game.player->box.width;

        // Between two tanks of a lane a soldier walks through with room to spare: the gap is
        // the lane's spacing less the widest picture.
        EXPECT_GE(levels::rowSpacing(n) - tankWidth, player * 3 / 2);

        // Lanes: clear of the start (with room to spare) and far enough apart to wait between.
        std::vector<int> lanes;
        for (const Track& track : game.tracks)
            lanes.push_back(track.origin.y);
        std::sort(lanes.begin(), lanes.end());
        for (std::size_t i = 0; i < lanes.size(); ++i) {
            EXPECT_GE(lanes[i], 0);
            EXPECT_LE(lanes[i] + tankHeight, fieldH - 60) << "lane " << lanes[i] << " near the start";
            if (i > 0) {
                EXPECT_GE(lanes[i] - (lanes[i - 1] + tankHeight), player + 4)
                    << "lanes " << lanes[i - 1] << " and " << lanes[i];
            }
        }
        auto onLane = [&](const Box& b) {
            return std::any_of(lanes.begin(), lanes.end(), [&](int y) {
                return b.top < y + tankHeight && y < b.top + b.height;
            });
        };
        auto onBlock = [&](const Box& b) {
            return std::any_of(game.blocks.begin(), game.blocks.end(),
                               [&](const Block& block) { return overlaps(b, block.box); });
        };
        // Blocks: in the field, off the roads, not piled on each other.
        for (std::size_t i = 0; i < game.blocks.size(); ++i) {
            const Box& b = game.blocks[i].box;
            EXPECT_TRUE(inside(b) && !onLane(b)) << "block " << b.left << "," << b.top;
            for (std::size_t j = i + 1; j < game.blocks.size(); ++j)
                EXPECT_FALSE(overlaps(b, game.blocks[j].box)) << "block " << b.left << "," << b.top;
        }
        // Towers: their base in the field, off the roads and out of blocks.
        for (const Tower& tower : game.towers)
            EXPECT_TRUE(inside(base(tower)) && !onLane(base(tower)) && !onBlock(base(tower)))
                << "tower " << tower.centre().x << "," << tower.centre().y;
        // Enemy soldiers: in the upper half, clear of blocks and towers, apart from each other.
        for (std::size_t i = 0; i < game.soldiers.size(); ++i) {
            const Soldier& s = *game.soldiers[i];
            const Box me{s.centre().x - player / 2, s.centre().y - player / 2, player, player};
            EXPECT_TRUE(s.centre().y <= fieldH / 2 && inside(me) && !onBlock(me))
                << "soldier " << s.centre().x << "," << s.centre().y;
            for (const Tower& tower : game.towers)
                EXPECT_GE(distance(tower.centre(), s.centre()), 20.0);
            for (std::size_t j = i + 1; j < game.soldiers.size(); ++j)
                EXPECT_GE(distance(s.centre(), game.soldiers[j]->centre()), 100.0)
                    << "soldiers " << i << " and " << j;
        }
        // Items: known kinds, in the field, reachable (not inside blocks).
        for (const Item& item : game.items)
            EXPECT_TRUE(item.kind >= 1 && item.kind <= 3 && inside(item.box) && !onBlock(item.box))
                << "item " << item.kind << " at " << item.box.left << "," << item.box.top;
    }
}

TEST_F(ShippedLevels, DifficultyGrowsToTheDensestLastLevel) {
    struct Count {
        std::size_t lanes, towers, soldiers, all;
    };
    std::vector<Count> counts;
    for (int n = 1; n <= 5; ++n) {
        load(n);
        counts.push_back({game.tracks.size(), game.towers.size(), game.soldiers.size(),
                          game.tracks.size() + game.towers.size() + game.soldiers.size() +
                              game.blocks.size() + game.items.size()});
        if (n == 1) {
            EXPECT_GE(game.tracks.size(), 1u);
            EXPECT_FALSE(game.items.empty());
        }
    }
    for (std::size_t i = 1; i < counts.size(); ++i) {
        const Count &a = counts[i - 1], &b = counts[i];
        EXPECT_TRUE(b.lanes >= a.lanes && b.towers >= a.towers && b.soldiers >= a.soldiers)
            << "level " << i + 1;
        EXPECT_GT(b.lanes + b.towers + b.soldiers, a.lanes + a.towers + a.soldiers)
            << "level " << i + 1;
        EXPECT_GT(counts.back().all, a.all);
    }
}
