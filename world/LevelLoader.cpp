#include "world/LevelLoader.hpp"

#include "platform/BoundedLineReader.hpp"
#include "platform/ContentPaths.hpp"
#include "platform/ParseNumber.hpp"
#include "platform/ReadFile.hpp"
#include "world/PlayState.hpp"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <iostream>
#include <string>

namespace {

// No level may make more than this many objects of one sort (fewer soldiers: each reads its own
// picture), and no more of a file is read than the byte budget: a damaged or endless file still
// loads, in bounded time and memory.
constexpr std::size_t maxObjects = 10000;
constexpr std::size_t maxSoldiers = 1000;
// Characters kept of one line; the rest of a longer line is read past.
constexpr std::size_t maxLineLength = 4096;
// Coordinates far outside the field are kept, but bounded so that box corners, distances and
// steps stay within int.
constexpr int maxCoordinate = 1000000;

// Lines as std::getline reads them into one reused buffer: a read after the end fails and leaves
// the buffer as it was (the last line again, or empty after a final line break).
class LevelLines {
  public:
    LevelLines(std::istream& in, const std::string& name, std::size_t budget)
        : lines_(in, name, {budget, maxLineLength}) {}

    bool more() const { return lines_.good(); }
    const std::string& next() {
        lines_.next();
        return lines_.line();
    }
    int nextNumber() { return parseNumber<int>(next()); }
    int nextCoordinate() { return std::clamp(nextNumber(), -maxCoordinate, maxCoordinate); }

  private:
    BoundedLineReader lines_;
};

} // namespace

void world::loadLevel(PlayState& game, std::size_t byteBudget) {
    const std::string levelText = std::to_string(game.level);
    const Point start = game.startPoint();
    game.player.reset();
    game.player = std::make_unique<Soldier>(levelText, game.gameClock);
    game.player->setPosition(start.x, start.y);

    game.soldiers.clear();
    game.items.clear();
    game.blocks.clear();
    game.tracks.clear();
    game.towers.clear();
    game.explosions.clear();
    game.shots.clear();

    const std::string path = content::levelFile(levelText);
    ReadFileStream file(path);
    LevelLines reader(file, path, byteBudget);
    while (reader.more()) {
        const std::string keyword = reader.next();
        // Once a write has failed (its reader gone), the stream stays failed and writes no more.
        if (std::cout)
            std::cout << keyword << '\n' << std::flush;

        if (keyword == "tower") {
            const int x = reader.nextCoordinate();
            const int y = reader.nextCoordinate();
            if (game.towers.size() < maxObjects) {
                Tower tower(*game.assets, game.level, game.gameClock);
                tower.setPosition(x + game.mapArea.left, y + game.mapArea.top);
                game.towers.push_back(tower);
            }
        } else if (keyword == "track") {
            const bool movesRight = reader.next() == "true";
            const int y = reader.nextCoordinate();
            if (game.tracks.size() < maxObjects) {
                Track track(game.level, game.mapArea.width, movesRight, *game.assets, game.random);
                track.place(0, y + game.mapArea.top);
                game.tracks.push_back(std::move(track));
            }
        } else if (keyword == "block") {
            const int x = reader.nextCoordinate();
            const int y = reader.nextCoordinate();
            if (game.blocks.size() < maxObjects) {
                Block block(game.assets->block);
                block.setPosition(x + game.mapArea.left, y + game.mapArea.top);
                game.blocks.push_back(block);
            }
        } else if (keyword == "item") {
            const int kind = reader.nextNumber();
            const int x = reader.nextCoordinate();
            const int y = reader.nextCoordinate();
            if (game.items.size() < maxObjects) {
                // An unknown kind has no picture but is kept: picking it up removes it.
                const sf::Texture* picture = kind == ItemKind::Life     ? &game.assets->lifeSymbol
                                             : kind == ItemKind::Points ? &game.assets->pointsSymbol
                                             : kind == ItemKind::Ammunition
                                                 ? &game.assets->munnitionSymbol
                                                 : nullptr;
                Item item(kind, picture);
                item.setPosition(x + game.mapArea.left, y + game.mapArea.top);
                game.items.push_back(item);
            }
        } else if (keyword == "soldier") {
            const int x = reader.nextCoordinate();
            const int y = reader.nextCoordinate();
            if (game.soldiers.size() < maxSoldiers) {
                auto soldier = std::make_unique<Soldier>(levelText, game.gameClock);
                soldier->setPosition(x + game.mapArea.left, y + game.mapArea.top);
                game.soldiers.push_back(std::move(soldier));
            }
        }
    }
}
