#include "assets/AssetStore.hpp"
#include "world/Entities.hpp"
#include "world/LevelTables.hpp"

#include <algorithm>

Tank::Tank(int level, int kind, const sf::Texture& image) : kind(kind), level(level) {
    speed = levels::tankSpeed[levels::index(level)];
    setTexture(image, true);
    box.width = static_cast<int>(image.getSize().x);
    box.height = static_cast<int>(image.getSize().y);
}

void Tank::setPosition(int x, int y) {
    box.left = x;
    box.top = y;
    sf::Sprite::setPosition(static_cast<float>(x), static_cast<float>(y));
}

Point Tank::centre() const {
    return Point(box.left + box.width / 2, box.top + box.height / 2);
}

void Tank::setFacing(bool right) {
    movesRight = right;
    const sf::Texture* texture = getTexture();
    const int w = texture ? static_cast<int>(texture->getSize().x) : 0;
    const int h = texture ? static_cast<int>(texture->getSize().y) : 0;
    // Mirrored exactly when it drives left.
    setTextureRect(movesRight ? sf::IntRect(0, 0, w, h) : sf::IntRect(w, 0, -w, h));
}

void Tank::takeHit() {
    life -= 10;
}

Track::Track(int level, int width, bool movesRight, const AssetStore& assets, RandomEngine& random)
    : level(levels::nearest(level)), width(width), movesRight(movesRight) {
    const int spacing = levels::rowSpacing(this->level);
    if (movesRight) {
        for (int x = -levels::rowStartOutside; x < width; x += spacing)
            makeTank(x, 0, assets, random);
    } else {
        for (int x = width + levels::rowStartOutside; x > 0; x -= spacing)
            makeTank(x, 0, assets, random);
    }
}

void Track::place(int x, int y) {
    origin = Point(x, y);
    for (Tank& tank : tanks)
        tank.setPosition(tank.box.left, y);
}

void Track::makeTank(int x, int y, const AssetStore& assets, RandomEngine& random) {
    const bool hasHarmless = std::any_of(tanks.begin(), tanks.end(), [](const Tank& t) {
        return t.kind == levels::harmlessTankKind;
    });
    const int kind = levels::drawTankKind(random, hasHarmless);
    Tank tank(level, kind, assets.tankImages[static_cast<std::size_t>(kind - 1)]);
    tank.setFacing(movesRight);
    tank.setPosition(x, y);
    tanks.push_back(tank);
}
