#pragma once

#include "tests/game/TestWorld.hpp"

namespace testworld {

// Indexes of the sound board's buffers.
enum SoundIndex {
    ShotSounds = 3,
    DamageSound = 4,
    CollectSound = 5,
    RefillSound = 6,
    NextLevelSound = 7
};

inline Shot playerShotAt(Point p, double damage = 1.0) {
    return Shot(p.x, p.y, 0.0, damage, 1, true);
}
inline Shot enemyShotAt(Point p, double damage = 1.0) {
    return Shot(p.x, p.y, 0.0, damage, 1, false);
}

inline std::string popupText(const ScorePopup& popup) {
    return popup.getString().toAnsiString();
}

} // namespace testworld
