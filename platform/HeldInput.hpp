#pragma once

#include <SFML/System/Vector2.hpp>
#include <optional>

class GameWindow;

// The keys and buttons the player holds, read once per frame. The pad's A and right trigger count
// as Space, its left stick and d-pad as the arrow keys.
struct HeldInput {
    bool space = false;
    bool leftButton = false;
    bool left = false;
    bool right = false;
    bool up = false;
    bool down = false;
    // Where the right stick points while it owns the sight (of length 1).
    std::optional<sf::Vector2f> stickAim = std::nullopt;

    static HeldInput read(const GameWindow& window);
};
