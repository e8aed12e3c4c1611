#include "rules/Rulebook.hpp"
#include "rules/RulesCommon.hpp"
#include "rules/Steps.hpp"

void rules::fire(PlayState& game, Soldier& shooter) {
    const Point c = shooter.centre();
    game.shots.emplace_back(c.x, c.y, shooter.getRotation(), shooter.damage, shooter.kind,
                            &shooter == game.player.get());
    shooter.consumeShot();
    rules::play(game, "shoot");
}

void rules::fire(PlayState& game, Tower& shooter) {
    const Point c = shooter.centre();
    game.shots.emplace_back(c.x, c.y, shooter.getRotation(), shooter.damage, shooter.shotKind,
                            false);
    shooter.restartFireClock();
    rules::play(game, "shoot");
}

void rules::updateShots(PlayState& game) {
    // A shot flies along the direction its shooter's picture points.
    const int d = rules::shotFlight(game.frameTime());
    for (Shot& shot : game.shots) {
        Point p(shot.x, shot.y);
        stepAlong(p, d, -shot.angle);
        shot.x = p.x;
        shot.y = p.y;
    }

    const Box& field = game.mapArea;
    const auto outside =
        std::find_if(game.shots.begin(), game.shots.end(), [&field](const Shot& s) {
            return rules::shotOutside(field, Point(s.x, s.y));
        });
    if (outside != game.shots.end()) {
        game.explosions.emplace_back(Point(outside->x, outside->y), false, game.gameClock);
        game.shots.erase(outside);
    }
}

void rules::updateBlocks(PlayState& game) {
    rules::hitPass(game, game.blocks, rules::hitReach);
    rules::destroyFirst(game, game.blocks);
}

void rules::destroyBonus(PlayState& game, Point centre) {
    game.points += 100;
    game.popups.push_back(
        std::make_unique<ScorePopup>("100", centre.x, centre.y, game.builtinFont, game.gameClock));
    game.explosions.emplace_back(centre, true, game.gameClock);
    rules::play(game, "damage");
}
