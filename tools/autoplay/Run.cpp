#include "tools/autoplay/Run.hpp"

#include "platform/ContentPaths.hpp"
#include "platform/GameWindow.hpp"
#include "platform/ScreenLayout.hpp"
#include "platform/Text.hpp"
#include "rules/Geometry.hpp"
#include "rules/Rulebook.hpp"
#include "screens/Game.hpp"
#include "tools/autoplay/Bot.hpp"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace autoplay {

namespace {

constexpr float frameTime = 1.f / 30.f;

} // namespace

Field look(const Game& game) {
    Field f;
    f.area = game.mapArea;
    f.dt = game.frameTime();
    for (std::size_t k = 0; k < 3; ++k) {
        const sf::Vector2u size = game.assets->tankImages[k].getSize();
        f.tankSize[k] = Point(static_cast<int>(size.x), static_cast<int>(size.y));
    }
    const Soldier& p = *game.player;
    f.player = p.centre();
    f.side = p.box.width;
    f.moveRate = p.moveRate;
    f.rotation = p.getRotation();
    f.turnRate = p.turnRate;
    f.life = p.life;
    f.ammo = p.ammo;
    f.canFire = p.canFire();
    for (const Track& track : game.tracks) {
        LaneView lane;
        lane.top = track.origin.y;
        lane.width = track.width;
        lane.level = track.level;
        lane.movesRight = track.movesRight;
        lane.speed = track.tanks.empty() ? 1.0 : track.tanks.front().speed;
        for (const Tank& tank : track.tanks)
            lane.tanks.push_back({tank.box.left, tank.kind, tank.life});
        if (!track.tanks.empty())
            lane.top = track.tanks.front().box.top;
        f.lanes.push_back(std::move(lane));
    }
    for (const Block& block : game.blocks)
        f.blocks.push_back(block.box);
    for (const Tower& tower : game.towers) {
        f.towerBases.push_back(tower.centre());
        f.enemies.push_back({tower.centre(), tower.range, true, true, false, tower.life});
    }
    for (const auto& s : game.soldiers) {
        // A soldier that stands still far from the player had its steps undone.
        const bool walking = !(s->centre() == s->position) ||
                             distance(s->centre(), f.player) <= rules::soldiersApart;
        f.enemies.push_back({s->centre(), s->range, false, s->ammo > 0, walking, s->life});
    }
    for (const Item& item : game.items)
        f.items.push_back({item.centre(), item.kind});
    return f;
}

RunStats playRun(GameWindow& window, const RunOptions& options) {
    window.setFixedFrameTime(frameTime);
    Game game(window, options.seed);
    game.assets = std::make_unique<AssetStore>();
    game.assets->loadAll();
    loadDefaultFont(game.builtinFont);
    if (!options.shotFile.empty()) {
        game.font.loadOrDefault(content::displayFont);
        game.text.setFont(game.font);
        game.text.setCharacterSize(30);
        game.text2.setFont(game.builtinFont);
        game.text2.setCharacterSize(30);
        game.curtainX = layout::curtainOpenX;
        game.curtainY = layout::curtainOpenY;
    }
    const int shotFrame =
        options.shotFile.empty() ? -1 : static_cast<int>(options.shotSecond / frameTime);
    game.clock = Stopwatch(game.gameClock);
    game.running = true;

    const auto echo = std::cout.rdbuf(nullptr); // the loader's echo
    const int first = options.level > 0 ? options.level : 1;
    game.startLevelOne();
    if (first != 1) {
        game.level = first;
        game.loadLevel();
    }

    Bot bot(options.human, options.seed * 7919u + 17u);
    RunStats stats;
    const int frames = static_cast<int>(options.minutes * 60 / frameTime);
    int frame = 0;
    for (; frame < frames && game.running; ++frame) {
        const Decision d = bot.decide(look(game), game.random);
        game.mouse = d.aim;
        HeldInput input;
        input.space = d.fire;
        input.left = d.keys.left;
        input.right = d.keys.right;
        input.up = d.keys.up;
        input.down = d.keys.down;

        const Soldier* player = game.player.get();
        std::vector<std::size_t> tanks;
        for (const Track& track : game.tracks)
            tanks.push_back(track.tanks.size());
        const int progress = game.levelProgress[static_cast<std::size_t>(std::min(game.level, 5))];
        const int level = game.level;

        game.gameClock.advance(frameTime);
        const int lifeBefore = game.player->life;
        const int ammoBefore = game.player->ammo;
        game.controlPlayer(input);
        stats.shots += ammoBefore - game.player->ammo;
        const Point start = game.startPoint();
        const bool atStartBefore = game.player->centre() == start;
        game.update();

        if (game.level == level &&
            game.levelProgress[static_cast<std::size_t>(std::min(level, 5))] == progress &&
            game.player.get() == player) {
            stats.lifeLost += std::max(0, lifeBefore - game.player->life);
            if (game.player->centre() == start && !atStartBefore)
                ++stats.tankHits;
            for (std::size_t t = 0; t < tanks.size() && t < game.tracks.size(); ++t)
                stats.tanksDestroyed +=
                    static_cast<int>(tanks[t]) - static_cast<int>(game.tracks[t].tanks.size());
        } else if (level <= 5) {
            ++stats.crossings;
        }
        if (frame == shotFrame) {
            game.drawFrame();
            window.screenshot().saveToFile(options.shotFile);
        }
        if (options.level > 0 && game.level != options.level)
            break; // the level is won
    }
    std::cout.rdbuf(echo);

    stats.seconds = frame * static_cast<double>(frameTime);
    stats.level = game.level;
    stats.won = options.level > 0 ? game.level > options.level : game.level > 5;
    stats.deaths = game.player && game.player->life < 1 ? 1 : 0;
    stats.ammoLeft = game.player ? game.player->ammo : 0;
    stats.points = game.points;
    return stats;
}

std::string describe(const RunStats& s) {
    char line[256];
    std::snprintf(line, sizeof line,
                  "%-4s %6.1f s  level %d  crossings %3d  deaths %d  tank hits %3d  life lost %4d  "
                  "tanks destroyed %3d  shots %4d  ammo left %3d  points %6d",
                  s.won ? "won" : "lost", s.seconds, s.level, s.crossings, s.deaths, s.tankHits,
                  s.lifeLost, s.tanksDestroyed, s.shots, s.ammoLeft, s.points);
    return line;
}

} // namespace autoplay
