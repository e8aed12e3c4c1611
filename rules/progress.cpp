#include "rules/Rulebook.hpp"
#include "rules/RulesCommon.hpp"
#include "world/LevelTables.hpp"

#include <string>

Point Game::startPoint() const {
    return Point(mapArea.left + mapArea.width / 2, mapArea.top + mapArea.height);
}

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

void Game::updatePlayer() {
    // At most one enemy shot hits the player per frame.
    rules::hitOnce(*this, *player, rules::hitReach, rules::enemyShot);

    rules::tankContact(*this);

    const Point c = player->centre();
    const auto item = std::find_if(items.begin(), items.end(), [c](const Item& i) {
        return distance(i.centre(), c) < rules::pickUpReach;
    });
    if (item != items.end()) {
        const PickUp gain = pickUpOf(item->kind);
        if (item->kind == ItemKind::Life && player->life < 100)
            player->life += 10;
        if (item->kind == ItemKind::Ammunition)
            player->ammo += 50;
        points += gain.points;
        popups.push_back(
            std::make_unique<ScorePopup>(gain.popup, c.x, c.y, builtinFont, gameClock));
        if (gain.sound)
            rules::play(*this, gain.sound);
        items.erase(item);
    }

    // Crossing: the level starts afresh with a new player, which also saves one hit to death in
    // this very update.
    if (rules::crossed(player->centre())) {
        if (isPlayableLevel(level))
            ++levelProgress[static_cast<std::size_t>(level)];
        loadLevel();
        points += 100;
        rules::play(*this, "nextlevel");
        const Point start = startPoint();
        player->setPosition(start.x, start.y);
    }

    if (player->life < 1)
        running = false;
}

void Game::pulseItems() {
    const float s = pulse * 4;
    for (Item& item : items) {
        const sf::Texture* picture = item.getTexture();
        if (!picture || picture->getSize().x == 0 || picture->getSize().y == 0)
            continue; // nothing to show, nothing to size
        item.setOrigin((s + 25) / 2, (s + 30) / 2);
        item.setScale((s + 25) / picture->getSize().x, (s + 30) / picture->getSize().y);
    }
}

void Game::checkLevelDone() {
    if (level == levels::last + 1) {
        running = false;
        return;
    }
    if (!isPlayableLevel(level) ||
        levelProgress[static_cast<std::size_t>(level)] != levels::crossingsToWin(level))
        return;
    player->life = 100;
    player->ammo = 100;
    points += 1000;
    ++level;
    rules::play(*this, "nextlevel");
    loadLevel();
}
