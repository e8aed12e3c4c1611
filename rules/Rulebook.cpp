#include "rules/Rulebook.hpp"

#include "rules/Geometry.hpp"

namespace rules {

int stepAxis(int pos, int factor, double moveRate, float dt) {
    return static_cast<int>(pos + dt * (factor * moveRate));
}

bool outsideField(const Box& area, Point centre) {
    return !containsStrict(area, centre);
}

bool nearTower(Point tower, Point centre) {
    return distance(tower, centre) < towerKeepOut;
}

int soldiersLowest(const Box& area) {
    return area.top + area.height / 2;
}

int stepTank(int left, bool movesRight, double speed, float dt) {
    const double sign = movesRight ? 1.0 : -1.0;
    const double tentative = left + sign * 50.0 * speed * dt;
    const bool pastOrigin = movesRight ? tentative > 0 : tentative < 0;
    const double factor = pastOrigin ? 75.0 : 50.0;
    return static_cast<int>(left + sign * factor * speed * dt);
}

bool tankLeftLane(int left, bool movesRight, int laneWidth) {
    return movesRight ? left > laneWidth + levels::laneExitMargin : left < -levels::laneExitMargin;
}

int replacementLeft(bool movesRight, int laneWidth, int level, int queued) {
    const int behind = levels::rowSpacingBase * (queued + 1);
    const int offset = levels::replacementOffset(level);
    return movesRight ? -offset - behind : offset + laneWidth + behind;
}

bool harmful(int kind) {
    return kind != levels::harmlessTankKind;
}

int shotFlight(float dt) {
    return static_cast<int>(dt * 1000);
}

bool shotOutside(const Box& area, Point p) {
    return p.x < area.left || p.x > area.left + area.width || p.y < area.top ||
           p.y > area.top + area.height;
}

bool crossed(Point player) {
    return player.y <= levels::topLine;
}

bool nearTop(Point player) {
    return player.y < levels::nearTopLine;
}

} // namespace rules
