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
    if (scanX > screenWidth / 4)
        scanX = 0;
    scanY = static_cast<int>(scanY + dt * 200);
    if (scanY > screenHeight + 50)
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
        int dx;
        int dy;
    };
    const Step steps[] = {
        {input.left, -50, 0}, {input.right, 75, 0}, {input.up, 0, -50}, {input.down, 0, 75}};
    const float dt = frameTime();
    // Each axis is tested on its own, so the player slides along blocks and the field's edge.
    for (const Step& step : steps) {
        if (!step.held)
            continue;
        player->move(dt, step.dx, step.dy);
        if (isBlocked(*player))
            player->reapplyPosition();
    }
    // The stick's sight keeps its place around the soldier as it walks.
    if (input.stickAim)
        mouse = sightAround(player->centre(), input.stickAim->x, input.stickAim->y);
}

bool Game::isBlocked(const Soldier& soldier) const {
    const Point c = soldier.centre();
    if (!containsStrict(mapArea, c))
        return true;
    for (const Tower& tower : towers)
        if (distance(tower.centre(), c) < 20)
            return true;
    for (const Block& block : blocks)
        if (boxesTouch(soldier.box, block.box))
            return true;
    if (&soldier == player.get())
        return false;
    // Enemy soldiers keep apart and stay in the upper half of the field.
    for (const auto& other : soldiers)
        if (other.get() != &soldier && distance(other->centre(), c) < 100)
            return true;
    return c.y > mapArea.top + mapArea.height / 2;
}
