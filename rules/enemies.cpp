#include "rules/Rulebook.hpp"
#include "rules/RulesCommon.hpp"

#include <cstdlib>

void Game::updateTowers() {
    for (Tower& tower : towers) {
        const Point target = player->centre();
        if (!(distance(tower.centre(), target) < tower.range))
            continue;
        tower.aimAt(target);
        if (tower.canFire())
            fire(tower);
    }
    rules::hitPass(*this, towers, rules::hitReach);
    rules::destroyFirst(*this, towers);
}

namespace {

// Walking speed towards the player on one axis: up to 33, slower when nearly lined up.
int approachFactor(int from, int to) {
    const int e = std::min(std::abs(from - to), 50);
    const int signedE = from < to ? e : -e;
    return (signedE + signedE) / 3;
}

} // namespace

void Game::updateSoldiers() {
    rules::hitPass(*this, soldiers, rules::hitReach);

    const Point target = player->centre();
    // Near the top line every soldier fires at any distance.
    const bool playerNearTop = rules::nearTop(target);
    for (auto& soldier : soldiers) {
        soldier->aimAt(target);
        if (!soldier->canFire())
            continue;
        if (playerNearTop || distance(soldier->centre(), target) < soldier->range)
            fire(*soldier);
    }

    const float dt = frameTime();
    for (auto& soldier : soldiers) {
        const Point c = soldier->centre();
        if (distance(c, target) <= rules::soldiersApart)
            continue;
        soldier->move(dt, approachFactor(c.x, target.x), 0);
        if (isBlocked(*soldier))
            soldier->reapplyPosition();
        soldier->move(dt, 0, approachFactor(c.y, target.y));
        if (isBlocked(*soldier))
            soldier->reapplyPosition();
    }

    rules::destroyFirst(*this, soldiers);
}
