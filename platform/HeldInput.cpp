#include "platform/HeldInput.hpp"

#include "platform/GameWindow.hpp"

HeldInput HeldInput::read(const GameWindow& window) {
    const Gamepad& pad = window.pad();
    const PadDirection walk = pad.walk();
    HeldInput input;
    input.space = window.isKeyHeld(sf::Keyboard::Space) || pad.firing();
    input.leftButton = window.isButtonHeld(sf::Mouse::Left);
    input.left = window.isKeyHeld(sf::Keyboard::Left) || walk.x < 0;
    input.right = window.isKeyHeld(sf::Keyboard::Right) || walk.x > 0;
    input.up = window.isKeyHeld(sf::Keyboard::Up) || walk.y < 0;
    input.down = window.isKeyHeld(sf::Keyboard::Down) || walk.y > 0;
    if (pad.stickOwnsSight())
        input.stickAim = pad.aim();
    return input;
}
