#include "game/LevelTables.hpp"
#include "tests/content/ContentFiles.hpp"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <queue>

// The five shipped levels: well formed, growing in difficulty, and winnable. Coordinates are
// offsets into the 720 x 900 field; the player starts at its bottom middle.

namespace {

constexpr int fieldW = 720, fieldH = 900;
constexpr int startX = fieldW / 2, startY = fieldH;

struct Point {
    int x, y;
};
struct Box {
    int left, top, width, height;
};
struct Item {
    int kind;
    Point at;
};
struct Level {
    std::vector<int> lanes; // y of each lane
    std::vector<Point> towers, blocks, soldiers;
    std::vector<Item> items;
    std::vector<std::string> strayLines; // lines that are no keyword
};

// The level format: a keyword line, then its value lines, read as atoi reads them.
Level parseLevel(const std::string& path) {
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << path;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    Level level;
    std::size_t i = 0;
    auto value = [&]() { return i < lines.size() ? std::atoi(lines[i++].c_str()) : 0; };
    while (i < lines.size()) {
        const std::string key = lines[i++];
        if (key == "tower") {
            const int x = value();
            level.towers.push_back({x, value()});
        } else if (key == "track") {
            level.lanes.push_back((i++, value()));
        } else if (key == "block") {
            const int x = value();
            level.blocks.push_back({x, value()});
        } else if (key == "item") {
            const int kind = value(), x = value();
            level.items.push_back({kind, {x, value()}});
        } else if (key == "soldier") {
            const int x = value();
            level.soldiers.push_back({x, value()});
        } else {
            level.strayLines.push_back(key);
        }
    }
    return level;
}

// Contact as the game tests it: some corner of one box strictly inside the other.
bool containsStrict(const Box& b, int x, int y) {
    return b.left < x && x < b.left + b.width && b.top < y && y < b.top + b.height;
}
bool boxesTouch(const Box& a, const Box& b) {
    auto cornerIn = [](const Box& p, const Box& q) {
        return containsStrict(q, p.left, p.top) || containsStrict(q, p.left + p.width, p.top) ||
               containsStrict(q, p.left + p.width, p.top + p.height) ||
               containsStrict(q, p.left, p.top + p.height);
    };
    return cornerIn(a, b) || cornerIn(b, a);
}
bool overlaps(const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}
double distance(Point a, Point b) {
    return std::hypot(double(a.x - b.x), double(a.y - b.y));
}

sf::Vector2u pictureSize(const std::string& path) {
    sf::Image image;
    EXPECT_TRUE(image.loadFromFile(contentRoot + path)) << path;
    return image.getSize();
}

struct Sizes {
    int block, tankWidth, tankHeight, playerWidth[5];
    sf::Vector2u item[3];
    Sizes() {
        block = int(pictureSize("Images/Texture/Block.jpg").x);
        tankWidth = tankHeight = 0;
        for (int k = 1; k <= 3; ++k) {
            const sf::Vector2u tank =
                pictureSize("Images/Tanks/Tank_0" + std::to_string(k) + ".png");
            tankWidth = std::max(tankWidth, int(tank.x));
            tankHeight = std::max(tankHeight, int(tank.y));
        }
        for (int k = 1; k <= 5; ++k)
            playerWidth[k - 1] =
                int(pictureSize("Images/Soldiers/Soldier_0" + std::to_string(k) + ".png").x);
        const char* items[3] = {"Images/Symbols/Life.png", "Images/Symbols/Points.png",
                                "Images/Symbols/Munnition.png"};
        for (int k = 0; k < 3; ++k)
            item[k] = pictureSize(items[k]);
    }
};

// Whether a soldier centred at c may stand there (the player's part of the blocking rule).
struct Field {
    const Level& level;
    int width; // the player's box side
    int block;
    bool blocked(Point c) const {
        if (!(0 < c.x && c.x < fieldW && 0 < c.y && c.y < fieldH))
            return true;
        for (Point t : level.towers)
            if (distance(t, c) < 20)
                return true;
        const Box me{c.x - width / 2, c.y - width / 2, width, width};
        for (Point b : level.blocks)
            if (boxesTouch(me, {b.x, b.y, block, block}))
                return true;
        return false;
    }
};

// Walks the player in 2-pixel steps from the start to the top line (centre y 20 or less).
bool pathToTop(const Field& field) {
    const int step = 2, cols = fieldW / step + 1, rows = fieldH / step + 1;
    std::vector<char> seen(std::size_t(cols) * rows, 0);
    std::queue<Point> open;
    open.push({startX, startY});
    seen[std::size_t(startY / step) * cols + startX / step] = 1;
    while (!open.empty()) {
        const Point p = open.front();
        open.pop();
        if (p.y <= 20)
            return true;
        for (Point d : {Point{0, -step}, Point{-step, 0}, Point{step, 0}, Point{0, step}}) {
            const Point n{p.x + d.x, p.y + d.y};
            if (n.x < 0 || n.y < 0 || n.x > fieldW || n.y > fieldH)
                continue;
            char& s = seen[std::size_t(n.y / step) * cols + n.x / step];
            if (s || field.blocked(n))
                continue;
            s = 1;
            open.push(n);
        }
    }
    return false;
}

Level load(int n) {
    return parseLevel(contentRoot + "Levels/Level_" + std::to_string(n) + ".txt");
}

} // namespace

TEST(Levels, EveryLevelIsWellFormedAndWinnable) {
    const Sizes sizes;
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        const Level level = load(n);
        EXPECT_TRUE(level.strayLines.empty())
            << "unknown line '" << level.strayLines.front() << "'";
        const int player = sizes.playerWidth[n - 1];

        // Between two tanks of a lane a soldier walks through with room to spare: the gap is
        // the lane's spacing less the widest picture.
        EXPECT_GE(levels::rowSpacing(n) - sizes.tankWidth, player * 3 / 2)
            << "gap between tanks against the player's box " << player;

        // Lanes: clear of the start (with room to spare) and far enough apart to wait between.
        std::vector<int> lanes = level.lanes;
        std::sort(lanes.begin(), lanes.end());
        for (std::size_t i = 0; i < lanes.size(); ++i) {
            EXPECT_GE(lanes[i], 0);
            EXPECT_LE(lanes[i] + sizes.tankHeight, fieldH - 60)
                << "lane " << lanes[i] << " near the start";
            if (i > 0) {
                EXPECT_GE(lanes[i] - (lanes[i - 1] + sizes.tankHeight), player + 4)
                    << "lanes " << lanes[i - 1] << " and " << lanes[i];
            }
        }
        auto onLane = [&](int top, int height) {
            for (int y : lanes)
                if (top < y + sizes.tankHeight && y < top + height)
                    return true;
            return false;
        };
        auto inside = [&](const Box& b) {
            return b.left >= 0 && b.top >= 0 && b.left + b.width <= fieldW &&
                   b.top + b.height <= fieldH;
        };
        // Blocks: in the field, off the roads, not piled on each other.
        for (std::size_t i = 0; i < level.blocks.size(); ++i) {
            const Box b{level.blocks[i].x, level.blocks[i].y, sizes.block, sizes.block};
            EXPECT_TRUE(inside(b)) << "block " << b.left << "," << b.top;
            EXPECT_FALSE(onLane(b.top, b.height))
                << "block " << b.left << "," << b.top << " on a road";
            for (std::size_t j = i + 1; j < level.blocks.size(); ++j)
                EXPECT_FALSE(
                    overlaps(b, {level.blocks[j].x, level.blocks[j].y, sizes.block, sizes.block}));
        }
        // Towers: their base off the roads and out of blocks.
        for (Point t : level.towers) {
            EXPECT_TRUE(inside({t.x - 21, t.y - 21, 42, 42})) << "tower " << t.x << "," << t.y;
            EXPECT_FALSE(onLane(t.y - 21, 42)) << "tower " << t.x << "," << t.y << " on a road";
            for (Point b : level.blocks)
                EXPECT_FALSE(
                    overlaps({t.x - 21, t.y - 21, 42, 42}, {b.x, b.y, sizes.block, sizes.block}));
        }
        // Enemy soldiers: in the upper half, where they are free to move, apart from each other.
        const Field enemyField{level, player, sizes.block};
        for (std::size_t i = 0; i < level.soldiers.size(); ++i) {
            const Point s = level.soldiers[i];
            EXPECT_LE(s.y, fieldH / 2) << "soldier " << s.x << "," << s.y;
            EXPECT_FALSE(enemyField.blocked(s)) << "soldier " << s.x << "," << s.y;
            for (std::size_t j = i + 1; j < level.soldiers.size(); ++j)
                EXPECT_GE(distance(s, level.soldiers[j]), 100.0)
                    << "soldiers " << i << " and " << j;
        }
        // Items: known kinds, in the field, reachable (not inside blocks).
        for (const Item& item : level.items) {
            ASSERT_GE(item.kind, 1);
            ASSERT_LE(item.kind, 3);
            const sf::Vector2u size = sizes.item[item.kind - 1];
            const Box b{item.at.x, item.at.y, int(size.x), int(size.y)};
            EXPECT_TRUE(inside(b)) << "item " << b.left << "," << b.top;
            for (Point bl : level.blocks)
                EXPECT_FALSE(overlaps(b, {bl.x, bl.y, sizes.block, sizes.block}))
                    << "item " << b.left << "," << b.top;
        }
        // And a way through from the start to the top line past every block and tower.
        EXPECT_TRUE(pathToTop({level, player, sizes.block}));
    }
}

TEST(Levels, DifficultyGrowsToTheDensestLastLevel) {
    std::vector<Level> levels;
    for (int n = 1; n <= 5; ++n)
        levels.push_back(load(n));
    auto total = [](const Level& l) {
        return l.lanes.size() + l.towers.size() + l.soldiers.size() + l.blocks.size() +
               l.items.size();
    };
    for (std::size_t i = 1; i < levels.size(); ++i) {
        EXPECT_GE(levels[i].lanes.size(), levels[i - 1].lanes.size()) << "level " << i + 1;
        EXPECT_GE(levels[i].towers.size(), levels[i - 1].towers.size()) << "level " << i + 1;
        EXPECT_GE(levels[i].soldiers.size(), levels[i - 1].soldiers.size()) << "level " << i + 1;
        EXPECT_GT(levels[i].lanes.size() + levels[i].towers.size() + levels[i].soldiers.size(),
                  levels[i - 1].lanes.size() + levels[i - 1].towers.size() +
                      levels[i - 1].soldiers.size())
            << "level " << i + 1;
        EXPECT_GT(total(levels.back()), total(levels[i - 1]));
    }
    EXPECT_GE(levels.front().lanes.size(), 1u);
    EXPECT_FALSE(levels.front().items.empty());
}

// The finder itself: a wall of blocks across the field leaves no way through.
TEST(Levels, PathFinderSeesAWall) {
    Level walled;
    for (int x = 0; x < fieldW; x += 48)
        walled.blocks.push_back({x, 400});
    EXPECT_FALSE(pathToTop({walled, 42, 48}));
    walled.blocks.erase(walled.blocks.begin() + 7); // a 48-pixel gap is enough for a 42-pixel box
    EXPECT_TRUE(pathToTop({walled, 42, 48}));
}
