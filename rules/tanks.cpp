#include "rules/RulesCommon.hpp"

void Game::updateTracks() {
    const float dt = frameTime();
    for (Track& track : tracks)
        track.update(dt, random);

    // Kind-3 tanks cannot be hit: the shot flies on.
    for (Track& track : tracks)
        for (Tank& tank : track.tanks)
            if (tank.kind != 3)
                rules::hitOnce(*this, tank, 67, rules::playerShot);

    // A destroyed tank is not replaced and gives no points.
    for (Track& track : tracks) {
        const auto dead = std::find_if(track.tanks.begin(), track.tanks.end(),
                                       [](const Tank& t) { return t.life < 1; });
        if (dead == track.tanks.end())
            continue;
        explosions.emplace_back(dead->centre(), true, gameClock);
        rules::play(*this, "damage");
        track.tanks.erase(dead);
    }
}

void rules::tankContact(Game& game) {
    const Point start = game.startPoint();
    for (Track& track : game.tracks) {
        for (const Tank& tank : track.tanks) {
            if (tank.kind == 3 || !boxesTouch(game.player->box, tank.box))
                continue;
            game.player->takeHit();
            game.player->setPosition(start.x, start.y);
        }
    }
}
