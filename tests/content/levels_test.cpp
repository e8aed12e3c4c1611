#include "tests/game/TestWorld.hpp"
#include "world/LevelTables.hpp"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

// The shipped levels with the shipped pictures, the field at the corner so that places are the
// file's offsets.

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
// Every line the loader echoed is a keyword (a final line break reads as one more empty line).
bool onlyKeywords(const std::string& echo) {
    std::istringstream in(echo);
    std::string line;
    std::size_t read = 0, keywords = 0;
    const std::string words[] = {"tower", "track", "block", "item", "soldier"};
    while (std::getline(in, line)) {
        ++read;
        keywords += std::find(std::begin(words), std::end(words), line) != std::end(words);
    }
    return keywords > 0 && (read == keywords || (read == keywords + 1 && line.empty()));
}

} // namespace

TEST(ShippedLevels, WellFormedAndGrowingInDifficulty) {
    GameWindow window{GameWindow::Mode::Offscreen};
    Game game(window, 1u);
    game.assets = std::make_unique<AssetStore>();
    game.assets->loadAll();
    game.mapArea = Box(0, 0, fieldW, fieldH);
    int tankW = 0, tankH = 0;
    for (const sf::Texture& tank : game.assets->tankImages) {
        tankW = std::max(tankW, int(tank.getSize().x));
        tankH = std::max(tankH, int(tank.getSize().y));
    }
    std::size_t last[3] = {}, lastEnemies = 0;
    std::vector<std::size_t> all;
    for (int n = 1; n <= 5; ++n) {
        SCOPED_TRACE("level " + std::to_string(n));
        game.level = n;
        testworld::OutputCapture out;
        game.loadLevel();
        EXPECT_TRUE(onlyKeywords(out.text())) << out.text();
        const int player = game.player->box.width;
        // Between two tanks of a lane a soldier walks through with room to spare.
        EXPECT_GE(levels::rowSpacing(n) - tankW, player * 3 / 2);

        // Lanes: clear of the start (with room to spare) and far enough apart to wait between.
        std::vector<int> lanes;
        for (const Track& track : game.tracks)
            lanes.push_back(track.origin.y);
        std::sort(lanes.begin(), lanes.end());
        for (std::size_t i = 0; i < lanes.size(); ++i) {
            EXPECT_TRUE(lanes[i] >= 0 && lanes[i] + tankH <= fieldH - 60) << "lane " << lanes[i];
            EXPECT_TRUE(i == 0 || lanes[i] - (lanes[i - 1] + tankH) >= player + 4) << lanes[i];
        }
        // In the field and out of any other block, and with `offRoad` off the lanes too.
        auto clear = [&](const Box& b, bool offRoad) {
            for (int y : lanes)
                if (offRoad && b.top < y + tankH && y < b.top + b.height)
                    return false;
            for (const Block& block : game.blocks)
                if (&block.box != &b && overlaps(b, block.box))
                    return false;
            return inside(b);
        };
        // Blocks and towers on their 42-pixel base off the roads; items of known kinds.
        for (const Block& block : game.blocks)
            EXPECT_TRUE(clear(block.box, true))
                << "block " << block.box.left << "," << block.box.top;
        for (const Tower& tower : game.towers)
            EXPECT_TRUE(clear({tower.centre().x - 21, tower.centre().y - 21, 42, 42}, true))
                << "tower " << tower.centre().x << "," << tower.centre().y;
        for (const Item& item : game.items)
            EXPECT_TRUE(item.kind >= 1 && item.kind <= 3 && clear(item.box, false))
                << "item " << item.kind << " at " << item.box.left << "," << item.box.top;
        // Enemy soldiers: in the upper half, clear of blocks and towers, apart from each other.
        for (std::size_t i = 0; i < game.soldiers.size(); ++i) {
            const Point at = game.soldiers[i]->centre();
            EXPECT_TRUE(at.y <= fieldH / 2 &&
                        clear({at.x - player / 2, at.y - player / 2, player, player}, false))
                << "soldier " << at.x << "," << at.y;
            for (const Tower& tower : game.towers)
                EXPECT_GE(distance(tower.centre(), at), 20.0);
            for (std::size_t j = i + 1; j < game.soldiers.size(); ++j)
                EXPECT_GE(distance(at, game.soldiers[j]->centre()), 100.0) << "soldier " << j;
        }
        // Lanes and pick-ups from level 1; lanes, towers and soldiers never fewer, in all more,
        // and the last level holds the most objects.
        const std::size_t now[3] = {game.tracks.size(), game.towers.size(), game.soldiers.size()};
        EXPECT_TRUE(now[0] >= std::max<std::size_t>(last[0], 1) && now[1] >= last[1] &&
                    now[2] >= last[2] && now[0] + now[1] + now[2] > lastEnemies);
        EXPECT_TRUE(n > 1 || !game.items.empty());
        std::copy(now, now + 3, last);
        lastEnemies = now[0] + now[1] + now[2];
        all.push_back(lastEnemies + game.blocks.size() + game.items.size());
    }
    for (std::size_t i = 0; i + 1 < all.size(); ++i)
        EXPECT_GT(all.back(), all[i]);
}
