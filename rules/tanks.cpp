#include "rules/Rulebook.hpp"
#include "rules/RulesCommon.hpp"
#include "rules/Steps.hpp"

void Tank::move(float dt) {
    setPosition(rules::stepTank(box.left, movesRight, speed, dt), box.top);
}

void Track::update(float dt, const AssetStore& assets, RandomEngine& random) {
    for (Tank& tank : tanks)
        tank.move(dt);
    const auto dropped = std::erase_if(tanks, [this](const Tank& t) {
        return rules::tankLeftLane(t.box.left, movesRight, width);
    });
    for (int j = 0; j < static_cast<int>(dropped); ++j)
        makeTank(rules::replacementLeft(movesRight, width, level, j), origin.y, assets, random);
}

void rules::updateTracks(PlayState& game) {
    const float dt = game.frameTime();
    for (Track& track : game.tracks)
        track.update(dt, *game.assets, game.random);

    // The harmless tanks cannot be hit: the shot flies on.
    for (Track& track : game.tracks)
        for (Tank& tank : track.tanks)
            if (rules::harmful(tank.kind))
                rules::hitOnce(game, tank, rules::tankHitReach, rules::playerShot);

    // A destroyed tank is not replaced and gives no points.
    for (Track& track : game.tracks) {
        const auto dead = std::find_if(track.tanks.begin(), track.tanks.end(),
                                       [](const Tank& t) { return t.life < 1; });
        if (dead == track.tanks.end())
            continue;
        game.explosions.emplace_back(dead->centre(), true, game.gameClock);
        rules::play(game, "damage");
        track.tanks.erase(dead);
    }
}

void rules::tankContact(PlayState& game) {
    const Point start = game.startPoint();
    for (Track& track : game.tracks) {
        for (const Tank& tank : track.tanks) {
            if (!rules::harmful(tank.kind) || !boxesTouch(game.player->box, tank.box))
                continue;
            game.player->takeHit();
            game.player->setPosition(start.x, start.y);
        }
    }
}
