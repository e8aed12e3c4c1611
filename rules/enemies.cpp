#include "rules/Rulebook.hpp"
#include "rules/RulesCommon.hpp"
#include "rules/Steps.hpp"

#include <cstdlib>

void rules::updateTowers(PlayState& game) {
    for (Tower& tower : game.towers) {
        const Point target = game.player->centre();
        if (!(distance(tower.centre(), target) < tower.range))
            continue;
        tower.aimAt(target);
        if (tower.canFire())
            fire(game, tower);
    }
    rules::hitPass(game, game.towers, rules::hitReach);
    rules::destroyFirst(game, game.towers);
}

namespace {

// Walking speed towards the player on one axis: up to 33, slower when nearly lined up.
int approachFactor(int from, int to) {
    const int e = std::min(std::abs(from - to), 50);
    const int signedE = from < to ? e : -e;
    return (signedE + signedE) / 3;
}

} // namespace

void rules::updateSoldiers(PlayState& game) {
    rules::hitPass(game, game.soldiers, rules::hitReach);

    const Point target = game.player->centre();
    // Near the top line every soldier fires at any distance.
    const bool playerNearTop = rules::nearTop(target);
    for (auto& soldier : game.soldiers) {
        soldier->aimAt(target);
        if (!soldier->canFire())
            continue;
        if (playerNearTop || distance(soldier->centre(), target) < soldier->range)
            fire(game, *soldier);
    }

    const float dt = game.frameTime();
    for (auto& soldier : game.soldiers) {
        const Point c = soldier->centre();
        if (distance(c, target) <= rules::soldiersApart)
            continue;
        soldier->move(dt, approachFactor(c.x, target.x), 0);
        if (isBlocked(game, *soldier))
            soldier->reapplyPosition();
        soldier->move(dt, 0, approachFactor(c.y, target.y));
        if (isBlocked(game, *soldier))
            soldier->reapplyPosition();
    }

    rules::destroyFirst(game, game.soldiers);
}
