#include "rules/Geometry.hpp"

#include "rules/Rulebook.hpp"
#include "world/Entities.hpp"

#include <cmath>

double distance(Point a, Point b) {
    const double dx = a.x - b.x;
    const double dy = a.y - b.y;
    return std::sqrt(dx * dx + dy * dy);
}

double angleTo(Point from, Point to) {
    // With y pointing up the screen.
    const double ax = from.x;
    const double ay = -from.y;
    const double bx = to.x;
    const double by = -to.y;
    if (ax == bx && ay == by)
        return 0.0;
    const double dx = bx - ax;
    const double dy = by - ay;
    const double len = std::sqrt(dx * dx + dy * dy);
    const double theta = std::acos((2 * dx) / (2 * len)) * 57.295779513082;
    if (ay > by)
        return 360 - theta - 90;
    return theta - 90;
}

void stepAlong(Point& p, int d, double heading) {
    double h = heading;
    while (h >= 360)
        h -= 360;
    while (h < 0)
        h += 360;
    double q = heading;
    while (q >= 90)
        q -= 90;
    while (q < 0)
        q += 90;

    const double step = d;
    double changeX = 0;
    double changeY = 0;
    if (h < 90) {
        changeX = (step / 90) * q;
        changeY = (step / -90) * (90 - q);
    } else if (h < 180) {
        changeX = (90 - q) * (step / 90);
        changeY = (step / 90) * q;
    } else if (h < 270) {
        changeX = (step / -90) * q;
        changeY = (90 - q) * (step / 90);
    } else {
        changeX = (90 - q) * (step / -90);
        changeY = (step / -90) * q;
    }
    p.x = static_cast<int>(p.x + changeX);
    p.y = static_cast<int>(p.y + changeY);
}

bool containsStrict(const Box& box, Point p) {
    return box.left < p.x && p.x < box.left + box.width && box.top < p.y &&
           p.y < box.top + box.height;
}

namespace {

bool cornerInside(const Box& a, const Box& b) {
    const int right = a.left + a.width;
    const int bottom = a.top + a.height;
    return containsStrict(b, Point(a.left, a.top)) || containsStrict(b, Point(right, a.top)) ||
           containsStrict(b, Point(right, bottom)) || containsStrict(b, Point(a.left, bottom));
}

} // namespace

bool boxesTouch(const Box& a, const Box& b) {
    return cornerInside(a, b) || cornerInside(b, a);
}

double turnTowards(double rotation, double turnRate, Point centre, Point target) {
    const double a1 = angleTo(centre, target);
    const double a2 = a1 + 360;
    const double d1 = std::abs(std::trunc(rotation - a1));
    const double d2 = std::abs(std::trunc(rotation - a2));
    // A tie goes the long way round, to a2.
    const double goal = d1 < d2 ? a1 : a2;
    double r = rotation < goal ? rotation + turnRate : rotation - turnRate;
    if (std::abs(std::trunc(r - goal)) < turnRate)
        r = goal;
    return r;
}

Point sightAround(Point centre, float dx, float dy) {
    return Point(centre.x + static_cast<int>(std::lround(dx * stickSightDistance)),
                 centre.y + static_cast<int>(std::lround(dy * stickSightDistance)));
}

void Soldier::aimAt(Point target) {
    setRotation(static_cast<float>(turnTowards(getRotation(), turnRate, centre(), target)));
}

void Tower::aimAt(Point target) {
    setRotation(static_cast<float>(turnTowards(getRotation(), turnRate, centre(), target)));
}

void Soldier::move(float dt, int dx, int dy) {
    const sf::Vector2f now = getPosition();
    position = Point(static_cast<int>(now.x), static_cast<int>(now.y));
    const int x = rules::stepAxis(position.x, dx, moveRate, dt);
    const int y = rules::stepAxis(position.y, dy, moveRate, dt);
    sf::Sprite::setPosition(static_cast<float>(x), static_cast<float>(y));
    box.left = x - box.width / 2;
    box.top = y - box.height / 2;
}
