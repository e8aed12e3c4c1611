#include "world/PlayState.hpp"

#include "platform/GameWindow.hpp"

PlayState::PlayState(GameWindow& window, std::uint32_t randomSeed)
    : window(window), clock(gameClock), random(randomSeed) {}

PlayState::~PlayState() = default;

float PlayState::frameTime() const {
    return window.frameTime();
}

Point PlayState::startPoint() const {
    return Point(mapArea.left + mapArea.width / 2, mapArea.top + mapArea.height);
}
