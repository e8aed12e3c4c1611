#include "platform/HeldInput.hpp"
#include "platform/ScreenLayout.hpp"
#include "rules/Rulebook.hpp"
#include "rules/RulesCommon.hpp"
#include "rules/Steps.hpp"

#include <cmath>

void rules::update(PlayState& game) {
    advanceCounters(game);
    updatePlayer(game);
    updateExplosions(game);
    updateShots(game);
    updateTracks(game);
    updateTowers(game);
    updateSoldiers(game);
    updateBlocks(game);
    pulseItems(game);
    updatePopups(game);
    checkLevelDone(game);
    if (game.sounds)
        game.sounds->update();
}

void rules::advanceCounters(PlayState& game) {
    const float dt = game.frameTime();
    game.scanX = static_cast<int>(game.scanX + dt * 100);
    if (game.scanX > layout::leftPanelRight)
        game.scanX = 0;
    game.scanY = static_cast<int>(game.scanY + dt * 200);
    if (game.scanY > layout::height + 50)
        game.scanY = 0;
    game.pulse = std::sin(5 * game.clock.elapsed());
    if (game.shownPoints < game.points)
        ++game.shownPoints;
}

void rules::controlPlayer(PlayState& game, const HeldInput& input) {
    if (!game.player)
        return;
    game.player->aimAt(game.mouse);
    // Firing restarts the fire clock, so both held together fire once.
    if (input.space && game.player->canFire())
        fire(game, *game.player);
    if (input.leftButton && game.player->canFire())
        fire(game, *game.player);

    struct Step {
        bool held;
        rules::KeyStep step;
    };
    const Step steps[] = {{input.left, rules::leftKey},
                          {input.right, rules::rightKey},
                          {input.up, rules::upKey},
                          {input.down, rules::downKey}};
    const float dt = game.frameTime();
    // Each axis is tested on its own, so the player slides along blocks and the field's edge.
    for (const Step& step : steps) {
        if (!step.held)
            continue;
        game.player->move(dt, step.step.dx, step.step.dy);
        if (isBlocked(game, *game.player))
            game.player->reapplyPosition();
    }
    // The stick's sight keeps its place around the soldier as it walks.
    if (input.stickAim)
        game.mouse = sightAround(game.player->centre(), input.stickAim->x, input.stickAim->y);
}

bool rules::isBlocked(const PlayState& game, const Soldier& soldier) {
    const Point c = soldier.centre();
    if (rules::outsideField(game.mapArea, c))
        return true;
    for (const Tower& tower : game.towers)
        if (rules::nearTower(tower.centre(), c))
            return true;
    for (const Block& block : game.blocks)
        if (boxesTouch(soldier.box, block.box))
            return true;
    if (&soldier == game.player.get())
        return false;
    // Enemy soldiers keep apart and stay in the upper half of the field.
    for (const auto& other : game.soldiers)
        if (other.get() != &soldier && distance(other->centre(), c) < rules::soldiersApart)
            return true;
    return c.y > rules::soldiersLowest(game.mapArea);
}
