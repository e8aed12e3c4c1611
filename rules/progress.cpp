#include "rules/Rulebook.hpp"
#include "rules/RulesCommon.hpp"
#include "rules/Steps.hpp"
#include "world/LevelLoader.hpp"
#include "world/LevelTables.hpp"

#include <string>

namespace {

bool isPlayableLevel(int level) {
    return level >= levels::first && level <= levels::last;
}

struct PickUp {
    int points;
    const char* popup;
    const char* sound;
};

PickUp pickUpOf(int kind) {
    switch (kind) {
    case ItemKind::Life:
        return {100, "100", "collect"};
    case ItemKind::Points:
        return {500, "500", "collect"};
    case ItemKind::Ammunition:
        return {100, "100", "refill"};
    default:
        return {0, "", nullptr};
    }
}

} // namespace

void rules::updatePlayer(PlayState& game) {
    // At most one enemy shot hits the player per frame.
    rules::hitOnce(game, *game.player, rules::hitReach, rules::enemyShot);

    rules::tankContact(game);

    const Point c = game.player->centre();
    const auto item = std::find_if(game.items.begin(), game.items.end(), [c](const Item& i) {
        return distance(i.centre(), c) < rules::pickUpReach;
    });
    if (item != game.items.end()) {
        const PickUp gain = pickUpOf(item->kind);
        if (item->kind == ItemKind::Life && game.player->life < 100)
            game.player->life += 10;
        if (item->kind == ItemKind::Ammunition)
            game.player->ammo += 50;
        game.points += gain.points;
        game.popups.push_back(
            std::make_unique<ScorePopup>(gain.popup, c.x, c.y, game.builtinFont, game.gameClock));
        if (gain.sound)
            rules::play(game, gain.sound);
        game.items.erase(item);
    }

    // Crossing: the level starts afresh with a new player, which also saves one hit to death in
    // this very update.
    if (rules::crossed(game.player->centre())) {
        if (isPlayableLevel(game.level))
            ++game.levelProgress[static_cast<std::size_t>(game.level)];
        world::loadLevel(game);
        game.points += 100;
        rules::play(game, "nextlevel");
        const Point start = game.startPoint();
        game.player->setPosition(start.x, start.y);
    }

    if (game.player->life < 1)
        game.running = false;
}

void rules::pulseItems(PlayState& game) {
    const float s = game.pulse * 4;
    for (Item& item : game.items) {
        const sf::Texture* picture = item.getTexture();
        if (!picture || picture->getSize().x == 0 || picture->getSize().y == 0)
            continue; // nothing to show, nothing to size
        item.setOrigin((s + 25) / 2, (s + 30) / 2);
        item.setScale((s + 25) / picture->getSize().x, (s + 30) / picture->getSize().y);
    }
}

void rules::checkLevelDone(PlayState& game) {
    if (game.level == levels::last + 1) {
        game.running = false;
        return;
    }
    if (!isPlayableLevel(game.level) || game.levelProgress[static_cast<std::size_t>(game.level)] !=
                                            levels::crossingsToWin(game.level))
        return;
    game.player->life = 100;
    game.player->ammo = 100;
    game.points += 1000;
    ++game.level;
    rules::play(game, "nextlevel");
    world::loadLevel(game);
}
