#pragma once

// Patterns the gameplay steps share: the hit pass and the destruction pass.

#include "rules/Geometry.hpp"
#include "rules/Steps.hpp"
#include "world/PlayState.hpp"

#include <algorithm>
#include <memory>

namespace rules {

inline void play(PlayState& game, const char* sound) {
    if (game.sounds)
        game.sounds->play(sound);
}

template <class T> T& deref(T& t) {
    return t;
}
template <class T> T& deref(std::unique_ptr<T>& t) {
    return *t;
}

// The first shot that qualifies and lies closer than `reach` to the target's centre hits it:
// an impact at the centre, one takeHit per damage point, the shot gone. True on a hit.
template <class Target, class Qualifies>
bool hitOnce(PlayState& game, Target& target, int reach, Qualifies qualifies) {
    const Point centre = target.centre();
    for (auto shot = game.shots.begin(); shot != game.shots.end(); ++shot) {
        if (!qualifies(*shot) || !(distance(centre, Point(shot->x, shot->y)) < reach))
            continue;
        game.explosions.emplace_back(centre, false, game.gameClock);
        for (int i = 0; i < shot->damage; ++i)
            target.takeHit();
        game.shots.erase(shot);
        return true;
    }
    return false;
}

inline bool playerShot(const Shot& shot) {
    return shot.fromPlayer;
}
inline bool enemyShot(const Shot& shot) {
    return !shot.fromPlayer;
}

// Every target of a container in order, each hit by at most one of the player's shots.
template <class Container> void hitPass(PlayState& game, Container& targets, int reach) {
    for (auto& target : targets)
        hitOnce(game, deref(target), reach, playerShot);
}

// The first target with no life left gives its bonus and goes; at most one per frame.
template <class Container> void destroyFirst(PlayState& game, Container& targets) {
    const auto dead =
        std::find_if(targets.begin(), targets.end(), [](auto& t) { return deref(t).life <= 0; });
    if (dead == targets.end())
        return;
    destroyBonus(game, deref(*dead).centre());
    targets.erase(dead);
}

// Tanks of kind 1 and 2 touching the player: 10 life each and back to the start point.
void tankContact(PlayState& game);

} // namespace rules
