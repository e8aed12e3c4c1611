#include "rules/Rulebook.hpp"
#include "rules/RulesCommon.hpp"

void Game::fire(Soldier& shooter) {
    const Point c = shooter.centre();
    shots.emplace_back(c.x, c.y, shooter.getRotation(), shooter.damage, shooter.kind,
                       &shooter == player.get());
    shooter.consumeShot();
    rules::play(*this, "shoot");
}

void Game::fire(Tower& shooter) {
    const Point c = shooter.centre();
    shots.emplace_back(c.x, c.y, shooter.getRotation(), shooter.damage, shooter.shotKind, false);
    shooter.restartFireClock();
    rules::play(*this, "shoot");
}

void Game::updateShots() {
    // A shot flies along the direction its shooter's picture points.
    const int d = rules::shotFlight(frameTime());
    for (Shot& shot : shots) {
        Point p(shot.x, shot.y);
        stepAlong(p, d, -shot.angle);
        shot.x = p.x;
        shot.y = p.y;
    }

    const Box& field = mapArea;
    const auto outside = std::find_if(shots.begin(), shots.end(), [&field](const Shot& s) {
        return rules::shotOutside(field, Point(s.x, s.y));
    });
    if (outside != shots.end()) {
        explosions.emplace_back(Point(outside->x, outside->y), false, gameClock);
        shots.erase(outside);
    }
}

void Game::updateBlocks() {
    rules::hitPass(*this, blocks, rules::hitReach);
    rules::destroyFirst(*this, blocks);
}

void Game::destroyBonus(Point centre) {
    points += 100;
    popups.push_back(
        std::make_unique<ScorePopup>("100", centre.x, centre.y, builtinFont, gameClock));
    explosions.emplace_back(centre, true, gameClock);
    rules::play(*this, "damage");
}
