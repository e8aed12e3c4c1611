#include "assets/AssetStore.hpp"
#include "world/Entities.hpp"
#include "world/LevelTables.hpp"

namespace {

Box sizedBox(const sf::Texture& image) {
    return Box(0, 0, static_cast<int>(image.getSize().x), static_cast<int>(image.getSize().y));
}

Point middle(const Box& box) {
    return Point(box.left + box.width / 2, box.top + box.height / 2);
}

} // namespace

Tower::Tower(const AssetStore& assets, int level, const GameClock& clock) : fireClock(clock) {
    const levels::TowerStats& stats = levels::tower[levels::index(level)];
    damage = stats.damage;
    fireRate = stats.fireRate;
    turnRate = stats.turnRate;
    shotKind = stats.shotKind;
    range = stats.range;
    setTexture(assets.towerImage, true);
    setOrigin(levels::towerCentreX, levels::towerCentreY);
    setRotation(levels::towerStartRotation);
}

void Tower::setPosition(int x, int y) {
    sf::Sprite::setPosition(static_cast<float>(x), static_cast<float>(y));
    box.left = x - box.width / 2;
    box.top = y - box.height / 2;
}

Point Tower::centre() const {
    return middle(box);
}

void Tower::takeHit() {
    life -= 10;
}

bool Tower::canFire() const {
    return fireClock.elapsed() > 1.0 / fireRate;
}

void Tower::restartFireClock() {
    fireClock.restart();
}

Block::Block(const sf::Texture& image) {
    setTexture(image, true);
    box = sizedBox(image);
}

void Block::setPosition(int x, int y) {
    sf::Sprite::setPosition(static_cast<float>(x), static_cast<float>(y));
    box.left = x;
    box.top = y;
}

Point Block::centre() const {
    return middle(box);
}

void Block::takeHit() {
    life -= 10;
    // Fades with its life: 237 at 90, 125 at 0 (low 8 bits of the truncated value).
    const int alpha = static_cast<int>(1.25 * life + 125);
    setColor(sf::Color(255, 255, 255, static_cast<sf::Uint8>(alpha & 0xFF)));
}

Item::Item(int kind, const sf::Texture* image) : kind(kind) {
    if (image) {
        setTexture(*image, true);
        box = sizedBox(*image);
    }
}

void Item::setPosition(int x, int y) {
    box.left = x;
    box.top = y;
    sf::Sprite::setPosition(static_cast<float>(x), static_cast<float>(y));
}

Point Item::centre() const {
    return middle(box);
}

Shot::Shot(int x, int y, double angle, double damage, int shotKind, bool fromPlayer)
    : x(x), y(y), angle(angle), damage(static_cast<int>(damage)), shotKind(shotKind),
      fromPlayer(fromPlayer) {}

Explosion::Explosion(Point position, bool fullSize, const GameClock& clock)
    : position(position), clock(clock), fullSize(fullSize) {}

void Explosion::advance() {
    if (clock.elapsed() > 0.05) {
        ++frame;
        clock.restart();
    }
}

ScorePopup::ScorePopup(const std::string& text, int x, int y, const sf::Font& font,
                       const GameClock& clock)
    : sf::Text("+" + text, font, 30), clock(clock), start(x, y) {
    setFillColor(sf::Color::Red);
    // Shown where it was won from the start, not at the corner until its first ageing step.
    setPosition(static_cast<float>(x), static_cast<float>(y));
}

void ScorePopup::ageStep(float dt) {
    if (clock.elapsed() <= 0.1)
        return;
    age = static_cast<int>(age + 100 * dt);
    setPosition(static_cast<float>(start.x), static_cast<float>(start.y - 2 * age));
    setFillColor(sf::Color(static_cast<sf::Uint8>((2 * age) & 0xFF), 0, 0, 255));
    clock.restart();
}
