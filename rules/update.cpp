#include "platform/ScreenLayout.hpp"
#include "rules/Rulebook.hpp"
#include "rules/RulesCommon.hpp"

#include <cmath>

void Game::update() {
    advanceCounters();
    updatePlayer();
    updateExplosions();
    updateShots();
    updateTracks();
    updateTowers();
    updateSoldiers();
    updateBlocks();
    pulseItems();
    updatePopups();
    checkLevelDone();
    if (sounds)
        sounds->update();
}

void Game::advanceCounters() {
    const float dt = frameTime();
    scanX = static_cast<int>(scanX + dt * 100);
    if (scanX > layout::leftPanelRight)
        scanX = 0;
    scanY = static_cast<int>(scanY + dt * 200);
    if (scanY > layout::height + 50)
        scanY = 0;
    pulse = std::sin(5 * clock.elapsed());
    if (shownPoints < points)
        ++shownPoints;
}

void Game::controlPlayer(const HeldInput& input) {
    if (!player)
        return;
    player->aimAt(mouse);
    // Firing restarts the fire clock, so both held together fire once.
    if (input.space && player->canFire())
        fire(*player);
    if (input.leftButton && player->canFire())
        fire(*player);

    struct Step {
        bool held;
        rules::KeyStep step;
    };
    const Step steps[] = {{input.left, rules::leftKey},
                          {input.right, rules::rightKey},
                          {input.up, rules::upKey},
                          {input.down, rules::downKey}};
    const float dt = frameTime();
    // Each axis is tested on its own, so the player slides along blocks and the field's edge.
    for (const Step& step : steps) {
        if (!step.held)
            continue;
        player->move(dt, step.step.dx, step.step.dy);
        if (isBlocked(*player))
            player->reapplyPosition();
    }
    // The stick's sight keeps its place around the soldier as it walks.
    if (input.stickAim)
        mouse = sightAround(player->centre(), input.stickAim->x, input.stickAim->y);
}

bool Game::isBlocked(const Soldier& soldier) const {
    const Point c = soldier.centre();
    if (rules::outsideField(mapArea, c))
        return true;
    for (const Tower& tower : towers)
        if (rules::nearTower(tower.centre(), c))
            return true;
    for (const Block& block : blocks)
        if (boxesTouch(soldier.box, block.box))
            return true;
    if (&soldier == player.get())
        return false;
    // Enemy soldiers keep apart and stay in the upper half of the field.
    for (const auto& other : soldiers)
        if (other.get() != &soldier && distance(other->centre(), c) < rules::soldiersApart)
            return true;
    return c.y > rules::soldiersLowest(mapArea);
}
