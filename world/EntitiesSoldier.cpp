#include "platform/ContentPaths.hpp"
#include "platform/Draw.hpp"
#include "platform/ParseNumber.hpp"
#include "world/Entities.hpp"
#include "world/LevelTables.hpp"

Soldier::Soldier(const std::string& levelText, const GameClock& clock) : fireClock(clock) {
    // Each soldier reads its own picture; a missing one leaves an empty, zero-sized soldier.
    loadPicture(image, content::soldierPicture(levelText));
    kind = parseNumber<int>(levelText);
    const levels::SoldierStats stats = levels::soldierStats(kind);
    range = stats.range;
    damage = stats.damage;
    turnRate = stats.turnRate;
    moveRate = stats.moveRate;
    fireRate = stats.fireRate;

    setTexture(image, true);
    setScale(levels::soldierScale, levels::soldierScale);
    setOrigin(stats.centreX, stats.centreY);
    // The box is square, its side the unscaled picture's width.
    const int side = static_cast<int>(image.getSize().x);
    box = Box(0, 0, side, side);
}

void Soldier::setPosition(int x, int y) {
    position = Point(x, y);
    sf::Sprite::setPosition(static_cast<float>(x), static_cast<float>(y));
    box.left = x - box.width / 2;
    box.top = y - box.height / 2;
}

void Soldier::reapplyPosition() {
    setPosition(position.x, position.y);
}

Point Soldier::centre() const {
    const sf::Vector2f p = getPosition();
    return Point(static_cast<int>(p.x), static_cast<int>(p.y));
}

void Soldier::takeHit() {
    life -= 10;
}

void Soldier::refillAmmo() {
    ammo = 100;
}

bool Soldier::canFire() const {
    if (ammo <= 0)
        return false;
    return fireClock.elapsed() > 1.0 / fireRate;
}

void Soldier::consumeShot() {
    ammo -= 1;
    fireClock.restart();
}
