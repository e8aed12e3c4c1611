#include "assets/AssetStore.hpp"
#include "game/Entities.hpp"
#include "game/LevelTables.hpp"

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

void Tank::move(float dt) {
    const double sign = movesRight ? 1.0 : -1.0;
    const double tentative = box.left + sign * 50.0 * speed * dt;
    // Faster once inside the field's side of the origin.
    const bool pastOrigin = movesRight ? tentative > 0 : tentative < 0;
    const double factor = pastOrigin ? 75.0 : 50.0;
    setPosition(static_cast<int>(box.left + sign * factor * speed * dt), box.top);
}

Track::Track(int level, int width, bool movesRight, const AssetStore& assets, RandomEngine& random)
    : assets(&assets), level(levels::nearest(level)), width(width), movesRight(movesRight) {
    const int spacing = levels::rowSpacing(this->level);
    if (movesRight) {
        for (int x = -levels::rowStartOutside; x < width; x += spacing)
            makeTank(x, 0, random);
    } else {
        for (int x = width + levels::rowStartOutside; x > 0; x -= spacing)
            makeTank(x, 0, random);
    }
}

void Track::place(int x, int y) {
    origin = Point(x, y);
    for (Tank& tank : tanks)
        tank.setPosition(tank.box.left, y);
}

void Track::makeTank(int x, int y, RandomEngine& random) {
    // At most one harmless kind-3 tank per lane.
    const bool hasKind3 =
        std::any_of(tanks.begin(), tanks.end(), [](const Tank& t) { return t.kind == 3; });
    const int kind = hasKind3 ? randomInt(random, 1, 2) : randomInt(random, 1, 3);
    Tank tank(level, kind, assets->tankImages[static_cast<std::size_t>(kind - 1)]);
    tank.setFacing(movesRight);
    tank.setPosition(x, y);
    tanks.push_back(tank);
}

void Track::update(float dt, RandomEngine& random) {
    for (Tank& tank : tanks)
        tank.move(dt);

    const auto leftLane = [this](const Tank& t) {
        return movesRight ? t.box.left > width + levels::laneExitMargin
                          : t.box.left < -levels::laneExitMargin;
    };
    const auto dropped = std::erase_if(tanks, leftLane);

    // Replacements queue up outside the entry side, one behind the other.
    for (int j = 0; j < static_cast<int>(dropped); ++j) {
        const int behind = levels::rowSpacingBase * (j + 1);
        const int x = movesRight ? -levels::replacementOffset(level) - behind
                                 : levels::replacementOffset(level) + width + behind;
        makeTank(x, origin.y, random);
    }
}
